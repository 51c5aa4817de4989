// The view of the board: zoom level, scroll offset and the conversions they make.
#include "view/view.h"

#include <algorithm>
#include <cmath>

#include "platform/window.h"
#include "puzzle/board_extent.h"
#include "puzzle/state.h"

namespace {

// The level chosen (a percentage of zoomPercents, or 0 for the whole board) and the scaled
// board's pixel at the window's top-left corner.
int chosenPercent = 100;
Point scroll;
// The offset asked for: the board and the client area hold `scroll` back from it, and a larger
// client area (scroll bars going, the window growing) lets it come nearer again.
Point wanted;
// The board layout the view was made for.
int viewedLayout = -1;

long long floorDiv(long long a, long long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

long long ceilDiv(long long a, long long b)
{
    return -floorDiv(-a, b);
}

int boardStep()
{
    return std::max(1, getCellStep());
}

Rect clientArea()
{
    return getMainWindow() ? getClientRect(getMainWindow()) : Rect{};
}

int stepForPercent(int percent)
{
    return std::max(1, static_cast<int>(std::lround(boardStep() * percent / 100.0)));
}

// The largest step at which the whole board fits the client area, at most 100 %.
int wholeBoardStep()
{
    const Rect client = clientArea();
    const BoardExtent extent = boardExtent();
    const long long across = static_cast<long long>(client.right - client.left) * boardStep() /
                             std::max(1, extent.width);
    const long long down = static_cast<long long>(client.bottom - client.top) * boardStep() /
                           std::max(1, extent.height);
    return static_cast<int>(std::clamp<long long>(std::min(across, down), 1, boardStep()));
}

int windowStepFor(int percent)
{
    return percent == 0 ? wholeBoardStep() : std::max(wholeBoardStep(), stepForPercent(percent));
}

void clampScroll()
{
    const Rect client = clientArea();
    const Point board = scaledBoardSize();
    scroll.x = std::clamp(wanted.x, 0, std::max(0, board.x - (client.right - client.left)));
    scroll.y = std::clamp(wanted.y, 0, std::max(0, board.y - (client.bottom - client.top)));
}

// Changes the level keeping the board point under `anchor` where it is.
void changeLevel(int percent, Point anchor)
{
    const double oldStep = viewScale().windowStep;
    chosenPercent = percent;
    const double scale = viewScale().windowStep / oldStep;
    wanted.x = static_cast<int>(std::lround((anchor.x + scroll.x) * scale - anchor.x));
    wanted.y = static_cast<int>(std::lround((anchor.y + scroll.y) * scale - anchor.y));
    clampScroll();
}

// Whether every piece's box has its centre inside the client area at 100 %, unscrolled.
bool piecesWithinWindow()
{
    const Rect client = clientArea();
    const int half = getPieceSize() / 2;
    for (int row = 0; row < getRows(); ++row)
        for (int column = 0; column < getColumns(); ++column) {
            const PieceRect& box = pieceRect(column, row);
            if (box.left + half >= client.right || box.top + half >= client.bottom)
                return false;
        }
    return true;
}

}  // namespace

ViewScale viewScale()
{
    return {windowStepFor(chosenPercent), boardStep()};
}

bool viewIsIdentity()
{
    const Rect board = boardInWindow();
    return viewAtFullSize() && board.left == 0 && board.top == 0;
}

bool viewAtFullSize()
{
    const ViewScale scale = viewScale();
    return scale.windowStep == scale.boardStep;
}

int viewPercent()
{
    const ViewScale scale = viewScale();
    return static_cast<int>(std::lround(100.0 * scale.windowStep / scale.boardStep));
}

bool viewShowsWholeBoard()
{
    return chosenPercent == 0;
}

int chosenViewLevel()
{
    return chosenPercent;
}

Point viewScroll()
{
    return scroll;
}

Rect boardInWindow()
{
    const Rect client = clientArea();
    const Point board = scaledBoardSize();
    // At 100 % and above the board covers any client area the screens allow (see boardExtent).
    const bool reduced = viewScale().windowStep < viewScale().boardStep;
    const auto start = [reduced](int clientLength, int boardLength, int scrolled) {
        return reduced && boardLength < clientLength ? (clientLength - boardLength) / 2
                                                     : -scrolled;
    };
    const int left = start(client.right - client.left, board.x, scroll.x);
    const int top = start(client.bottom - client.top, board.y, scroll.y);
    return {left, top, left + board.x, top + board.y};
}

Point boardToWindow(Point board)
{
    return boardToWindowNow()(board);
}

Point BoardToWindow::operator()(Point board) const
{
    return {static_cast<int>(floorDiv(static_cast<long long>(board.x) * scale.windowStep,
                                      scale.boardStep) + origin.x),
            static_cast<int>(floorDiv(static_cast<long long>(board.y) * scale.windowStep,
                                      scale.boardStep) + origin.y)};
}

BoardToWindow boardToWindowNow()
{
    const Rect board = boardInWindow();
    return {viewScale(), {board.left, board.top}};
}

Point windowToBoard(Point window)
{
    const ViewScale scale = viewScale();
    const Rect origin = boardInWindow();
    const auto toBoard = [&scale](long long at) {
        return static_cast<int>(floorDiv((2 * at + 1) * scale.boardStep, 2LL * scale.windowStep));
    };
    return {toBoard(window.x - origin.left), toBoard(window.y - origin.top)};
}

int windowLength(int boardLength)
{
    const ViewScale scale = viewScale();
    return static_cast<int>(
        ceilDiv(static_cast<long long>(boardLength) * scale.windowStep, scale.boardStep));
}

Point scaledBoardSize()
{
    const BoardExtent extent = boardExtent();
    return {windowLength(extent.width), windowLength(extent.height)};
}

int boardLength(int windowLength)
{
    const ViewScale scale = viewScale();
    return static_cast<int>(
        ceilDiv(static_cast<long long>(windowLength) * scale.boardStep, scale.windowStep));
}

std::vector<int> viewLevelSteps()
{
    std::vector<int> steps{wholeBoardStep()};
    for (const int percent : zoomPercents)
        if (stepForPercent(percent) > steps.back())
            steps.push_back(stepForPercent(percent));
    return steps;
}

bool levelOffered(int percent)
{
    return stepForPercent(percent) >= wholeBoardStep();
}

bool levelShown(int percent)
{
    const int shown = viewScale().windowStep;
    return percent == 0 ? shown == wholeBoardStep()
                        : levelOffered(percent) && stepForPercent(percent) == shown;
}

void resetView()
{
    chosenPercent = 100;
    scroll = wanted = {};
    if (!piecesWithinWindow())
        chosenPercent = 0;
}

void followNewLayout()
{
    if (viewedLayout == layoutCount())
        return;
    viewedLayout = layoutCount();
    resetView();
}

void zoomViewBy(int steps, Point anchor)
{
    const std::vector<int> levels = viewLevelSteps();
    const int current = viewScale().windowStep;
    int target = current;
    if (steps > 0) {
        const auto above = std::upper_bound(levels.begin(), levels.end(), current);
        target = above == levels.end() ? levels.back() : *above;
    } else if (steps < 0) {
        const auto below = std::lower_bound(levels.begin(), levels.end(), current);
        target = below == levels.begin() ? levels.front() : *(below - 1);
    }
    int percent = 0;
    if (target != levels.front())
        for (const int candidate : zoomPercents)
            if (stepForPercent(candidate) == target)
                percent = candidate;
    changeLevel(percent, anchor);
}

void zoomViewTo(int percent, Point anchor)
{
    const bool offered =
        percent == 0 || std::find(std::begin(zoomPercents), std::end(zoomPercents), percent) !=
                            std::end(zoomPercents);
    changeLevel(offered ? percent : 100, anchor);
}

void scrollViewBy(int dx, int dy)
{
    scrollViewTo(scroll.x + dx, scroll.y + dy);
}

void scrollViewTo(int x, int y)
{
    wanted = {x, y};
    clampScroll();
}

void fitViewToWindow()
{
    clampScroll();
}

KeptView keptView()
{
    return {chosenPercent, scroll};
}

void restoreView(const KeptView& kept)
{
    viewedLayout = layoutCount();
    zoomViewTo(kept.percent, {0, 0});
    // Kept within the board only: the window may not have its size yet, and the next paint
    // fits the offset to it.
    const Point board = scaledBoardSize();
    wanted = {std::clamp(kept.scroll.x, 0, board.x), std::clamp(kept.scroll.y, 0, board.y)};
    scroll = wanted;
}
