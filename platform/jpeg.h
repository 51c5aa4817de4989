// JPEG files through libjpeg (release 6b interface).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

// Compresses a 24-bit picture into an open file as a baseline JPEG of quality 100, RGB, top
// line first. `bottomUpBgr` holds the rows bottom line first, `rowStride` bytes apart, each
// pixel blue, green, red. Answers false when the library failed part-way (the file then holds
// what was written up to the failure); the compressor is released either way.
bool writeJpeg(std::FILE* file, const std::uint8_t* bottomUpBgr, int width, int height,
               std::size_t rowStride);
