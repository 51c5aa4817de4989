// Scaled piece tiles: area-averaged pieces cached per zoom level.
#include "view/scaled_tiles.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "puzzle/limits.h"
#include "puzzle/piece_tiles.h"
#include "puzzle/state.h"

namespace {

constexpr std::uint32_t white = 0xFFFFFFu;

// The source pixels each destination pixel covers along one axis, with whole-number weights:
// with source pixel x spanning [x * windowStep, (x + 1) * windowStep) and destination pixel i
// spanning [i * boardStep, (i + 1) * boardStep) on a common axis, a weight is their overlap.
struct Taps {
    std::vector<int> start;  // the taps of destination i are [start[i], start[i + 1])
    std::vector<int> source;
    std::vector<std::uint32_t> weight;
};

Taps tapsFor(int sourceLength, int destinationLength, ViewScale scale)
{
    const long long w = scale.windowStep;
    const long long b = scale.boardStep;
    Taps taps;
    taps.start.reserve(static_cast<std::size_t>(destinationLength) + 1);
    for (int i = 0; i < destinationLength; ++i) {
        taps.start.push_back(static_cast<int>(taps.source.size()));
        const long long low = i * b;
        const long long high = low + b;
        for (long long x = low / w; x < sourceLength && x * w < high; ++x) {
            taps.source.push_back(static_cast<int>(x));
            taps.weight.push_back(
                static_cast<std::uint32_t>(std::min((x + 1) * w, high) - std::max(x * w, low)));
        }
    }
    taps.start.push_back(static_cast<int>(taps.source.size()));
    return taps;
}

// Division by one divisor d as a multiply and a shift, exact for every numerator up to `largest`
// (below 2^31): with 2^shift > largest * d and multiplier = floor(2^shift / d) + 1, the
// multiplier exceeds 2^shift / d by at most 1, which adds at most n / 2^shift < 1 / d to n / d,
// too little to reach the next whole number.
class ExactDivisor {
public:
    ExactDivisor(std::uint32_t divisor, std::uint32_t largest)
        : shift_(std::bit_width(std::uint64_t{largest} * divisor)),
          multiplier_((std::uint64_t{1} << shift_) / divisor + 1)
    {
    }
    std::uint32_t operator()(std::uint32_t numerator) const
    {
        return static_cast<std::uint32_t>(numerator * multiplier_ >> shift_);
    }

private:
    int shift_;
    std::uint64_t multiplier_;
};

// The tiles of one level, by (rotation - 1) * pieceCount + k.
struct LevelTiles {
    ViewScale scale;
    int columns = 0;
    int rows = 0;
    int pieceSize = 0;
    int generation = -1;
    std::vector<bool> made;
    std::vector<MaskedTile> tiles;
};

LevelTiles levelTiles;
Surface sourceMask;
Surface sourcePicture;
Surface scaledMask;
Surface scaledPicture;

bool levelChanged(ViewScale scale)
{
    return levelTiles.scale.windowStep != scale.windowStep ||
           levelTiles.scale.boardStep != scale.boardStep || levelTiles.columns != getColumns() ||
           levelTiles.rows != getRows() || levelTiles.pieceSize != getPieceSize() ||
           levelTiles.generation != pieceTilesGeneration();
}

}  // namespace

void scalePiece(const Surface& mask, const Surface& picture, int size, ViewScale scale,
                Surface& outMask, Surface& outPicture)
{
    const int side = static_cast<int>(
        (static_cast<long long>(size) * scale.windowStep + scale.boardStep - 1) / scale.boardStep);
    resizeSurface(outMask, side, side, 0);
    resizeSurface(outPicture, side, side, 0);
    const Taps taps = tapsFor(size, side, scale);
    // Most window pixels lie wholly inside the piece, over an area of boardStep squared: their
    // divisions are done by multiplying. (The cell step is below maxPieceSize, so the bound
    // stays far below 2^31.)
    const auto wholeArea = static_cast<std::uint32_t>(scale.boardStep * scale.boardStep);
    const ExactDivisor byWholeArea(wholeArea, 256 * wholeArea);
    // The colour sums are at most 255 x boardStep squared: 32 bits hold them for any piece size.
    const auto average = [&](std::uint32_t area, std::uint32_t r, std::uint32_t g,
                             std::uint32_t b, std::uint32_t& maskPixel,
                             std::uint32_t& picturePixel) {
        if (area == 0) {
            maskPixel = 0;
            picturePixel = white;
            return;
        }
        maskPixel = white;
        const std::uint32_t half = area / 2;
        if (area == wholeArea)
            picturePixel = byWholeArea(r + half) << 16 | byWholeArea(g + half) << 8 |
                           byWholeArea(b + half);
        else
            picturePixel = (r + half) / area << 16 | (g + half) / area << 8 | (b + half) / area;
    };
    // Per destination column, its source column when it lies within one, otherwise -1.
    std::vector<int> oneColumn(static_cast<std::size_t>(side), -1);
    for (int i = 0; i < side; ++i)
        if (taps.start[i + 1] - taps.start[i] == 1)
            oneColumn[i] = taps.source[taps.start[i]];
    // Per source column, the covered area and the colour sums of the piece's own pixels in the
    // source rows of one destination row.
    std::vector<std::uint32_t> covered(static_cast<std::size_t>(size));
    std::vector<std::uint32_t> red(covered.size());
    std::vector<std::uint32_t> green(covered.size());
    std::vector<std::uint32_t> blue(covered.size());
    for (int j = 0; j < side; ++j) {
        std::uint32_t* maskRow = &outMask.pixels[static_cast<std::size_t>(j) * side];
        std::uint32_t* pictureRow = &outPicture.pixels[static_cast<std::size_t>(j) * side];
        if (taps.start[j + 1] - taps.start[j] == 1) {
            // Within one source row (enlarging): its pixels are weighted as they are.
            const std::uint32_t rowWeight = taps.weight[taps.start[j]];
            const std::size_t row = static_cast<std::size_t>(taps.source[taps.start[j]]);
            const std::uint32_t* m = &mask.pixels[row * mask.width];
            const std::uint32_t* p = &picture.pixels[row * picture.width];
            for (int i = 0; i < side; ++i) {
                if (const int x = oneColumn[i]; x >= 0) {
                    // Within one source pixel, whatever the share: the average is that pixel.
                    maskRow[i] = m[x] != 0 ? white : 0;
                    pictureRow[i] = m[x] != 0 ? p[x] & white : white;
                    continue;
                }
                std::uint32_t area = 0, r = 0, g = 0, b = 0;
                for (int t = taps.start[i]; t < taps.start[i + 1]; ++t) {
                    const int x = taps.source[t];
                    const std::uint32_t weight = m[x] != 0 ? taps.weight[t] * rowWeight : 0;
                    area += weight;
                    r += weight * ((p[x] >> 16) & 0xFF);
                    g += weight * ((p[x] >> 8) & 0xFF);
                    b += weight * (p[x] & 0xFF);
                }
                average(area, r, g, b, maskRow[i], pictureRow[i]);
            }
            continue;
        }
        std::fill(covered.begin(), covered.end(), 0);
        std::fill(red.begin(), red.end(), 0);
        std::fill(green.begin(), green.end(), 0);
        std::fill(blue.begin(), blue.end(), 0);
        for (int t = taps.start[j]; t < taps.start[j + 1]; ++t) {
            const std::uint32_t weight = taps.weight[t];
            const std::size_t row = static_cast<std::size_t>(taps.source[t]);
            const std::uint32_t* m = &mask.pixels[row * mask.width];
            const std::uint32_t* p = &picture.pixels[row * picture.width];
            for (int x = 0; x < size; ++x) {
                const std::uint32_t inside = m[x] != 0 ? weight : 0;
                covered[x] += inside;
                red[x] += inside * ((p[x] >> 16) & 0xFF);
                green[x] += inside * ((p[x] >> 8) & 0xFF);
                blue[x] += inside * (p[x] & 0xFF);
            }
        }
        for (int i = 0; i < side; ++i) {
            std::uint32_t area = 0, r = 0, g = 0, b = 0;
            for (int t = taps.start[i]; t < taps.start[i + 1]; ++t) {
                const std::uint32_t weight = taps.weight[t];
                const std::size_t x = static_cast<std::size_t>(taps.source[t]);
                area += weight * covered[x];
                r += weight * red[x];
                g += weight * green[x];
                b += weight * blue[x];
            }
            average(area, r, g, b, maskRow[i], pictureRow[i]);
        }
    }
}

const MaskedTile& scaledPieceTile(int k, int rotation, ViewScale scale)
{
    if (levelChanged(scale)) {
        releaseScaledTiles();
        levelTiles.scale = scale;
        levelTiles.columns = getColumns();
        levelTiles.rows = getRows();
        levelTiles.pieceSize = getPieceSize();
        levelTiles.generation = pieceTilesGeneration();
        levelTiles.made.assign(4 * static_cast<std::size_t>(getPieceCount()), false);
        levelTiles.tiles.resize(levelTiles.made.size());
    }
    const std::size_t at = static_cast<std::size_t>(rotation - 1) * getPieceCount() + k;
    if (!levelTiles.made[at]) {
        const int size = getPieceSize();
        // What the image blocks do not hold stays outside the piece.
        resizeSurface(sourceMask, size, size, 0);
        resizeSurface(sourcePicture, size, size, white);
        drawPieceMask(sourceMask, k, rotation);
        drawPiecePicture(sourcePicture, k, rotation);
        scalePiece(sourceMask, sourcePicture, size, scale, scaledMask, scaledPicture);
        levelTiles.tiles[at] =
            makeMaskedTile(scaledMask, scaledPicture, scaledMask.width, scaledMask.height);
        levelTiles.made[at] = true;
    }
    return levelTiles.tiles[at];
}

void releaseScaledTiles()
{
    levelTiles = LevelTiles{};
}
