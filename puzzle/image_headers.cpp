// Bitmap info and file headers, and the silhouette mask's row and block sizes.
#include "puzzle/image_headers.h"

#include <algorithm>
#include <cstring>

#include "puzzle/state.h"

namespace {

void put16(std::uint8_t* out, std::uint32_t value)
{
    out[0] = static_cast<std::uint8_t>(value);
    out[1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(std::uint8_t* out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out + 2, value >> 16);
}

}  // namespace

void writeInfoHeader(std::uint8_t* out, int width, int height, int bitCount, std::uint32_t imageSize)
{
    std::memset(out, 0, 40);
    put32(out, 40);
    put32(out + 4, static_cast<std::uint32_t>(width));
    put32(out + 8, static_cast<std::uint32_t>(height));
    put16(out + 12, 1);
    put16(out + 14, static_cast<std::uint32_t>(bitCount));
    put32(out + 20, imageSize);
}

void writeFileHeader(std::uint8_t* out, std::uint32_t fileSize, std::uint32_t pixelOffset)
{
    out[0] = 'B';
    out[1] = 'M';
    put32(out + 2, fileSize);
    put32(out + 6, 0);
    put32(out + 10, pixelOffset);
}

std::size_t maskRowBytes()
{
    return static_cast<std::size_t>((getSheetWidth() + getMaskRowPad()) / 2);
}

std::size_t maskBlockSize()
{
    const std::size_t header = 40 + 8;
    const std::size_t rows = maskRowBytes() * static_cast<std::size_t>(getSheetHeight());
    // A play file copies (sheetWidth div 2 x 2) x sheetHeight bytes after the header.
    const std::size_t copied = static_cast<std::size_t>(getSheetWidth() / 2 * 2) *
                               static_cast<std::size_t>(getSheetHeight());
    return header + std::max(rows, copied);
}
