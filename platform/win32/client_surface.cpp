// The client area's surface: kept at the client size and shown 1:1 with StretchDIBits.
#include <algorithm>

#include "platform/win32/win32_window.h"
#include "platform/window.h"

namespace win32backend {

void fitSurfaceToClient(Window* window)
{
    RECT client{};
    GetClientRect(window->hwnd, &client);
    const int width = client.right;
    const int height = client.bottom;
    Surface& surface = window->surface;
    if (width == surface.width && height == surface.height)
        return;
    Surface resized;
    resizeSurface(resized, width, height, window->backgroundFill);
    copyRect(resized, 0, 0, surface.width, surface.height, surface, 0, 0, RasterOp::copy);
    resized.dirty = Rect{};
    surface = std::move(resized);
    InvalidateRect(window->hwnd, nullptr, FALSE);
}

// The surface's rows are a top-down 32-bit DIB as they stand: 0x00RRGGBB is blue, green,
// red, unused in memory.
void presentRect(HDC dc, const Window* window, const Rect& area)
{
    const Surface& surface = window->surface;
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    const int right = std::min(area.right, surface.width);
    const int bottom = std::min(area.bottom, surface.height);
    if (right <= left || bottom <= top)
        return;
    const int width = right - left;
    const int height = bottom - top;
    // Only the rows shown are described, so the source rectangle spans the DIB's whole height
    // and no system's reading of a top-down DIB's source origin can shift it.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = surface.width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const std::uint32_t* firstRow =
        surface.pixels.data() + static_cast<std::size_t>(top) * static_cast<std::size_t>(surface.width);
    StretchDIBits(dc, left, top, width, height, left, 0, width, height, firstRow, &info,
                  DIB_RGB_COLORS, SRCCOPY);
}

void flushDrawing()
{
    for (const auto& record : allWindows()) {
        Window* window = record.get();
        if (!isLive(window) || (window->isDialog && !window->surfaceUsed))
            continue;
        const Rect changed = takeDirtyRect(window->surface);
        if (changed.right <= changed.left || changed.bottom <= changed.top)
            continue;
        HDC dc = GetDC(window->hwnd);
        presentRect(dc, window, changed);
        ReleaseDC(window->hwnd, dc);
    }
}

}  // namespace win32backend

Surface& clientSurface(Window* window)
{
    if (!win32backend::isLive(window)) {
        static Surface detached;
        return detached;
    }
    window->surfaceUsed = true;
    return window->surface;
}
