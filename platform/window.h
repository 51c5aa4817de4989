// Top-level windows: creation, placement, the client surface, repainting, menus and styles.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/surface.h"
#include "platform/types.h"

// Screen coordinates, window rectangles and client areas are counted in the pixels each back end
// works in: device pixels on Windows, logical pixels of the desktop on Linux.

constexpr std::uint32_t WS_EX_LAYERED = 0x80000;
constexpr std::uint32_t LWA_COLORKEY = 1;
constexpr std::uint32_t LWA_ALPHA = 2;

// CreateWindowEx of an overlapped window with the menu resource and icon resource given; the
// class cursor is the arrow and the class background black. It is laid out at its size, so it
// can be drawn on at once; on GTK it comes onto the screen only at the first showWindow or
// setWindowPos, with a pending paint done first, so that it appears once, already painted.
Window* createMainWindow(const char* title, int x, int y, int width, int height, int menuId,
                         int iconId, WindowProc proc);

// DestroyWindow: the procedure receives WM_DESTROY, then the window goes away.
void destroyWindow(Window* window);

// SetWindowPos(HWND_TOP, SWP_SHOWWINDOW): outer rectangle in screen coordinates; sizes are
// passed on unchanged, negative ones included (the back end shows what it can).
void setWindowPos(Window* window, int x, int y, int width, int height);

// MoveWindow: outer rectangle in screen coordinates, repainting or not.
void moveWindow(Window* window, int x, int y, int width, int height, bool repaint);

// MoveWindow to the size AdjustWindowRectEx makes of a client size: the outer rectangle's
// top-left corner at (x, y) in screen coordinates, the client area exactly clientWidth x
// clientHeight inside whatever frame the window gets.
void moveWindowToClientSize(Window* window, int x, int y, int clientWidth, int clientHeight,
                            bool repaint);

// ShowWindow(SW_SHOW).
void showWindow(Window* window);

// UpdateWindow: delivers a pending WM_PAINT to the window at once.
void updateWindow(Window* window);

// GetWindowRect: the outer rectangle in screen coordinates.
Rect getWindowRect(Window* window);

// GetClientRect: (0, 0, width, height) of the client area.
Rect getClientRect(Window* window);

// The work area (the monitor less panels and docks) of every monitor, in screen coordinates,
// the primary monitor's first (EnumDisplayMonitors with MONITORINFO.rcWork).
std::vector<Rect> monitorWorkAreas();

// ClientToScreen.
Point clientToScreen(Window* window, Point point);

// The client area as a surface: what is drawn on it reaches the screen after the message
// being handled returns (only the drawn rectangles are shown again).
Surface& clientSurface(Window* window);

// InvalidateRect(window, NULL, erase): queues one WM_PAINT for the whole client area.
void invalidateWindow(Window* window, bool erase);

enum class ScrollBarAxis { horizontal, vertical };

// SetScrollInfo(SIF_RANGE | SIF_PAGE | SIF_POS) with nMin 0, nMax range - 1, nPage page and
// nPos position, then ShowScrollBar: the bar is shown when range > page and hidden otherwise.
// As on Windows the client area leaves out a shown bar: getClientRect and the client surface
// shrink when a bar appears and grow when it goes (the window gets a WM_PAINT); the outer
// window keeps its place and size. Setting a bar sends no WM_HSCROLL or WM_VSCROLL.
void setScrollBar(Window* window, ScrollBarAxis axis, int range, int page, int position);

// CheckMenuItem on the window's menu by command id.
void checkMenuItem(Window* window, int commandId, bool checked);
// EnableMenuItem (MF_ENABLED or MF_GRAYED) on the window's menu by command id: a greyed item
// cannot be chosen.
void enableMenuItem(Window* window, int commandId, bool enabled);

// SetFocus.
void setFocus(Window* window);

// GetWindowLong/SetWindowLong(GWL_EXSTYLE).
std::uint32_t getWindowExStyle(Window* window);
void setWindowExStyle(Window* window, std::uint32_t exStyle);

// SetLayeredWindowAttributes: with LWA_COLORKEY, pixels of exactly the key colour are
// see-through; with LWA_ALPHA and alpha 255 the window is opaque again.
using LayeredWindowFunction = void (*)(Window* window, Colour key, std::uint8_t alpha,
                                       std::uint32_t flags);

// When the connection to the display is lost for good (the X server went away) the program
// cannot go on: `lastWords` runs, then the program ends with status 1. It may only write files.
// On Windows the session ending counts: `lastWords` runs when the main window gets
// WM_ENDSESSION (also sent when the console closes), after the window's procedure has had the
// message, in whatever loop is running, a modal dialog's included; the process may be ended
// right after. A session end before `lastWords` is registered (during start-up) closes the
// main window, as its close box does, as soon as it is.
void setDisplayLostHandler(void (*lastWords)());

// LoadLibrary("user32.dll") + GetProcAddress: null when the platform cannot make windows
// see-through.
LayeredWindowFunction lookupLayeredWindowFunction();
