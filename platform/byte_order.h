// Whole numbers kept as bytes, least significant first, as bitmap headers and the game's own
// records keep them.
#pragma once

#include <cstdint>

// The low `bytes` bytes of `value`, least significant first.
inline void putLittleEndian(std::uint8_t* out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The value of `bytes` bytes, least significant first.
inline std::uint32_t readLittleEndian(const std::uint8_t* in, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | in[i];
    return value;
}
