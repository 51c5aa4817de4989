// A dialog's place over its owner: centred on it, moved onto the owner's monitor's work area
// when the centred place would hang off it.
#include <gtest/gtest.h>

#include "platform/dialog_placement.h"

TEST(DialogPlacement, CentredOnTheOwnerAndKeptInTheWorkArea)
{
    const Rect screen{0, 0, 1920, 1040};
    const Rect rightMonitor{1920, 0, 3840, 1040};
    const struct {
        const char* what;
        Rect owner;
        int width;
        int height;
        Rect workArea;
        Point expected;
    } cases[] = {
        {"in the middle", {100, 100, 1100, 860}, 400, 200, screen, {400, 380}},
        {"odd leftover rounds towards the owner's start", {0, 0, 101, 51}, 50, 20, screen, {25, 15}},
        {"owner near the right edge", {1500, 200, 2500, 960}, 600, 300, screen, {1320, 430}},
        {"owner near the bottom edge", {200, 800, 1200, 1560}, 600, 400, screen, {400, 640}},
        {"owner past the top left", {-900, -700, 100, 60}, 600, 400, screen, {0, 0}},
        {"owner on the second monitor", {3500, 100, 4500, 400}, 600, 400, rightMonitor,
         {3240, 50}},
        {"dialog larger than the work area", {0, 0, 800, 600}, 2000, 1200, screen, {0, 0}},
        {"dialog larger than its owner", {500, 500, 600, 560}, 400, 300, screen, {350, 380}},
    };
    for (const auto& c : cases) {
        const Point placed = dialogPlaceOverOwner(c.owner, c.width, c.height, c.workArea);
        EXPECT_EQ(placed.x, c.expected.x) << c.what;
        EXPECT_EQ(placed.y, c.expected.y) << c.what;
    }
}
