// Internals shared by the raster's surface and DIB code: pixel combining, dirty areas and the
// mapping of stretched destination pixels onto source pixels.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/surface.h"

namespace raster {

// Swaps the red and blue bytes: 0x00BBGGRR <-> 0x00RRGGBB (the conversion is its own inverse).
inline std::uint32_t swapRedBlue(std::uint32_t value)
{
    return ((value & 0xFFu) << 16) | (value & 0xFF00u) | ((value >> 16) & 0xFFu);
}

template <RasterOp op>
inline void combine(std::uint32_t& target, std::uint32_t source)
{
    if constexpr (op == RasterOp::copy)
        target = source;
    else if constexpr (op == RasterOp::paint)
        target |= source;
    else
        target &= source;
}

// Widens the surface's dirty area to take in [left, right) x [top, bottom) (ignored if empty).
void markDirty(Surface& surface, int left, int top, int right, int bottom);

// How one axis of a stretch maps destination pixels onto source pixels. Extents may be
// negative: as in GDI, a rectangle of extent -n at origin p covers p - n + 1 .. p, and the
// picture is mirrored when exactly one of the two extents (or `flip`) reverses direction.
// Only destination pixels inside the destination surface are listed; a destination pixel is
// drawn when the source pixel under its centre lies inside the source image.
struct AxisMap {
    int first = 0;                   // first destination coordinate listed
    std::vector<int> nearest;        // per destination pixel: the source index, or -1
    // Halftone only: per destination pixel, taps [tapStart[i], tapStart[i + 1]) of the source
    // pixels its area covers inside the image, each weighted by the area it shares (in units
    // of the largest length that divides every share), and the sum of its taps' weights.
    std::vector<int> tapStart;
    std::vector<int> tapIndex;
    std::vector<std::uint32_t> tapWeight;
    std::vector<std::uint32_t> tapTotal;
};

AxisMap mapAxis(std::int64_t destOrigin, std::int64_t destExtent, std::int64_t sourceOrigin,
                std::int64_t sourceExtent, int sourceSize, int destSize, bool halftone,
                bool flip = false);

// Marks the destination pixels both maps draw (those whose source pixel lies in the image).
void markDrawn(Surface& dst, const AxisMap& xs, const AxisMap& ys);

// Draws through two axis maps, each destination pixel the source pixel under its centre.
// `fetchRow(index)` answers a pointer to the whole source row `index` as 0x00RRGGBB pixels.
template <RasterOp op, class FetchRow>
void resample(Surface& dst, const AxisMap& xs, const AxisMap& ys, FetchRow&& fetchRow)
{
    const int columns = static_cast<int>(xs.nearest.size());
    for (std::size_t j = 0; j < ys.nearest.size(); ++j) {
        if (ys.nearest[j] < 0)
            continue;
        const int y = ys.first + static_cast<int>(j);
        std::uint32_t* out = &dst.pixels[static_cast<std::size_t>(y) * dst.width + xs.first];
        const std::uint32_t* in = fetchRow(ys.nearest[j]);
        for (int i = 0; i < columns; ++i)
            if (xs.nearest[i] >= 0)
                combine<op>(out[i], in[xs.nearest[i]]);
    }
    markDrawn(dst, xs, ys);
}

// Dispatches a run-time raster operation to code compiled for it.
template <class Body>
void withOp(RasterOp op, Body&& body)
{
    switch (op) {
    case RasterOp::copy: body.template operator()<RasterOp::copy>(); break;
    case RasterOp::paint: body.template operator()<RasterOp::paint>(); break;
    case RasterOp::mask: body.template operator()<RasterOp::mask>(); break;
    }
}

}  // namespace raster
