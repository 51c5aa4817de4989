// Virtual-key codes of GDK key values, and the keyboard shortcuts of the main window.
#pragma once

// The virtual-key code of a GDK key value, or 0 for keys the program does not track.
int virtualKeyOf(unsigned keyval);

// The command a key press stands for on the main window (F2, F3, F4, Ctrl+N, Ctrl+O, Ctrl+S,
// Ctrl+P, Ctrl+M, and the zoom keys Ctrl+plus, Ctrl+minus, Ctrl+0), or 0.
int shortcutCommand(unsigned keyval, bool control, bool shift, bool alt);
