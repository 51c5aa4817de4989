// Masked tiles: a mask and a picture combined into per-row runs, drawn with clipping.
#include "platform/masked_tile.h"

#include <algorithm>
#include <cstring>

#include "platform/raster_detail.h"

namespace {

// What (below | mask) & picture makes of a pixel below; the value is also the number of words
// a run stores per pixel.
enum class Effect : std::uint8_t { keeps = 0, replaces = 1, combines = 2 };

Effect effectOf(std::uint32_t mask, std::uint32_t picture)
{
    // Surfaces hold 0x00RRGGBB pixels, which a white AND leaves whole.
    const bool keeps = mask == 0 && picture == 0xFFFFFFu;
    // Every bit the picture sets, the mask sets too: the result is the picture's pixel.
    const bool replaces = (picture & ~mask) == 0;
    // Without branches: a pixel that keeps never replaces (the mask has no bits).
    return static_cast<Effect>(2 - 2 * keeps - replaces);
}

}  // namespace

MaskedTile makeMaskedTile(const Surface& mask, const Surface& picture, int width, int height)
{
    // Every pixel's effect first, so that the runs and the pixels are allocated once.
    std::vector<Effect> effects(static_cast<std::size_t>(width) * height);
    std::size_t runCount = 0;
    std::size_t stored = 0;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* m = &mask.pixels[static_cast<std::size_t>(y) * mask.width];
        const std::uint32_t* p = &picture.pixels[static_cast<std::size_t>(y) * picture.width];
        Effect* effect = &effects[static_cast<std::size_t>(y) * width];
        for (int x = 0; x < width; ++x)
            effect[x] = effectOf(m[x], p[x]);
        for (int x = 0; x < width; ++x) {
            stored += static_cast<std::size_t>(effect[x]);
            runCount += effect[x] != Effect::keeps && (x == 0 || effect[x] != effect[x - 1]);
        }
    }
    MaskedTile tile;
    tile.width = width;
    tile.height = height;
    tile.rowStart.reserve(static_cast<std::size_t>(height) + 1);
    tile.runs.reserve(runCount);
    tile.pixels.reserve(stored);
    for (int y = 0; y < height; ++y) {
        tile.rowStart.push_back(static_cast<std::uint32_t>(tile.runs.size()));
        const Effect* effect = &effects[static_cast<std::size_t>(y) * width];
        const std::uint32_t* m = &mask.pixels[static_cast<std::size_t>(y) * mask.width];
        const std::uint32_t* p = &picture.pixels[static_cast<std::size_t>(y) * picture.width];
        for (int x = 0; x < width;) {
            int end = x + 1;
            while (end < width && effect[end] == effect[x])
                ++end;
            if (effect[x] != Effect::keeps) {
                tile.runs.push_back({static_cast<std::uint32_t>(tile.pixels.size()),
                                     static_cast<std::uint16_t>(x),
                                     static_cast<std::uint16_t>(end - x),
                                     effect[x] == Effect::combines});
                // The picture's pixel is both what a replacing run writes and what a combining
                // run ANDs; the OR of a combining run is the part of the mask the picture keeps.
                tile.pixels.insert(tile.pixels.end(), p + x, p + end);
                if (effect[x] == Effect::combines)
                    for (int i = x; i < end; ++i)
                        tile.pixels.push_back(m[i] & p[i]);
            }
            x = end;
        }
    }
    tile.rowStart.push_back(static_cast<std::uint32_t>(tile.runs.size()));
    return tile;
}

void drawMaskedTile(Surface& dst, int x, int y, const MaskedTile& tile)
{
    using std::int64_t;
    const int64_t left = std::max<int64_t>(0, -int64_t{x});
    const int64_t right = std::min<int64_t>(tile.width, int64_t{dst.width} - x);
    const int64_t top = std::max<int64_t>(0, -int64_t{y});
    const int64_t bottom = std::min<int64_t>(tile.height, int64_t{dst.height} - y);
    if (right <= left || bottom <= top)
        return;
    for (int64_t j = top; j < bottom; ++j) {
        const int64_t rowAt = (y + j) * int64_t{dst.width} + x;
        for (std::uint32_t r = tile.rowStart[j]; r < tile.rowStart[j + 1]; ++r) {
            const MaskedTile::Run& run = tile.runs[r];
            const int64_t from = std::max<int64_t>(run.left, left);
            const int64_t to = std::min<int64_t>(run.left + run.count, right);
            if (from >= to)
                continue;
            std::uint32_t* out = &dst.pixels[static_cast<std::size_t>(rowAt + from)];
            const std::uint32_t* ands = &tile.pixels[run.at + (from - run.left)];
            const std::size_t count = static_cast<std::size_t>(to - from);
            if (!run.combines) {
                std::memcpy(out, ands, count * sizeof *out);
                continue;
            }
            const std::uint32_t* ors = ands + run.count;
            for (std::size_t i = 0; i < count; ++i)
                out[i] = (out[i] & ands[i]) | ors[i];
        }
    }
    raster::markDirty(dst, static_cast<int>(x + left), static_cast<int>(y + top),
                      static_cast<int>(x + right), static_cast<int>(y + bottom));
}
