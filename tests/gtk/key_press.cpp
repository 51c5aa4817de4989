// A key press delivered to a GTK window as the keyboard delivers it, for the back end's tests.
#include "tests/gtk/key_press.h"

void sendKeyPress(GtkWidget* toplevel, guint keyval)
{
    GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
    event->key.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(toplevel)));
    event->key.keyval = keyval;
    GdkKeymapKey* keys = nullptr;
    gint keyCount = 0;
    GdkDisplay* display = gtk_widget_get_display(toplevel);
    if (gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(display), keyval, &keys,
                                          &keyCount) &&
        keyCount > 0)
        event->key.hardware_keycode = static_cast<guint16>(keys[0].keycode);
    g_free(keys);
    gdk_event_set_device(event, gdk_seat_get_keyboard(gdk_display_get_default_seat(display)));
    gtk_widget_event(toplevel, event);
    gdk_event_free(event);
}
