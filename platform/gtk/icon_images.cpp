// Pixbufs of the program's ICON resources: every embedded image, or one scaled to a size.
#include "platform/gtk/gtk_window.h"
#include "platform/gtk/icon_directory.h"
#include "platform/gtk/icon_images.h"
#include "platform/resources.h"

GdkPixbuf* pixbufFromImage(std::span<const std::uint8_t> bytes)
{
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new();
    GdkPixbuf* pixbuf = nullptr;
    if (gdk_pixbuf_loader_write(loader, bytes.data(), bytes.size(), nullptr) &&
        gdk_pixbuf_loader_close(loader, nullptr)) {
        pixbuf = gdk_pixbuf_loader_get_pixbuf(loader);
        if (pixbuf)
            g_object_ref(pixbuf);
    } else {
        gdk_pixbuf_loader_close(loader, nullptr);
    }
    g_object_unref(loader);
    return pixbuf;
}

namespace gtkbackend {

GList* loadIconImages(int iconId)
{
    GList* pixbufs = nullptr;
    for (const IconImage& image : readIconDirectory(findResource("ICON", iconId), iconFileType))
        if (GdkPixbuf* pixbuf = pixbufFromImage(image.bytes))
            pixbufs = g_list_append(pixbufs, pixbuf);
    return pixbufs;
}

GdkPixbuf* loadIconAtSize(int iconId, int width, int height)
{
    // The smallest image at least as large as asked for, else the largest there is.
    const std::vector<IconImage> images =
        readIconDirectory(findResource("ICON", iconId), iconFileType);
    const IconImage* best = nullptr;
    for (const IconImage& image : images) {
        const bool large = image.width >= width && image.height >= height;
        const bool bestLarge = best && best->width >= width && best->height >= height;
        if (!best || (large && (!bestLarge || image.width < best->width)) ||
            (!large && !bestLarge && image.width > best->width))
            best = &image;
    }
    if (!best)
        return nullptr;
    GdkPixbuf* pixbuf = pixbufFromImage(best->bytes);
    if (!pixbuf || (gdk_pixbuf_get_width(pixbuf) == width && gdk_pixbuf_get_height(pixbuf) == height))
        return pixbuf;
    GdkPixbuf* scaled = gdk_pixbuf_scale_simple(pixbuf, width, height, GDK_INTERP_BILINEAR);
    g_object_unref(pixbuf);
    return scaled;
}

}  // namespace gtkbackend
