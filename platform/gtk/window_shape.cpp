// See-through background: the window's X shape leaves out client pixels of the key colour.
#include <vector>

#include "platform/gtk/gtk_window.h"
#include "platform/gtk/shape_runs.h"
#include "platform/gtk/x11_pointer.h"
#include "platform/window.h"

namespace {

// Everything outside the client area (the menu bar) stays; inside it only the opaque part.
void applyShape(Window* window)
{
    int clientX = 0;
    int clientY = 0;
    gtk_widget_translate_coordinates(window->client, window->toplevel, 0, 0, &clientX, &clientY);
    const cairo_rectangle_int_t whole{0, 0, gtk_widget_get_allocated_width(window->toplevel),
                                      gtk_widget_get_allocated_height(window->toplevel)};
    const cairo_rectangle_int_t client{clientX, clientY, window->surface.width,
                                       window->surface.height};
    cairo_region_t* shape = cairo_region_create_rectangle(&whole);
    cairo_region_subtract_rectangle(shape, &client);
    cairo_region_t* opaque = cairo_region_copy(window->opaqueRegion);
    cairo_region_translate(opaque, clientX, clientY);
    cairo_region_union(shape, opaque);
    gtk_widget_shape_combine_region(window->toplevel, shape);
    cairo_region_destroy(opaque);
    cairo_region_destroy(shape);
}

void setLayeredAttributes(Window* window, Colour key, std::uint8_t alpha, std::uint32_t flags)
{
    if (!gtkbackend::isLive(window) || !(window->exStyle & WS_EX_LAYERED))
        return;
    if (flags & LWA_COLORKEY) {
        window->shaped = true;
        window->shapeKey = pixelValueOf(key);
        if (window->opaqueRegion)
            cairo_region_destroy(window->opaqueRegion);
        window->opaqueRegion = cairo_region_create();
        gtkbackend::updateWindowShape(
            window, Rect{0, 0, window->surface.width, window->surface.height});
    } else if (window->shaped) {
        window->shaped = false;
        gtk_widget_shape_combine_region(window->toplevel, nullptr);
    }
    if (flags & LWA_ALPHA)
        gtk_widget_set_opacity(window->toplevel, alpha / 255.0);
    gtk_widget_queue_draw(window->toplevel);
}

}  // namespace

namespace gtkbackend {

// Only the rectangle drawn is looked at again, so carrying a piece stays fast.
void updateWindowShape(Window* window, const Rect& changed)
{
    if (!window->shaped || !window->opaqueRegion)
        return;
    const cairo_rectangle_int_t area{changed.left, changed.top, changed.right - changed.left,
                                     changed.bottom - changed.top};
    cairo_region_subtract_rectangle(window->opaqueRegion, &area);
    std::vector<Rect> runs;
    appendOpaqueRuns(window->surface, changed, window->shapeKey, runs);
    std::vector<cairo_rectangle_int_t> rectangles;
    rectangles.reserve(runs.size());
    for (const Rect& run : runs)
        rectangles.push_back({run.left, run.top, run.right - run.left, 1});
    cairo_region_t* added =
        cairo_region_create_rectangles(rectangles.data(), static_cast<int>(rectangles.size()));
    cairo_region_union(window->opaqueRegion, added);
    cairo_region_destroy(added);
    const cairo_rectangle_int_t bounds{0, 0, window->surface.width, window->surface.height};
    cairo_region_intersect_rectangle(window->opaqueRegion, &bounds);
    applyShape(window);
}

}  // namespace gtkbackend

LayeredWindowFunction lookupLayeredWindowFunction()
{
    return serverHasShapeExtension() ? setLayeredAttributes : nullptr;
}
