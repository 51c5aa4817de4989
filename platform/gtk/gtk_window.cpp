// Top-level windows on GTK: the main window, destruction, placement and window geometry.
#include <algorithm>

#include "platform/gtk/gtk_window.h"
#include "platform/gtk/x11_pointer.h"
#include "platform/messages.h"
#include "platform/window.h"

namespace {

// GTK sizes are at least one pixel; GTK itself keeps a window above its smallest size.
int atLeastOne(int value)
{
    return std::max(value, 1);
}

// Lays the hidden window out at the size it will be shown at, so that its client surface has
// that size and the game can paint into it before the window is on the screen.
void layOutHidden(Window* window)
{
    GtkWidget* toplevel = window->toplevel;
    int width = 0;
    int height = 0;
    gtk_window_get_size(GTK_WINDOW(toplevel), &width, &height);
    GtkRequisition smallest;
    gtk_widget_get_preferred_size(toplevel, &smallest, nullptr);
    GtkAllocation allocation{0, 0, std::max(width, smallest.width),
                             std::max(height, smallest.height)};
    gtk_widget_size_allocate(toplevel, &allocation);
    // The client area and the widgets around it, so that client points translate to the window.
    gtk_widget_realize(window->client);
}

// Lets GTK send a new placement to the X server and take in the answer.
void settlePlacement()
{
    GdkDisplay* display = gdk_display_get_default();
    for (int round = 0; round < 3; ++round) {
        gtkbackend::runPendingIterations();
        gdk_display_sync(display);
    }
    gtkbackend::runPendingIterations();
}

// Places the outer rectangle and waits until GTK has passed it on.
void placeWindow(Window* window, int x, int y, int width, int height)
{
    gtkbackend::requestOuterRect(window, Rect{x, y, x + width, y + height});
    settlePlacement();
}

}  // namespace

namespace gtkbackend {

namespace {

std::unordered_set<const Window*>& liveRecords()
{
    static std::unordered_set<const Window*> records;
    return records;
}

std::vector<std::unique_ptr<Window>>& retiredWindows()
{
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

}  // namespace

std::vector<std::unique_ptr<Window>>& allWindows()
{
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

Window* newWindowRecord()
{
    allWindows().push_back(std::make_unique<Window>());
    liveRecords().insert(allWindows().back().get());
    return allWindows().back().get();
}

bool isLive(const Window* window)
{
    return window && liveRecords().contains(window) && window->alive && window->toplevel;
}

void retireWindowRecord(Window* window)
{
    liveRecords().erase(window);
    auto& windows = allWindows();
    auto found = std::find_if(windows.begin(), windows.end(),
                              [window](const auto& record) { return record.get() == window; });
    if (found == windows.end())
        return;
    retiredWindows().push_back(std::move(*found));
    windows.erase(found);
}

void freeRetiredWindows()
{
    retiredWindows().clear();
}

std::size_t windowRecordCount()
{
    return allWindows().size() + retiredWindows().size();
}

// GTK's size is the client size: the frame a window manager adds (nothing without one) is
// taken off. Until the window is on the screen its frame is unknown, so the rectangle is asked
// for again once it is (see connectToplevelEvents).
void requestOuterRect(Window* window, const Rect& outer)
{
    int frameWidth = 0;
    int frameHeight = 0;
    GdkWindow* gdkWindow = gtk_widget_get_window(window->toplevel);
    if (gdkWindow && window->onScreen) {
        GdkRectangle frame;
        gdk_window_get_frame_extents(gdkWindow, &frame);
        frameWidth = frame.width - gdk_window_get_width(gdkWindow);
        frameHeight = frame.height - gdk_window_get_height(gdkWindow);
        window->placedWithoutFrame.reset();
    } else {
        window->placedWithoutFrame = outer;
    }
    requestClientRect(window, outer.left, outer.top, outer.right - outer.left - frameWidth,
                      outer.bottom - outer.top - frameHeight);
}

// With the window's gravity (north-west) the window manager puts the frame's top-left corner at
// (x, y); GTK's size is the client size.
void requestClientRect(Window* window, int x, int y, int clientWidth, int clientHeight)
{
    GtkWindow* toplevel = GTK_WINDOW(window->toplevel);
    gtk_window_move(toplevel, x, y);
    // A dialog the player cannot resize takes its size from its one child, the client area.
    if (!gtk_window_get_resizable(toplevel))
        gtk_widget_set_size_request(window->client, atLeastOne(clientWidth),
                                    atLeastOne(clientHeight));
    gtk_window_resize(toplevel, atLeastOne(clientWidth), atLeastOne(clientHeight));
}

}  // namespace gtkbackend

using gtkbackend::isLive;

Window* createMainWindow(const char* title, int x, int y, int width, int height, int menuId,
                         int iconId, WindowProc proc)
{
    Window* window = gtkbackend::newWindowRecord();
    window->proc = proc;
    window->backgroundFill = makeColour(0, 0, 0);

    window->toplevel = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* toplevel = GTK_WINDOW(window->toplevel);
    gtk_window_set_title(toplevel, title);
    if (GList* icons = gtkbackend::loadIconImages(iconId)) {
        gtk_window_set_icon_list(toplevel, icons);
        g_list_free_full(icons, g_object_unref);
    }

    GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_container_add(GTK_CONTAINER(toplevel), column);
    if (GtkWidget* menuBar = gtkbackend::buildMenuBar(window, menuId))
        gtk_box_pack_start(GTK_BOX(column), menuBar, FALSE, FALSE, 0);
    GtkWidget* clientArea = gtk_drawing_area_new();
    gtk_widget_set_can_focus(clientArea, TRUE);
    gtk_box_pack_start(GTK_BOX(column), gtkbackend::clientWithScrollBars(window, clientArea),
                       TRUE, TRUE, 0);

    gtkbackend::attachClientSurface(window, clientArea);
    gtkbackend::connectMouseEvents(window);
    gtkbackend::connectToplevelEvents(window);

    gtk_window_set_default_size(toplevel, atLeastOne(width), atLeastOne(height));
    gtk_window_move(toplevel, x, y);
    gtk_widget_show_all(column);
    // The window stays hidden until the game shows it with its first frame painted.
    gtkbackend::requestOuterRect(window, Rect{x, y, x + width, y + height});
    layOutHidden(window);
    gtk_widget_grab_focus(clientArea);
    return window;
}

void destroyWindow(Window* window)
{
    if (!isLive(window))
        return;
    // Owned windows go first, as Windows destroys them before their owner.
    std::vector<Window*> owned;
    for (const auto& other : gtkbackend::allWindows())
        if (isLive(other.get()) && other->owner == window)
            owned.push_back(other.get());
    for (Window* other : owned)
        destroyWindow(other);
    gtkbackend::callProcedure(window, WM_DESTROY, 0, 0);
    if (!isLive(window))
        return;
    gtkbackend::killWindowTimers(window);
    window->alive = false;
    window->ended = true;
    gtkbackend::removeQueuedMessages(window);
    gtkbackend::forgetCursorTarget(window);
    GtkWidget* toplevel = window->toplevel;
    window->toplevel = nullptr;
    window->client = nullptr;
    gtk_widget_destroy(toplevel);
    gtkbackend::releaseClientSurface(window);
    gtkbackend::retireWindowRecord(window);
}

void setWindowPos(Window* window, int x, int y, int width, int height)
{
    if (!isLive(window))
        return;
    placeWindow(window, x, y, width, height);
    showWindow(window);
    if (GdkWindow* gdkWindow = gtk_widget_get_window(window->toplevel))
        gdk_window_raise(gdkWindow);
}

// The window shows its client surface again by itself after a move, so `repaint` needs no
// extra work; a new size already asks the procedure for a paint.
void moveWindow(Window* window, int x, int y, int width, int height, bool /*repaint*/)
{
    if (isLive(window))
        placeWindow(window, x, y, width, height);
}

void moveWindowToClientSize(Window* window, int x, int y, int clientWidth, int clientHeight,
                            bool /*repaint*/)
{
    if (!isLive(window))
        return;
    // The frame takes care of itself: an outer rectangle asked for earlier is forgotten.
    window->placedWithoutFrame.reset();
    gtkbackend::requestClientRect(window, x, y, clientWidth, clientHeight);
    settlePlacement();
}

void showWindow(Window* window)
{
    if (!isLive(window) || gtk_widget_get_visible(window->toplevel))
        return;
    gtkbackend::callProcedure(window, WM_SHOWWINDOW, 1, 0);
    if (!isLive(window))
        return;
    invalidateWindow(window, false);
    // The main window comes onto the screen once, already painted at its size.
    if (!window->isDialog) {
        layOutHidden(window);
        updateWindow(window);
    }
    gtk_widget_show(window->toplevel);
    settlePlacement();
}

Rect getWindowRect(Window* window)
{
    if (!isLive(window))
        return Rect{};
    GdkWindow* gdkWindow = gtk_widget_get_window(window->toplevel);
    if (!gdkWindow)
        return Rect{};
    GdkRectangle frame;
    gdk_window_get_frame_extents(gdkWindow, &frame);
    return Rect{frame.x, frame.y, frame.x + frame.width, frame.y + frame.height};
}

Rect getClientRect(Window* window)
{
    if (!isLive(window))
        return Rect{};
    return Rect{0, 0, gtk_widget_get_allocated_width(window->client),
                gtk_widget_get_allocated_height(window->client)};
}

std::vector<Rect> monitorWorkAreas()
{
    std::vector<Rect> areas;
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* primary = gdk_display_get_primary_monitor(display);
    for (int index = 0; index < gdk_display_get_n_monitors(display); ++index) {
        GdkMonitor* monitor = gdk_display_get_monitor(display, index);
        GdkRectangle area;
        gdk_monitor_get_workarea(monitor, &area);
        const Rect rect{area.x, area.y, area.x + area.width, area.y + area.height};
        areas.insert(monitor == primary ? areas.begin() : areas.end(), rect);
    }
    return areas;
}

Point clientToScreen(Window* window, Point point)
{
    if (!isLive(window))
        return point;
    int x = 0;
    int y = 0;
    gtk_widget_translate_coordinates(window->client, window->toplevel, 0, 0, &x, &y);
    if (GdkWindow* gdkWindow = gtk_widget_get_window(window->toplevel)) {
        int originX = 0;
        int originY = 0;
        gdk_window_get_origin(gdkWindow, &originX, &originY);
        x += originX;
        y += originY;
    }
    return Point{point.x + x, point.y + y};
}

void setDisplayLostHandler(void (*lastWords)())
{
    runBeforeConnectionLossExit(lastWords);
}

void setFocus(Window* window)
{
    if (!isLive(window))
        return;
    gtk_window_present(GTK_WINDOW(window->toplevel));
    if (gtk_widget_get_can_focus(window->client))
        gtk_widget_grab_focus(window->client);
}

std::uint32_t getWindowExStyle(Window* window)
{
    return isLive(window) ? window->exStyle : 0;
}

void setWindowExStyle(Window* window, std::uint32_t exStyle)
{
    if (isLive(window))
        window->exStyle = exStyle;
}
