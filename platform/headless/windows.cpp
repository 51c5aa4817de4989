// In-memory top-level windows: placement, client surfaces, repainting, menus and styles.
#include <algorithm>
#include <cstdio>
#include <span>
#include <utility>

#include "platform/headless/backend.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/templates.h"
#include "platform/window.h"

using headless::backEnd;
using headless::isLive;

namespace {

void collectMenuChecks(std::span<const MenuTemplate> items, std::map<int, bool>& checks)
{
    for (const MenuTemplate& item : items) {
        if (item.commandId != 0)
            checks[item.commandId] = item.checked;
        collectMenuChecks(item.children, checks);
    }
}

// Makes a hidden window visible: it hears WM_SHOWWINDOW and its client area needs painting.
void becomeVisible(Window* window)
{
    if (window->visible)
        return;
    window->visible = true;
    window->paintPending = true;
    sendMessage(window, WM_SHOWWINDOW, 1, 0);
}

// The client area: the outer rectangle (there is no frame) less the scroll bars shown.
Rect clientArea(const Window* window)
{
    const int barWidth = window->verticalBar.shown ? headless::scrollBarThickness : 0;
    const int barHeight = window->horizontalBar.shown ? headless::scrollBarThickness : 0;
    return {0, 0, std::max(window->rect.right - window->rect.left - barWidth, 0),
            std::max(window->rect.bottom - window->rect.top - barHeight, 0)};
}

// A new client size replaces the client surface (its contents are lost, as a window's exposed
// area is) and, when asked, schedules a repaint.
void fitSurface(Window* window, bool repaint)
{
    const Rect client = clientArea(window);
    if (client.right == window->surface.width && client.bottom == window->surface.height)
        return;
    resizeSurface(window->surface, client.right, client.bottom, makeColour(0, 0, 0));
    if (repaint)
        window->paintPending = true;
}

// Moves and sizes the outer rectangle; a new position is reported with WM_MOVE carrying the
// client area's screen position.
void place(Window* window, int x, int y, int width, int height, bool repaint)
{
    const Rect old = window->rect;
    window->rect = {x, y, x + width, y + height};
    fitSurface(window, repaint);
    if (x != old.left || y != old.top)
        sendMessage(window, WM_MOVE, 0, makePointParam(x, y));
}

void setLayeredAttributes(Window* /*window*/, Colour key, std::uint8_t alpha, std::uint32_t flags)
{
    char line[64];
    std::snprintf(line, sizeof line, "layered %06X %u %u", static_cast<unsigned>(key),
                  static_cast<unsigned>(alpha), static_cast<unsigned>(flags));
    headless::logEvent(line);
}

}  // namespace

Window* createMainWindow(const char* title, int x, int y, int width, int height, int menuId,
                         int /*iconId*/, WindowProc proc)
{
    Window* window = headless::addWindow(title, {x, y, x + width, y + height}, proc, nullptr);
    std::size_t count = 0;
    if (const MenuTemplate* menu = findMenuTemplate(menuId, &count))
        collectMenuChecks({menu, count}, window->menuChecks);
    backEnd().mainWindow = window;
    becomeVisible(window);
    backEnd().focus = window;
    return window;
}

void destroyWindow(Window* window)
{
    if (!isLive(window) || window->destroying)
        return;
    if (window->isDialog)
        headless::logEvent("destroy " + std::to_string(window->templateId));
    headless::tearDownWindow(window);
}

void setWindowPos(Window* window, int x, int y, int width, int height)
{
    if (!isLive(window))
        return;
    place(window, x, y, width, height, true);
    becomeVisible(window);
}

void moveWindow(Window* window, int x, int y, int width, int height, bool repaint)
{
    if (isLive(window))
        place(window, x, y, width, height, repaint);
}

// A headless window has no frame: its outer rectangle is its client area.
void moveWindowToClientSize(Window* window, int x, int y, int clientWidth, int clientHeight,
                            bool repaint)
{
    moveWindow(window, x, y, clientWidth, clientHeight, repaint);
}

void showWindow(Window* window)
{
    if (isLive(window))
        becomeVisible(window);
}

void updateWindow(Window* window)
{
    if (!isLive(window) || !window->paintPending)
        return;
    window->paintPending = false;
    sendMessage(window, WM_PAINT, 0, 0);
}

void setDisplayLostHandler(void (*lastWords)())
{
    backEnd().displayLostHandler = lastWords;
}

std::vector<Rect> monitorWorkAreas()
{
    return backEnd().workAreas;
}

Rect getWindowRect(Window* window)
{
    return window ? window->rect : Rect{};
}

Rect getClientRect(Window* window)
{
    return window ? clientArea(window) : Rect{};
}

Point clientToScreen(Window* window, Point point)
{
    if (!window)
        return point;
    return {point.x + window->rect.left, point.y + window->rect.top};
}

Surface& clientSurface(Window* window)
{
    return window->surface;
}

void invalidateWindow(Window* window, bool /*erase*/)
{
    if (isLive(window))
        window->paintPending = true;
}

void setScrollBar(Window* window, ScrollBarAxis axis, int range, int page, int position)
{
    if (!isLive(window))
        return;
    headless::ScrollBarRecord& bar =
        axis == ScrollBarAxis::horizontal ? window->horizontalBar : window->verticalBar;
    bar = {range, page, position, range > page};
    fitSurface(window, true);
}

void checkMenuItem(Window* window, int commandId, bool checked)
{
    if (!window)
        return;
    // As CheckMenuItem, an id the menu lacks changes nothing.
    auto item = window->menuChecks.find(commandId);
    if (item != window->menuChecks.end())
        item->second = checked;
}

void enableMenuItem(Window* window, int commandId, bool enabled)
{
    if (!window || !window->menuChecks.contains(commandId))
        return;
    if (enabled)
        window->menuGreyed.erase(commandId);
    else
        window->menuGreyed.insert(commandId);
}

void setFocus(Window* window)
{
    if (isLive(window))
        backEnd().focus = window;
}

std::uint32_t getWindowExStyle(Window* window)
{
    return window ? window->exStyle : 0;
}

void setWindowExStyle(Window* window, std::uint32_t exStyle)
{
    if (window)
        window->exStyle = exStyle;
}

LayeredWindowFunction lookupLayeredWindowFunction()
{
    return backEnd().layeredWindowsAvailable ? &setLayeredAttributes : nullptr;
}

namespace headless {

void tearDownWindow(Window* window)
{
    if (!isLive(window) || window->destroying)
        return;
    window->destroying = true;
    // Owned windows go first, as they do on Windows.
    for (std::size_t i = 0; i < backEnd().windows.size(); ++i) {
        Window* other = backEnd().windows[i].get();
        if (other->owner == window)
            destroyWindow(other);
    }
    sendMessage(window, WM_DESTROY, 0, 0);
    // Its timers go with it, as DestroyWindow kills them.
    std::erase_if(backEnd().timers,
                  [window](const headless::Timer& timer) { return timer.window == window; });
    window->alive = false;
    window->visible = false;
    window->paintPending = false;
    // Activation passes to the owner, as on Windows.
    if (backEnd().focus == window)
        backEnd().focus = isLive(window->owner) ? window->owner : nullptr;
}

void setLayeredWindowsAvailable(bool available)
{
    backEnd().layeredWindowsAvailable = available;
}

bool menuItemChecked(int commandId)
{
    const Window* window = backEnd().mainWindow;
    if (!window)
        return false;
    auto item = window->menuChecks.find(commandId);
    return item != window->menuChecks.end() && item->second;
}

bool menuItemEnabled(int commandId)
{
    const Window* window = backEnd().mainWindow;
    return window && window->menuChecks.contains(commandId) &&
           !window->menuGreyed.contains(commandId);
}

bool paintPending(Window* window)
{
    return isLive(window) && window->paintPending;
}

Rect windowRect(Window* window)
{
    return getWindowRect(window);
}

void dragWindow(Window* window, int x, int y)
{
    if (isLive(window))
        place(window, x, y, window->rect.right - window->rect.left,
              window->rect.bottom - window->rect.top, false);
}

ScrollBarRecord scrollBar(Window* window, ScrollBarAxis axis)
{
    if (!window)
        return {};
    return axis == ScrollBarAxis::horizontal ? window->horizontalBar : window->verticalBar;
}

void useScrollBar(Window* window, ScrollBarAxis axis, unsigned code, int position)
{
    postMessage(window, axis == ScrollBarAxis::horizontal ? WM_HSCROLL : WM_VSCROLL,
                makeScrollParam(code, position), 0);
}

void clickCloseBox(Window* window)
{
    postMessage(window, WM_CLOSE, 0, 0);
}

Window* focusedWindow()
{
    return backEnd().focus;
}

void setMonitorWorkAreas(std::vector<Rect> areas)
{
    backEnd().workAreas = std::move(areas);
}

void loseDisplay()
{
    if (backEnd().displayLostHandler)
        backEnd().displayLostHandler();
}

}  // namespace headless
