// Loads a PNG or JPEG picture and fits it to the puzzle: centred crop to the puzzle's
// proportions, then a filtered scale to the exact picture size.
#pragma once

#include <string>

#include "tools/makepuzzle/images.h"

// Reads the picture file; false with a reason when it cannot be read.
bool loadPicture(const std::string& path, RgbImage& picture, std::string& error);

// The largest centred part of the picture with the proportions width : height, scaled
// to exactly width x height.
RgbImage fitPicture(const RgbImage& picture, int width, int height);
