// The Puzzles window's size, kept in the settings file and fitted to the screen.
#include "ui/puzzles_window_size.h"

#include <algorithm>

#include "platform/window.h"
#include "settings/settings.h"
#include "settings/window_fit.h"

namespace {

constexpr const char* widthKey = "plwidth";
constexpr const char* heightKey = "plheight";

// The work area holding the point, else the first; none: an empty one.
Rect workAreaAt(const Point& point, const std::vector<Rect>& workAreas)
{
    if (workAreas.empty())
        return Rect{};
    const auto holding = std::find_if(workAreas.begin(), workAreas.end(), [&](const Rect& area) {
        return point.x >= area.left && point.x < area.right && point.y >= area.top &&
               point.y < area.bottom;
    });
    return holding != workAreas.end() ? *holding : workAreas.front();
}

}  // namespace

Rect puzzlesWindowRect(const Rect& owner, int savedWidth, int savedHeight,
                       const std::vector<Rect>& workAreas)
{
    const Point middle{owner.left / 2 + owner.right / 2, owner.top / 2 + owner.bottom / 2};
    // Beyond any screen; fitted below.
    constexpr int largest = 1 << 16;
    int width = std::min(savedWidth, largest);
    int height = std::min(savedHeight, largest);
    if (width <= 0 || height <= 0) {
        // Four to six columns and three rows or more on the usual screens.
        const Rect area = workAreaAt(middle, workAreas);
        width = static_cast<int>((static_cast<long long>(area.right) - area.left) * 35 / 100);
        height = static_cast<int>((static_cast<long long>(area.bottom) - area.top) * 70 / 100);
    }
    const Rect wanted{middle.x - width / 2, middle.y - height / 2, middle.x - width / 2 + width,
                      middle.y - height / 2 + height};
    return fitWindowRect(wanted, workAreas);
}

void placePuzzlesWindow(Window* dialog, Window* owner)
{
    const Rect placed =
        puzzlesWindowRect(getWindowRect(owner), readSettingsInteger(widthKey, 0),
                          readSettingsInteger(heightKey, 0), monitorWorkAreas());
    moveWindow(dialog, placed.left, placed.top, placed.right - placed.left,
               placed.bottom - placed.top, false);
}

void keepPuzzlesWindowSize(Window* dialog)
{
    const Rect rect = getWindowRect(dialog);
    if (rect.right > rect.left && rect.bottom > rect.top)
        writeSettingsIntegers(
            {{widthKey, rect.right - rect.left}, {heightKey, rect.bottom - rect.top}});
}
