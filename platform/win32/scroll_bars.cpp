// The main window's own scroll bars (WS_HSCROLL and WS_VSCROLL), set by the game.
#include <algorithm>

#include "platform/win32/win32_window.h"

namespace win32backend {

WPARAM withTrackPosition(Window* window, int bar, WPARAM wParam)
{
    const unsigned code = LOWORD(wParam);
    if (code != SB_THUMBTRACK && code != SB_THUMBPOSITION)
        return wParam;
    // nTrackPos holds the dragged thumb's position in full, the message only its low 16 bits.
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    if (!GetScrollInfo(window->hwnd, bar, &info))
        return wParam;
    return makeScrollParam(code, std::clamp(info.nTrackPos, 0, 0xFFFF));
}

}  // namespace win32backend

// The bar's showing changes the client area (WM_SIZE fits the surface and asks for a paint);
// the outer window keeps its place and size.
void setScrollBar(Window* window, ScrollBarAxis axis, int range, int page, int position)
{
    if (!win32backend::isLive(window))
        return;
    const int bar = axis == ScrollBarAxis::horizontal ? SB_HORZ : SB_VERT;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = range - 1;
    info.nPage = static_cast<UINT>(std::max(page, 0));
    info.nPos = position;
    SetScrollInfo(window->hwnd, bar, &info, TRUE);
    ShowScrollBar(window->hwnd, bar, range > page);
}
