// Masked tiles against the two blits they stand for, pixel by pixel and in the dirty area.
#include "platform/masked_tile.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// A surface of 0x00RRGGBB pixels from `pixel`, with nothing in its dirty area.
Surface randomSurface(int width, int height, std::mt19937& random,
                      std::uint32_t (*pixel)(std::mt19937&))
{
    Surface surface;
    resizeSurface(surface, width, height, 0);
    for (std::uint32_t& value : surface.pixels)
        value = pixel(random) & 0xFFFFFFu;
    takeDirtyRect(surface);
    return surface;
}

}  // namespace

TEST(MaskedTile, DrawsWhatOrThenAndDrawAtEveryClipping)
{
    std::mt19937 random(7);
    // Masks black, white or any colour; pictures white, any colour or within the mask's bits:
    // every pixel leaves, replaces or combines with what lies below.
    const Surface mask = randomSurface(23, 17, random, [](std::mt19937& r) {
        const std::uint32_t kind = r() % 3;
        return kind == 0 ? 0u : kind == 1 ? 0xFFFFFFu : static_cast<std::uint32_t>(r());
    });
    const Surface picture = randomSurface(23, 17, random, [](std::mt19937& r) {
        return r() % 3 == 0 ? 0xFFFFFFu : static_cast<std::uint32_t>(r());
    });
    Surface pictureWithinMask = picture;
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        if (i % 2 == 0)
            pictureWithinMask.pixels[i] &= mask.pixels[i];
    const Surface below = randomSurface(40, 30, random, [](std::mt19937& r) {
        return static_cast<std::uint32_t>(r());
    });
    for (const Surface* drawn : {&picture, static_cast<const Surface*>(&pictureWithinMask)}) {
        const MaskedTile tile = makeMaskedTile(mask, *drawn, 20, 15);
        for (int y = -16; y <= 31; y += 3)
            for (int x = -21; x <= 41; x += 4) {
                Surface expected = below;
                copyRect(expected, x, y, 20, 15, mask, 0, 0, RasterOp::paint);
                copyRect(expected, x, y, 20, 15, *drawn, 0, 0, RasterOp::mask);
                Surface got = below;
                drawMaskedTile(got, x, y, tile);
                ASSERT_EQ(got.pixels, expected.pixels) << x << "," << y;
                const Rect a = takeDirtyRect(got);
                const Rect b = takeDirtyRect(expected);
                ASSERT_TRUE(a.left == b.left && a.top == b.top && a.right == b.right &&
                            a.bottom == b.bottom)
                    << x << "," << y;
            }
    }
}
