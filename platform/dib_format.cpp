// Headers of packed DIBs and bitmap files, little-endian as the formats store them.
#include "platform/dib_format.h"

#include <cstring>

#include "platform/byte_order.h"

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

DibInfo readInfoHeader(const std::uint8_t* info)
{
    DibInfo header;
    header.headerSize = readLittleEndian(info, 4);
    header.width = static_cast<std::int32_t>(readLittleEndian(info + 4, 4));
    header.height = static_cast<std::int32_t>(readLittleEndian(info + 8, 4));
    header.bitCount = info[14] | info[15] << 8;
    header.compression = readLittleEndian(info + 16, 4);
    header.coloursUsed = readLittleEndian(info + 32, 4);
    return header;
}
