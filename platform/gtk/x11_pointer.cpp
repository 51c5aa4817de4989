// Pointer confinement with XGrabPointer and the SHAPE extension test, straight through Xlib.
#include "platform/gtk/x11_pointer.h"

#include <X11/extensions/shape.h>
#include <gdk/gdkx.h>

#include <algorithm>

namespace {

// The input-only child window that the grab confines the pointer to.
Window confinementWindow = 0;

Display* xDisplay()
{
    return GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
}

}  // namespace

// GTK's own grabs ignore a confinement window. An input-only child of the window covering the
// rectangle works; with owner_events GTK keeps getting the events of its windows.
void confinePointer(GdkWindow* toplevel, int x, int y, int width, int height)
{
    releasePointer();
    GdkDisplay* display = gdk_display_get_default();
    Display* server = xDisplay();
    gdk_x11_display_error_trap_push(display);
    XSetWindowAttributes attributes{};
    confinementWindow =
        XCreateWindow(server, GDK_WINDOW_XID(toplevel), x, y,
                      static_cast<unsigned>(std::max(width, 1)),
                      static_cast<unsigned>(std::max(height, 1)), 0, 0, InputOnly,
                      CopyFromParent, 0, &attributes);
    XMapWindow(server, confinementWindow);
    XGrabPointer(server, GDK_WINDOW_XID(toplevel), True,
                 ButtonPressMask | ButtonReleaseMask | PointerMotionMask, GrabModeAsync,
                 GrabModeAsync, confinementWindow, None, CurrentTime);
    XFlush(server);
    gdk_x11_display_error_trap_pop_ignored(display);
}

void releasePointer()
{
    if (!confinementWindow)
        return;
    GdkDisplay* display = gdk_display_get_default();
    gdk_x11_display_error_trap_push(display);
    XUngrabPointer(xDisplay(), CurrentTime);
    // The window is gone already when the window it belonged to was destroyed.
    XDestroyWindow(xDisplay(), confinementWindow);
    XFlush(xDisplay());
    gdk_x11_display_error_trap_pop_ignored(display);
    confinementWindow = 0;
}

bool serverHasShapeExtension()
{
    int eventBase = 0;
    int errorBase = 0;
    return XShapeQueryExtension(xDisplay(), &eventBase, &errorBase);
}
