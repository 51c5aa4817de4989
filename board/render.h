// Drawing the board: pieces composited from their tiles, groups drawn, restored and lifted.
#pragma once

#include "board/drawing_order.h"  // raising and reversing the drawing order come with it
#include "platform/surface.h"

// The main window's client area, the target of everything the player sees.
Surface& windowSurface();

// Puts piece k's mask, for its current rotation, into maskTileSurface and its picture into
// pieceTileSurface, both at (0, 0).
void loadPieceTiles(int k);
// Copies piece k's mask for its current rotation 1:1 onto `target` at (0, 0).
void loadPieceMask(Surface& target, int k);

// Draws the loaded piece onto `target` with its box's top-left at (x, y): the mask ORed
// first (the box turns white inside the outline), then the picture ANDed (the sheets are
// white outside the outline, so the box's corners keep what lay below).
void compositePiece(Surface& target, int x, int y);

// Draws every member of the pivot's group, the pivot's box being at (x, y).
void drawGroup(int x, int y, int pivot, Surface& target);
// Copies from boardSurface onto `target` the box of every member of the pivot's group.
void restoreGroup(int x, int y, Surface& target, int pivot);
// The same with a quarter of a box's side, or `reach` board pixels if more, added around every
// box: covers a group still drawn up to `reach` pixels away from the place now recorded.
void restoreGroupWide(int x, int y, Surface& target, int pivot, int reach);

// Rebuilds the boxes of boardSurface under piece k's group from the background and the
// other pieces, so that boardSurface shows the board without the group.
void liftGroup(int k);

// The main window's paint: the background and every piece bottom to top (the background
// alone while a puzzle is being built) into boardSurface, which then goes onto the window.
// A group being carried stays out of boardSurface and is drawn on the window over it.
void paintBoard();
