// Drawing order changes; zLevel and the order list stay inverse to each other throughout.
#include "board/drawing_order.h"

#include <utility>

#include "board/group_layout.h"
#include "board/render.h"
#include "platform/window.h"
#include "puzzle/state.h"

namespace {

// Puts the piece at (column, row) on the top level; the pieces above it drop by one.
void moveToTop(int column, int row)
{
    const int top = getPieceCount() - 1;
    for (int level = zLevel(column, row) + 1; level <= top; ++level) {
        const int aboveColumn = zOrderColumn(level);
        const int aboveRow = zOrderRow(level);
        zLevel(aboveColumn, aboveRow) = level - 1;
        zOrderColumn(level - 1) = aboveColumn;
        zOrderRow(level - 1) = aboveRow;
    }
    zLevel(column, row) = top;
    zOrderColumn(top) = column;
    zOrderRow(top) = row;
}

}  // namespace

void moveGroupToTop(int column, int row)
{
    const int raised = pieceIndex(column, row);
    for (int memberRow = 0; memberRow < getRows(); ++memberRow)
        for (int memberColumn = 0; memberColumn < getColumns(); ++memberColumn)
            if (inGroup(raised, memberColumn, memberRow) &&
                (memberColumn != column || memberRow != row))
                moveToTop(memberColumn, memberRow);
    moveToTop(column, row);
}

void raiseGroup(int column, int row)
{
    moveGroupToTop(column, row);
    const int top = getPieceCount() - 1;
    const int topmost = pieceIndex(zOrderColumn(top), zOrderRow(top));
    drawGroup(pieceRect(column, row).left, pieceRect(column, row).top, topmost, windowSurface());
}

void reverseDrawingOrder()
{
    const int last = getPieceCount() - 1;
    for (int level = 0; last >= 0 && level <= last / 2; ++level) {
        const int opposite = last - level;
        std::swap(zLevel(zOrderColumn(level), zOrderRow(level)),
                  zLevel(zOrderColumn(opposite), zOrderRow(opposite)));
        std::swap(zOrderColumn(level), zOrderColumn(opposite));
        std::swap(zOrderRow(level), zOrderRow(opposite));
    }
    invalidateWindow(getMainWindow(), false);
}
