// The group layout rule: members lie around the pivot by whole cells, turned with the group.
#include "board/group_layout.h"

#include "puzzle/state.h"

Point turnByRotation(int u, int v, int rotation)
{
    for (int turn = 1; turn < rotation; ++turn) {
        const int turnedU = -v;
        v = u;
        u = turnedU;
    }
    return {u, v};
}

Point groupLayout(int pivotLeft, int pivotTop, int pivot, int column, int row)
{
    const int pivotColumn = pivot % getColumns();
    const int pivotRow = pivot / getColumns();
    const Point step = turnByRotation(column - pivotColumn, row - pivotRow,
                                      getPieceRotation(pieceIndex(column, row)));
    return {pivotLeft + getCellStep() * step.x, pivotTop + getCellStep() * step.y};
}

bool inGroup(int k, int column, int row)
{
    return groupCells(k)[column][row] == 1;
}

int pieceIndex(int column, int row)
{
    return row * getColumns() + column;
}
