// Fits a picture to the puzzle: centred crop to the puzzle's proportions, then a filtered scale
// to the exact picture size.
#pragma once

#include "maker/images.h"

// The largest centred part of the picture with the proportions width : height, scaled
// to exactly width x height.
RgbImage fitPicture(const RgbImage& picture, int width, int height);
