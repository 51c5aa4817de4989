// Scaled pieces pixel for pixel: scalePiece's shortcuts against the plain weighted average.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <utility>

#include "platform/surface.h"
#include "view/scaled_tiles.h"
#include "view/view.h"

namespace {

// The plain average of window pixel (i, j): every source pixel it overlaps, weighted by the
// overlap in units where a source pixel is windowStep long and a window pixel boardStep, summed
// over the piece's own pixels, divided by their area with rounding.
void plainAverage(const Surface& mask, const Surface& picture, int size, ViewScale scale, int i,
                  int j, std::uint32_t& maskPixel, std::uint32_t& picturePixel)
{
    const auto overlap = [&](int source, int target) {
        const long long low = std::max<long long>(1LL * source * scale.windowStep,
                                                  1LL * target * scale.boardStep);
        const long long high = std::min<long long>((source + 1LL) * scale.windowStep,
                                                   (target + 1LL) * scale.boardStep);
        return static_cast<std::uint32_t>(std::max(0LL, high - low));
    };
    // The source pixels that can overlap window pixel i: from i * boardStep / windowStep on.
    const auto first = [&](int target) {
        return static_cast<int>(1LL * target * scale.boardStep / scale.windowStep);
    };
    const auto last = [&](int target) {
        return std::min(size - 1, first(target + 1));
    };
    std::uint32_t area = 0, sums[3] = {0, 0, 0};
    for (int y = first(j); y <= last(j); ++y)
        for (int x = first(i); x <= last(i); ++x) {
            const std::uint32_t weight = overlap(x, i) * overlap(y, j);
            if (weight == 0 || mask.pixels[y * size + x] == 0)
                continue;
            area += weight;
            for (int c = 0; c < 3; ++c)
                sums[c] += weight * ((picture.pixels[y * size + x] >> (8 * c)) & 0xFF);
        }
    maskPixel = area == 0 ? 0 : 0xFFFFFFu;
    picturePixel = 0xFFFFFFu;
    if (area != 0)
        picturePixel = (sums[2] + area / 2) / area << 16 | (sums[1] + area / 2) / area << 8 |
                       (sums[0] + area / 2) / area;
}

// A piece of the given size: a round body with a knob to the right and scattered holes and
// specks, so that the four turns differ; its pictures take every value from black to white,
// and some mask pixels are neither black nor white.
void makePiece(int size, unsigned seed, Surface& mask, Surface& picture)
{
    std::mt19937 random(seed);
    resizeSurface(mask, size, size, 0);
    resizeSurface(picture, size, size, 0xFFFFFFu);
    const int centre = size / 2;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int body = (x - centre) * (x - centre) + (y - centre) * (y - centre);
            const int knob = (x - size + 4) * (x - size + 4) + (y - centre) * (y - centre);
            const bool inside = ((body < size * size / 6 || knob < size) && random() % 11 != 0) ||
                                random() % 13 == 0;
            if (!inside) {
                picture.pixels[y * size + x] = random() % 7 == 0 ? random() & 0xFFFFFFu : 0xFFFFFFu;
                continue;
            }
            mask.pixels[y * size + x] = random() % 9 == 0 ? 0x000100u : 0xFFFFFFu;
            const std::uint32_t extremes[] = {0, 0xFFFFFFu, 0xFF00FFu};
            picture.pixels[y * size + x] =
                random() % 4 == 0 ? extremes[random() % 3] : random() & 0xFFFFFFu;
        }
}

// The piece turned a quarter clockwise.
void turn(Surface& surface)
{
    Surface turned;
    resizeSurface(turned, surface.height, surface.width, 0);
    for (int y = 0; y < surface.height; ++y)
        for (int x = 0; x < surface.width; ++x)
            turned.pixels[x * turned.width + (turned.width - 1 - y)] =
                surface.pixels[y * surface.width + x];
    surface = turned;
}

// Every level of a cell step of 48 (and of odd steps, the whole board's levels among them),
// enlarging and reducing, on pieces of even and odd sizes in all four turns.
TEST(ScaledPieceTest, MatchesThePlainAverageAtEveryLevelAndTurn)
{
    const ViewScale scales[] = {{12, 48}, {16, 48}, {24, 48}, {28, 48}, {36, 48}, {72, 48},
                                {96, 48}, {7, 10},  {3, 2},   {5, 3},   {2, 1},   {31, 30}};
    Surface mask, picture, scaledMask, scaledPicture;
    for (const int size : {80, 37}) {
        makePiece(size, static_cast<unsigned>(size), mask, picture);
        for (int turns = 0; turns < 4; ++turns) {
            for (const ViewScale scale : scales) {
                scalePiece(mask, picture, size, scale, scaledMask, scaledPicture);
                const int side =
                    (size * scale.windowStep + scale.boardStep - 1) / scale.boardStep;
                ASSERT_EQ(scaledMask.width, side);
                ASSERT_EQ(scaledPicture.height, side);
                for (int j = 0; j < side; ++j)
                    for (int i = 0; i < side; ++i) {
                        std::uint32_t maskPixel = 0, picturePixel = 0;
                        plainAverage(mask, picture, size, scale, i, j, maskPixel, picturePixel);
                        ASSERT_EQ(std::make_pair(scaledMask.pixels[j * side + i],
                                                 scaledPicture.pixels[j * side + i]),
                                  std::make_pair(maskPixel, picturePixel))
                            << "size " << size << " turns " << turns << " scale "
                            << scale.windowStep << "/" << scale.boardStep << " at " << i << ","
                            << j;
                    }
            }
            turn(mask);
            turn(picture);
        }
    }
}

}  // namespace
