// Group placement: every member's box follows from the pivot's by the group layout rule.
#include "board/group_placement.h"

#include <algorithm>

#include "settings/settings.h"
#include "board/group_layout.h"
#include "platform/sound.h"
#include "puzzle/state.h"

namespace {

constexpr int turnSound = 122;

// Visits the members column by column (columns outer, rows inner), turning each a quarter
// turn when asked and laying its box out around p's box at (x, y).
void layOutGroup(int x, int y, int p, bool turn)
{
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row)
            if (inGroup(p, column, row)) {
                const int member = pieceIndex(column, row);
                if (turn) {
                    const int rotation = getPieceRotation(member) + 1;
                    setPieceRotation(rotation == 5 ? 1 : rotation, member);
                }
                const Point at = groupLayout(x, y, p, column, row);
                pieceRect(column, row) = {at.x, at.y, at.x + getPieceSize(),
                                          at.y + getPieceSize()};
            }
}

}  // namespace

void turnGroup(int x, int y, int p)
{
    layOutGroup(x, y, p, true);
    if (getSoundOn() == 1)
        playSoundResource(turnSound);
}

void placeGroup(int x, int y, int p)
{
    layOutGroup(x, y, p, false);
}

Point withinSavedRange(int x, int y, int p)
{
    Point least{x, y};
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row)
            if (inGroup(p, column, row)) {
                const Point at = groupLayout(x, y, p, column, row);
                least = {std::min(least.x, at.x), std::min(least.y, at.y)};
            }
    return {x + std::max(0, leastBoxCorner - least.x), y + std::max(0, leastBoxCorner - least.y)};
}

bool keepGroupInSavedRange(int p)
{
    const PieceRect& box = pieceRect(p % getColumns(), p / getColumns());
    const Point at = withinSavedRange(box.left, box.top, p);
    if (at.x == box.left && at.y == box.top)
        return false;
    placeGroup(at.x, at.y, p);
    return true;
}
