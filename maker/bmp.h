// Bitmap (BMP) files of the picture and of the label, bottom-up and uncompressed.
#pragma once

#include <cstdint>
#include <vector>

#include "maker/images.h"

// A 24-bit file: pixels stored blue, green, red; the width must be a multiple of 4 so the
// rows need no padding.
std::vector<std::uint8_t> encodePictureBmp(const RgbImage& picture);

// A 4-bit file with the 16-colour label palette; rows of (width + 1) / 2 bytes padded to 4,
// the left pixel of each byte in the high four bits.
std::vector<std::uint8_t> encodeLabelBmp(const LabelImage& label);
