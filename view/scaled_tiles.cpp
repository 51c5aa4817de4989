// Scaled piece tiles: area-averaged pieces cached per zoom level.
#include "view/scaled_tiles.h"

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
    // Per source column, the covered area and the colour sums of the piece's own pixels in the
    // source rows of one destination row.
    std::vector<std::uint32_t> covered(static_cast<std::size_t>(size));
    std::vector<std::uint32_t> red(covered.size());
    std::vector<std::uint32_t> green(covered.size());
    std::vector<std::uint32_t> blue(covered.size());
    for (int j = 0; j < side; ++j) {
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
        std::uint32_t* maskRow = &outMask.pixels[static_cast<std::size_t>(j) * side];
        std::uint32_t* pictureRow = &outPicture.pixels[static_cast<std::size_t>(j) * side];
        for (int i = 0; i < side; ++i) {
            // At most 255 x boardStep squared: 32 bits hold it for any piece size.
            std::uint32_t area = 0, r = 0, g = 0, b = 0;
            for (int t = taps.start[i]; t < taps.start[i + 1]; ++t) {
                const std::uint32_t weight = taps.weight[t];
                const std::size_t x = static_cast<std::size_t>(taps.source[t]);
                area += weight * covered[x];
                r += weight * red[x];
                g += weight * green[x];
                b += weight * blue[x];
            }
            if (area == 0) {
                maskRow[i] = 0;
                pictureRow[i] = white;
                continue;
            }
            maskRow[i] = white;
            pictureRow[i] = ((r + area / 2) / area) << 16 | ((g + area / 2) / area) << 8 |
                            ((b + area / 2) / area);
        }
    }
}

const MaskedTile& scaledPieceTile(int k, int rotation)
{
    const ViewScale scale = viewScale();
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
