// Packed DIBs made to measure for raster tests, and drawing them.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/surface.h"
#include "platform/types.h"

// A packed DIB: the 40-byte header with its colour table, and the pixel rows.
struct Dib {
    std::vector<std::uint8_t> info;
    std::vector<std::uint8_t> bits;
};

void putU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value);

// A DIB built from a function of (x, row from the top): palette indices for 8 bits or fewer,
// 0x00BBGGRR colours for 24 bits. A negative height makes it top-down.
Dib makeDib(int width, int height, int bitCount, const std::vector<Colour>& palette,
            const std::function<std::uint32_t(int, int)>& value, std::uint32_t coloursUsed = 0);

// drawDib with the DIB's two blocks.
int draw(Surface& dst, int dx, int dy, int dw, int dh, const Dib& dib, int sx, int sy, int sw,
         int sh, RasterOp op = RasterOp::copy, StretchMode mode = StretchMode::plain);
