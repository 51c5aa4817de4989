// Cursors from CURSOR resources, shown without flicker, and the pointer confinement.
#include <map>

#include "platform/gtk/gtk_window.h"
#include "platform/gtk/icon_directory.h"
#include "platform/gtk/icon_images.h"
#include "platform/gtk/x11_pointer.h"
#include "platform/input.h"
#include "platform/resources.h"

namespace {

// The cursor asked for (null: the class arrow) and the window it is shown over.
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
    wantedCursor = nullptr;
}

void applyWantedCursor()
{
    Window* window = targetWindow();
    if (!window)
        return;
    GdkWindow* gdkWindow = gtk_widget_get_window(window->client);
    if (!gdkWindow || (window->cursorApplied && window->shownCursor == wantedCursor))
        return;
    gdk_window_set_cursor(gdkWindow, wantedCursor);
    window->shownCursor = wantedCursor;
    window->cursorApplied = true;
}

void forgetCursorTarget(Window* window)
{
    if (cursorTarget == window)
        cursorTarget = nullptr;
}

}  // namespace gtkbackend

void setCursorResource(int cursorId)
{
    wantedCursor = loadCursor(cursorId);
}

// ClipCursor: the rectangle goes to the X server in the main window's coordinates.
void confineCursor(const Rect* screenRect)
{
    releasePointer();
    Window* window = targetWindow();
    if (!screenRect || !window)
        return;
    GdkWindow* toplevel = gtk_widget_get_window(window->toplevel);
    if (!toplevel)
        return;
    int originX = 0;
    int originY = 0;
    gdk_window_get_origin(toplevel, &originX, &originY);
    confinePointer(toplevel, screenRect->left - originX, screenRect->top - originY,
                   screenRect->right - screenRect->left, screenRect->bottom - screenRect->top);
}
