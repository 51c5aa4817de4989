// The session's end (a logout, a shutdown, Ctrl+C or a closing console) keeps the game: at once
// in whatever loop is running once start-up is done, and right after start-up before that.
#include <atomic>

#include "platform/win32/win32_window.h"
#include "platform/window.h"

namespace {

// The game's last words, registered when start-up is done.
void (*lastWords)() = nullptr;
// Set with the last words, for the console's thread.
HANDLE gameStarted = nullptr;
std::atomic<HWND> gameWindow{nullptr};
// A session end that came while start-up ran, to be served once it is done.
bool endedDuringStartUp = false;

// Runs on a thread of its own: once start-up is done, the main window's thread keeps the
// window's place, the game and the settings as a logout does (in whatever loop it is, a modal
// dialog's included), then the program ends. The system ends it anyway some seconds after a
// closing console's event.
BOOL WINAPI consoleEvent(DWORD)
{
    WaitForSingleObject(gameStarted, INFINITE);
    SendMessageTimeoutW(gameWindow.load(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_NORMAL,
                        4000, nullptr);
    ExitProcess(0);
}

}  // namespace

namespace win32backend {

void handleSessionEnd()
{
    gameStarted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(consoleEvent, TRUE);
}

std::intptr_t endSession(Window* window, WPARAM wParam, LPARAM lParam)
{
    // During start-up there is no game to keep yet and the window is not in its place: the
    // window is closed as by its close box as soon as start-up is done.
    if (!lastWords) {
        endedDuringStartUp = endedDuringStartUp || wParam;
        return 0;
    }
    const std::intptr_t answer = callGameProcedure(window, WM_ENDSESSION, wParam, lParam);
    if (wParam)
        lastWords();
    return answer;
}

}  // namespace win32backend

void setDisplayLostHandler(void (*handler)())
{
    lastWords = handler;
    HWND main = win32backend::mainWindowHandle();
    gameWindow = main;
    if (endedDuringStartUp)
        PostMessageW(main, WM_CLOSE, 0, 0);
    SetEvent(gameStarted);
}
