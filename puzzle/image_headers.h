// Sizes of the silhouette mask that construction makes.
#pragma once

#include <cstddef>

// Byte length of one row of the silhouette mask (four strips side by side, 1 bit a pixel).
std::size_t maskRowBytes();

// Size of the mask block: header, palette and rows, and never less than what a play file
// copies out of it.
std::size_t maskBlockSize();
