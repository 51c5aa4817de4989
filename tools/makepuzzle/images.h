// In-memory images the maker produces: the scaled picture and the piece label.
#pragma once

#include <cstdint>
#include <vector>

// 24-bit picture, rows from the top, three bytes red, green, blue per pixel.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Label image of palette indexes (0..15), rows from the top, one byte per pixel.
struct LabelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
