// Window messages with their classic numbers and packing, and the message queue of the thread.
#pragma once

#include <cstdint>

#include "platform/types.h"

constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_MOVE = 0x0003;
constexpr unsigned WM_PAINT = 0x000F;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_QUIT = 0x0012;
// The session ends (a Windows logout or shutdown) when wParam is nonzero; the process may be
// ended soon after the message has been handled.
constexpr unsigned WM_ENDSESSION = 0x0016;
constexpr unsigned WM_SHOWWINDOW = 0x0018;
constexpr unsigned WM_SETCURSOR = 0x0020;
constexpr unsigned WM_INITDIALOG = 0x0110;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;

struct Message {
    Window* window = nullptr;
    unsigned message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// MAKELPARAM for a mouse point: x in the low 16 bits, y in the high 16 bits.
constexpr std::intptr_t makePointParam(int x, int y)
{
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(x) & 0xFFFFu) |
                                      ((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16));
}

// PeekMessage with PM_REMOVE: takes the next message without waiting. WM_PAINT comes only
// when nothing else is queued and some window is invalid, as on Windows.
bool peekMessage(Message& message);

// WaitMessage: blocks until a message or an event that makes one is available.
void waitMessage();

// DispatchMessage: hands the message to its window's procedure.
std::intptr_t dispatchMessage(const Message& message);

// SendMessage: calls the window's procedure at once.
std::intptr_t sendMessage(Window* window, unsigned message, std::uintptr_t wParam,
                          std::intptr_t lParam);

// PostMessage: queues the message for the window.
void postMessage(Window* window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

// PostQuitMessage: peekMessage answers WM_QUIT once the queue before it is drained.
void postQuitMessage(int exitCode);

// DefWindowProc: WM_CLOSE destroys the window (its procedure gets WM_DESTROY first),
// WM_SETCURSOR shows the class cursor (the arrow); everything else is ignored.
std::intptr_t defWindowProc(Window* window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam);
