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
// SetTimer's message: wParam is the timer's id. Like WM_PAINT it is made when the queue is
// otherwise empty, and a timer that came due several times while nobody looked sends one.
constexpr unsigned WM_TIMER = 0x0113;
// A scroll bar of the window was used: the SB_* code in the low word of wParam, for the thumb
// codes the position in the high word; lParam 0 (the window's own bars).
constexpr unsigned WM_HSCROLL = 0x0114;
constexpr unsigned WM_VSCROLL = 0x0115;
// Mouse messages: the client point in lParam (makePointParam), the MK_* flags in wParam.
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_MBUTTONDOWN = 0x0207;
constexpr unsigned WM_MBUTTONUP = 0x0208;
// The wheel: the signed delta in the high word of wParam (WHEEL_DELTA a notch; positive is
// away from the player, scroll up, or for the horizontal wheel scroll right), the MK_* flags in
// the low word. Unlike Windows, lParam holds the point in client coordinates, as for the other
// mouse messages; points off the client area are not delivered.
constexpr unsigned WM_MOUSEWHEEL = 0x020A;
constexpr unsigned WM_MOUSEHWHEEL = 0x020E;
constexpr int WHEEL_DELTA = 120;

// Keys and buttons held, in wParam of the mouse messages (the low word for the wheel).
constexpr std::uintptr_t MK_LBUTTON = 0x0001;
constexpr std::uintptr_t MK_RBUTTON = 0x0002;
constexpr std::uintptr_t MK_SHIFT = 0x0004;
constexpr std::uintptr_t MK_CONTROL = 0x0008;
constexpr std::uintptr_t MK_MBUTTON = 0x0010;

// Scroll bar codes of WM_HSCROLL and WM_VSCROLL.
constexpr unsigned SB_LINEUP = 0;
constexpr unsigned SB_LINELEFT = 0;
constexpr unsigned SB_LINEDOWN = 1;
constexpr unsigned SB_LINERIGHT = 1;
constexpr unsigned SB_PAGEUP = 2;
constexpr unsigned SB_PAGEDOWN = 3;
constexpr unsigned SB_THUMBPOSITION = 4;
constexpr unsigned SB_THUMBTRACK = 5;
constexpr unsigned SB_TOP = 6;
constexpr unsigned SB_BOTTOM = 7;
constexpr unsigned SB_ENDSCROLL = 8;

struct Message {
    Window* window = nullptr;
    unsigned message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// MAKEWPARAM of a wheel message: the delta (signed) in the high word, the MK_* flags in the low.
constexpr std::uintptr_t makeWheelParam(int delta, std::uintptr_t keyFlags)
{
    return (static_cast<std::uintptr_t>(static_cast<std::uint16_t>(delta)) << 16) |
           (keyFlags & 0xFFFFu);
}

// GET_WHEEL_DELTA_WPARAM.
constexpr int wheelDelta(std::uintptr_t wParam)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((wParam >> 16) & 0xFFFFu));
}

// MAKEWPARAM of a scroll message: the SB_* code in the low word, the position in the high.
constexpr std::uintptr_t makeScrollParam(unsigned code, int position)
{
    return (static_cast<std::uintptr_t>(static_cast<std::uint16_t>(position)) << 16) |
           (code & 0xFFFFu);
}

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

// SetTimer on the window: WM_TIMER with wParam `id` every `milliseconds` (at least 10, as
// USER_TIMER_MINIMUM) until killTimer; setting an id again restarts it with the new time.
// While the game works without taking messages its timers wait, as they do on Windows.
void setTimer(Window* window, int id, int milliseconds);

// KillTimer: the timer stops, and a WM_TIMER of it not yet taken is dropped.
void killTimer(Window* window, int id);

// PostQuitMessage: peekMessage answers WM_QUIT once the queue before it is drained.
void postQuitMessage(int exitCode);

// DefWindowProc: WM_CLOSE destroys the window (its procedure gets WM_DESTROY first),
// WM_SETCURSOR shows the class cursor (the arrow); everything else is ignored.
std::intptr_t defWindowProc(Window* window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam);
