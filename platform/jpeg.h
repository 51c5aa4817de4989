// JPEG files through libjpeg (release 6b interface).
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/files.h"

// Compresses a 24-bit picture as a baseline JPEG of quality 100, RGB, top line first, handing
// the bytes to `transfer` in pieces. `bottomUpBgr` holds the rows bottom line first,
// `rowStride` bytes apart, each pixel blue, green, red. Answers false when the library failed
// part-way or a transfer failed; the compressor is released either way.
bool writeJpeg(const FileTransfer& transfer, const std::uint8_t* bottomUpBgr, int width,
               int height, std::size_t rowStride);
