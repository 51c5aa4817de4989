// Xlib services GTK 3 lacks: a confined pointer grab, immediate cursors, the SHAPE test. Kept apart
// because Xlib's own `Window` type clashes with the platform's.
#pragma once

#include <gdk/gdk.h>

// Grabs the pointer for `toplevel` (GTK still receives motion and buttons) and confines it to
// the rectangle, in screen coordinates; any earlier confinement ends first.
void confinePointer(GdkWindow* toplevel, int screenX, int screenY, int width, int height);

// Makes the grab that confinePointer could not make while a mouse button was held (the press's
// implicit grab stands in the way until the button is released); nothing when there is none.
void completePendingConfinement();

// Ends the grab and removes the confinement window.
void releasePointer();

// Shows the cursor over the window at once, whatever GDK believes about the pointer.
void defineCursor(GdkWindow* window, GdkCursor* cursor);

// Replaces GDK's handler of a lost X connection (which ends the program at once) by one that
// runs `lastWords` first and then ends the program the same way.
void runBeforeConnectionLossExit(void (*lastWords)());

// Whether the X server can shape windows (the see-through background).
bool serverHasShapeExtension();
