// Square boxes laid out on a grid in the board's free space, covering as little as they can.
#pragma once

#include <vector>

#include "platform/types.h"

struct FreeGridRequest {
    int count = 0;    // boxes to place
    int boxSide = 0;  // side of every box, those placed and those already there
    // What must stay apart lies inside each box shrunk by this much on each side (the pieces'
    // outlines): boxes closer than boxSide may still hold outlines that do not touch.
    int inset = 0;
    int boardWidth = 0;
    int boardHeight = 0;
    int roomyGap = 0;      // room between neighbouring outlines when the board has it
    int leastSpacing = 1;  // the closest the grid may get when room runs short
    // The boxes already on the board that the new ones should not cover, in tiers: when room
    // runs short the first tier is given up first, the last tier only when nothing else is left.
    std::vector<std::vector<Rect>> obstacleTiers;
    // How many of the first tiers are areas to keep out of (the heap's) rather than boxes:
    // entering one hides nothing, so while the boxes can stand apart they take such an area
    // before they close up.
    int areaTiers = 0;
};

// Top-left corners for `count` boxes inside the board, in the grid's reading order (rows from
// the board's top, each from left to right), so that they fill a band along the top first.
// The grid's spacing is the widest, from the outlines a roomy gap apart down to outlines just
// clear of each other, at which every box has room that covers no obstacle (nor any area tier;
// failing that, at which they fit covering only areas, the first given up first); failing that, the
// widest down to leastSpacing at which they fit without covering the last tier (boxes clear of
// every tier first, then those covering only earlier tiers, the fewest obstacles first);
// failing that, leastSpacing with every grid place in the same order of preference, places
// shared when there are too few.
std::vector<Point> layOutOnFreeGrid(const FreeGridRequest& request);
