// GDK events turned into queued messages: mouse, keys, the close box and moves.
#include <cmath>

#include "platform/gtk/gtk_window.h"
#include "platform/gtk/key_codes.h"
#include "platform/gtk/wheel_delta.h"
#include "platform/gtk/x11_pointer.h"
#include "platform/input.h"
#include "platform/key_state.h"
#include "platform/messages.h"
#include "platform/window.h"

namespace {

std::uintptr_t mouseKeyFlags(guint state)
{
    std::uintptr_t flags = 0;
    if (state & GDK_BUTTON1_MASK)
        flags |= MK_LBUTTON;
    if (state & GDK_BUTTON3_MASK)
        flags |= MK_RBUTTON;
    if (state & GDK_BUTTON2_MASK)
        flags |= MK_MBUTTON;
    if (state & GDK_SHIFT_MASK)
        flags |= MK_SHIFT;
    if (state & GDK_CONTROL_MASK)
        flags |= MK_CONTROL;
    return flags;
}

// Mouse messages reach the window only for points inside its client area.
void postMouse(Window* window, unsigned message, std::uintptr_t flags, double eventX,
               double eventY)
{
    const int x = static_cast<int>(std::floor(eventX));
    const int y = static_cast<int>(std::floor(eventY));
    const Rect client = getClientRect(window);
    if (x < client.left || y < client.top || x >= client.right || y >= client.bottom)
        return;
    postMessage(window, message, flags, makePointParam(x, y));
}

gboolean buttonEvent(GtkWidget*, GdkEventButton* event, Window* window)
{
    // Double and triple clicks are left out: their single presses arrive anyway.
    const bool press = event->type == GDK_BUTTON_PRESS;
    if (!press && event->type != GDK_BUTTON_RELEASE)
        return TRUE;
    std::uintptr_t flags = mouseKeyFlags(event->state);
    unsigned message = 0;
    if (event->button == 1) {
        message = press ? WM_LBUTTONDOWN : WM_LBUTTONUP;
        flags = press ? flags | MK_LBUTTON : flags & ~MK_LBUTTON;
    } else if (event->button == 3) {
        message = press ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        flags = press ? flags | MK_RBUTTON : flags & ~MK_RBUTTON;
    } else if (event->button == 2) {
        message = press ? WM_MBUTTONDOWN : WM_MBUTTONUP;
        flags = press ? flags | MK_MBUTTON : flags & ~MK_MBUTTON;
    } else {
        return FALSE;
    }
    postMouse(window, message, flags, event->x, event->y);
    if (!press)
        completePendingConfinement();
    return TRUE;
}

// A wheel message with the delta and the keys held; Shift does not turn the vertical wheel
// sideways here (the game decides what Shift means).
void postWheel(Window* window, unsigned message, int delta, const GdkEventScroll* event)
{
    postMouse(window, message, makeWheelParam(delta, mouseKeyFlags(event->state)), event->x,
              event->y);
}

// A notch of a wheel is WHEEL_DELTA; smooth scrolling (touchpads, and wheels through XInput 2)
// gives its share of one, a movement up or to the left being negative in GDK.
gboolean scrollEvent(GtkWidget*, GdkEventScroll* event, Window* window)
{
    switch (event->direction) {
    case GDK_SCROLL_UP:
        postWheel(window, WM_MOUSEWHEEL, WHEEL_DELTA, event);
        break;
    case GDK_SCROLL_DOWN:
        postWheel(window, WM_MOUSEWHEEL, -WHEEL_DELTA, event);
        break;
    case GDK_SCROLL_LEFT:
        postWheel(window, WM_MOUSEHWHEEL, -WHEEL_DELTA, event);
        break;
    case GDK_SCROLL_RIGHT:
        postWheel(window, WM_MOUSEHWHEEL, WHEEL_DELTA, event);
        break;
    case GDK_SCROLL_SMOOTH:
        if (const int delta = wheelDeltaOfNotches(-event->delta_y); delta != 0)
            postWheel(window, WM_MOUSEWHEEL, delta, event);
        if (const int delta = wheelDeltaOfNotches(event->delta_x); delta != 0)
            postWheel(window, WM_MOUSEHWHEEL, delta, event);
        break;
    }
    return TRUE;
}

gboolean motionEvent(GtkWidget*, GdkEventMotion* event, Window* window)
{
    postMouse(window, WM_MOUSEMOVE, mouseKeyFlags(event->state), event->x, event->y);
    if (!(event->state & (GDK_BUTTON1_MASK | GDK_BUTTON2_MASK | GDK_BUTTON3_MASK)))
        completePendingConfinement();
    return TRUE;
}

void recordKey(guint keyval, bool down, bool latch)
{
    const int key = virtualKeyOf(keyval);
    if (key != 0)
        keystate::record(key, down, latch);
}

// The window whose shortcuts a key on this window triggers: the main window itself, or the
// main window owning a modeless dialog (the preview), which leaves its owner usable.
Window* shortcutTarget(Window* window)
{
    if (!window->isDialog)
        return window;
    Window* owner = window->owner;
    if (window->modalRunning || !gtkbackend::isLive(owner) || owner->isDialog)
        return nullptr;
    return owner;
}

gboolean keyPressed(GtkWidget*, GdkEventKey* event, Window* window)
{
    recordKey(event->keyval, true, !window->isDialog);
    const int command =
        shortcutCommand(event->keyval, event->state & GDK_CONTROL_MASK,
                        event->state & GDK_SHIFT_MASK, event->state & GDK_MOD1_MASK);
    if (Window* target = shortcutTarget(window); target && command != 0) {
        postMessage(target, WM_COMMAND, static_cast<std::uintptr_t>(command), 0);
        return TRUE;
    }
    if (window->isDialog)
        return gtkbackend::handleDialogKey(window, event);
    return FALSE;  // menu mnemonics and everything else stay GTK's
}

gboolean keyReleased(GtkWidget*, GdkEventKey* event, Window* window)
{
    recordKey(event->keyval, false, !window->isDialog);
    return FALSE;
}

gboolean closeBoxPressed(GtkWidget*, GdkEvent*, Window* window)
{
    postMessage(window, WM_CLOSE, 0, 0);
    return TRUE;  // the procedure decides whether the window goes
}

// A new position is reported with WM_MOVE carrying the client area's screen position.
gboolean configured(GtkWidget*, GdkEventConfigure*, Window* window)
{
    if (!gtkbackend::isLive(window))
        return FALSE;
    const Point origin = clientToScreen(window, Point{});
    if (!window->lastOrigin || origin.x != window->lastOrigin->x ||
        origin.y != window->lastOrigin->y) {
        window->lastOrigin = origin;
        postMessage(window, WM_MOVE, 0, makePointParam(origin.x, origin.y));
    }
    return FALSE;
}

// On the screen, framed by the window manager if there is one: a placement asked for before
// is made good with the frame now known.
gboolean mapped(GtkWidget*, GdkEvent*, Window* window)
{
    window->onScreen = true;
    if (const std::optional<Rect> outer = window->placedWithoutFrame)
        gtkbackend::requestOuterRect(window, *outer);
    return FALSE;
}

gboolean unmapped(GtkWidget*, GdkEvent*, Window* window)
{
    window->onScreen = false;
    return FALSE;
}

// Keys released while another program has the focus never come back.
gboolean focusLeft(GtkWidget*, GdkEventFocus*, Window*)
{
    keystate::forgetAll();
    return FALSE;
}

}  // namespace

namespace gtkbackend {

void connectMouseEvents(Window* window)
{
    gtk_widget_add_events(window->client, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                              GDK_POINTER_MOTION_MASK | GDK_SCROLL_MASK |
                                              GDK_SMOOTH_SCROLL_MASK);
    g_signal_connect(window->client, "button-press-event", G_CALLBACK(buttonEvent), window);
    g_signal_connect(window->client, "button-release-event", G_CALLBACK(buttonEvent), window);
    g_signal_connect(window->client, "motion-notify-event", G_CALLBACK(motionEvent), window);
    g_signal_connect(window->client, "scroll-event", G_CALLBACK(scrollEvent), window);
}

void connectToplevelEvents(Window* window)
{
    GtkWidget* toplevel = window->toplevel;
    g_signal_connect(toplevel, "key-press-event", G_CALLBACK(keyPressed), window);
    g_signal_connect(toplevel, "key-release-event", G_CALLBACK(keyReleased), window);
    g_signal_connect(toplevel, "delete-event", G_CALLBACK(closeBoxPressed), window);
    g_signal_connect(toplevel, "configure-event", G_CALLBACK(configured), window);
    g_signal_connect(toplevel, "focus-out-event", G_CALLBACK(focusLeft), window);
    g_signal_connect(toplevel, "map-event", G_CALLBACK(mapped), window);
    g_signal_connect(toplevel, "unmap-event", G_CALLBACK(unmapped), window);
}

}  // namespace gtkbackend

void getKeyboardState(std::uint8_t state[256])
{
    keystate::read(state);
}

bool isKeyDown(int virtualKey)
{
    return keystate::isDown(virtualKey);
}
