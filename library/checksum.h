// The CRC-32 that guards a game record against damage.
#pragma once

#include <cstdint>
#include <span>

// The CRC-32 of `bytes` as zlib and PNG compute it (reflected polynomial 0xEDB88320, all ones
// in and out): "123456789" gives 0xCBF43926.
std::uint32_t crc32Of(std::span<const std::uint8_t> bytes);
