// The view of the board in the main window: the zoom level, the scroll offset and the
// conversions between board points and window points.
#pragma once

#include <vector>

#include "platform/types.h"

// The zoom levels offered besides the one that shows the whole board, in percent.
inline constexpr int zoomPercents[] = {25, 33, 50, 75, 100, 150, 200};

// A level is a scale of windowStep / boardStep, boardStep being the puzzle's cell step: the
// members of a group, a whole number of cell steps apart on the board, stay a whole number of
// window pixels apart at every level, so joined pieces meet exactly.
struct ViewScale {
    int windowStep = 1;
    int boardStep = 1;
};

ViewScale viewScale();
// Whether board points are window points (100 %, not scrolled, not centred): the board is drawn
// as it always was.
bool viewIsIdentity();
// 100 % at any scroll offset.
bool viewAtFullSize();
// The level as a whole percentage, and whether it is the level that shows the whole board.
int viewPercent();
bool viewShowsWholeBoard();
// The level the player chose: a percentage of zoomPercents, or 0 for the whole board.
int chosenViewLevel();
// The scaled board's pixel at the window's top-left corner.
Point viewScroll();
// The scaled board's rectangle in window pixels: zoomed out, along an axis where it is smaller
// than the client area it is centred; otherwise it starts at minus the scroll offset.
Rect boardInWindow();

// Board point -> window point: the window pixel that holds the board pixel.
Point boardToWindow(Point board);
// boardToWindow of the view as it is now, worked out once for the many points of a frame.
struct BoardToWindow {
    ViewScale scale;
    Point origin;
    Point operator()(Point board) const;
};
BoardToWindow boardToWindowNow();
// Window point -> board point: the board pixel under the window pixel's centre.
Point windowToBoard(Point window);
// The number of window pixels that a run of `boardLength` board pixels starting on a window
// pixel's edge covers, rounded up.
int windowLength(int boardLength);
// The board's extent in window pixels at this level.
Point scaledBoardSize();
// The number of board pixels that `windowLength` window pixels cover, rounded up.
int boardLength(int windowLength);

// The window steps of the levels the player can pick for the puzzle in play and the window's
// client area, smallest first: the whole board, then every level of zoomPercents above it.
std::vector<int> viewLevelSteps();
// Whether a level of zoomPercents can be shown: not when the whole board already fits the
// window at a larger level (asking for it would show that one).
bool levelOffered(int percent);
// Whether the view shows a level: a percentage of zoomPercents, or 0 for the whole board.
bool levelShown(int percent);

// Starts the view of a puzzle laid out afresh or opened: 100 % at the top-left corner when the
// pieces lie within the window there, otherwise the whole board.
void resetView();
// Starts the view afresh when the board was laid out anew since the view last looked.
void followNewLayout();
// Zooms one level in (steps > 0) or out (steps < 0), keeping the board point under `anchor`
// (a window point) where it is.
void zoomViewBy(int steps, Point anchor);
// Zooms to a percentage of zoomPercents, or (0) to the whole board, about `anchor`.
void zoomViewTo(int percent, Point anchor);
// Scrolls by window pixels, or to a scroll offset; both keep the view on the board.
void scrollViewBy(int dx, int dy);
void scrollViewTo(int x, int y);
// Brings the scroll offset within what the window and the board allow, as near to the offset
// last asked for as they let it (after the window or the board changed size).
void fitViewToWindow();

// The view as it is kept between runs: the level (0 for the whole board) and the scroll offset
// at that level.
struct KeptView {
    int percent = 100;
    Point scroll;
};
KeptView keptView();
// Puts a kept view back for the board now laid out (levels not offered become 100 %).
void restoreView(const KeptView& kept);
