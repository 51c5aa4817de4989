// Window placement, geometry, styles, destruction and the see-through function.
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

// The game's pixels stay whole screen pixels: 1 up to 191 dpi, 2 up to 287 dpi, and so on.
int scaleForWindow(HWND hwnd)
{
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const UINT dpi = dpiForWindow && hwnd ? dpiForWindow(hwnd) : 96;
    return dpi >= 96 ? static_cast<int>(dpi / 96) : 1;
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
    const int scale = isLive(window) ? window->scale : 1;
    return Rect{0, 0, rect.right / scale, rect.bottom / scale};
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
    POINT screen{point.x * window->scale, point.y * window->scale};
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
