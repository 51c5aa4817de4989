// CRC-32 a byte at a time from a table made once.
#include "library/checksum.h"

#include <array>

namespace {

std::array<std::uint32_t, 256> makeTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t value = n;
        for (int bit = 0; bit < 8; ++bit)
            value = (value >> 1) ^ (0xEDB88320u & (0u - (value & 1u)));
        table[n] = value;
    }
    return table;
}

}  // namespace

std::uint32_t crc32Of(std::span<const std::uint8_t> bytes)
{
    static const std::array<std::uint32_t, 256> table = makeTable();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t byte : bytes)
        crc = (crc >> 8) ^ table[(crc ^ byte) & 0xFFu];
    return ~crc;
}
