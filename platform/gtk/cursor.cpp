// Cursors from CURSOR resources, shown without flicker, and the pointer confinement.
#include <map>

#include "platform/gtk/device_pixels.h"
#include "platform/gtk/gtk_window.h"
#include "platform/gtk/icon_directory.h"
#include "platform/gtk/icon_images.h"
#include "platform/gtk/x11_pointer.h"
#include "platform/input.h"
#include "platform/resources.h"

namespace {

// The cursor asked for and the window it is shown over.
GdkCursor* wantedCursor = nullptr;
Window* cursorTarget = nullptr;

GdkCursor* loadCursor(int cursorId)
{
    static std::map<int, GdkCursor*> cache;
    const auto cached = cache.find(cursorId);
    if (cached != cache.end())
        return cached->second;
    GdkCursor* cursor = nullptr;
    const std::vector<IconImage> images =
        readIconDirectory(findResource("CURSOR", cursorId), cursorFileType);
    if (!images.empty()) {
        if (GdkPixbuf* pixbuf = pixbufFromImage(images.front().bytes)) {
            cursor = gdk_cursor_new_from_pixbuf(gdk_display_get_default(), pixbuf,
                                                images.front().hotX, images.front().hotY);
            g_object_unref(pixbuf);
        }
    }
    cache.emplace(cursorId, cursor);
    return cursor;
}

// The class cursor: the standard arrow.
GdkCursor* arrowCursor()
{
    static GdkCursor* arrow = gdk_cursor_new_from_name(gdk_display_get_default(), "default");
    return arrow;
}

// The window a cursor set without one goes to: the last one that heard WM_SETCURSOR, else
// the first live top-level window that is not a dialog.
Window* targetWindow()
{
    if (gtkbackend::isLive(cursorTarget))
        return cursorTarget;
    for (const auto& window : gtkbackend::allWindows())
        if (gtkbackend::isLive(window.get()) && !window->isDialog)
            return window.get();
    return nullptr;
}

}  // namespace

namespace gtkbackend {

void wantArrowCursor(Window* window)
{
    cursorTarget = window;
    wantedCursor = arrowCursor();
}

void applyWantedCursor()
{
    Window* window = targetWindow();
    if (!window)
        return;
    // Set on the toplevel's X window, the cursor changes at once, also under the pointer grab
    // of a confinement (where GDK believes the pointer gone and would wait for it).
    GdkWindow* gdkWindow = gtk_widget_get_window(window->toplevel);
    if (!gdkWindow || window->shownCursor == wantedCursor)
        return;
    gdk_window_set_cursor(gdkWindow, wantedCursor);
    defineCursor(gdkWindow, wantedCursor);
    window->shownCursor = wantedCursor;
}

void forgetCursorTarget(Window* window)
{
    if (cursorTarget == window)
        cursorTarget = nullptr;
}

}  // namespace gtkbackend

void setCursorResource(int cursorId)
{
    GdkCursor* cursor = loadCursor(cursorId);
    wantedCursor = cursor ? cursor : arrowCursor();
}

// ClipCursor: the pointer grab belongs to the main window.
void confineCursor(const Rect* screenRect)
{
    releasePointer();
    Window* window = targetWindow();
    if (!screenRect || !window)
        return;
    // The game's rectangle is in GTK's logical pixels, the X server confines in device pixels.
    if (GdkWindow* toplevel = gtk_widget_get_window(window->toplevel)) {
        const Rect area = devicePixels(*screenRect, gdk_window_get_scale_factor(toplevel));
        confinePointer(toplevel, area.left, area.top, area.right - area.left,
                       area.bottom - area.top);
    }
}
