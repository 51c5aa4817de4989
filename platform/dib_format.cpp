// Headers of packed DIBs and bitmap files, little-endian as the formats store them.
#include "platform/dib_format.h"

#include <cstring>

namespace {

void putLittleEndian(std::uint8_t* out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

void writeInfoHeader(std::uint8_t* out, int width, int height, int bitCount,
                     std::uint32_t imageSize, std::uint32_t coloursUsed)
{
    std::memset(out, 0, bitmapInfoHeaderSize);
    putLittleEndian(out, static_cast<std::uint32_t>(bitmapInfoHeaderSize), 4);
    putLittleEndian(out + 4, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(out + 8, static_cast<std::uint32_t>(height), 4);
    putLittleEndian(out + 12, 1, 2);
    putLittleEndian(out + 14, static_cast<std::uint32_t>(bitCount), 2);
    putLittleEndian(out + 20, imageSize, 4);
    putLittleEndian(out + 32, coloursUsed, 4);
}

void writeFileHeader(std::uint8_t* out, std::uint32_t fileSize, std::uint32_t pixelOffset)
{
    out[0] = 'B';
    out[1] = 'M';
    putLittleEndian(out + 2, fileSize, 4);
    putLittleEndian(out + 6, 0, 4);
    putLittleEndian(out + 10, pixelOffset, 4);
}

std::uint32_t readLittleEndian32(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

DibInfo readInfoHeader(const std::uint8_t* info)
{
    DibInfo header;
    header.headerSize = readLittleEndian32(info);
    header.width = static_cast<std::int32_t>(readLittleEndian32(info + 4));
    header.height = static_cast<std::int32_t>(readLittleEndian32(info + 8));
    header.bitCount = info[14] | info[15] << 8;
    header.compression = readLittleEndian32(info + 16);
    header.coloursUsed = readLittleEndian32(info + 32);
    return header;
}
