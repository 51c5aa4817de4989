// The client area's surface: kept at the client size, shown through cairo, drawn rects flushed.
#include "platform/gtk/gtk_window.h"
#include "platform/window.h"

namespace {

// Paints the part of the client surface inside the clip; dialogs show their surface only once
// the game has asked for it, so dialogs with controls keep the theme's background. On a scaled
// display each surface pixel becomes scale x scale device pixels of its own colour (nearest
// pixel, never blurred), and mouse positions stay in the same logical pixels.
gboolean drawClientArea(GtkWidget*, cairo_t* cr, Window* window)
{
    if (!window->cairoSurface || (window->isDialog && !window->surfaceUsed))
        return FALSE;
    cairo_surface_mark_dirty(window->cairoSurface);
    cairo_set_source_surface(cr, window->cairoSurface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    return FALSE;
}

// A new client size: a surface of the class background with the old picture kept in its
// top-left corner, then one paint for the procedure.
void resizeClientSurface(Window* window, int width, int height)
{
    Surface& surface = window->surface;
    if (width == surface.width && height == surface.height)
        return;
    Surface resized;
    resizeSurface(resized, width, height, window->backgroundFill);
    copyRect(resized, 0, 0, surface.width, surface.height, surface, 0, 0, RasterOp::copy);
    resized.dirty = Rect{0, 0, width, height};
    if (window->cairoSurface) {
        cairo_surface_destroy(window->cairoSurface);
        window->cairoSurface = nullptr;
    }
    surface = std::move(resized);
    if (width > 0 && height > 0)
        window->cairoSurface = cairo_image_surface_create_for_data(
            reinterpret_cast<unsigned char*>(surface.pixels.data()), CAIRO_FORMAT_RGB24, width,
            height, width * 4);
    invalidateWindow(window, false);
}

void clientAllocated(GtkWidget*, GdkRectangle* allocation, Window* window)
{
    if (window->alive)
        resizeClientSurface(window, allocation->width, allocation->height);
}

}  // namespace

namespace gtkbackend {

void attachClientSurface(Window* window, GtkWidget* client)
{
    window->client = client;
    g_signal_connect(client, "draw", G_CALLBACK(drawClientArea), window);
    g_signal_connect(client, "size-allocate", G_CALLBACK(clientAllocated), window);
}

void releaseClientSurface(Window* window)
{
    if (window->cairoSurface)
        cairo_surface_destroy(window->cairoSurface);
    window->cairoSurface = nullptr;
    if (window->opaqueRegion)
        cairo_region_destroy(window->opaqueRegion);
    window->opaqueRegion = nullptr;
    window->surface = Surface{};
}

void flushDrawing()
{
    for (const auto& record : allWindows()) {
        Window* window = record.get();
        if (!isLive(window))
            continue;
        const Rect changed = takeDirtyRect(window->surface);
        if (changed.right <= changed.left || changed.bottom <= changed.top)
            continue;
        updateWindowShape(window, changed);
        if (!window->isDialog || window->surfaceUsed)
            gtk_widget_queue_draw_area(window->client, changed.left, changed.top,
                                       changed.right - changed.left,
                                       changed.bottom - changed.top);
    }
}

}  // namespace gtkbackend

Surface& clientSurface(Window* window)
{
    if (!gtkbackend::isLive(window)) {
        static Surface detached;
        return detached;
    }
    window->surfaceUsed = true;
    return window->surface;
}
