// The program icon: a shaded orange jigsaw piece with two knobs and two sockets.
#pragma once

#include "tools/makeart/icon_file.h"

// Draws the icon at `size` x `size` pixels, anti-aliased, on a transparent background.
IconImage drawJigsawIcon(int size);
