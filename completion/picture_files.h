// Writing the finished picture as a BMP or JPEG file, safely as play files are written: the
// new file appears whole under its name or not at all, and a failure leaves an existing file
// as it was.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"

// A 24-bit BMP file: file header, 40-byte information header, then the rows bottom line
// first, each padded to a multiple of 4 bytes. `pixels` holds the rows without padding,
// bottom line first, blue, green, red.
std::vector<std::uint8_t> encodeBmp(const std::vector<std::uint8_t>& pixels, int width,
                                    int height);

FileWriteOutcome writeBmpFile(const std::string& path, const std::vector<std::uint8_t>& pixels,
                              int width, int height);
// A baseline JPEG of quality 100 from the same pixels.
FileWriteOutcome writeJpegFile(const std::string& path, const std::vector<std::uint8_t>& pixels,
                               int width, int height);
