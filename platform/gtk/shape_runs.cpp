// Row runs of non-key pixels, the building blocks of a window's see-through shape.
#include "platform/gtk/shape_runs.h"

#include <algorithm>

void appendOpaqueRuns(const Surface& surface, const Rect& area, std::uint32_t key,
                      std::vector<Rect>& runs)
{
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    const int right = std::min(area.right, surface.width);
    const int bottom = std::min(area.bottom, surface.height);
    for (int y = top; y < bottom; ++y) {
        const std::uint32_t* row = surface.pixels.data() + static_cast<std::size_t>(y) * surface.width;
        int x = left;
        while (x < right) {
            while (x < right && (row[x] & 0xFFFFFFu) == key)
                ++x;
            const int start = x;
            while (x < right && (row[x] & 0xFFFFFFu) != key)
                ++x;
            if (x > start)
                runs.push_back(Rect{start, y, x, y + 1});
        }
    }
}
