// The thread's message queue through PeekMessage and WaitMessage; the game dispatches what it
// takes, and the native message behind it goes through TranslateMessage and DispatchMessage.
#include <algorithm>

#include "platform/messages.h"
#include "platform/win32/win32_window.h"
#include "platform/window.h"

namespace {

// The native message last handed to the game, dispatched as it stands when the game
// dispatches the same message back.
MSG taken{};
bool takenPending = false;

bool sameMessage(const Message& message, const MSG& native)
{
    return message.message == native.message && message.wParam == native.wParam &&
           message.lParam == native.lParam;
}

// Keyboard shortcuts of the main window (from any window of the program, as the preview leaves
// its owner usable) and the keyboard handling of modeless dialogs.
bool translatedBeforeDispatch(MSG& native)
{
    HWND main = win32backend::mainWindowHandle();
    if (main && IsWindowEnabled(main)) {
        // As an accelerator sends its command: 1 in the high word of wParam.
        if (const int command = win32backend::keypadShortcut(native)) {
            SendMessageW(main, WM_COMMAND, MAKEWPARAM(command, 1), 0);
            return true;
        }
        if (TranslateAcceleratorW(main, win32backend::shortcutTable(), &native))
            return true;
    }
    for (const auto& window : win32backend::allWindows())
        if (window->isDialog && !window->modal && window->hwnd &&
            IsDialogMessageW(window->hwnd, &native))
            return true;
    return false;
}

}  // namespace

bool peekMessage(Message& message)
{
    // Only the outermost loop takes messages here: nothing of a destroyed window is running.
    win32backend::freeRetiredWindows();
    win32backend::flushDrawing();
    MSG native;
    while (PeekMessageW(&native, nullptr, 0, 0, PM_REMOVE)) {
        if (native.message == WM_QUIT) {
            message = Message{nullptr, WM_QUIT, native.wParam, 0};
            return true;
        }
        if (translatedBeforeDispatch(native))
            continue;
        taken = native;
        takenPending = true;
        message = Message{win32backend::windowOf(native.hwnd), native.message, native.wParam,
                          native.lParam};
        return true;
    }
    return false;
}

void waitMessage()
{
    win32backend::flushDrawing();
    WaitMessage();
}

std::intptr_t dispatchMessage(const Message& message)
{
    if (takenPending && sameMessage(message, taken) &&
        win32backend::windowOf(taken.hwnd) == message.window) {
        takenPending = false;
        TranslateMessage(&taken);
        return DispatchMessageW(&taken);
    }
    return sendMessage(message.window, message.message, message.wParam, message.lParam);
}

std::intptr_t sendMessage(Window* window, unsigned message, std::uintptr_t wParam,
                          std::intptr_t lParam)
{
    if (!win32backend::isLive(window))
        return 0;
    return SendMessageW(window->hwnd, message, wParam, lParam);
}

void postMessage(Window* window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (win32backend::isLive(window))
        PostMessageW(window->hwnd, message, wParam, lParam);
}

void setTimer(Window* window, int id, int milliseconds)
{
    if (win32backend::isLive(window))
        SetTimer(window->hwnd, static_cast<UINT_PTR>(id),
                 static_cast<UINT>(std::max(milliseconds, 0)), nullptr);
}

void killTimer(Window* window, int id)
{
    if (win32backend::isLive(window))
        KillTimer(window->hwnd, static_cast<UINT_PTR>(id));
}

void postQuitMessage(int exitCode)
{
    PostQuitMessage(exitCode);
}

std::intptr_t defWindowProc(Window* window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam)
{
    if (!win32backend::isLive(window))
        return 0;
    if (message == WM_SETCURSOR) {
        win32backend::wantArrowCursor();
        return 1;
    }
    return DefWindowProcW(window->hwnd, message, wParam, lParam);
}

void invalidateWindow(Window* window, bool erase)
{
    if (!win32backend::isLive(window))
        return;
    window->erasePending = window->erasePending || erase;
    InvalidateRect(window->hwnd, nullptr, FALSE);
}

void updateWindow(Window* window)
{
    if (win32backend::isLive(window))
        UpdateWindow(window->hwnd);
}
