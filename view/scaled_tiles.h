// The pieces as drawn at a zoom level other than 100 %: each piece's mask and picture reduced
// (or enlarged) by area averaging into a masked tile, made when first drawn at that level.
#pragma once

#include "platform/masked_tile.h"
#include "platform/surface.h"
#include "view/view.h"

// Piece k's tile for rotation 1..4 at `scale`, the view's (a frame works it out once). The
// tiles of one level are kept until the level, the puzzle or its image blocks change.
const MaskedTile& scaledPieceTile(int k, int rotation, ViewScale scale = viewScale());

// Frees every scaled tile.
void releaseScaledTiles();

// Reduces (or enlarges) the size x size piece at (0, 0) of `mask` (white inside the outline,
// black outside) and `picture` (white outside) by `scale` into `scaledMask` and
// `scaledPicture`, each side becoming windowLength(size) pixels. A window pixel belongs to the
// piece when any part of the area it covers does, so that pieces joined in a group leave no
// gap between them; its colour is the average of the piece's own pixels in that area.
void scalePiece(const Surface& mask, const Surface& picture, int size, ViewScale scale,
                Surface& scaledMask, Surface& scaledPicture);
