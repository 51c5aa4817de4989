// The headless back end's state as a whole: creating window records, the event record, reset.
#include "platform/headless/backend.h"

#include <algorithm>

#include "platform/headless/headless.h"

namespace headless {

BackEnd& backEnd()
{
    static BackEnd state;
    return state;
}

void logEvent(std::string line)
{
    backEnd().events.push_back(std::move(line));
}

Window* addWindow(const std::string& title, Rect rect, WindowProc proc, Window* owner)
{
    auto window = std::make_unique<Window>();
    window->title = title;
    window->rect = rect;
    window->proc = proc;
    window->owner = owner;
    resizeSurface(window->surface, std::max(rect.right - rect.left, 0),
                  std::max(rect.bottom - rect.top, 0), makeColour(0, 0, 0));
    backEnd().windows.push_back(std::move(window));
    return backEnd().windows.back().get();
}

bool isLive(const Window* window)
{
    return window && window->alive;
}

void reset()
{
    backEnd() = BackEnd{};
}

const std::vector<std::string>& events()
{
    return backEnd().events;
}

void clearEvents()
{
    backEnd().events.clear();
}

}  // namespace headless
