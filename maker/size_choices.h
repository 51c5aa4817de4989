// The numbers of pieces offered for a picture: columns x rows near the picture's proportions,
// and the geometry that lays them out on the board.
#pragma once

#include <vector>

#include "maker/geometry.h"

struct SizeChoice {
    int columns = 0;
    int rows = 0;

    int pieces() const { return columns * rows; }
};

// The choices from 12 to 1000 pieces for a picture of width x height, fewest first, each
// within the limits (41 columns, 26 rows, 1000 pieces), none twice, and only those the picture
// is large enough for (pictureLargeEnough): none at all for a picture too small for any.
std::vector<SizeChoice> sizeChoices(int pictureWidth, int pictureHeight);

// The largest square cells, up to 120 pixels, that keep the whole puzzle within about
// 960 x 600 pixels, but at least 48 pixels where a picture of pictureWidth x pictureHeight has
// that many pixels across a piece (the board then reaches beyond the window); the margin two
// thirds of the cell, as in the embedded puzzles, so that every knob keeps their proportions.
// The answer passes geometryProblem.
PuzzleGeometry geometryForChoice(const SizeChoice& choice, int pictureWidth, int pictureHeight);

// Whether a picture of width x height has at least minPixelsPerPiece pixels across every piece
// of the choice, after cropping to the choice's proportions.
bool pictureLargeEnough(int pictureWidth, int pictureHeight, const SizeChoice& choice);

constexpr int minPixelsPerPiece = 16;
