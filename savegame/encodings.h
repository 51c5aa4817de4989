// The value encodings of play files: slot bytes, base-255 digit pairs and big-endian seconds.
#pragma once

#include <cstdint>

// SlotByte: 4 bytes, the first the low 8 bits of the value, the other three 0.
void putSlotByte(std::uint8_t* out, int value);
int getSlotByte(const std::uint8_t* in);

// Base255Pair: value mod 255, then value div 255 (truncating; -1 gives 0xFF, 0x00).
void putBase255Pair(std::uint8_t* out, int value);
int getBase255Pair(const std::uint8_t* in);

// Base255PairHighFirst: value div 255, then value mod 255.
void putBase255PairHighFirst(std::uint8_t* out, int value);
int getBase255PairHighFirst(const std::uint8_t* in);

// OffsetPair: the Base255Pair of value + 1000; carries -1000..64279.
void putOffsetPair(std::uint8_t* out, int value);
int getOffsetPair(const std::uint8_t* in);

// 32 bits, most significant byte first.
void putBigEndian32(std::uint8_t* out, std::uint32_t value);
std::uint32_t getBigEndian32(const std::uint8_t* in);
