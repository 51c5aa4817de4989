// Puzzle resources made by the puzzle maker from a real picture, for tests that need jigsaw
// shapes rather than squares.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The resource the maker writes for the picture cut into columns x rows pieces of the given
// core and margin; empty when the maker refuses the geometry.
std::vector<std::uint8_t> makeMadePuzzle(const std::string& picturePath, int columns, int rows,
                                         int core, int margin);
