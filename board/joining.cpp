// Joining neighbours on a drop, and the completion check that follows every join.
#include "board/joining.h"

#include <algorithm>
#include <cstring>

#include "settings/settings.h"
#include "board/drawing_order.h"
#include "board/group_layout.h"
#include "board/group_placement.h"
#include "board/render.h"
#include "platform/sound.h"
#include "puzzle/state.h"
#include "view/view.h"

namespace {

constexpr int joinSound = 115;
constexpr int joinPixels = 10;

// A neighbour joins when its expected place minus its actual one lies in -t..t-1 on each axis.
bool withinTolerance(int expected, int actual, int tolerance)
{
    return actual - tolerance <= expected && expected < actual + tolerance;
}

// Merges n's group into a's and gives every member of the merged group the same matrix.
void mergeGroups(int a, int n)
{
    GroupMatrix& merged = groupCells(a);
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row)
            if (groupCells(n)[column][row] == 1)
                merged[column][row] = 1;
    std::memcpy(groupCells(n), merged, sizeof(GroupMatrix));
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row)
            if (merged[column][row] == 1)
                std::memcpy(groupCells(pieceIndex(column, row)), merged, sizeof(GroupMatrix));
}

// Joins the neighbour at home cell (nc, nr) to a's group and snaps a's part onto it.
void joinNeighbour(int a, int nc, int nr)
{
    const int n = pieceIndex(nc, nr);
    const int left = pieceRect(nc, nr).left;
    const int top = pieceRect(nc, nr).top;
    mergeGroups(a, n);
    placeGroup(left, top, n);
    liftGroup(a);
    restoreGroupWide(left, top, windowSurface(), n, joinTolerance());
    raiseGroup(nc, nr);
    if (getSoundOn() == 1)
        playSoundResource(joinSound);
}

// Whether the neighbour of member (column, row) in `direction` can join a's group now.
bool neighbourFits(int a, int column, int row, int direction)
{
    const int nc = column + neighbourDx(direction);
    const int nr = row + neighbourDy(direction);
    if (nc < 0 || nc >= getColumns() || nr < 0 || nr >= getRows() || inGroup(a, nc, nr))
        return false;
    if (getPieceRotation(pieceIndex(nc, nr)) != getPieceRotation(a))
        return false;
    const Point step =
        turnByRotation(neighbourDx(direction), neighbourDy(direction), getPieceRotation(a));
    const PieceRect& member = pieceRect(column, row);
    const PieceRect& neighbour = pieceRect(nc, nr);
    const int tolerance = joinTolerance();
    return withinTolerance(member.left + getCellStep() * step.x, neighbour.left, tolerance) &&
           withinTolerance(member.top + getCellStep() * step.y, neighbour.top, tolerance);
}

}  // namespace

int joinTolerance()
{
    return std::max(joinPixels, boardLength(joinPixels));
}

bool puzzleComplete()
{
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row)
            if (!inGroup(1, column, row))
                return false;
    return true;
}

DropOutcome joinNeighbours(int a)
{
    // Rows outer, columns inner; the group is read afresh at every cell, so pieces joined
    // during the scan are examined when their cells come later in this order.
    for (int row = 0; row < getRows(); ++row)
        for (int column = 0; column < getColumns(); ++column) {
            if (!inGroup(a, column, row))
                continue;
            for (int direction = 0; direction < 4; ++direction) {
                if (!neighbourFits(a, column, row, direction))
                    continue;
                joinNeighbour(a, column + neighbourDx(direction), row + neighbourDy(direction));
                // Once every piece is in the group no neighbour is left to join.
                if (puzzleComplete())
                    return DropOutcome::puzzleFinished;
            }
        }
    return DropOutcome::puzzleInPlay;
}
