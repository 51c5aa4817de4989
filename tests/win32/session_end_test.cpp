// The session's end on Windows: one that comes while start-up runs waits for start-up to be
// done, then closes the main window as its close box does; afterwards one reaches the window's
// procedure and the game's last words at once.
#include <gtest/gtest.h>

#include <vector>

#include "platform/messages.h"
#include "platform/win32/win32_window.h"
#include "platform/window.h"

namespace {

std::vector<unsigned> heard;
int lastWordsRun = 0;

std::intptr_t closingProcedure(Window* window, unsigned message, std::uintptr_t wParam,
                               std::intptr_t lParam)
{
    if (message == WM_CLOSE || message == WM_ENDSESSION) {
        heard.push_back(message);
        return 0;
    }
    return defWindowProc(window, message, wParam, lParam);
}

void drainQueue()
{
    Message message;
    while (peekMessage(message) && message.message != WM_QUIT)
        dispatchMessage(message);
}

}  // namespace

TEST(Win32SessionEnd, DuringStartUpClosesTheWindowOnceStartedAndAfterwardKeepsAtOnce)
{
    Window* window = createMainWindow("ヴェルモラ", 0, 0, 400, 300, 113, 118, closingProcedure);
    ASSERT_NE(window, nullptr);
    drainQueue();
    SendMessageW(window->hwnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    drainQueue();
    EXPECT_EQ(heard, std::vector<unsigned>{});
    setDisplayLostHandler([] { ++lastWordsRun; });
    drainQueue();
    EXPECT_EQ(heard, std::vector<unsigned>{WM_CLOSE});
    EXPECT_EQ(lastWordsRun, 0);
    SendMessageW(window->hwnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(heard, (std::vector<unsigned>{WM_CLOSE, WM_ENDSESSION}));
    EXPECT_EQ(lastWordsRun, 1);
    destroyWindow(window);
    drainQueue();
}
