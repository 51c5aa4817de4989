// Board rendering: tiles, compositing, group drawing and the board copy.
#include "board/render.h"

#include "settings/settings.h"
#include "board/carrying.h"
#include "board/group_layout.h"
#include "board/surfaces.h"
#include "platform/window.h"
#include "puzzle/state.h"

namespace {

// The window class background, shown by the client area outside the board.
constexpr Colour windowClassBackground = 0;

// Copies one square of the board copy onto `target`; on a window wider or taller than the
// board (larger than the screens allow), the part beyond it gets the window's own background.
void restoreSquare(Surface& target, int x, int y, int side)
{
    const Surface& board = boardSurface();
    copyRect(target, x, y, side, side, board, x, y, RasterOp::copy);
    if (&target == &board)
        return;
    if (x + side > board.width)
        fillRect(target, x < board.width ? board.width : x, y, x + side, y + side,
                 windowClassBackground);
    if (y + side > board.height)
        fillRect(target, x, y < board.height ? board.height : y, x + side, y + side,
                 windowClassBackground);
}

// Restores every member's box grown by `margin` on each side, columns outer, rows inner.
void restoreGroupBoxes(int x, int y, Surface& target, int pivot, int margin)
{
    const int side = getPieceSize() + 2 * margin;
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row)
            if (inGroup(pivot, column, row)) {
                const Point at = groupLayout(x, y, pivot, column, row);
                restoreSquare(target, at.x - margin, at.y - margin, side);
            }
}

// Whether a carried group must stay out of the board copy.
bool carryingGroup()
{
    return getPieceHeld() == 1 && getHeldColumn() < getColumns() && getHeldRow() < getRows();
}

}  // namespace

Surface& windowSurface()
{
    return clientSurface(getMainWindow());
}

void loadPieceMask(Surface& target, int k)
{
    const int size = getPieceSize();
    const int rotation = getPieceRotation(k);
    setCurrentPiece(k);
    drawDib(target, 0, 0, size, size, getPieceMask(), getPieceMaskBits(),
            (rotation - 1) * getColumns() * size + tileLeft(), tileBottomOffset(), size, size,
            RasterOp::copy);
}

void loadPieceTiles(int k)
{
    const int size = getPieceSize();
    const int rotation = getPieceRotation(k);
    loadPieceMask(maskTileSurface(), k);
    setCurrentPiece(k);
    drawDib(pieceTileSurface(), 0, 0, size, size, pieceSheet(rotation), pieceSheetBits(rotation),
            tileLeft(), tileBottomOffset(), size, size, RasterOp::copy);
}

void compositePiece(Surface& target, int x, int y)
{
    const int size = getPieceSize();
    copyRect(target, x, y, size, size, maskTileSurface(), 0, 0, RasterOp::paint);
    copyRect(target, x, y, size, size, pieceTileSurface(), 0, 0, RasterOp::mask);
}

void drawGroup(int x, int y, int pivot, Surface& target)
{
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row)
            if (inGroup(pivot, column, row)) {
                const Point at = groupLayout(x, y, pivot, column, row);
                loadPieceTiles(pieceIndex(column, row));
                compositePiece(target, at.x, at.y);
            }
}

void restoreGroup(int x, int y, Surface& target, int pivot)
{
    restoreGroupBoxes(x, y, target, pivot, 0);
}

void restoreGroupWide(int x, int y, Surface& target, int pivot)
{
    restoreGroupBoxes(x, y, target, pivot, getPieceSize() / 4);
}

void liftGroup(int k)
{
    const int size = getPieceSize();
    const int half = size / 2;
    const int count = getPieceCount();
    Surface& scratch = scratchSurface();
    for (int level = 0; level < count; ++level) {
        const int column = zOrderColumn(level);
        const int row = zOrderRow(level);
        if (!inGroup(k, column, row))
            continue;
        const PieceRect& member = pieceRect(column, row);
        fillRect(scratch, 0, 0, size, size, getBackgroundColor());
        for (int other = 0; other < count; ++other) {
            const int otherColumn = zOrderColumn(other);
            const int otherRow = zOrderRow(other);
            if (inGroup(k, otherColumn, otherRow))
                continue;
            const PieceRect& box = pieceRect(otherColumn, otherRow);
            const int centreX = box.left + half;
            const int centreY = box.top + half;
            if (centreX >= member.left - half && centreX < member.left + size + half &&
                centreY >= member.top - half && centreY < member.top + size + half) {
                loadPieceTiles(pieceIndex(otherColumn, otherRow));
                compositePiece(scratch, box.left - member.left, box.top - member.top);
            }
        }
        copyRect(boardSurface(), member.left, member.top, size, size, scratch, 0, 0,
                 RasterOp::copy);
    }
}

void paintBoard()
{
    growBoardToWindow();
    Surface& board = boardSurface();
    fillRect(board, 0, 0, board.width, board.height, getBackgroundColor());
    const bool drawPieces = getBuildInProgress() == 0;
    const bool carrying = drawPieces && carryingGroup();
    if (drawPieces)
        for (int level = 0; level < getPieceCount(); ++level) {
            const int column = zOrderColumn(level);
            const int row = zOrderRow(level);
            if (carrying && inGroup(heldPiece(), column, row))
                continue;
            const PieceRect& box = pieceRect(column, row);
            loadPieceTiles(pieceIndex(column, row));
            compositePiece(board, box.left, box.top);
        }
    Surface& window = windowSurface();
    copyRect(window, 0, 0, board.width, board.height, board, 0, 0, RasterOp::copy);
    if (carrying) {
        const PieceRect& held = pieceRect(getHeldColumn(), getHeldRow());
        drawGroup(held.left, held.top, heldPiece(), window);
    }
}
