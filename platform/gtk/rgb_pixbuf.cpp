// Pictures of the game's 24-bit form as GDK pixbufs.
#include <algorithm>
#include <cstddef>

#include "platform/gtk/gtk_window.h"

namespace gtkbackend {

GdkPixbuf* newPixbuf(const RgbImage& picture)
{
    const std::size_t rowBytes = static_cast<std::size_t>(std::max(picture.width, 0)) * 3;
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.rgb.size() < rowBytes * static_cast<std::size_t>(picture.height))
        return nullptr;
    GdkPixbuf* pixbuf =
        gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, picture.width, picture.height);
    if (pixbuf == nullptr)
        return nullptr;
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(picture.rgb.data() + y * rowBytes, rowBytes,
                    pixels + static_cast<std::size_t>(y) * stride);
    return pixbuf;
}

}  // namespace gtkbackend
