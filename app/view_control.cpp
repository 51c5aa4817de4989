// The player's hand on the view: zoom commands, wheel, panning, scroll bars, edge scrolling.
#include "app/view_control.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "board/play.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "view/view.h"

namespace {

constexpr int edgeScrollTimerId = 1;
constexpr int edgeScrollMilliseconds = 30;
// How near the pointer comes to where the carried piece meets the window's edge before the
// view scrolls, and how far it scrolls a tick (window pixels).
constexpr int edgeZone = 24;
constexpr int edgeScrollStep = 24;
// Window pixels a wheel notch, a scroll bar arrow.
constexpr int wheelScrollPixels = 72;
constexpr int lineScrollPixels = 32;

struct LevelCommand {
    int commandId;
    int percent;
};
constexpr LevelCommand levelCommands[] = {
    {wholeBoardCommandId, 0},      {firstLevelCommandId, 25},     {firstLevelCommandId + 1, 33},
    {firstLevelCommandId + 2, 50}, {firstLevelCommandId + 3, 75}, {actualSizeCommandId, 100},
    {firstLevelCommandId + 4, 150}, {lastLevelCommandId, 200}};

int zoomWheelRest = 0;  // Ctrl+wheel turned less than a notch so far
bool panActive = false;
Point panAnchor;
Point panStartScroll;
bool edgeTimerRunning = false;
Point lastPointer;

Point windowCentre()
{
    const Rect client = getClientRect(getMainWindow());
    return {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
}

// The bars show where the view lies on the board once the player has left the untouched view
// at 100 %, and only along an axis where the board reaches beyond the window.
void updateScrollBars()
{
    Window* window = getMainWindow();
    // Showing or hiding one bar changes the client area, and so perhaps the other bar and how
    // far the view may scroll.
    for (int pass = 0; pass < 2; ++pass) {
        fitViewToWindow();
        const bool shown = !viewIsIdentity();
        const Rect client = getClientRect(window);
        const Point board = scaledBoardSize();
        const Point scroll = viewScroll();
        const int width = client.right - client.left;
        const int height = client.bottom - client.top;
        setScrollBar(window, ScrollBarAxis::horizontal, shown ? board.x : 0, width, scroll.x);
        setScrollBar(window, ScrollBarAxis::vertical, shown ? board.y : 0, height, scroll.y);
    }
}

// The View menu offers only what it can do: a level below the one that shows the whole board
// is greyed, as are zooming in at the largest level and out at the smallest; the levels shown
// are checked (the whole board too when it is what the window shows).
void updateViewMenu()
{
    Window* window = getMainWindow();
    for (const LevelCommand& level : levelCommands) {
        enableMenuItem(window, level.commandId, level.percent == 0 || levelOffered(level.percent));
        checkMenuItem(window, level.commandId, levelShown(level.percent));
    }
    const std::vector<int> levels = viewLevelSteps();
    const int shown = viewScale().windowStep;
    enableMenuItem(window, zoomInCommandId, shown < levels.back());
    enableMenuItem(window, zoomOutCommandId, shown > levels.front());
}

// After the view moved under a carried piece: the piece comes back under the pointer (kept
// within the limits the piece may go to).
void carryToPointer()
{
    if (getPieceHeld() != 1)
        return;
    const Rect limits = carriedPointerLimits();
    lastPointer = {std::clamp(lastPointer.x, limits.left, std::max(limits.left, limits.right - 1)),
                   std::clamp(lastPointer.y, limits.top, std::max(limits.top, limits.bottom - 1))};
    const Point board = windowToBoard(lastPointer);
    mouseMove(board.x, board.y);
}

// Which way the view should scroll for a carried piece whose pointer is at `window`. The
// untouched view at 100 % stays put, as the board always did, until the player zooms or scrolls.
Point edgeDirection(Point window)
{
    if (viewIsIdentity())
        return {};
    const Rect limits = carriedPointerLimits();
    const Rect client = getClientRect(getMainWindow());
    const Rect board = boardInWindow();
    Point direction;
    if (window.x <= limits.left + edgeZone && board.left < client.left)
        direction.x = -1;
    else if (window.x >= limits.right - 1 - edgeZone && board.right > client.right)
        direction.x = 1;
    if (window.y <= limits.top + edgeZone && board.top < client.top)
        direction.y = -1;
    else if (window.y >= limits.bottom - 1 - edgeZone && board.bottom > client.bottom)
        direction.y = 1;
    return direction;
}

void stopEdgeScrolling()
{
    if (edgeTimerRunning)
        killTimer(getMainWindow(), edgeScrollTimerId);
    edgeTimerRunning = false;
}

void zoomAbout(int steps, Point anchor)
{
    for (int step = 0; step < std::abs(steps); ++step)
        zoomViewBy(steps > 0 ? 1 : -1, anchor);
    showView();
    carryToPointer();
}

}  // namespace

bool runViewCommand(int commandId)
{
    if (commandId == zoomInCommandId || commandId == zoomOutCommandId) {
        zoomViewBy(commandId == zoomInCommandId ? 1 : -1, windowCentre());
    } else {
        const auto level = std::find_if(std::begin(levelCommands), std::end(levelCommands),
                                        [commandId](const LevelCommand& candidate) {
                                            return candidate.commandId == commandId;
                                        });
        if (level == std::end(levelCommands))
            return false;
        zoomViewTo(level->percent, windowCentre());
    }
    showView();
    carryToPointer();
    return true;
}

void viewWheel(bool horizontal, std::uintptr_t wParam, Point window)
{
    const int delta = wheelDelta(wParam);
    lastPointer = window;
    if (!horizontal && (wParam & MK_CONTROL) != 0) {
        zoomWheelRest += delta;
        const int steps = zoomWheelRest / WHEEL_DELTA;
        zoomWheelRest -= steps * WHEEL_DELTA;
        if (steps != 0)
            zoomAbout(steps, window);
        return;
    }
    const int pixels = delta * wheelScrollPixels / WHEEL_DELTA;
    if (horizontal)
        scrollViewBy(pixels, 0);
    else if ((wParam & MK_SHIFT) != 0)
        scrollViewBy(-pixels, 0);
    else
        scrollViewBy(0, -pixels);
    showView();
    carryToPointer();
}

void startPanning(Point window)
{
    panActive = true;
    panAnchor = window;
    panStartScroll = viewScroll();
}

bool panning()
{
    return panActive;
}

void panTo(Point window)
{
    lastPointer = window;
    scrollViewTo(panStartScroll.x - (window.x - panAnchor.x),
                 panStartScroll.y - (window.y - panAnchor.y));
    showView();
}

void stopPanning()
{
    panActive = false;
}

void viewScrollBar(bool horizontal, std::uintptr_t wParam)
{
    const unsigned code = static_cast<unsigned>(wParam & 0xFFFF);
    const int position = static_cast<int>((wParam >> 16) & 0xFFFF);
    const Rect client = getClientRect(getMainWindow());
    const int page = horizontal ? client.right - client.left : client.bottom - client.top;
    const Point scroll = viewScroll();
    const int now = horizontal ? scroll.x : scroll.y;
    const Point board = scaledBoardSize();
    int wanted = now;
    switch (code) {
    case SB_LINEUP: wanted = now - lineScrollPixels; break;
    case SB_LINEDOWN: wanted = now + lineScrollPixels; break;
    case SB_PAGEUP: wanted = now - page; break;
    case SB_PAGEDOWN: wanted = now + page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: wanted = position; break;
    case SB_TOP: wanted = 0; break;
    case SB_BOTTOM: wanted = horizontal ? board.x : board.y; break;
    default: return;
    }
    if (horizontal)
        scrollViewTo(wanted, scroll.y);
    else
        scrollViewTo(scroll.x, wanted);
    showView();
    carryToPointer();
}

void carryNearEdge(Point window)
{
    lastPointer = window;
    const Point direction = edgeDirection(window);
    if ((direction.x != 0 || direction.y != 0) && !edgeTimerRunning) {
        setTimer(getMainWindow(), edgeScrollTimerId, edgeScrollMilliseconds);
        edgeTimerRunning = true;
    } else if (direction.x == 0 && direction.y == 0) {
        stopEdgeScrolling();
    }
}

void edgeScrollTick()
{
    const Point direction =
        getPieceHeld() == 1 ? edgeDirection(lastPointer) : Point{0, 0};
    if (direction.x == 0 && direction.y == 0) {
        stopEdgeScrolling();
        return;
    }
    scrollViewBy(direction.x * edgeScrollStep, direction.y * edgeScrollStep);
    showView();
    carryToPointer();
}

void showView()
{
    Window* window = getMainWindow();
    confineCarriedPiece();
    invalidateWindow(window, false);
    updateWindow(window);
}

void prepareViewForPaint()
{
    followNewLayout();
    updateScrollBars();
    updateViewMenu();
}
