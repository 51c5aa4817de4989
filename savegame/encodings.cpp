// Play file value encodings, byte by byte.
#include "savegame/encodings.h"

#include "puzzle/state.h"

void putSlotByte(std::uint8_t* out, int value)
{
    out[0] = static_cast<std::uint8_t>(value);
    out[1] = out[2] = out[3] = 0;
}

int getSlotByte(const std::uint8_t* in) { return in[0]; }

void putBase255Pair(std::uint8_t* out, int value)
{
    out[0] = static_cast<std::uint8_t>(base255Low(value));
    out[1] = static_cast<std::uint8_t>(base255High(value));
}

int getBase255Pair(const std::uint8_t* in) { return in[0] + 255 * in[1]; }

void putBase255PairHighFirst(std::uint8_t* out, int value)
{
    out[0] = static_cast<std::uint8_t>(base255High(value));
    out[1] = static_cast<std::uint8_t>(base255Low(value));
}

int getBase255PairHighFirst(const std::uint8_t* in) { return 255 * in[0] + in[1]; }

void putOffsetPair(std::uint8_t* out, int value) { putBase255Pair(out, value + 1000); }

int getOffsetPair(const std::uint8_t* in) { return getBase255Pair(in) - 1000; }

void putBigEndian32(std::uint8_t* out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

std::uint32_t getBigEndian32(const std::uint8_t* in)
{
    return static_cast<std::uint32_t>(in[0]) << 24 | static_cast<std::uint32_t>(in[1]) << 16 |
           static_cast<std::uint32_t>(in[2]) << 8 | in[3];
}
