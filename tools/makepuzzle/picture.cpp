// Loads a PNG or JPEG picture and fits it to the puzzle: centred crop to the puzzle's
// proportions, then a filtered scale to the exact picture size.
#include "tools/makepuzzle/picture.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>

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

GdkPixbuf* pixbufFromImage(const RgbImage& image)
{
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, image.width, image.height);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
    for (int y = 0; y < image.height; ++y)
        std::copy_n(&image.rgb[y * rowBytes], rowBytes,
                    pixels + static_cast<std::size_t>(y) * stride);
    return pixbuf;
}

}  // namespace

bool loadPicture(const std::string& path, RgbImage& picture, std::string& error)
{
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

RgbImage fitPicture(const RgbImage& picture, int width, int height)
{
    // Crop: keep the full height when the picture is wider than the puzzle, else the full width.
    const long long sourceWidth = picture.width;
    const long long sourceHeight = picture.height;
    int cropWidth = picture.width;
    int cropHeight = picture.height;
    if (sourceWidth * height > sourceHeight * width)
        cropWidth = static_cast<int>((sourceHeight * width + height / 2) / height);
    else
        cropHeight = static_cast<int>((sourceWidth * height + width / 2) / width);
    cropWidth = std::max(cropWidth, 1);
    cropHeight = std::max(cropHeight, 1);
    GdkPixbuf* whole = pixbufFromImage(picture);
    GdkPixbuf* cropped = gdk_pixbuf_new_subpixbuf(whole, (picture.width - cropWidth) / 2,
                                                  (picture.height - cropHeight) / 2, cropWidth,
                                                  cropHeight);
    GdkPixbuf* scaled = gdk_pixbuf_scale_simple(cropped, width, height, GDK_INTERP_HYPER);
    RgbImage fitted = imageFromPixbuf(scaled);
    g_object_unref(scaled);
    g_object_unref(cropped);
    g_object_unref(whole);
    return fitted;
}
