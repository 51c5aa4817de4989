// One drag step of a group and its baseline, shared by the drag benchmark and the standalone
// drag measurement built for Windows.
#pragma once

#include "platform/surface.h"

// Copies every member's box of the group around `pivot`, laid out at (x, y), from the board
// copy to the window, row by row with memcpy.
void copyBoxesWithMemcpy(int x, int y, int pivot, Surface& window);

// Step number `step` of a drag: the group around `pivot` swings between (x, y) and (x + 7, y),
// as a mouse move would carry it; its boxes are restored at the old place and it is drawn at
// the new one.
void dragStep(int step, int x, int y, int pivot, Surface& window);
