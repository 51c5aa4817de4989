// The off-screen drawing surfaces of the board: made once at start-up, released at shut-down.
#pragma once

#include "platform/surface.h"
#include "puzzle/limits.h"

// The board's least size; its surface grows with the window on larger screens.
constexpr int boardWidth = 2000;
constexpr int boardHeight = 1200;
constexpr int tileSurfaceSide = 400;
// Holds the largest piece's box at the largest zoom level (200 %).
constexpr int scratchSurfaceSide = 2 * maxPieceSize;

// The board as last painted, minus the group being carried: within the window's client area,
// what the window shows.
Surface& boardSurface();
// The window's client area shows the board as boardSurface should hold it (nothing is carried):
// boardSurface copies it from there when next asked for, so that a paint drawn straight into
// the window costs no second pass over its pixels.
void takeBoardFromWindow();
// Takes that copy now, before something that is no part of the board is drawn over the window.
void settleBoardCopy();
// boardSurface for a paint of the whole board afresh, into it or into the window and then
// takeBoardFromWindow: a copy still waiting in the window is dropped, not taken.
Surface& boardSurfaceToRepaint();
// One piece's picture and silhouette, at (0, 0).
Surface& pieceTileSurface();
Surface& maskTileSurface();
// One piece's mask for a hit test, or one rebuilt box of the board.
Surface& scratchSurface();

// Makes the board, tile and scratch surfaces at their fixed sizes, and the picture and label
// surfaces (which a puzzle build sizes to its picture), handing those two to the game state.
void createDrawingSurfaces();
// Grows boardSurface to cover the main window's client area, as far as the monitors' work
// areas together reach; it never shrinks and keeps what it holds (the new part gets the
// background colour).
void growBoardToWindow();
// Frees the pixels of every surface made by createDrawingSurfaces; the state's picture and
// label surfaces become null.
void releaseDrawingSurfaces();
