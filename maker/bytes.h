// Little-endian stores into byte buffers, as the file formats need them.
#pragma once

#include <cstdint>
#include <vector>

inline void putU32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
