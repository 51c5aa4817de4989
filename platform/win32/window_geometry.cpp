// Window placement, geometry, styles, destruction, the see-through function, the monitors' DPI
// and dialogs placed over their owners.
#include "platform/dialog_placement.h"
#include "platform/win32/win32_window.h"
#include "platform/window.h"

using win32backend::isLive;

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using LayeredAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

LayeredAttributes layeredAttributes = nullptr;

void setLayeredAttributes(Window* window, Colour key, std::uint8_t alpha, std::uint32_t flags)
{
    if (isLive(window) && layeredAttributes)
        layeredAttributes(window->hwnd, key, alpha, flags);
}

BOOL CALLBACK addWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info))
        return TRUE;
    auto& list = *reinterpret_cast<std::vector<Rect>*>(areas);
    const Rect area{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
    list.insert((info.dwFlags & MONITORINFOF_PRIMARY) ? list.begin() : list.end(), area);
    return TRUE;
}

}  // namespace

namespace win32backend {

unsigned dpiOfWindow(HWND hwnd)
{
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    UINT dpi = 0;
    if (hwnd && dpiForWindow)
        dpi = dpiForWindow(hwnd);
    if (dpi == 0)
        if (HDC screen = GetDC(nullptr)) {
            dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
            ReleaseDC(nullptr, screen);
        }
    return dpi > 0 ? dpi : 96;
}

void placeOverOwner(HWND dialog, HWND owner)
{
    RECT ownerRect{};
    RECT dialogRect{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowRect(owner, &ownerRect) || !GetWindowRect(dialog, &dialogRect) ||
        !GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT& work = monitor.rcWork;
    const Point place = dialogPlaceOverOwner(
        Rect{ownerRect.left, ownerRect.top, ownerRect.right, ownerRect.bottom},
        dialogRect.right - dialogRect.left, dialogRect.bottom - dialogRect.top,
        Rect{work.left, work.top, work.right, work.bottom});
    SetWindowPos(dialog, nullptr, place.x, place.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace win32backend

void destroyWindow(Window* window)
{
    if (isLive(window))
        DestroyWindow(window->hwnd);
}

void setWindowPos(Window* window, int x, int y, int width, int height)
{
    if (isLive(window))
        SetWindowPos(window->hwnd, HWND_TOP, x, y, width, height, SWP_SHOWWINDOW);
}

void moveWindow(Window* window, int x, int y, int width, int height, bool repaint)
{
    if (isLive(window))
        MoveWindow(window->hwnd, x, y, width, height, repaint);
}

// MoveWindow to the outer size that AdjustWindowRectEx makes of the client size for the
// window's styles and menu; (x, y) is the outer rectangle's top left.
void moveWindowToClientSize(Window* window, int x, int y, int clientWidth, int clientHeight,
                            bool repaint)
{
    if (!isLive(window))
        return;
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(window->hwnd, GWL_STYLE)),
                       GetMenu(window->hwnd) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrW(window->hwnd, GWL_EXSTYLE)));
    MoveWindow(window->hwnd, x, y, outer.right - outer.left, outer.bottom - outer.top, repaint);
}

void showWindow(Window* window)
{
    if (isLive(window))
        ShowWindow(window->hwnd, SW_SHOW);
}

Rect getWindowRect(Window* window)
{
    RECT rect{};
    if (isLive(window))
        GetWindowRect(window->hwnd, &rect);
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

Rect getClientRect(Window* window)
{
    RECT rect{};
    if (isLive(window))
        GetClientRect(window->hwnd, &rect);
    return Rect{0, 0, rect.right, rect.bottom};
}

std::vector<Rect> monitorWorkAreas()
{
    std::vector<Rect> areas;
    EnumDisplayMonitors(nullptr, nullptr, addWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

Point clientToScreen(Window* window, Point point)
{
    if (!isLive(window))
        return point;
    POINT screen{point.x, point.y};
    ClientToScreen(window->hwnd, &screen);
    return Point{screen.x, screen.y};
}

void setFocus(Window* window)
{
    if (isLive(window))
        SetFocus(window->hwnd);
}

std::uint32_t getWindowExStyle(Window* window)
{
    return isLive(window) ? static_cast<std::uint32_t>(GetWindowLongPtrW(window->hwnd, GWL_EXSTYLE))
                          : 0;
}

void setWindowExStyle(Window* window, std::uint32_t exStyle)
{
    if (isLive(window))
        SetWindowLongPtrW(window->hwnd, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
}

LayeredWindowFunction lookupLayeredWindowFunction()
{
    HMODULE user32 = LoadLibraryW(L"user32.dll");
    layeredAttributes = user32 ? reinterpret_cast<LayeredAttributes>(reinterpret_cast<void*>(
                                     GetProcAddress(user32, "SetLayeredWindowAttributes")))
                               : nullptr;
    return layeredAttributes ? setLayeredAttributes : nullptr;
}
