// The game's two cursors, drawn as black-outlined white shapes on a 32 x 32 grid.
#pragma once

#include "tools/makeart/icon_file.h"

// A hand with the index finger raised; the fingertip, and the hot spot, at (0, 0).
IconImage makeHandCursor();

// The classic arrow with its tip, and the hot spot, at (1, 1).
IconImage makeArrowCursor();
