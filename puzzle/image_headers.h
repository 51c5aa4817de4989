// Bitmap headers the construction writes for the piece sheets and the silhouette mask.
#pragma once

#include <cstddef>
#include <cstdint>

// Writes a 40-byte BITMAPINFOHEADER.
void writeInfoHeader(std::uint8_t* out, int width, int height, int bitCount, std::uint32_t imageSize);

// Writes a 14-byte BITMAPFILEHEADER: "BM", file size, two zero words, pixel offset.
void writeFileHeader(std::uint8_t* out, std::uint32_t fileSize, std::uint32_t pixelOffset);

// Byte length of one row of the silhouette mask (four strips side by side, 1 bit a pixel).
std::size_t maskRowBytes();

// Size of the mask block: header, palette and rows, and never less than what a play file
// copies out of it.
std::size_t maskBlockSize();
