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
    const int s = win32backend::screenScale();
    const Rect area{info.rcWork.left / s, info.rcWork.top / s, info.rcWork.right / s,
                    info.rcWork.bottom / s};
    list.insert((info.dwFlags & MONITORINFOF_PRIMARY) ? list.begin() : list.end(), area);
    return TRUE;
}

}  // namespace

namespace win32backend {

// The game's pixels stay whole screen pixels: 1 up to 191 dpi, 2 up to 287 dpi, and so on.
// Without a window, the screen's own dpi.
int scaleForWindow(HWND hwnd)
{
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    UINT dpi = 96;
    if (hwnd && dpiForWindow) {
        dpi = dpiForWindow(hwnd);
    } else if (HDC screen = GetDC(nullptr)) {
        dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
        ReleaseDC(nullptr, screen);
    }
    return dpi >= 96 ? static_cast<int>(dpi / 96) : 1;
}

// The game works in the main window's pixels everywhere, as on a scaled Linux desktop: window
// rectangles, work areas and the pointer's confinement are in screen pixels over this scale.
int screenScale()
{
    const Window* main = windowOf(mainWindowHandle());
    return main ? main->scale : scaleForWindow(nullptr);
}

}  // namespace win32backend

void destroyWindow(Window* window)
{
    if (isLive(window))
        DestroyWindow(window->hwnd);
}

void setWindowPos(Window* window, int x, int y, int width, int height)
{
    const int s = win32backend::screenScale();
    if (isLive(window))
        SetWindowPos(window->hwnd, HWND_TOP, x * s, y * s, width * s, height * s, SWP_SHOWWINDOW);
}

void moveWindow(Window* window, int x, int y, int width, int height, bool repaint)
{
    const int s = win32backend::screenScale();
    if (isLive(window))
        MoveWindow(window->hwnd, x * s, y * s, width * s, height * s, repaint);
}

// MoveWindow to the outer size that AdjustWindowRectEx makes of the client size for the
// window's styles and menu; (x, y) is the outer rectangle's top left.
void moveWindowToClientSize(Window* window, int x, int y, int clientWidth, int clientHeight,
                            bool repaint)
{
    if (!isLive(window))
        return;
    RECT outer{0, 0, clientWidth * window->scale, clientHeight * window->scale};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(window->hwnd, GWL_STYLE)),
                       GetMenu(window->hwnd) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrW(window->hwnd, GWL_EXSTYLE)));
    const int s = win32backend::screenScale();
    MoveWindow(window->hwnd, x * s, y * s, outer.right - outer.left, outer.bottom - outer.top,
               repaint);
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
    const int s = win32backend::screenScale();
    return Rect{rect.left / s, rect.top / s, rect.right / s, rect.bottom / s};
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
    POINT origin{0, 0};
    ClientToScreen(window->hwnd, &origin);
    const int s = win32backend::screenScale();
    return Point{origin.x / s + point.x * window->scale / s, origin.y / s + point.y * window->scale / s};
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
