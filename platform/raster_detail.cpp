// Dirty areas and the destination-to-source mapping of stretched drawing.
#include "platform/raster_detail.h"

#include <algorithm>
#include <numeric>

namespace raster {

void markDirty(Surface& surface, int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    Rect& dirty = surface.dirty;
    if (dirty.right <= dirty.left || dirty.bottom <= dirty.top) {
        dirty = Rect{left, top, right, bottom};
        return;
    }
    dirty.left = std::min(dirty.left, left);
    dirty.top = std::min(dirty.top, top);
    dirty.right = std::max(dirty.right, right);
    dirty.bottom = std::max(dirty.bottom, bottom);
}

void markDrawn(Surface& dst, const AxisMap& xs, const AxisMap& ys)
{
    const auto drawn = [](const std::vector<int>& nearest) {
        const auto isDrawn = [](int index) { return index >= 0; };
        const auto first = std::find_if(nearest.begin(), nearest.end(), isDrawn);
        const auto last = std::find_if(nearest.rbegin(), nearest.rend(), isDrawn).base();
        return std::pair{static_cast<int>(first - nearest.begin()),
                         static_cast<int>(last - nearest.begin())};
    };
    const auto [left, right] = drawn(xs.nearest);
    const auto [top, bottom] = drawn(ys.nearest);
    markDirty(dst, xs.first + left, ys.first + top, xs.first + right, ys.first + bottom);
}

namespace {

// A GDI extent made positive: the lowest coordinate covered, the count and whether it ran
// backwards.
struct Span {
    std::int64_t low;
    std::int64_t count;
    bool reversed;
};

Span normalise(std::int64_t origin, std::int64_t extent)
{
    if (extent < 0)
        return {origin + extent + 1, -extent, true};
    return {origin, extent, false};
}

}  // namespace

AxisMap mapAxis(std::int64_t destOrigin, std::int64_t destExtent, std::int64_t sourceOrigin,
                std::int64_t sourceExtent, int sourceSize, int destSize, bool halftone, bool flip)
{
    AxisMap map;
    const Span dest = normalise(destOrigin, destExtent);
    const Span source = normalise(sourceOrigin, sourceExtent);
    if (dest.count == 0 || source.count == 0)
        return map;
    const bool mirrored = (dest.reversed != source.reversed) != flip;
    const std::int64_t first = std::max<std::int64_t>(dest.low, 0);
    const std::int64_t end = std::min<std::int64_t>(dest.low + dest.count, destSize);
    if (end <= first)
        return map;
    map.first = static_cast<int>(first);
    map.nearest.reserve(static_cast<std::size_t>(end - first));
    // Every share is a multiple of both counts' greatest common divisor.
    const std::int64_t unit = std::gcd(source.count, dest.count);
    if (halftone)
        map.tapStart.push_back(0);
    for (std::int64_t d = first; d < end; ++d) {
        std::int64_t t = d - dest.low;
        if (mirrored)
            t = dest.count - 1 - t;
        // The source pixel under the destination pixel's centre. A centre on the line between
        // two pixels takes the later one in the image's own order: for rows stored the other
        // way round (`flip`) that is the lower stored index, so that an image draws alike
        // whichever way its rows are stored.
        const std::int64_t offset = (2 * t + 1) * source.count - (flip ? 1 : 0);
        const std::int64_t centre = source.low + offset / (2 * dest.count);
        const bool inside = centre >= 0 && centre < sourceSize;
        map.nearest.push_back(inside ? static_cast<int>(centre) : -1);
        if (!halftone)
            continue;
        if (inside) {
            // In units of 1 / dest.count source pixels the destination pixel covers
            // [t * source.count, (t + 1) * source.count) and source pixel k covers
            // [k * dest.count, (k + 1) * dest.count).
            const std::int64_t from = t * source.count;
            const std::int64_t to = from + source.count;
            const std::int64_t lowest = std::max<std::int64_t>(from / dest.count, -source.low);
            const std::int64_t highest =
                std::min<std::int64_t>((to - 1) / dest.count, sourceSize - 1 - source.low);
            std::uint32_t total = 0;
            for (std::int64_t k = lowest; k <= highest; ++k) {
                const std::int64_t shared = std::min(to, (k + 1) * dest.count) -
                                            std::max(from, k * dest.count);
                map.tapIndex.push_back(static_cast<int>(source.low + k));
                map.tapWeight.push_back(static_cast<std::uint32_t>(shared / unit));
                total += map.tapWeight.back();
            }
            map.tapTotal.push_back(total);
        } else {
            map.tapTotal.push_back(0);
        }
        map.tapStart.push_back(static_cast<int>(map.tapIndex.size()));
    }
    return map;
}

}  // namespace raster
