// The player's hand on the view: zoom commands, the wheel, panning, scroll bars and the view
// scrolling by itself while a carried piece rests at the window's edge.
#pragma once

#include <cstdint>

#include "platform/types.h"

constexpr int zoomInCommandId = 40030;
constexpr int zoomOutCommandId = 40031;
constexpr int actualSizeCommandId = 40032;  // 100 %
constexpr int wholeBoardCommandId = 40033;
// The View menu's other levels: 25, 33, 50, 75, 150 and 200 %.
constexpr int firstLevelCommandId = 40036;
constexpr int lastLevelCommandId = 40041;

// Carries out a View menu command; answers whether the id was one.
bool runViewCommand(int commandId);

// The wheel (vertical or horizontal) with its key flags, at a window point: Ctrl zooms about
// the point, Shift turns the vertical wheel sideways, otherwise it scrolls.
void viewWheel(bool horizontal, std::uintptr_t wParam, Point window);

// Panning by dragging: starts at a window point, follows the pointer, ends at the release.
void startPanning(Point window);
bool panning();
void panTo(Point window);
void stopPanning();

// A scroll bar moved by the player (WM_HSCROLL / WM_VSCROLL).
void viewScrollBar(bool horizontal, std::uintptr_t wParam);

// While a piece is carried: the pointer at `window`; near the edge the view starts scrolling
// that way on a timer, and each tick (WM_TIMER) scrolls a step and carries the piece along.
void carryNearEdge(Point window);
void edgeScrollTick();

// Shows the view as it now is: the carried piece's limits follow it and the window repaints.
void showView();
// Before a paint: a board laid out anew gets its first view, and the scroll bars and the View
// menu's check marks show the view.
void prepareViewForPaint();
