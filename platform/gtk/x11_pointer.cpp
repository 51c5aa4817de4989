// Pointer confinement, cursors and the SHAPE extension test, straight through Xlib.
#include "platform/gtk/x11_pointer.h"

#include <X11/extensions/shape.h>
#include <gdk/gdkx.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

// The input-only child window that the grab confines the pointer to.
Window confinementWindow = 0;
// The window the grab is for, and whether the grab is still to be made: while a mouse button
// is held, GTK's implicit grab of the press makes the server refuse ours.
Window grabOwner = 0;
bool grabPending = false;

Display* xDisplay()
{
    return GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
}

void (*connectionLossWords)() = nullptr;

bool grabConfined(Display* server)
{
    return XGrabPointer(server, grabOwner, True,
                        ButtonPressMask | ButtonReleaseMask | PointerMotionMask, GrabModeAsync,
                        GrabModeAsync, confinementWindow, None, CurrentTime) == GrabSuccess;
}

// Xlib ends the program when this returns, and the connection is gone: no X call is possible.
int connectionLost(Display* display)
{
    std::fprintf(stderr, "velmora: lost the connection to the display %s\n",
                 DisplayString(display));
    if (connectionLossWords)
        connectionLossWords();
    _exit(1);
}

}  // namespace

// GTK's own grabs ignore a confinement window, so the grab is made here. The confinement
// window is an input-only window of the rectangle kept below every other window: it never
// comes between the pointer and GTK's windows, which go on receiving motion and buttons
// (owner_events) with no crossing events.
void confinePointer(GdkWindow* toplevel, int screenX, int screenY, int width, int height)
{
    releasePointer();
    GdkDisplay* display = gdk_display_get_default();
    Display* server = xDisplay();
    gdk_x11_display_error_trap_push(display);
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    confinementWindow = XCreateWindow(
        server, DefaultRootWindow(server), screenX, screenY,
        static_cast<unsigned>(std::max(width, 1)), static_cast<unsigned>(std::max(height, 1)), 0,
        0, InputOnly, CopyFromParent, CWOverrideRedirect, &attributes);
    XLowerWindow(server, confinementWindow);
    XMapWindow(server, confinementWindow);
    grabOwner = GDK_WINDOW_XID(toplevel);
    grabPending = !grabConfined(server);
    XFlush(server);
    gdk_x11_display_error_trap_pop_ignored(display);
}

void completePendingConfinement()
{
    if (!confinementWindow || !grabPending)
        return;
    GdkDisplay* display = gdk_display_get_default();
    gdk_x11_display_error_trap_push(display);
    grabPending = !grabConfined(xDisplay());
    XFlush(xDisplay());
    gdk_x11_display_error_trap_pop_ignored(display);
}

void releasePointer()
{
    if (!confinementWindow)
        return;
    GdkDisplay* display = gdk_display_get_default();
    gdk_x11_display_error_trap_push(display);
    XUngrabPointer(xDisplay(), CurrentTime);
    XDestroyWindow(xDisplay(), confinementWindow);
    XFlush(xDisplay());
    gdk_x11_display_error_trap_pop_ignored(display);
    confinementWindow = 0;
    grabPending = false;
}

void defineCursor(GdkWindow* window, GdkCursor* cursor)
{
    XDefineCursor(xDisplay(), GDK_WINDOW_XID(window), gdk_x11_cursor_get_xcursor(cursor));
    XFlush(xDisplay());
}

void runBeforeConnectionLossExit(void (*lastWords)())
{
    connectionLossWords = lastWords;
    XSetIOErrorHandler(connectionLost);
}

bool serverHasShapeExtension()
{
    int eventBase = 0;
    int errorBase = 0;
    return XShapeQueryExtension(xDisplay(), &eventBase, &errorBase);
}
