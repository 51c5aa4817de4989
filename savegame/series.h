// The small text kept beside the kept play file: the series number to go on with and whether
// the puzzle was made from a picture.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// "puzzle N made M\n": the series number and 1 for a made puzzle, 0 for one of the series.
std::vector<std::uint8_t> seriesText(int puzzleNumber, int made);

// Reads a text seriesText() wrote: true with the series number (within the series) and the
// kind (0 or 1); false, leaving both as they were, for anything else.
bool parseSeries(std::span<const std::uint8_t> bytes, int& puzzleNumber, int& made);
