// Dialogs the player resizes: their anchored controls follow the client area, which never
// gets smaller than the template's.
#include <algorithm>

#include "platform/win32/win32_window.h"

namespace {

// The template's rectangle in the dialog's pixels, origin and size converted each on its own
// as the dialog manager places controls.
RECT templatePixels(HWND dialog, int x, int y, int width, int height)
{
    RECT origin{x, y, 0, 0};
    RECT size{width, height, 0, 0};
    MapDialogRect(dialog, &origin);
    MapDialogRect(dialog, &size);
    return RECT{origin.left, origin.top, origin.left + size.left, origin.top + size.top};
}

bool resizable(const Window* dialog)
{
    return dialog->layout && !dialog->layout->modalFrame;
}

}  // namespace

namespace win32backend {

void followDialogSize(Window* dialog)
{
    if (!resizable(dialog))
        return;
    const DialogTemplate& layout = *dialog->layout;
    RECT client{};
    GetClientRect(dialog->hwnd, &client);
    const RECT full = templatePixels(dialog->hwnd, 0, 0, layout.width, layout.height);
    const int grownWidth = static_cast<int>(std::max(0L, client.right - full.right));
    const int grownHeight = static_cast<int>(std::max(0L, client.bottom - full.bottom));
    for (const ControlTemplate& control : layout.controls) {
        HWND item = control.id != -1 ? GetDlgItem(dialog->hwnd, control.id) : nullptr;
        if (control.anchor == ControlAnchor::topLeft || !item)
            continue;
        const RECT placed =
            templatePixels(dialog->hwnd, control.x, control.y, control.width, control.height);
        const Rect moved =
            anchoredRect(Rect{placed.left, placed.top, placed.right, placed.bottom},
                         control.anchor, grownWidth, grownHeight);
        MoveWindow(item, moved.left, moved.top, moved.right - moved.left,
                   moved.bottom - moved.top, TRUE);
    }
}

void limitDialogSize(Window* dialog, MINMAXINFO& limits)
{
    if (!resizable(dialog))
        return;
    RECT outer = templatePixels(dialog->hwnd, 0, 0, dialog->layout->width,
                                dialog->layout->height);
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongW(dialog->hwnd, GWL_STYLE)),
                       FALSE, static_cast<DWORD>(GetWindowLongW(dialog->hwnd, GWL_EXSTYLE)));
    limits.ptMinTrackSize = POINT{outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace win32backend
