// Mouse play: pick-up, carrying, turning and dropping, drawn through the board rendering.
#include "board/play.h"

#include <algorithm>

#include "board/carrying.h"
#include "board/drawing_order.h"
#include "board/group_layout.h"
#include "board/group_placement.h"
#include "board/hit_test.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "platform/input.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "view/view.h"

namespace {

constexpr int handCursor = 125;
constexpr int arrowCursor = 104;
// Strip kept free below the carried piece's box at the bottom of the client area.
constexpr int bottomStrip = 25;

// Keeps the carried piece's box inside the client area, the bottom strip left free.
void confineToClientArea()
{
    Window* window = getMainWindow();
    const Rect limits = carriedPointerLimits();
    const Point topLeft = clientToScreen(window, {limits.left, limits.top});
    const Point bottomRight = clientToScreen(window, {limits.right, limits.bottom});
    const Rect screenRect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    confineCursor(&screenRect);
}

void pickUp(int x, int y)
{
    const auto cell = findPieceAt(x, y);
    if (!cell)
        return;
    const int column = cell->x;
    const int row = cell->y;
    const PieceRect& box = pieceRect(column, row);
    setPieceHeld(1);
    setMovedSinceGrab(0);
    setHeldColumn(column);
    setHeldRow(row);
    setGrabOffsetX(x - box.left);
    setGrabOffsetY(y - box.top);
    confineToClientArea();
    setCursorResource(handCursor);
    setDragLeft(x - getGrabOffsetX());
    setDragTop(y - getGrabOffsetY());
    liftGroup(pieceIndex(column, row));
    raiseGroup(column, row);
}

// Puts the carried group into the board copy where it lies and ends the carry.
void putDown(int cursor)
{
    const PieceRect& box = pieceRect(getHeldColumn(), getHeldRow());
    drawGroup(box.left, box.top, heldPiece(), boardSurface());
    setPieceHeld(0);
    setCursorResource(cursor);
}

// The carried group goes down on top of the others, as it was drawn while carried; the drawing
// order says so too when it was reversed meanwhile.
void keepCarriedGroupOnTop()
{
    if (zLevel(getHeldColumn(), getHeldRow()) != getPieceCount() - 1)
        moveGroupToTop(getHeldColumn(), getHeldRow());
}

DropOutcome drop(int cursor)
{
    confineCursor(nullptr);
    keepCarriedGroupOnTop();
    const DropOutcome outcome = joinNeighbours(heldPiece());
    // Snapping onto a neighbour moves the group up to ten pixels; the window shows the rare
    // step back into range whole.
    if (keepGroupInSavedRange(heldPiece()))
        invalidateWindow(getMainWindow(), false);
    putDown(outcome == DropOutcome::puzzleFinished ? arrowCursor : cursor);
    return outcome;
}

// Turns p's group about the cursor: the point of the picture under the cursor stays there.
void turnAboutCursor(int x, int y, int p)
{
    const PieceRect& box = pieceRect(p % getColumns(), p / getColumns());
    setGrabOffsetX(x - box.left);
    setGrabOffsetY(y - box.top);
    turnGroup(x - (getPieceSize() - getGrabOffsetY()), y - getGrabOffsetX(), p);
    keepGroupInSavedRange(p);
}

void turnInPlace(int x, int y)
{
    const auto cell = findPieceAt(x, y);
    if (!cell)
        return;
    const int column = cell->x;
    const int row = cell->y;
    const int k = pieceIndex(column, row);
    liftGroup(k);
    restoreGroup(pieceRect(column, row).left, pieceRect(column, row).top, windowSurface(), k);
    turnAboutCursor(x, y, k);
    raiseGroup(column, row);
    drawGroup(pieceRect(column, row).left, pieceRect(column, row).top, k, boardSurface());
    setCursorResource(handCursor);
}

void turnWhileCarrying(int x, int y)
{
    const int carried = heldPiece();
    restoreGroup(getDragLeft(), getDragTop(), windowSurface(), carried);
    turnAboutCursor(x, y, carried);
    const PieceRect& turned = pieceRect(getHeldColumn(), getHeldRow());
    setGrabOffsetX(x - turned.left);
    setGrabOffsetY(y - turned.top);
    drawGroup(x - getGrabOffsetX(), y - getGrabOffsetY(), carried, windowSurface());
    setDragLeft(x - getGrabOffsetX());
    setDragTop(y - getGrabOffsetY());
    setCursorResource(handCursor);
}

}  // namespace

Rect carriedPointerLimits()
{
    const Rect client = getClientRect(getMainWindow());
    const Rect board = boardInWindow();
    const int side = windowLength(getPieceSize());
    const PieceRect& box = pieceRect(getHeldColumn(), getHeldRow());
    const Point boxAt = boardToWindow({box.left, box.top});
    const Point grabAt =
        boardToWindow({box.left + getGrabOffsetX(), box.top + getGrabOffsetY()});
    const int grabX = grabAt.x - boxAt.x;
    const int grabY = grabAt.y - boxAt.y;
    const int left = std::max(client.left, board.left);
    const int top = std::max(client.top, board.top);
    const int right = std::min(client.right, board.right);
    const int bottom = std::min(client.bottom - bottomStrip, board.bottom);
    return {left + grabX, top + grabY, right - side + grabX, bottom - side + grabY};
}

void confineCarriedPiece()
{
    if (getPieceHeld() == 1)
        confineToClientArea();
}

DropOutcome leftPress(int x, int y)
{
    if (getPieceHeld() == 1)
        return drop(handCursor);
    pickUp(x, y);
    return DropOutcome::puzzleInPlay;
}

void mouseMove(int x, int y)
{
    if (getPieceHeld() != 1)
        return;
    setMovedSinceGrab(1);
    setCursorResource(handCursor);
    const int carried = heldPiece();
    restoreGroup(getDragLeft(), getDragTop(), windowSurface(), carried);
    const Point at = withinSavedRange(x - getGrabOffsetX(), y - getGrabOffsetY(), carried);
    const int left = at.x;
    const int top = at.y;
    drawGroup(left, top, carried, windowSurface());
    placeGroup(left, top, carried);
    setDragLeft(left);
    setDragTop(top);
}

DropOutcome leftRelease(int, int)
{
    if (getPieceHeld() == 1 && getMovedSinceGrab() == 1)
        return drop(arrowCursor);
    if (getPieceHeld() == 1)
        setCursorResource(handCursor);
    return DropOutcome::puzzleInPlay;
}

void rightPress(int x, int y)
{
    if (getPieceHeld() == 1)
        turnWhileCarrying(x, y);
    else
        turnInPlace(x, y);
}

void rightRelease(int, int)
{
    if (getPieceHeld() == 1)
        setCursorResource(handCursor);
}

void abandonCarry()
{
    if (getPieceHeld() != 1)
        return;
    confineCursor(nullptr);
    keepCarriedGroupOnTop();
    putDown(arrowCursor);
}
