// Halftone stretching: every destination pixel is the area-weighted average of the source
// pixels it covers, whatever the depth, direction and scale.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "platform/surface.h"
#include "support/digest.h"
#include "support/test_dib.h"

namespace {

constexpr Colour untouched = makeColour(1, 2, 3);

Surface blank(int width, int height)
{
    Surface surface;
    resizeSurface(surface, width, height, untouched);
    return surface;
}

int red(Colour colour) { return static_cast<int>(colour & 0xFF); }
int green(Colour colour) { return static_cast<int>((colour >> 8) & 0xFF); }
int blue(Colour colour) { return static_cast<int>((colour >> 16) & 0xFF); }

Colour grey(int level) { return makeColour(level, level, level); }

// A pattern of the first `colours` of sixteen distinct colours, stored with `bits` bits a
// pixel (24: the colours themselves, else palette indices).
Dib patternPicture(int width, int height, int bits, int colours)
{
    std::vector<Colour> palette;
    for (int i = 0; i < colours; ++i)
        palette.push_back(makeColour(i * 17, 255 - i * 13, (i * 71) % 256));
    const auto index = [=](int x, int y) {
        return static_cast<std::uint32_t>((x * 7 + y * 3 + x * y) % colours);
    };
    if (bits == 24)
        return makeDib(width, height, 24, {}, [&](int x, int y) { return palette[index(x, y)]; });
    return makeDib(width, height, bits, palette, index, static_cast<std::uint32_t>(colours));
}

}  // namespace

TEST(Halftone, UniformSourceStaysUniformAtEveryDepthAndScale)
{
    const Colour colour = makeColour(37, 150, 222);
    for (int bits : {1, 4, 8, 24}) {
        const Dib dib = makeDib(37, 23, bits, {colour, colour}, [&](int, int) {
            return bits == 24 ? colour : 1u;
        }, bits == 24 ? 0 : 2);
        for (auto [w, h] : {std::pair{12, 7}, {5, 23}, {36, 22}, {80, 51}, {1, 1}}) {
            Surface dst = blank(90, 60);
            draw(dst, 2, 3, w, h, dib, 0, 0, 37, 23, RasterOp::copy, StretchMode::halftone);
            for (int y = 0; y < 60; ++y)
                for (int x = 0; x < 90; ++x) {
                    const bool inside = x >= 2 && x < 2 + w && y >= 3 && y < 3 + h;
                    ASSERT_EQ(pixelAt(dst, x, y), inside ? colour : untouched)
                        << bits << " bits, " << w << "x" << h << " at " << x << "," << y;
                }
        }
    }
}

TEST(Halftone, TwoToOneAveragesEachBlockExactly)
{
    std::mt19937 random(3);
    std::vector<Colour> source(8 * 6);
    for (Colour& colour : source)
        colour = static_cast<Colour>(random()) & 0xFFFFFFu;
    const Dib dib = makeDib(8, 6, 24, {}, [&](int x, int y) { return source[y * 8 + x]; });
    Surface dst = blank(4, 3);
    draw(dst, 0, 0, 4, 3, dib, 0, 0, 8, 6, RasterOp::copy, StretchMode::halftone);
    const auto average = [&](int x, int y, int (*channel)(Colour)) {
        const int sum = channel(source[2 * y * 8 + 2 * x]) + channel(source[2 * y * 8 + 2 * x + 1]) +
                        channel(source[(2 * y + 1) * 8 + 2 * x]) +
                        channel(source[(2 * y + 1) * 8 + 2 * x + 1]);
        return (sum + 2) / 4;  // halves round up
    };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(pixelAt(dst, x, y),
                      makeColour(average(x, y, red), average(x, y, green), average(x, y, blue)))
                << x << "," << y;
    // Pairs along one axis: 1 and 2 give 1.5, which rounds to 2.
    const Dib pairs = makeDib(4, 1, 24, {}, [](int x, int) { return grey(x == 0 ? 1 : x == 1 ? 2 : 200); });
    draw(dst, 0, 0, 2, 1, pairs, 0, 0, 4, 1, RasterOp::copy, StretchMode::halftone);
    EXPECT_EQ(pixelAt(dst, 0, 0), grey(2));
    EXPECT_EQ(pixelAt(dst, 1, 0), grey(200));
}

TEST(Halftone, CheckerboardShrunkComesOutGrey)
{
    const std::vector<Colour> blackWhite = {grey(0), grey(255)};
    const auto checker = [](int x, int y) { return static_cast<std::uint32_t>((x + y) % 2); };
    for (int bits : {1, 4, 8}) {
        const Dib dib = makeDib(30, 30, bits, blackWhite, checker, 2);
        // 3:1: five of the nine pixels under each square are one colour, four the other.
        Surface third = blank(10, 10);
        draw(third, 0, 0, 10, 10, dib, 0, 0, 30, 30, RasterOp::copy, StretchMode::halftone);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                ASSERT_EQ(pixelAt(third, x, y), grey((x + y) % 2 == 0 ? 113 : 142))
                    << bits << " bits at " << x << "," << y;
        // 6:1: half and half everywhere.
        Surface sixth = blank(5, 5);
        draw(sixth, 0, 0, 5, 5, dib, 0, 0, 30, 30, RasterOp::copy, StretchMode::halftone);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x)
                ASSERT_EQ(pixelAt(sixth, x, y), grey(128));
    }
}

TEST(Halftone, PartlyCoveredPixelsWeighByTheirShare)
{
    // Four columns into three: each destination pixel covers one and a third source pixels.
    const Dib row = makeDib(4, 1, 24, {}, [](int x, int) { return grey(40 * x); });
    Surface dst = blank(3, 2);
    draw(dst, 0, 0, 3, 1, row, 0, 0, 4, 1, RasterOp::copy, StretchMode::halftone);
    EXPECT_EQ(pixelAt(dst, 0, 0), grey(10));   // (3 x 0 + 40) / 4
    EXPECT_EQ(pixelAt(dst, 1, 0), grey(60));   // (40 + 80) / 2
    EXPECT_EQ(pixelAt(dst, 2, 0), grey(110));  // (80 + 3 x 120) / 4
    // Five rows of a bottom-up image into two: the middle row is split between them.
    const Dib column = makeDib(1, 5, 24, {}, [](int, int y) { return grey(50 * y); });
    Surface tall = blank(1, 2);
    draw(tall, 0, 0, 1, 2, column, 0, 0, 1, 5, RasterOp::copy, StretchMode::halftone);
    EXPECT_EQ(pixelAt(tall, 0, 0), grey(40));   // (0 + 50 + 100 / 2) / 2.5
    EXPECT_EQ(pixelAt(tall, 0, 1), grey(160));  // (100 / 2 + 150 + 200) / 2.5
    // A source rectangle reaching past the image: only the pixels inside it count.
    draw(dst, 0, 1, 2, 1, row, -1, 0, 4, 1, RasterOp::copy, StretchMode::halftone);
    EXPECT_EQ(pixelAt(dst, 0, 1), grey(0));
    EXPECT_EQ(pixelAt(dst, 1, 1), grey(60));
}

TEST(Halftone, EnlargingRepeatsAndBlendsAtTheSeams)
{
    const Dib dib = makeDib(2, 2, 24, {}, [](int x, int y) { return grey(100 * x + 20 * y); });
    Surface twice = blank(4, 4);
    draw(twice, 0, 0, 4, 4, dib, 0, 0, 2, 2, RasterOp::copy, StretchMode::halftone);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(pixelAt(twice, x, y), grey(100 * (x / 2) + 20 * (y / 2)));
    // Two into three: the middle pixel straddles both halves.
    Surface wider = blank(3, 1);
    draw(wider, 0, 0, 3, 1, dib, 0, 0, 2, 1, RasterOp::copy, StretchMode::halftone);
    EXPECT_EQ(pixelAt(wider, 0, 0), grey(20));
    EXPECT_EQ(pixelAt(wider, 1, 0), grey(70));
    EXPECT_EQ(pixelAt(wider, 2, 0), grey(120));
}

TEST(Halftone, DepthsOrientationsAndSurfacesAgree)
{
    // The same picture stored at every depth, bottom-up and top-down, or first drawn onto a
    // surface, stretches to the same pixels, mirrored and clipped included; nearest-pixel
    // stretching too, down to which pixel a centre on the line between two pixels takes.
    std::mt19937 random(11);
    std::uniform_int_distribution<int> origin(-6, 20), extent(1, 45), coin(0, 3);
    for (int bits : {1, 4, 8}) {
        const int colours = bits == 1 ? 2 : 16;
        const Dib reference = patternPicture(29, 21, 24, colours);
        const Dib bottomUp = patternPicture(29, 21, bits, colours);
        const Dib topDown = patternPicture(29, -21, bits, colours);
        Surface unscaled = blank(29, 21);
        draw(unscaled, 0, 0, 29, 21, topDown, 0, 0, 29, 21);
        for (int trial = 0; trial < 160; ++trial) {
            const StretchMode mode = trial % 2 ? StretchMode::halftone : StretchMode::plain;
            int dx = origin(random), dw = extent(random);
            const int dy = origin(random), dh = extent(random);
            const int sx = origin(random), sy = origin(random);
            const int sw = extent(random), sh = extent(random);
            if (coin(random) == 0) {
                dx += dw - 1;
                dw = -dw;
            }
            const auto stretched = [&](const Dib& dib, int rowOrigin) {
                Surface dst = blank(40, 40);
                draw(dst, dx, dy, dw, dh, dib, sx, rowOrigin, sw, sh, RasterOp::copy, mode);
                return dst.pixels;
            };
            // Bottom-up images measure the source rows from their bottom edge.
            const int fromBottom = 21 - sy - sh;
            const std::vector<std::uint32_t> expected = stretched(reference, fromBottom);
            Surface fromSurface = blank(40, 40);
            stretchRect(fromSurface, dx, dy, dw, dh, unscaled, sx, sy, sw, sh, mode);
            ASSERT_EQ(stretched(bottomUp, fromBottom), expected) << bits << " bits, " << trial;
            ASSERT_EQ(stretched(topDown, sy), expected) << bits << " bits, " << trial;
            ASSERT_EQ(fromSurface.pixels, expected) << bits << " bits, " << trial;
        }
    }
}

TEST(Halftone, StretchedPixelsStayAsPinned)
{
    // Random pictures stretched every way (shrunk and enlarged by uneven ratios, mirrored,
    // clipped, reaching past the image, combined by every operation) hash to the values this
    // raster has always drawn: a changed rounding or weighting shows here.
    std::mt19937 random(29);
    const auto pick = [&](int low, int high) {
        return low + static_cast<int>(random() % static_cast<std::uint32_t>(high - low + 1));
    };
    std::uint64_t hash = fnv1a(std::span<const std::uint8_t>{});
    for (int trial = 0; trial < 60; ++trial) {
        const int width = pick(1, 70), height = pick(1, 70);
        const Dib dib = makeDib(width, trial % 3 == 0 ? -height : height, 24, {},
                                [&](int, int) { return static_cast<Colour>(random()) & 0xFFFFFFu; });
        Surface under;
        resizeSurface(under, width, height, untouched);
        draw(under, 0, 0, width, height, dib, 0, 0, width, height);
        int dw = pick(1, 90), dh = pick(1, 90);
        int sx = pick(-5, width / 2), sy = pick(-5, height / 2);
        int sw = pick(1, width + 5), sh = pick(1, height + 5);
        if (trial % 4 == 1)
            dw = -dw;
        if (trial % 5 == 2)
            sh = -sh;
        const RasterOp op = trial % 7 == 3 ? RasterOp::paint
                          : trial % 7 == 5 ? RasterOp::mask : RasterOp::copy;
        const int dx = pick(-10, 40), dy = pick(-10, 40);
        Surface dst;
        resizeSurface(dst, 80, 80, makeColour(200, 90, 30));
        draw(dst, dx, dy, dw, dh, dib, sx, sy, sw, sh, op, StretchMode::halftone);
        stretchRect(dst, dy, dx, dw, dh, under, sx, sy, sw, sh, StretchMode::halftone, op);
        hash = fnv1a(std::span<const std::uint32_t>(dst.pixels), hash);
    }
    EXPECT_EQ(hash, 0xf5855b3dab6d39abull) << std::hex << hash;
}

TEST(Halftone, RowsSharedByLargeWeightsAverageExactly)
{
    // 1000 rows into 333: no common factor, so each source row's share of a destination row
    // is weighed in units of 1/333 of a row, weights too large for 16-bit products.
    constexpr int width = 9, rows = 1000, shrunk = 333;
    std::mt19937 random(5);
    std::vector<Colour> source(width * rows);
    for (Colour& colour : source)
        colour = static_cast<Colour>(random()) & 0xFFFFFFu;
    const Dib dib =
        makeDib(width, rows, 24, {}, [&](int x, int y) { return source[y * width + x]; });
    Surface dst = blank(width, shrunk);
    draw(dst, 0, 0, width, shrunk, dib, 0, 0, width, rows, RasterOp::copy, StretchMode::halftone);
    // Destination row t covers [t * 1000, (t + 1) * 1000) and source row k covers
    // [k * 333, (k + 1) * 333), in units of 1/333 of a source row.
    const auto average = [&](int x, int t, int (*channel)(Colour)) {
        std::int64_t sum = 0;
        for (int k = t * rows / shrunk; k <= ((t + 1) * rows - 1) / shrunk; ++k) {
            const std::int64_t shared = std::min((t + 1) * rows, (k + 1) * shrunk) -
                                        std::max(t * rows, k * shrunk);
            sum += shared * channel(source[k * width + x]);
        }
        return static_cast<int>((2 * sum + rows) / (2 * rows));  // halves round up
    };
    for (int t = 0; t < shrunk; ++t)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(pixelAt(dst, x, t),
                      makeColour(average(x, t, red), average(x, t, green), average(x, t, blue)))
                << x << "," << t;
}
