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
    // pixels its area covers inside the image, each weighted by the area it shares.
    std::vector<int> tapStart;
    std::vector<int> tapIndex;
    std::vector<double> tapWeight;
};

AxisMap mapAxis(std::int64_t destOrigin, std::int64_t destExtent, std::int64_t sourceOrigin,
                std::int64_t sourceExtent, int sourceSize, int destSize, bool halftone,
                bool flip = false);

// Draws through two axis maps. `fetchRow(index)` answers a pointer to the whole source row
// `index` as 0x00RRGGBB pixels; it is called for rows in the order they are needed.
template <RasterOp op, class FetchRow>
void resample(Surface& dst, const AxisMap& xs, const AxisMap& ys, bool halftone,
              FetchRow&& fetchRow)
{
    const int columns = static_cast<int>(xs.nearest.size());
    std::vector<double> sums(halftone ? 3 * static_cast<std::size_t>(columns) : 0);
    int drawnLeft = columns, drawnRight = 0, drawnTop = -1, drawnBottom = -1;
    for (std::size_t j = 0; j < ys.nearest.size(); ++j) {
        if (ys.nearest[j] < 0)
            continue;
        const int y = ys.first + static_cast<int>(j);
        std::uint32_t* out = &dst.pixels[static_cast<std::size_t>(y) * dst.width + xs.first];
        if (!halftone) {
            const std::uint32_t* in = fetchRow(ys.nearest[j]);
            for (int i = 0; i < columns; ++i)
                if (xs.nearest[i] >= 0)
                    combine<op>(out[i], in[xs.nearest[i]]);
        } else {
            std::fill(sums.begin(), sums.end(), 0.0);
            double rowWeight = 0;
            for (int t = ys.tapStart[j]; t < ys.tapStart[j + 1]; ++t) {
                const std::uint32_t* in = fetchRow(ys.tapIndex[t]);
                const double wy = ys.tapWeight[t];
                rowWeight += wy;
                for (int i = 0; i < columns; ++i) {
                    double red = 0, green = 0, blue = 0;
                    for (int u = xs.tapStart[i]; u < xs.tapStart[i + 1]; ++u) {
                        const std::uint32_t p = in[xs.tapIndex[u]];
                        const double wx = xs.tapWeight[u];
                        red += wx * static_cast<double>((p >> 16) & 0xFF);
                        green += wx * static_cast<double>((p >> 8) & 0xFF);
                        blue += wx * static_cast<double>(p & 0xFF);
                    }
                    sums[3 * i] += wy * red;
                    sums[3 * i + 1] += wy * green;
                    sums[3 * i + 2] += wy * blue;
                }
            }
            for (int i = 0; i < columns; ++i) {
                if (xs.nearest[i] < 0)
                    continue;
                double columnWeight = 0;
                for (int u = xs.tapStart[i]; u < xs.tapStart[i + 1]; ++u)
                    columnWeight += xs.tapWeight[u];
                const double total = rowWeight * columnWeight;
                const auto channel = [&](int c) {
                    return static_cast<std::uint32_t>(sums[3 * i + c] / total + 0.5);
                };
                combine<op>(out[i], (channel(0) << 16) | (channel(1) << 8) | channel(2));
            }
        }
        if (drawnTop < 0)
            drawnTop = y;
        drawnBottom = y + 1;
    }
    for (int i = 0; i < columns; ++i)
        if (xs.nearest[i] >= 0) {
            drawnLeft = std::min(drawnLeft, i);
            drawnRight = i + 1;
        }
    if (drawnTop >= 0)
        markDirty(dst, xs.first + drawnLeft, drawnTop, xs.first + drawnRight, drawnBottom);
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
