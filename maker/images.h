// In-memory images the maker works on: the picture (a decoded picture file) and the label.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/picture_file.h"

// Label image of palette indexes (0..15), rows from the top, one byte per pixel.
struct LabelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
