// The software raster, pixel by pixel: fills, blits, DIB drawing, stretching, clipping.
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <random>

#include "support/test_dib.h"

namespace {

constexpr Colour background = makeColour(1, 2, 3);

// A colour that tells every (x, y) of a small image apart.
Colour tag(int x, int y)
{
    return makeColour(10 + x, 100 + y, 200);
}

Surface blank(int width, int height, Colour fill = background)
{
    Surface surface;
    resizeSurface(surface, width, height, fill);
    takeDirtyRect(surface);
    return surface;
}

bool sameRect(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST(Surface, StoresRedInThirdByteAndAnswersInvalidOutside)
{
    Surface s = blank(3, 2, makeColour(0x11, 0x22, 0x33));
    EXPECT_EQ(s.pixels[0], 0x00112233u);
    EXPECT_EQ(pixelAt(s, 2, 1), makeColour(0x11, 0x22, 0x33));
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {INT_MIN, INT_MAX}})
        EXPECT_EQ(pixelAt(s, x, y), invalidColour) << x << "," << y;
}

TEST(Surface, FillClipsAndCollectsDirtyArea)
{
    Surface s = blank(10, 10);
    fillRect(s, -5, 8, 3, 100, makeColour(9, 9, 9));
    EXPECT_EQ(pixelAt(s, 0, 9), makeColour(9, 9, 9));
    EXPECT_EQ(pixelAt(s, 2, 8), makeColour(9, 9, 9));
    EXPECT_EQ(pixelAt(s, 3, 8), background);  // right edge excluded
    EXPECT_EQ(pixelAt(s, 0, 7), background);
    fillRect(s, 6, 1, 7, 2, 0);
    fillRect(s, 20, 20, 30, 30, 0);  // wholly outside: no change to the dirty area
    EXPECT_TRUE(sameRect(takeDirtyRect(s), Rect{0, 1, 7, 10}));
    EXPECT_TRUE(sameRect(takeDirtyRect(s), Rect{}));
}

TEST(Surface, CopyOrAndCombinePixels)
{
    Surface src = blank(1, 1, 0x00F0F00Fu);
    for (auto [op, expected] : {std::pair{RasterOp::copy, 0x00F0F00Fu},
                                {RasterOp::paint, 0x00F0F03Fu}, {RasterOp::mask, 0x0030F000u}}) {
        Surface dst = blank(1, 1, 0x0030F030u);
        copyRect(dst, 0, 0, 1, 1, src, 0, 0, op);
        EXPECT_EQ(pixelAt(dst, 0, 0), expected);
    }
}

TEST(Surface, CopyClipsToBothSurfacesAndLeavesTheRestAlone)
{
    Surface src = blank(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            fillRect(src, x, y, x + 1, y + 1, tag(x, y));
    Surface dst = blank(5, 5, 0);
    // Source origin (-1, 2): only source rows 2..3 and columns 0..2 exist.
    copyRect(dst, 1, 0, 4, 4, src, -1, 2, RasterOp::copy);
    EXPECT_EQ(pixelAt(dst, 1, 0), 0u);          // source column -1
    EXPECT_EQ(pixelAt(dst, 2, 0), tag(0, 2));
    EXPECT_EQ(pixelAt(dst, 4, 1), tag(2, 3));
    EXPECT_EQ(pixelAt(dst, 2, 2), 0u);          // source row 4
    EXPECT_TRUE(sameRect(takeDirtyRect(dst), Rect{2, 0, 5, 2}));
    // Far and negative coordinates and sizes never write anything.
    copyRect(dst, INT_MAX - 1, INT_MAX - 1, 100, 100, src, 0, 0, RasterOp::copy);
    copyRect(dst, INT_MIN, INT_MIN, INT_MAX, INT_MAX, src, INT_MAX, 0, RasterOp::copy);
    copyRect(dst, 0, 0, -3, 2, src, 0, 0, RasterOp::copy);
    copyRect(dst, -3, -3, 4, 4, src, 0, 0, RasterOp::copy);
    EXPECT_EQ(pixelAt(dst, 0, 0), tag(3, 3));
    EXPECT_TRUE(sameRect(takeDirtyRect(dst), Rect{0, 0, 1, 1}));
}

TEST(Surface, CopyWithinOneSurfaceOverlapping)
{
    Surface s = blank(4, 1);
    for (int x = 0; x < 4; ++x)
        fillRect(s, x, 0, x + 1, 1, tag(x, 0));
    copyRect(s, 1, 0, 3, 1, s, 0, 0, RasterOp::paint);
    EXPECT_EQ(pixelAt(s, 3, 0), tag(3, 0) | tag(2, 0));
    EXPECT_EQ(pixelAt(s, 2, 0), tag(2, 0) | tag(1, 0));
}

TEST(DrawDib, BottomUpMeasuresSourceYFromTheBottomEdge)
{
    // 3 x 4 image; tag(x, y) with y counted from the top.
    const Dib dib = makeDib(3, 4, 24, {}, tag);
    Surface dst = blank(3, 2);
    EXPECT_EQ(draw(dst, 0, 0, 3, 2, dib, 0, 1, 3, 2), 2);
    // Rows 1..2 from the bottom are rows 2..1 from the top; the top row shows row 2.
    EXPECT_EQ(pixelAt(dst, 0, 0), tag(0, 1));
    EXPECT_EQ(pixelAt(dst, 2, 1), tag(2, 2));

    const Dib topDown = makeDib(3, -4, 24, {}, tag);
    draw(dst, 0, 0, 3, 2, topDown, 0, 1, 3, 2);
    EXPECT_EQ(pixelAt(dst, 0, 0), tag(0, 1));
    EXPECT_EQ(pixelAt(dst, 2, 1), tag(2, 2));
    draw(dst, 0, 0, 3, 2, topDown, 1, 2, 3, 2);
    EXPECT_EQ(pixelAt(dst, 0, 0), tag(1, 2));
    EXPECT_EQ(pixelAt(dst, 1, 1), tag(2, 3));
    EXPECT_EQ(pixelAt(dst, 2, 1), tag(2, 2)) << "column 3 is outside the image: unchanged";
    draw(dst, 0, 0, 3, 2, dib, 0, 0, 3, 2);
    EXPECT_EQ(pixelAt(dst, 0, 0), tag(0, 2)) << "sy 0 is the bottom of a bottom-up image";
}

TEST(DrawDib, PalettedDepthsReadTheirColourTables)
{
    const std::vector<Colour> palette = {makeColour(7, 0, 0),   makeColour(0, 7, 0),
                                         makeColour(0, 0, 7),   makeColour(1, 2, 3),
                                         makeColour(250, 0, 1), makeColour(9, 9, 9)};
    // Index pattern with a period that crosses byte boundaries at every depth.
    const auto index = [](int bits) {
        return [bits](int x, int y) {
            return static_cast<std::uint32_t>((x + 2 * y) % (bits == 1 ? 2 : 6));
        };
    };
    for (int bits : {1, 4, 8}) {
        const std::vector<Colour> table(palette.begin(), palette.begin() + (bits == 1 ? 2 : 6));
        const Dib dib = makeDib(21, 3, bits, table, index(bits),
                                static_cast<std::uint32_t>(table.size()));
        Surface dst = blank(21, 3);
        draw(dst, 2, 0, 13, 3, dib, 5, 0, 13, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 2; x < 15; ++x)
                ASSERT_EQ(pixelAt(dst, x, y), table[index(bits)(x + 3, y)])
                    << bits << " bits at " << x << "," << y;
        EXPECT_EQ(pixelAt(dst, 1, 0), background);
        EXPECT_EQ(pixelAt(dst, 15, 2), background);
    }
}

TEST(DrawDib, FullColourTableWhenColoursUsedIsZero)
{
    std::vector<Colour> table(16);
    for (int i = 0; i < 16; ++i)
        table[i] = makeColour(i * 16, 255 - i, i);
    const Dib dib =
        makeDib(16, 1, 4, table, [](int x, int) { return static_cast<std::uint32_t>(x); });
    Surface dst = blank(16, 1);
    draw(dst, 0, 0, 16, 1, dib, 0, 0, 16, 1);
    EXPECT_EQ(pixelAt(dst, 15, 0), table[15]);
    EXPECT_EQ(pixelAt(dst, 6, 0), table[6]);
}

TEST(DrawDib, MaskThenPictureCompositing)
{
    // Mask: 0 (white) inside, 1 (black) outside; picture white outside.
    const Dib mask = makeDib(4, 1, 1, {makeColour(255, 255, 255), 0},
                             [](int x, int) { return x < 2 ? 0u : 1u; });
    const Dib picture = makeDib(4, 1, 24, {}, [](int x, int) {
        return x < 2 ? makeColour(40, 50, 60) : makeColour(255, 255, 255);
    });
    Surface dst = blank(4, 1, makeColour(9, 8, 7));
    draw(dst, 0, 0, 4, 1, mask, 0, 0, 4, 1, RasterOp::paint);
    draw(dst, 0, 0, 4, 1, picture, 0, 0, 4, 1, RasterOp::mask);
    EXPECT_EQ(pixelAt(dst, 1, 0), makeColour(40, 50, 60));
    EXPECT_EQ(pixelAt(dst, 2, 0), makeColour(9, 8, 7));
}

TEST(DrawDib, ClipsAtNegativeAndFarCoordinates)
{
    const Dib dib = makeDib(4, 4, 24, {}, tag);
    Surface dst = blank(3, 3);
    draw(dst, -1, -2, 4, 4, dib, 0, 0, 4, 4);
    EXPECT_EQ(pixelAt(dst, 0, 0), tag(1, 2));
    EXPECT_EQ(pixelAt(dst, 2, 1), tag(3, 3));
    EXPECT_EQ(pixelAt(dst, 0, 2), background);
    EXPECT_TRUE(sameRect(takeDirtyRect(dst), Rect{0, 0, 3, 2}));
    // Source rectangle partly outside the image: those pixels stay.
    draw(dst, 0, 0, 3, 3, dib, -2, 3, 3, 3);
    EXPECT_EQ(pixelAt(dst, 1, 0), tag(2, 2));   // source column -1: unchanged
    EXPECT_EQ(pixelAt(dst, 2, 2), tag(0, 0));   // source row 3 from the bottom
    EXPECT_EQ(pixelAt(dst, 2, 1), tag(3, 3));   // source row 4: unchanged
    EXPECT_TRUE(sameRect(takeDirtyRect(dst), Rect{2, 2, 3, 3}));
    for (auto [x, y, sx, sy] : {std::array{INT_MAX, INT_MAX, 0, 0}, {INT_MIN, INT_MIN, 0, 0},
                                {0, 0, INT_MAX, INT_MIN}, {0, 0, INT_MIN, INT_MAX}}) {
        draw(dst, x, y, 4, 4, dib, sx, sy, 4, 4);
        draw(dst, x, y, 40, 9, dib, sx, sy, 4, 4, RasterOp::copy, StretchMode::halftone);
        draw(dst, x, y, INT_MIN, INT_MAX, dib, sx, sy, INT_MAX, INT_MIN);
    }
    EXPECT_TRUE(sameRect(takeDirtyRect(dst), Rect{}));
}

TEST(DrawDib, RejectsUnsupportedFormats)
{
    Dib dib = makeDib(2, 2, 24, {}, tag);
    Surface dst = blank(2, 2);
    EXPECT_EQ(draw(dst, 0, 0, 2, 2, dib, 0, 0, 2, -2), 2);
    dib.info[16] = 1;  // run-length compressed
    EXPECT_EQ(draw(dst, 0, 0, 2, 2, dib, 0, 0, 2, 2), 0);
    dib.info[16] = 0;
    dib.info[14] = 16;
    EXPECT_EQ(draw(dst, 0, 0, 2, 2, dib, 0, 0, 2, 2), 0);
}

TEST(DrawDib, StretchPicksNearestPixels)
{
    const Dib dib = makeDib(2, 2, 24, {}, tag);
    Surface dst = blank(4, 4);
    draw(dst, 0, 0, 4, 4, dib, 0, 0, 2, 2);
    EXPECT_EQ(pixelAt(dst, 1, 1), tag(0, 0));
    EXPECT_EQ(pixelAt(dst, 2, 1), tag(1, 0));
    EXPECT_EQ(pixelAt(dst, 3, 3), tag(1, 1));
    const Dib wide = makeDib(4, 1, 24, {}, tag);
    draw(dst, 0, 0, 2, 1, wide, 0, 0, 4, 1);  // each pixel takes the source under its centre
    EXPECT_EQ(pixelAt(dst, 0, 0), tag(1, 0));
    EXPECT_EQ(pixelAt(dst, 1, 0), tag(3, 0));
}

TEST(DrawDib, NegativeExtentsMirror)
{
    const Dib dib = makeDib(3, -1, 24, {}, tag);
    Surface dst = blank(3, 1);
    // Width -3 at x 2 covers 0..2, mirrored.
    draw(dst, 2, 0, -3, 1, dib, 0, 0, 3, 1);
    EXPECT_EQ(pixelAt(dst, 0, 0), tag(2, 0));
    EXPECT_EQ(pixelAt(dst, 2, 0), tag(0, 0));
    const Dib tall = makeDib(1, 3, 24, {}, tag);
    Surface column = blank(1, 3);
    draw(column, 0, 2, 1, -3, tall, 0, 0, 1, 3);  // bottom-up image drawn upside down
    EXPECT_EQ(pixelAt(column, 0, 0), tag(0, 2));
}

TEST(DrawDib, OneToOneAgreesWithTheGeneralPath)
{
    // Mirroring both extents draws the same picture through the general code, whatever the
    // depth, orientation, clipping and raster operation.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-12, 30), size(1, 24);
    const RasterOp ops[] = {RasterOp::copy, RasterOp::paint, RasterOp::mask};
    std::vector<Colour> palette(16);
    for (int i = 0; i < 16; ++i)
        palette[i] = tag(i, i);
    for (int height : {17, -17})
        for (int bits : {1, 4, 8, 24}) {
            const std::uint32_t colours = bits == 1 ? 2 : 16;
            const Dib dib = makeDib(
                23, height, bits, palette,
                [&](int x, int y) {
                    return bits == 24 ? tag(x, y) : static_cast<std::uint32_t>(x * 3 + y) % colours;
                },
                colours);
            for (int trial = 0; trial < 100; ++trial) {
                const int dx = coordinate(random), dy = coordinate(random);
                const int sx = coordinate(random), sy = coordinate(random);
                const int w = size(random), h = size(random);
                const RasterOp op = ops[trial % 3];
                Surface fast = blank(20, 20), general = blank(20, 20);
                for (std::size_t i = 0; i < fast.pixels.size(); ++i)
                    fast.pixels[i] = general.pixels[i] = static_cast<std::uint32_t>(i * 0x10305);
                draw(fast, dx, dy, w, h, dib, sx, sy, w, h, op);
                draw(general, dx + w - 1, dy + h - 1, -w, -h, dib, sx + w - 1, sy + h - 1, -w,
                     -h, op);
                ASSERT_EQ(fast.pixels, general.pixels) << bits << " bits, trial " << trial;
                ASSERT_TRUE(sameRect(fast.dirty, general.dirty));
            }
        }
}

TEST(Stretch, HalftoneAveragesTheCoveredArea)
{
    Surface src = blank(4, 2);
    const int values[2][4] = {{0, 40, 100, 200}, {20, 60, 50, 50}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            fillRect(src, x, y, x + 1, y + 1, makeColour(values[y][x], 255 - values[y][x], 0));
    Surface dst = blank(2, 1);
    stretchRect(dst, 0, 0, 2, 1, src, 0, 0, 4, 2, StretchMode::halftone);
    EXPECT_EQ(pixelAt(dst, 0, 0), makeColour(30, 225, 0));
    EXPECT_EQ(pixelAt(dst, 1, 0), makeColour(100, 155, 0));
    // A third of a pixel each way: 3 source pixels into 2 weigh 2:1 and 1:2.
    Surface row = blank(3, 1);
    for (int x = 0; x < 3; ++x)
        fillRect(row, x, 0, x + 1, 1, makeColour(x * 90, 0, 0));
    stretchRect(dst, 0, 0, 2, 1, row, 0, 0, 3, 1, StretchMode::halftone);
    EXPECT_EQ(pixelAt(dst, 0, 0), makeColour(30, 0, 0));
    EXPECT_EQ(pixelAt(dst, 1, 0), makeColour(150, 0, 0));
    // The same through a DIB.
    const Dib dib = makeDib(4, 2, 24, {}, [&](int x, int y) {
        return makeColour(values[y][x], 255 - values[y][x], 0);
    });
    draw(dst, 0, 0, 2, 1, dib, 0, 0, 4, 2, RasterOp::copy, StretchMode::halftone);
    EXPECT_EQ(pixelAt(dst, 1, 0), makeColour(100, 155, 0));
}

TEST(Stretch, CombinesWithOrAndAnd)
{
    Surface src = blank(1, 1, makeColour(0x0F, 0xF0, 0x00));
    Surface dst = blank(2, 2, makeColour(0xF0, 0xF0, 0x11));
    stretchRect(dst, 0, 0, 2, 1, src, 0, 0, 1, 1, StretchMode::halftone, RasterOp::paint);
    stretchRect(dst, 0, 1, 2, 1, src, 0, 0, 1, 1, StretchMode::plain, RasterOp::mask);
    EXPECT_EQ(pixelAt(dst, 1, 0), makeColour(0xFF, 0xF0, 0x11));
    EXPECT_EQ(pixelAt(dst, 1, 1), makeColour(0x00, 0xF0, 0x00));
    EXPECT_TRUE(sameRect(takeDirtyRect(dst), Rect{0, 0, 2, 2}));
}

TEST(DibPixelOffset, CountsHeaderColourTableAndMasks)
{
    std::vector<std::uint8_t> info(40, 0);
    const auto offset = [&](int bits, std::uint32_t used, std::uint32_t compression) {
        info[14] = static_cast<std::uint8_t>(bits);
        putU32(info, 32, used);
        putU32(info, 16, compression);
        return dibPixelOffset(info.data());
    };
    EXPECT_EQ(offset(1, 0, 0), 48u);
    EXPECT_EQ(offset(4, 0, 0), 104u);
    EXPECT_EQ(offset(8, 0, 0), 1064u);
    EXPECT_EQ(offset(8, 3, 0), 52u);
    EXPECT_EQ(offset(24, 0, 0), 40u);
    EXPECT_EQ(offset(24, 2, 0), 48u);
    EXPECT_EQ(offset(32, 0, 3), 52u);
}
