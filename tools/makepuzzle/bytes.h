// Little-endian stores into byte buffers, as the file formats need them.
#pragma once

#include <cstdint>
#include <vector>

inline void putU16(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value)
{
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void putU32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value)
{
    putU16(bytes, offset, value & 0xFFFF);
    putU16(bytes, offset + 2, value >> 16);
}
