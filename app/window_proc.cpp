// The main window's message procedure: paint, commands, mouse and destruction.
#include "app/window_proc.h"

#include "app/commands.h"
#include "board/play.h"
#include "board/render.h"
#include "completion/flow.h"
#include "platform/messages.h"

namespace {

int pointX(std::intptr_t lParam) { return static_cast<int>(lParam & 0xFFFF); }
int pointY(std::intptr_t lParam) { return static_cast<int>((lParam >> 16) & 0xFFFF); }

void afterDrop(DropOutcome outcome)
{
    if (outcome == DropOutcome::puzzleFinished)
        celebrateFinishedPuzzle();
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
        mouseMove(pointX(lParam), pointY(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        afterDrop(leftPress(pointX(lParam), pointY(lParam)));
        return 0;
    case WM_LBUTTONUP:
        afterDrop(leftRelease(pointX(lParam), pointY(lParam)));
        return 0;
    case WM_RBUTTONDOWN:
        rightPress(pointX(lParam), pointY(lParam));
        return 0;
    case WM_RBUTTONUP:
        rightRelease(pointX(lParam), pointY(lParam));
        return 0;
    default:
        return defWindowProc(window, message, wParam, lParam);
    }
}
