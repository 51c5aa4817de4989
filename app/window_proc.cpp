// The main window's message procedure: paint, commands, mouse, wheel, scroll bars and
// destruction. Mouse points reach the board through the view.
#include "app/window_proc.h"

#include "app/commands.h"
#include "app/lifecycle.h"
#include "app/view_control.h"
#include "board/play.h"
#include "board/render.h"
#include "completion/flow.h"
#include "library/switching.h"
#include "platform/input.h"
#include "platform/messages.h"
#include "puzzle/state.h"
#include "view/view.h"

namespace {

Point windowPoint(std::intptr_t lParam)
{
    return {static_cast<int>(lParam & 0xFFFF), static_cast<int>((lParam >> 16) & 0xFFFF)};
}

Point boardPoint(std::intptr_t lParam)
{
    followNewLayout();
    return windowToBoard(windowPoint(lParam));
}

void afterDrop(DropOutcome outcome)
{
    if (outcome == DropOutcome::puzzleFinished) {
        noteFinishedPuzzle();
        celebrateFinishedPuzzle(goOnWithSeries,
                                seriesPuzzleInPlay() ? SeriesStep::next : SeriesStep::same);
    }
}

void leftButtonDown(std::intptr_t lParam)
{
    if (getPieceHeld() != 1 && isKeyDown(VK_SPACE)) {
        startPanning(windowPoint(lParam));
        return;
    }
    const Point board = boardPoint(lParam);
    afterDrop(leftPress(board.x, board.y));
}

void leftButtonUp(std::intptr_t lParam)
{
    if (panning()) {
        stopPanning();
        return;
    }
    const Point board = boardPoint(lParam);
    afterDrop(leftRelease(board.x, board.y));
}

void mouseMoved(std::intptr_t lParam)
{
    if (panning()) {
        panTo(windowPoint(lParam));
        return;
    }
    const Point board = boardPoint(lParam);
    mouseMove(board.x, board.y);
    if (getPieceHeld() == 1)
        carryNearEdge(windowPoint(lParam));
}

}  // namespace

std::intptr_t mainWindowProc(Window* window, unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam)
{
    switch (message) {
    case WM_DESTROY:
        recordWindowRect();
        postQuitMessage(0);
        return 0;
    case WM_PAINT:
        prepareViewForPaint();
        paintBoard();
        return 0;
    case WM_ENDSESSION:
        // A logout keeps the window's place as the close box does; the game and the settings
        // are written by the platform's last words right after.
        if (wParam)
            recordWindowRect();
        return 0;
    case WM_COMMAND:
        runCommand(static_cast<int>(wParam & 0xFFFF));
        return 0;
    case WM_MOUSEMOVE:
        mouseMoved(lParam);
        return 0;
    case WM_LBUTTONDOWN:
        leftButtonDown(lParam);
        return 0;
    case WM_LBUTTONUP:
        leftButtonUp(lParam);
        return 0;
    case WM_RBUTTONDOWN: {
        const Point board = boardPoint(lParam);
        rightPress(board.x, board.y);
        return 0;
    }
    case WM_RBUTTONUP: {
        const Point board = boardPoint(lParam);
        rightRelease(board.x, board.y);
        return 0;
    }
    case WM_MBUTTONDOWN:
        startPanning(windowPoint(lParam));
        return 0;
    case WM_MBUTTONUP:
        stopPanning();
        return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        viewWheel(message == WM_MOUSEHWHEEL, wParam, windowPoint(lParam));
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
        viewScrollBar(message == WM_HSCROLL, wParam);
        return 0;
    case WM_TIMER:
        if (!startUpTimerTick(wParam))
            edgeScrollTick();
        return 0;
    default:
        return defWindowProc(window, message, wParam, lParam);
    }
}
