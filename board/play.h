// The player's mouse on the board: picking up, carrying, turning and dropping pieces.
// Points are board coordinates; the window's points reach them through the view.
#pragma once

#include "board/joining.h"
#include "platform/types.h"

// WM_LBUTTONDOWN: drops the carried group, or picks up the topmost piece under the point.
// A drop that finishes the puzzle puts the group down, brings the arrow back and says so:
// the caller then runs what follows a finished puzzle.
DropOutcome leftPress(int x, int y);
// WM_MOUSEMOVE: moves the carried group with the cursor.
void mouseMove(int x, int y);
// WM_LBUTTONUP: drops the carried group when the mouse moved since the pick-up, as the press.
DropOutcome leftRelease(int x, int y);
// WM_RBUTTONDOWN: turns the carried group, or the group of the topmost piece under the point,
// a quarter turn clockwise about the cursor.
void rightPress(int x, int y);
// WM_RBUTTONUP: keeps the hand cursor while carrying.
void rightRelease(int x, int y);

// Ends a carry before the board is replaced (a new build, an opened game): the confinement is
// released, the group is put down where it is drawn without joining, and the arrow comes back.
// Does nothing when nothing is carried.
void abandonCarry();

// Where the pointer may go while a piece is carried, in client coordinates: the carried piece's
// box stays inside the client area and the board, with a strip at the bottom left free.
Rect carriedPointerLimits();
// Confines the pointer to those limits again after the view changed while carrying.
void confineCarriedPiece();
