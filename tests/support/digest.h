// A 64-bit FNV-1a digest, for tests that pin pixels or file bytes to known values.
#pragma once

#include <cstdint>
#include <span>

inline std::uint64_t fnv1a(std::span<const std::uint8_t> bytes,
                           std::uint64_t hash = 14695981039346656037ull)
{
    for (std::uint8_t byte : bytes)
        hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

// The digest continued over 32-bit pixels, each as its four little-endian bytes.
inline std::uint64_t fnv1a(std::span<const std::uint32_t> pixels,
                           std::uint64_t hash = 14695981039346656037ull)
{
    for (std::uint32_t pixel : pixels)
        for (int shift = 0; shift < 32; shift += 8)
            hash = (hash ^ ((pixel >> shift) & 0xFFu)) * 1099511628211ull;
    return hash;
}
