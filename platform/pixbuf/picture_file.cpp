// Picture files decoded and scaled by gdk-pixbuf.
#include "platform/picture_file.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/jpeg_check.h"

namespace {

// Copies a pixbuf's pixels, laying any transparent parts over white.
RgbImage imageFromPixbuf(GdkPixbuf* pixbuf)
{
    RgbImage image;
    image.width = gdk_pixbuf_get_width(pixbuf);
    image.height = gdk_pixbuf_get_height(pixbuf);
    image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
    const int channels = gdk_pixbuf_get_n_channels(pixbuf);
    const bool hasAlpha = gdk_pixbuf_get_has_alpha(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    const guchar* pixels = gdk_pixbuf_read_pixels(pixbuf);
    std::uint8_t* target = image.rgb.data();
    for (int y = 0; y < image.height; ++y) {
        const guchar* source = pixels + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < image.width; ++x, source += channels) {
            const int alpha = hasAlpha ? source[3] : 255;
            for (int i = 0; i < 3; ++i)
                *target++ =
                    static_cast<std::uint8_t>((source[i] * alpha + 255 * (255 - alpha)) / 255);
        }
    }
    return image;
}

// A pixbuf over the image's own pixels: valid while the image is.
GdkPixbuf* pixbufOver(const RgbImage& image)
{
    return gdk_pixbuf_new_from_data(const_cast<guchar*>(image.rgb.data()), GDK_COLORSPACE_RGB, FALSE, 8, image.width,
                                    image.height, image.width * 3, nullptr, nullptr);
}

}  // namespace

bool readPictureFile(const std::string& path, RgbImage& picture, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    if (looksLikeJpeg(bytes) && !jpegDecodesCleanly(bytes)) {
        error = "cannot read picture " + path + ": the JPEG data is cut short or damaged";
        return false;
    }
    GError* failure = nullptr;
    GdkPixbuf* loaded = gdk_pixbuf_new_from_file(path.c_str(), &failure);
    if (loaded == nullptr) {
        error = "cannot read picture " + path + ": " +
                (failure ? failure->message : "unknown error");
        if (failure)
            g_error_free(failure);
        return false;
    }
    // Photographs often carry their camera orientation separately from the pixels.
    GdkPixbuf* upright = gdk_pixbuf_apply_embedded_orientation(loaded);
    g_object_unref(loaded);
    picture = imageFromPixbuf(upright);
    g_object_unref(upright);
    return true;
}

RgbImage scalePicturePart(const RgbImage& picture, int x, int y, int width, int height,
                          int toWidth, int toHeight)
{
    GdkPixbuf* whole = pixbufOver(picture);
    GdkPixbuf* part = gdk_pixbuf_new_subpixbuf(whole, x, y, std::max(width, 1),
                                               std::max(height, 1));
    GdkPixbuf* scaled = gdk_pixbuf_scale_simple(part, toWidth, toHeight, GDK_INTERP_HYPER);
    RgbImage result = imageFromPixbuf(scaled);
    g_object_unref(scaled);
    g_object_unref(part);
    g_object_unref(whole);
    return result;
}
