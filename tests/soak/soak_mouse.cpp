// Mouse actions of the soak: random presses, releases and moves over the window and far
// outside the board, and placing the topmost piece where it belongs so puzzles get finished.
#include "board/hit_test.h"
#include "platform/messages.h"
#include "puzzle/state.h"
#include "soak.h"

namespace {

// Where the solved picture is put together: right of the heap.
constexpr int solvedLeft = 800;
constexpr int solvedTop = 30;

std::intptr_t randomPoint(SoakRandom& random)
{
    return makePointParam(draw(random, 0, 1100), draw(random, 0, 800));
}

// Turns the piece under (x, y) upright, picks it up and puts it down at its place.
void carryToPlace(int column, int row, int x, int y)
{
    const int k = row * getColumns() + column;
    for (int turns = (5 - getPieceRotation(k)) % 4; turns > 0; --turns) {
        deliver(WM_RBUTTONDOWN, 2, makePointParam(x, y));
        deliver(WM_RBUTTONUP, 0, makePointParam(x, y));
    }
    const auto still = findPieceAt(x, y);
    if (!still || still->x != column || still->y != row)
        return;
    deliver(WM_LBUTTONDOWN, 1, makePointParam(x, y));
    deliver(WM_LBUTTONUP, 0, makePointParam(x, y));
    if (getPieceHeld() != 1)
        return;
    const int targetX = solvedLeft + column * getCellStep() + (x - pieceRect(column, row).left);
    const int targetY = solvedTop + row * getCellStep() + (y - pieceRect(column, row).top);
    for (int step = 1; step <= 4; ++step)
        deliver(WM_MOUSEMOVE, 0,
                makePointParam(x + (targetX - x) * step / 4, y + (targetY - y) * step / 4));
    deliver(WM_LBUTTONDOWN, 1, makePointParam(targetX, targetY));
    deliver(WM_LBUTTONUP, 0, makePointParam(targetX, targetY));
}

}  // namespace

void randomMove(SoakRandom& random)
{
    deliver(WM_MOUSEMOVE, 0, randomPoint(random));
}

void randomLeftPress(SoakRandom& random)
{
    deliver(WM_LBUTTONDOWN, 1, randomPoint(random));
}

void randomLeftRelease(SoakRandom& random)
{
    deliver(WM_LBUTTONUP, 0, randomPoint(random));
}

void randomRightPress(SoakRandom& random)
{
    deliver(WM_RBUTTONDOWN, 2, randomPoint(random));
}

void randomRightRelease(SoakRandom& random)
{
    deliver(WM_RBUTTONUP, 0, randomPoint(random));
}

// A press and release at a point as far as a message can carry: x and y up to 65535.
void clickFarOutside(SoakRandom& random)
{
    const std::intptr_t far = makePointParam(draw(random, 2000, 65535), draw(random, 1200, 65535));
    deliver(random() % 2 ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, 0, far);
    deliver(WM_LBUTTONUP, 0, far);
}

namespace {

// Whether the piece at home cell (column, row) lies upright at its place in the solved picture.
bool inPlace(int column, int row)
{
    const PieceRect& box = pieceRect(column, row);
    return getPieceRotation(row * getColumns() + column) == 1 &&
           box.left == solvedLeft + column * getCellStep() &&
           box.top == solvedTop + row * getCellStep();
}

}  // namespace

// Drops whatever is carried, then takes the highest piece not yet in place whose centre shows
// it, turns it upright and carries it (with its group) to its place in the solved picture, as
// a player finishing the puzzle would.
void placeTopPiece(SoakRandom& random)
{
    if (getPieceHeld() == 1)
        deliver(WM_LBUTTONDOWN, 1, randomPoint(random));
    if (getPieceHeld() == 1)
        return;
    for (int level = getPieceCount() - 1; level >= 0; --level) {
        const int column = zOrderColumn(level);
        const int row = zOrderRow(level);
        const int x = pieceRect(column, row).left + getPieceSize() / 2;
        const int y = pieceRect(column, row).top + getPieceSize() / 2;
        const auto found = findPieceAt(x, y);
        if (inPlace(column, row) || x < 0 || y < 0 || !found || found->x != column ||
            found->y != row)
            continue;
        carryToPlace(column, row, x, y);
        return;
    }
}
