// Saved window rectangles fitted to the monitors: kept when they can be shown, else moved (and
// the main window sized) onto a monitor.
#pragma once

#include <vector>

#include "platform/types.h"

// The smallest window that shows the menu bar and a useful part of the board.
inline constexpr int minimumWindowWidth = 320;
inline constexpr int minimumWindowHeight = 240;

// The smallest rectangle that holds them all (an empty one for none).
Rect boundingRect(const std::vector<Rect>& rects);

// The rectangle to use for `wanted` (outer rectangle, right and bottom exclusive) on monitors
// with these work areas. A rectangle that can be shown comes back unchanged: at least the
// minimum size, no larger than all work areas together, and its top edge (the menu bar) inside
// some work area with at least the minimum size of the window visible there. Anything else gets
// a size that fits the work area it overlaps most (the first when none) and is moved into it.
// No work areas at all: the first start's rectangle, (0, 0) to (1000, 700).
Rect fitWindowRect(const Rect& wanted, const std::vector<Rect>& workAreas);

// The place for a window whose size the program sets (the preview) wanted at `wanted` (outer
// rectangle): kept when it can be shown by the rule above, a window smaller than the minimum
// being seen whole; otherwise moved, at its size, into the work area it overlaps most.
Rect fitWindowPlace(const Rect& wanted, const std::vector<Rect>& workAreas);
