// Xlib services GTK 3 lacks: a confined pointer grab and the SHAPE extension test. Kept apart
// because Xlib's own `Window` type clashes with the platform's.
#pragma once

#include <gdk/gdk.h>

// Grabs the pointer for `toplevel` (GTK still receives motion and buttons) and confines it to
// the rectangle, given in the toplevel's coordinates; any earlier confinement ends first.
void confinePointer(GdkWindow* toplevel, int x, int y, int width, int height);

// Ends the grab and removes the confinement window.
void releasePointer();

// Whether the X server can shape windows (the see-through background).
bool serverHasShapeExtension();
