// The Win32 back end's window record and the helpers its files share.
#pragma once

// The platform headers name some Windows constants themselves (WM_PAINT, BM_GETCHECK,
// WS_EX_LAYERED ...): they come before windows.h, whose macros would rewrite them.
#include "platform/dialogs.h"
#include "platform/input.h"
#include "platform/messages.h"
#include "platform/window.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/surface.h"
#include "platform/templates.h"
#include "platform/types.h"

// A top-level window or dialog. The record outlives its HWND until the outermost message loop
// frees it, so a stale pointer held by the game stays harmless (isLive answers false).
struct Window {
    HWND hwnd = nullptr;
    bool isDialog = false;
    bool modal = false;
    bool ended = false;
    std::intptr_t result = 0;
    WindowProc proc = nullptr;  // the window procedure, or the dialog procedure
    Window* owner = nullptr;
    // The client area at one surface pixel per device pixel; dialogs show it only once the
    // game asked for it, so dialogs with controls keep their own background.
    Surface surface;
    bool surfaceUsed = false;
    Colour backgroundFill = 0;
    bool erasePending = false;
    HMENU menu = nullptr;
    const DialogTemplate* layout = nullptr;  // a dialog's template, for controls without windows
    std::map<int, int> knownGridSelections;  // each thumbnail grid's selection as last told
    std::map<int, std::vector<RgbImage>> gridPictures;  // each grid's item pictures as given
};

namespace win32backend {

constexpr const wchar_t* mainWindowClass = L"QUORIN WINDOW CLASS";

HINSTANCE programInstance();

// Window records: a new one, the live ones in creation order, and lookups by handle.
Window* newWindowRecord();
const std::vector<std::unique_ptr<Window>>& allWindows();
bool isLive(const Window* window);
Window* windowOf(HWND hwnd);
// Binds a record to its handle (at WM_NCCREATE or WM_INITDIALOG).
void attachHandle(Window* window, HWND hwnd);
// The handle is gone (WM_NCDESTROY): the record is retired until freeRetiredWindows.
void retireWindowRecord(Window* window);
void freeRetiredWindows();

// The process is DPI-aware: the game's pixels, window rectangles and screen coordinates are
// device pixels on every monitor, so the board shows one board pixel per device pixel at 100 %
// and a saved window size means the same on every DPI. What is measured in dialog units or
// points (dialogs, their fonts, the thumbnail grids' pictures) grows with the DPI instead.
// The DPI of the window's monitor, or of the screen without a window (96 is 100 %).
unsigned dpiOfWindow(HWND hwnd);

// Moves a dialog to its place centred on its owner, on the owner's monitor.
void placeOverOwner(HWND dialog, HWND owner);

// Keeps the surface at the client size, the old picture in its corner.
void fitSurfaceToClient(Window* window);
// Shows the rectangle (surface pixels) of the window's surface on the device context.
void presentRect(HDC dc, const Window* window, const Rect& area);
// Shows every window's drawn rectangles.
void flushDrawing();
// Answers WM_PAINT: erases when the game asked, lets `paint` draw, shows the invalid part.
template <class Paint>
void paintWindow(Window* window, Paint&& paint);

// Calls the game's procedure of the window, then shows what it drew and the cursor it chose.
std::intptr_t callGameProcedure(Window* window, unsigned message, WPARAM wParam, LPARAM lParam);

// Input: mouse points turned into surface pixels (false for points off the client area), the
// cursor wanted over the client area.
bool translateMousePoint(Window* window, LPARAM& lParam);
// The same for a point on the screen (the wheel's).
bool translateScreenPoint(Window* window, LPARAM& lParam);
void wantArrowCursor();
void applyWantedCursor();

// Thumbnail grids: a list view's notification (WM_NOTIFY) turned into the grid's WM_COMMAND
// to the game's procedure; false when it is not a grid's. A change of selection is only noted:
// the dialog is posted gridSelectionCheck, which tells the procedure once the list view has
// settled (it clears the old item before it selects the new one).
bool forwardGridNotification(Window* dialog, const NMHDR& notice);
constexpr UINT gridSelectionCheck = WM_APP + 1;  // wParam: the grid's control id
void checkGridSelection(Window* dialog, int controlId);
// Right on the last item of a row and Left on the first, which the list view ignores, post
// the dialog gridRowStep; it then selects the item on the next or the previous row.
constexpr UINT gridRowStep = WM_APP + 2;  // wParam: the grid's control id, lParam: the item
void stepGridAcrossRows(Window* dialog, int controlId, int index);

// A dialog the player resizes (no modal frame): WM_SIZE moves its anchored controls, and
// WM_GETMINMAXINFO keeps it at least the template's size.
void followDialogSize(Window* dialog);
void limitDialogSize(Window* dialog, MINMAXINFO& limits);

// The dialog moved to a monitor of another DPI: its grids' pictures and spacing are made again
// at that DPI, once Windows has rescaled the dialog's font.
constexpr UINT gridDpiChange = WM_APP + 3;  // wParam: the new DPI
void fitGridsToDpi(Window* dialog, unsigned dpi);

// The text with its line breaks as Windows draws them in edit controls and list views, "\r\n".
std::string withWindowsLineBreaks(const std::string& text);

// What ShellExecute opens for a URL: a file URL becomes the file's path.
std::wstring shellTarget(const char* url);

// A scroll message's wParam with the thumb's position read in full (GetScrollInfo's
// nTrackPos) for SB_THUMBTRACK and SB_THUMBPOSITION; `bar` is SB_HORZ or SB_VERT.
WPARAM withTrackPosition(Window* window, int bar, WPARAM wParam);

// The main window's menu and its keyboard shortcuts: the accelerator table, and the command
// of a key the table cannot tell apart (0 for none).
HMENU buildMenu(int menuId);
HACCEL shortcutTable();
int keypadShortcut(const MSG& key);
HWND mainWindowHandle();

// The session's end: handled from the program's start (a closing console, Ctrl+C), and the
// main window's WM_ENDSESSION, which keeps the game once start-up is done and is served right
// after it before.
void handleSessionEnd();
std::intptr_t endSession(Window* window, WPARAM wParam, LPARAM lParam);

}  // namespace win32backend

template <class Paint>
void win32backend::paintWindow(Window* window, Paint&& paint)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window->hwnd, &ps);
    if (window->erasePending) {
        window->erasePending = false;
        fillRect(window->surface, 0, 0, window->surface.width, window->surface.height,
                 window->backgroundFill);
    }
    paint();
    if (isLive(window) && (!window->isDialog || window->surfaceUsed)) {
        takeDirtyRect(window->surface);
        presentRect(dc, window,
                    Rect{ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom});
    }
    EndPaint(window->hwnd, &ps);
}
