// A whole puzzle resource made in memory from a decoded picture.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "maker/geometry.h"
#include "maker/images.h"

// The picture fitted to the geometry, the pieces cut by the seed, the title as the second
// message line; the geometry must have passed geometryProblem.
std::vector<std::uint8_t> makePuzzleResource(const RgbImage& source,
                                             const PuzzleGeometry& geometry,
                                             std::string_view titleUtf8, std::uint32_t seed);
