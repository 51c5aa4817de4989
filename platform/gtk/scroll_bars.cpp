// The main window's scroll bars: GtkScrollbars beside and below the client area, set by the
// game and reporting the player's moves as WM_HSCROLL and WM_VSCROLL.
#include <algorithm>
#include <cmath>

#include "platform/gtk/gtk_window.h"
#include "platform/messages.h"
#include "platform/window.h"

namespace {

ScrollBarWidget& barOf(Window* window, ScrollBarAxis axis)
{
    return axis == ScrollBarAxis::horizontal ? window->horizontalBar : window->verticalBar;
}

// The player moved the bar (by the thumb, the trough, the arrows or the wheel over it): the
// window hears the new position as SB_THUMBTRACK.
void barMoved(GtkRange* range, Window* window)
{
    const unsigned message =
        GTK_WIDGET(range) == window->horizontalBar.bar ? WM_HSCROLL : WM_VSCROLL;
    const long position = std::clamp(std::lround(gtk_range_get_value(range)), 0L, 0xFFFFL);
    postMessage(window, message, makeScrollParam(SB_THUMBTRACK, static_cast<int>(position)), 0);
}

ScrollBarWidget newBar(GtkOrientation orientation, Window* window)
{
    ScrollBarWidget widget;
    widget.bar = gtk_scrollbar_new(orientation, nullptr);
    gtk_widget_set_can_focus(widget.bar, FALSE);
    gtk_widget_set_no_show_all(widget.bar, TRUE);
    widget.changedHandler =
        g_signal_connect(widget.bar, "value-changed", G_CALLBACK(barMoved), window);
    return widget;
}

}  // namespace

namespace gtkbackend {

GtkWidget* clientWithScrollBars(Window* window, GtkWidget* client)
{
    GtkWidget* grid = gtk_grid_new();
    gtk_widget_set_hexpand(client, TRUE);
    gtk_widget_set_vexpand(client, TRUE);
    window->horizontalBar = newBar(GTK_ORIENTATION_HORIZONTAL, window);
    window->verticalBar = newBar(GTK_ORIENTATION_VERTICAL, window);
    gtk_grid_attach(GTK_GRID(grid), client, 0, 0, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), window->verticalBar.bar, 1, 0, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), window->horizontalBar.bar, 0, 1, 1, 1);
    return grid;
}

}  // namespace gtkbackend

void setScrollBar(Window* window, ScrollBarAxis axis, int range, int page, int position)
{
    if (!gtkbackend::isLive(window))
        return;
    ScrollBarWidget& widget = barOf(window, axis);
    if (!widget.bar)
        return;
    // As SetScrollInfo: the thumb spans `page` of `range`, the position is kept within
    // 0 .. range - page; an arrow moves a tenth of a page.
    const double upper = std::max(range, 0);
    const double pageSize = std::clamp(static_cast<double>(page), 0.0, upper);
    g_signal_handler_block(widget.bar, widget.changedHandler);
    gtk_adjustment_configure(gtk_range_get_adjustment(GTK_RANGE(widget.bar)),
                             std::clamp(static_cast<double>(position), 0.0, upper - pageSize), 0,
                             upper, std::max(1.0, std::floor(pageSize / 10)),
                             std::max(1.0, pageSize), pageSize);
    g_signal_handler_unblock(widget.bar, widget.changedHandler);
    const bool shown = range > page;
    if (shown == static_cast<bool>(gtk_widget_get_visible(widget.bar)))
        return;
    gtk_widget_set_visible(widget.bar, shown);
    // As ShowScrollBar, the client area (and its surface) has its new size at once; the outer
    // window keeps its size.
    gtk_container_check_resize(GTK_CONTAINER(window->toplevel));
}
