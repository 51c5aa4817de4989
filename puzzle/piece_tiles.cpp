// Masked tiles of the pieces, made from the piece sheets and the mask on demand.
#include "puzzle/piece_tiles.h"

#include <vector>

#include "puzzle/state.h"

namespace {

enum class TileState : std::uint8_t { notMade, made, notWhole };

// The tiles by (rotation - 1) * pieceCount + k, for the geometry they were cut for.
struct PieceTiles {
    int columns = 0;
    int rows = 0;
    int pieceSize = 0;
    std::vector<TileState> states;
    std::vector<MaskedTile> tiles;
};

PieceTiles pieceTiles;
int generation = 0;

// Whether the surface's dirty area, cleared, is the whole size x size square at (0, 0).
bool drawnWhole(Surface& surface, int size)
{
    const Rect drawn = takeDirtyRect(surface);
    return drawn.left == 0 && drawn.top == 0 && drawn.right == size && drawn.bottom == size;
}

// Cuts piece k's tile for the rotation from the blocks into `tile`, when they hold it whole,
// decoding its mask and picture into the two scratch surfaces.
TileState makeTile(int k, int rotation, MaskedTile& tile, Surface& mask, Surface& picture)
{
    const int size = getPieceSize();
    takeDirtyRect(mask);
    takeDirtyRect(picture);
    drawPieceMask(mask, k, rotation);
    drawPiecePicture(picture, k, rotation);
    if (!drawnWhole(mask, size) || !drawnWhole(picture, size))
        return TileState::notWhole;
    tile = makeMaskedTile(mask, picture, size, size);
    return TileState::made;
}

}  // namespace

void drawPieceMask(Surface& target, int k, int rotation)
{
    const int size = getPieceSize();
    drawDib(target, 0, 0, size, size, getPieceMask(), getPieceMaskBits(),
            (rotation - 1) * getColumns() * size + tileLeftOf(k), tileBottomOffsetOf(k), size, size,
            RasterOp::copy);
}

void drawPiecePicture(Surface& target, int k, int rotation)
{
    const int size = getPieceSize();
    drawDib(target, 0, 0, size, size, pieceSheet(rotation), pieceSheetBits(rotation),
            tileLeftOf(k), tileBottomOffsetOf(k), size, size, RasterOp::copy);
}

const MaskedTile* maskedPieceTile(int k, int rotation, Surface& maskScratch,
                                  Surface& pictureScratch)
{
    if (rotation < 1 || rotation > 4 || k < 0 || k >= getPieceCount())
        return nullptr;
    if (pieceTiles.columns != getColumns() || pieceTiles.rows != getRows() ||
        pieceTiles.pieceSize != getPieceSize()) {
        releasePieceTiles();
        pieceTiles.columns = getColumns();
        pieceTiles.rows = getRows();
        pieceTiles.pieceSize = getPieceSize();
        pieceTiles.states.assign(4 * static_cast<std::size_t>(getPieceCount()), TileState::notMade);
        pieceTiles.tiles.resize(pieceTiles.states.size());
    }
    const std::size_t at = static_cast<std::size_t>(rotation - 1) * getPieceCount() + k;
    TileState& state = pieceTiles.states[at];
    if (state == TileState::notMade)
        state = makeTile(k, rotation, pieceTiles.tiles[at], maskScratch, pictureScratch);
    return state == TileState::made ? &pieceTiles.tiles[at] : nullptr;
}

void releasePieceTiles()
{
    pieceTiles = PieceTiles{};
    ++generation;
}

int pieceTilesGeneration()
{
    return generation;
}
