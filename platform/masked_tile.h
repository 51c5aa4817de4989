// Pictures drawn through their silhouette masks, prepared once as straight row operations.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/surface.h"

// What ORing a mask and then ANDing a picture of the same size onto a surface (SRCPAINT, then
// SRCAND) does to each pixel below, kept as runs per row: pixels that the pair leaves as they
// are (a black mask pixel under a white picture pixel) are not stored, pixels it replaces by
// the picture's are stored once, and any other pixel keeps the AND and the OR it applies.
struct MaskedTile {
    struct Run {
        std::uint32_t at = 0;  // first stored pixel; a combining run stores its ORs after its ANDs
        std::uint16_t left = 0;
        std::uint16_t count = 0;
        bool combines = false;
    };
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rowStart;  // the runs of row j are [rowStart[j], rowStart[j + 1])
    std::vector<Run> runs;
    std::vector<std::uint32_t> pixels;
};

// The tile of the width x height areas at (0, 0) of `mask` and `picture` (at most 65535 wide).
MaskedTile makeMaskedTile(const Surface& mask, const Surface& picture, int width, int height);

// The same pixels and dirty area as copyRect(dst, x, y, w, h, mask, 0, 0, RasterOp::paint)
// followed by copyRect(dst, x, y, w, h, picture, 0, 0, RasterOp::mask), for the surfaces and
// size the tile was made from.
void drawMaskedTile(Surface& dst, int x, int y, const MaskedTile& tile);
