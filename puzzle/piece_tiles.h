// The pieces as the display draws them: each piece's mask and picture per rotation, cut from
// the image blocks and combined into masked tiles when first drawn, released with the blocks.
#pragma once

#include "platform/masked_tile.h"
#include "platform/surface.h"

// Copies piece k's mask, for rotation 1..4, 1:1 onto `target` at (0, 0).
void drawPieceMask(Surface& target, int k, int rotation);
// Copies piece k's picture, for rotation 1..4, 1:1 onto `target` at (0, 0).
void drawPiecePicture(Surface& target, int k, int rotation);

// Piece k's mask and picture for the rotation as one masked tile, made on the first call after
// the image blocks were (re)made by decoding them into the two scratch surfaces (each at least
// a piece's box in size); null when the blocks do not hold the whole tile.
const MaskedTile* maskedPieceTile(int k, int rotation, Surface& maskScratch,
                                  Surface& pictureScratch);

// Frees every masked tile (the image blocks they came from are going).
void releasePieceTiles();
// Counts the releases: tiles made from the blocks at another count are stale.
int pieceTilesGeneration();
