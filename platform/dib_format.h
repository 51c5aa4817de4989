// Writing the headers of packed DIBs and bitmap files.
#pragma once

#include <cstdint>

constexpr int bitmapInfoHeaderSize = 40;
constexpr int bitmapFileHeaderSize = 14;

// Writes a 40-byte BITMAPINFOHEADER: one plane, no compression, no resolution; a positive
// height is a bottom-up image.
void writeInfoHeader(std::uint8_t* out, int width, int height, int bitCount,
                     std::uint32_t imageSize, std::uint32_t coloursUsed = 0);

// Writes a 14-byte BITMAPFILEHEADER: "BM", the file size, two zero words, the pixel offset.
void writeFileHeader(std::uint8_t* out, std::uint32_t fileSize, std::uint32_t pixelOffset);
