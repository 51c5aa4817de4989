// Fitting the saved window rectangle to the monitors' work areas.
#include "settings/window_fit.h"
#include "ui/puzzles_window_size.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

// Rect lives in the global namespace, so its comparison and printing must too.
bool operator==(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::ostream& operator<<(std::ostream& out, const Rect& r)
{
    return out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

namespace {

const std::vector<Rect> oneMonitor{{0, 0, 1920, 1080}};
// A second monitor to the right; the first has a panel at its top.
const std::vector<Rect> twoMonitors{{0, 27, 1920, 1080}, {1920, 0, 4480, 1440}};

}  // namespace

TEST(WindowPlacement, RectanglesThatCanBeShownStayExactlyAsTheyAre)
{
    for (const Rect wanted : {Rect{0, 0, 1000, 700}, Rect{-100, 20, 900, 700},
                              Rect{1500, 500, 2500, 1200}, Rect{0, 0, 1920, 1080}})
        EXPECT_EQ(fitWindowRect(wanted, oneMonitor), wanted);
    // Exactly the smallest part visible: 320 pixels across, 240 down.
    for (const Rect wanted : {Rect{1600, 100, 2600, 800}, Rect{0, 840, 1000, 1540}})
        EXPECT_EQ(fitWindowRect(wanted, oneMonitor), wanted);
    // Partly off screen on the second monitor, and across both.
    for (const Rect wanted : {Rect{4000, 300, 5000, 1000}, Rect{1800, 100, 3000, 900},
                              Rect{100, 27, 4480, 1080}})
        EXPECT_EQ(fitWindowRect(wanted, twoMonitors), wanted);
}

TEST(WindowPlacement, OversizedWindowsShrinkToTheWorkArea)
{
    EXPECT_EQ(fitWindowRect({0, 0, 99999, 99999}, oneMonitor), (Rect{0, 0, 1920, 1080}));
    EXPECT_EQ(fitWindowRect({100, 50, 32767, 800}, oneMonitor), (Rect{0, 50, 1920, 800}));
    // The monitor it overlaps most.
    EXPECT_EQ(fitWindowRect({2000, 100, 9000, 9000}, twoMonitors), (Rect{1920, 0, 4480, 1440}));
}

TEST(WindowPlacement, EmptyOrTinyWindowsGetAUsableSize)
{
    // Right below left: the first start's size, where the rectangle began.
    EXPECT_EQ(fitWindowRect({500, 400, 100, 50}, oneMonitor), (Rect{500, 380, 1500, 1080}));
    EXPECT_EQ(fitWindowRect({10, 10, 10, 10}, oneMonitor), (Rect{10, 10, 1010, 710}));
    // Too small to show more than the menu: the first start's size too.
    EXPECT_EQ(fitWindowRect({10, 10, 200, 40}, oneMonitor), (Rect{10, 10, 1010, 710}));
    // A monitor smaller than that: the whole work area.
    EXPECT_EQ(fitWindowRect({0, 0, -5, -5}, {{0, 0, 800, 600}}), (Rect{0, 0, 800, 600}));
}

TEST(WindowPlacement, WindowsOffEveryScreenComeBack)
{
    EXPECT_EQ(fitWindowRect({5000, 5000, 6000, 5700}, oneMonitor), (Rect{920, 380, 1920, 1080}));
    EXPECT_EQ(fitWindowRect({INT_MAX, 0, 1000, 700}, oneMonitor), (Rect{920, 0, 1920, 700}));
    EXPECT_EQ(fitWindowRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, oneMonitor),
              (Rect{0, 0, 1920, 1080}));
    // Only a sliver visible, or the menu bar above the work area (under the panel).
    EXPECT_EQ(fitWindowRect({1850, 100, 2850, 800}, oneMonitor), (Rect{920, 100, 1920, 800}));
    EXPECT_EQ(fitWindowRect({0, 0, 1000, 700}, twoMonitors), (Rect{0, 27, 1000, 727}));
    // Nowhere near any monitor: the first one.
    EXPECT_EQ(fitWindowRect({-9000, -9000, -8000, -8300}, twoMonitors), (Rect{0, 27, 1000, 727}));
}

TEST(WindowPlacement, WithoutMonitorsTheFirstStartRectangle)
{
    EXPECT_EQ(fitWindowRect({5, 5, 2, 2}, {}), (Rect{0, 0, 1000, 700}));
}

TEST(WindowPlacement, BoundingRectHoldsEveryMonitor)
{
    EXPECT_EQ(boundingRect(twoMonitors), (Rect{0, 0, 4480, 1440}));
    EXPECT_EQ(boundingRect({{-1280, 200, 0, 1224}, {0, 0, 1920, 1080}}),
              (Rect{-1280, 0, 1920, 1224}));
    EXPECT_EQ(boundingRect({}), Rect{});
}

TEST(WindowPlacement, FixedSizeWindowsAreMovedOntoAMonitorAtTheirSize)
{
    // Seen whole on one monitor, or on the second: kept.
    EXPECT_EQ(fitWindowPlace({50, 50, 205, 262}, oneMonitor), (Rect{50, 50, 205, 262}));
    EXPECT_EQ(fitWindowPlace({2500, 40, 2655, 252}, twoMonitors), (Rect{2500, 40, 2655, 252}));
    // A large one keeps a place that shows as much as the main window must show.
    EXPECT_EQ(fitWindowPlace({1500, 100, 2100, 700}, oneMonitor), (Rect{1500, 100, 2100, 700}));
    // Off the screen, partly off it, or above the panel: moved in at its size.
    EXPECT_EQ(fitWindowPlace({2500, 40, 2655, 252}, oneMonitor), (Rect{1765, 40, 1920, 252}));
    EXPECT_EQ(fitWindowPlace({-20, 1000, 135, 1212}, oneMonitor), (Rect{0, 868, 155, 1080}));
    EXPECT_EQ(fitWindowPlace({10, 0, 165, 212}, twoMonitors), (Rect{10, 27, 165, 239}));
    // Larger than the monitor: its top-left corner (the caption) inside.
    EXPECT_EQ(fitWindowPlace({-50, -50, 250, 250}, {{0, 0, 200, 200}}), (Rect{0, 0, 300, 300}));
}

// The Puzzles window: the size the player left, or at first one for the screen under the main
// window, centred on the main window and brought onto the screen.
TEST(WindowPlacement, ThePuzzlesWindowTakesItsKeptSizeOrOneForItsScreen)
{
    const Rect mainOnFirst{100, 100, 1100, 800};   // middle (600, 450)
    const Rect mainOnSecond{2200, 200, 3200, 900}; // middle (2700, 550)
    const struct {
        Rect owner;
        int savedWidth, savedHeight;
        std::vector<Rect> workAreas;
        Rect expected;
    } cases[] = {
        // At first: a third of the width and seven tenths of the height.
        {mainOnFirst, 0, 0, oneMonitor, {264, 72, 936, 828}},
        {mainOnSecond, 0, 0, twoMonitors, {2252, 46, 3148, 1054}},
        // A size kept in the settings, a wrong one counting as none.
        {mainOnFirst, 900, 650, oneMonitor, {150, 125, 1050, 775}},
        {mainOnFirst, -5, 650, oneMonitor, {264, 72, 936, 828}},
        // Kept larger than the screen, or off it: brought onto it.
        {mainOnFirst, 5000, 4000, oneMonitor, {0, 0, 1920, 1080}},
        {mainOnFirst, INT_MAX, INT_MAX, oneMonitor, {0, 0, 1920, 1080}},
        {Rect{1700, 900, 2700, 1600}, 900, 650, oneMonitor, {1020, 430, 1920, 1080}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(puzzlesWindowRect(c.owner, c.savedWidth, c.savedHeight, c.workAreas),
                  c.expected)
            << c.owner << " " << c.savedWidth << "x" << c.savedHeight;
}
