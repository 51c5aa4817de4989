// A key press delivered to a GTK window as the keyboard delivers it, for the back end's tests.
#pragma once

#include <gtk/gtk.h>

// Sends `keyval` pressed to the toplevel window, with the key's code on the keyboard that key
// bindings go by, as a real press carries it.
void sendKeyPress(GtkWidget* toplevel, guint keyval);
