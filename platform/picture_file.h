// Picture files of any common kind (JPEG, PNG, BMP, WebP, ...) decoded and scaled, as the
// Windows Imaging Component's decoder and scaler do for the game.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// 24-bit picture, rows from the top, three bytes red, green, blue per pixel.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Reads and decodes the picture file, turned upright by its camera orientation and laid over
// white where it is transparent; false with a reason when it cannot be read.
bool readPictureFile(const std::string& path, RgbImage& picture, std::string& error);

// The part of `picture` at (x, y) of width x height, scaled to exactly toWidth x toHeight with
// a filter that averages on the way down.
RgbImage scalePicturePart(const RgbImage& picture, int x, int y, int width, int height,
                          int toWidth, int toHeight);
