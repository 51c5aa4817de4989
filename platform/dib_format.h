// Reading and writing the headers of packed DIBs and bitmap files.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::size_t bitmapInfoHeaderSize = 40;
constexpr std::size_t bitmapFileHeaderSize = 14;

// Writes a 40-byte BITMAPINFOHEADER: one plane, no compression, no resolution; a positive
// height is a bottom-up image.
void writeInfoHeader(std::uint8_t* out, int width, int height, int bitCount,
                     std::uint32_t imageSize, std::uint32_t coloursUsed = 0);

// Writes a 14-byte BITMAPFILEHEADER: "BM", the file size, two zero words, the pixel offset.
void writeFileHeader(std::uint8_t* out, std::uint32_t fileSize, std::uint32_t pixelOffset);

// The fields of a BITMAPINFOHEADER that drawing and checking need.
struct DibInfo {
    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;  // positive: bottom-up
    int bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
};

DibInfo readInfoHeader(const std::uint8_t* info);

