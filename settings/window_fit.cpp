// Fitting saved window rectangles to the monitors' work areas.
#include "settings/window_fit.h"

#include <algorithm>
#include <cstdint>

namespace {

// The size a window gets when the saved one has none (the size of a first start).
constexpr int defaultWidth = 1000;
constexpr int defaultHeight = 700;

// Settings values are any 32-bit numbers: their differences need 64 bits.
struct Box {
    std::int64_t left, top, right, bottom;
    std::int64_t width() const { return right - left; }
    std::int64_t height() const { return bottom - top; }
};

Box boxOf(const Rect& rect)
{
    return Box{rect.left, rect.top, rect.right, rect.bottom};
}

Box intersection(const Box& a, const Box& b)
{
    return Box{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
}

std::int64_t overlapArea(const Box& a, const Box& b)
{
    const Box both = intersection(a, b);
    return both.width() > 0 && both.height() > 0 ? both.width() * both.height() : 0;
}

// The top edge (the caption, the menu bar) lies in the area and at least the minimum size of the
// window shows there; the whole window when it is smaller than that.
bool showableOn(const Box& window, const Box& area)
{
    const Box visible = intersection(window, area);
    return window.top >= area.top && window.top < area.bottom &&
           visible.width() >= std::min<std::int64_t>(minimumWindowWidth, window.width()) &&
           visible.height() >= std::min<std::int64_t>(minimumWindowHeight, window.height());
}

bool showableSomewhere(const Box& window, const std::vector<Rect>& workAreas)
{
    return std::any_of(workAreas.begin(), workAreas.end(),
                       [&](const Rect& area) { return showableOn(window, boxOf(area)); });
}

// The work area the window overlaps most; the first when it overlaps none.
Box mostOverlappedArea(const Box& window, const std::vector<Rect>& workAreas)
{
    Box target = boxOf(workAreas.front());
    std::int64_t bestOverlap = 0;
    for (const Rect& area : workAreas)
        if (const std::int64_t overlap = overlapArea(window, boxOf(area)); overlap > bestOverlap) {
            bestOverlap = overlap;
            target = boxOf(area);
        }
    return target;
}

// The window of this size moved as little as possible to lie in the area; one larger than the
// area keeps its top-left corner (the caption) inside.
Rect movedInto(const Box& window, std::int64_t width, std::int64_t height, const Box& area)
{
    const std::int64_t left = std::max(area.left, std::min(window.left, area.right - width));
    const std::int64_t top = std::max(area.top, std::min(window.top, area.bottom - height));
    return Rect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width),
                static_cast<int>(top + height)};
}

// `wanted` when it lies in [minimum, room], the default when it is below the minimum; never
// more than the room.
std::int64_t fittedExtent(std::int64_t wanted, std::int64_t minimum, std::int64_t fallback,
                          std::int64_t room)
{
    const std::int64_t extent = wanted < minimum ? fallback : wanted;
    return std::min(extent, room);
}

}  // namespace

Rect boundingRect(const std::vector<Rect>& rects)
{
    if (rects.empty())
        return Rect{};
    Rect all = rects.front();
    for (const Rect& rect : rects)
        all = Rect{std::min(all.left, rect.left), std::min(all.top, rect.top),
                   std::max(all.right, rect.right), std::max(all.bottom, rect.bottom)};
    return all;
}

Rect fitWindowRect(const Rect& wanted, const std::vector<Rect>& workAreas)
{
    if (workAreas.empty())
        return Rect{0, 0, defaultWidth, defaultHeight};
    const Box window = boxOf(wanted);
    const Box all = boxOf(boundingRect(workAreas));
    const bool sizeFits = window.width() >= minimumWindowWidth &&
                          window.height() >= minimumWindowHeight &&
                          window.width() <= all.width() && window.height() <= all.height();
    if (sizeFits && showableSomewhere(window, workAreas))
        return wanted;

    const Box target = mostOverlappedArea(window, workAreas);
    const std::int64_t width =
        fittedExtent(window.width(), minimumWindowWidth, defaultWidth, target.width());
    const std::int64_t height =
        fittedExtent(window.height(), minimumWindowHeight, defaultHeight, target.height());
    return movedInto(window, width, height, target);
}

Rect fitWindowPlace(const Rect& wanted, const std::vector<Rect>& workAreas)
{
    const Box window = boxOf(wanted);
    if (workAreas.empty() || showableSomewhere(window, workAreas))
        return wanted;
    return movedInto(window, window.width(), window.height(),
                     mostOverlappedArea(window, workAreas));
}
