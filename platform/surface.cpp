// Software raster: surfaces, fills, blits between surfaces, pixel reads and dirty areas.
#include "platform/surface.h"

#include <algorithm>
#include <cstring>

#include "platform/halftone.h"
#include "platform/raster_detail.h"

using raster::markDirty;

namespace {

// One row of a blit. `backwards` runs from the right, for overlapping rows of one surface.
template <RasterOp op>
void blitRow(std::uint32_t* out, const std::uint32_t* in, int count, bool backwards)
{
    if constexpr (op == RasterOp::copy) {
        std::memmove(out, in, static_cast<std::size_t>(count) * sizeof *out);
    } else if (backwards) {
        for (int i = count - 1; i >= 0; --i)
            raster::combine<op>(out[i], in[i]);
    } else {
        for (int i = 0; i < count; ++i)
            raster::combine<op>(out[i], in[i]);
    }
}

}  // namespace

void resizeSurface(Surface& surface, int width, int height, Colour fill)
{
    surface.width = std::max(width, 0);
    surface.height = std::max(height, 0);
    surface.pixels.assign(static_cast<std::size_t>(surface.width) * surface.height,
                          raster::swapRedBlue(fill));
    surface.dirty = Rect{};
    markDirty(surface, 0, 0, surface.width, surface.height);
}

void fillRect(Surface& surface, int left, int top, int right, int bottom, Colour colour)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, surface.width);
    bottom = std::min(bottom, surface.height);
    if (right <= left || bottom <= top)
        return;
    // The first row filled, the others copied from it: a copy runs at memory speed whatever
    // the compiler makes of a fill loop.
    const std::size_t count = static_cast<std::size_t>(right - left);
    std::uint32_t* first = &surface.pixels[static_cast<std::size_t>(top) * surface.width + left];
    std::fill_n(first, count, raster::swapRedBlue(colour));
    for (int y = top + 1; y < bottom; ++y)
        std::memcpy(first + static_cast<std::size_t>(y - top) * surface.width, first,
                    count * sizeof *first);
    markDirty(surface, left, top, right, bottom);
}

// A destination pixel is written when it lies inside dst and its source pixel inside src;
// every other pixel keeps its colour. A zero or negative size copies nothing. Overlapping
// areas of one surface are copied as if through a temporary copy.
void copyRect(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
              RasterOp op)
{
    if (w <= 0 || h <= 0)
        return;
    using std::int64_t;
    const int64_t left = std::max<int64_t>({0, -int64_t{x}, -int64_t{sx}});
    const int64_t right = std::min<int64_t>({w, int64_t{dst.width} - x, int64_t{src.width} - sx});
    const int64_t top = std::max<int64_t>({0, -int64_t{y}, -int64_t{sy}});
    const int64_t bottom =
        std::min<int64_t>({h, int64_t{dst.height} - y, int64_t{src.height} - sy});
    if (right <= left || bottom <= top)
        return;
    const int count = static_cast<int>(right - left);
    const bool sameSurface = &dst == &src;
    const bool upwards = sameSurface && y > sy;
    const bool backwards = sameSurface && x > sx;
    raster::withOp(op, [&]<RasterOp rop>() {
        for (int64_t j = top; j < bottom; ++j) {
            const int64_t row = upwards ? bottom - 1 - (j - top) : j;
            std::uint32_t* out =
                &dst.pixels[static_cast<std::size_t>((y + row) * dst.width + x + left)];
            const std::uint32_t* in =
                &src.pixels[static_cast<std::size_t>((sy + row) * src.width + sx + left)];
            blitRow<rop>(out, in, count, backwards);
        }
    });
    markDirty(dst, static_cast<int>(x + left), static_cast<int>(y + top),
              static_cast<int>(x + right), static_cast<int>(y + bottom));
}

void stretchRect(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
                 int sw, int sh, StretchMode mode, RasterOp op)
{
    if (dw == sw && dh == sh && dw > 0 && dh > 0) {
        copyRect(dst, dx, dy, dw, dh, src, sx, sy, op);
        return;
    }
    // Reading from the surface being written needs a stable copy of it.
    const Surface copy = &dst == &src ? src : Surface{};
    const Surface& source = &dst == &src ? copy : src;
    const bool halftone = mode == StretchMode::halftone;
    const raster::AxisMap xs = raster::mapAxis(dx, dw, sx, sw, source.width, dst.width, halftone);
    const raster::AxisMap ys = raster::mapAxis(dy, dh, sy, sh, source.height, dst.height, halftone);
    const auto fetchRow = [&](int row) {
        return &source.pixels[static_cast<std::size_t>(row) * source.width];
    };
    const auto fetchBytes = [&](int row) {
        return reinterpret_cast<const std::uint8_t*>(fetchRow(row));
    };
    raster::withOp(op, [&]<RasterOp rop>() {
        if (halftone)
            raster::resampleHalftone<rop>(dst, xs, ys, 4, fetchBytes);
        else
            raster::resample<rop>(dst, xs, ys, fetchRow);
    });
}

Colour pixelAt(const Surface& surface, int x, int y)
{
    if (x < 0 || y < 0 || x >= surface.width || y >= surface.height)
        return invalidColour;
    return raster::swapRedBlue(surface.pixels[static_cast<std::size_t>(y) * surface.width + x]);
}

Rect takeDirtyRect(Surface& surface)
{
    const Rect dirty = surface.dirty;
    surface.dirty = Rect{};
    return dirty;
}
