// Picture files decoded and scaled by gdk-pixbuf.
#include "platform/picture_file.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <new>
#include <set>

#include "platform/picture_budget.h"

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

// One picture going through gdk-pixbuf's loader, which tells its size before it decodes.
struct Decoding {
    const std::string& path;
    PictureSize box;
    long long maxPixels;
    PictureError& error;
    bool refused = false;
};

// The loader has read the header: a picture beyond the budget is stopped here, before its
// pixels are allocated (a size of 0 makes every decoder give up); a large one is decoded at
// a smaller size, directly where the decoder can (JPEG's scaled decoding, SVG), else scaled
// once decoded.
void onSizePrepared(GdkPixbufLoader* loader, int width, int height, gpointer data)
{
    Decoding& decoding = *static_cast<Decoding*>(data);
    if (!pictureWithinBudget(decoding.path, width, height, decoding.error)) {
        decoding.refused = true;
        gdk_pixbuf_loader_set_size(loader, 0, 0);
        return;
    }
    const PictureSize to = decodedSize({width, height}, decoding.maxPixels, decoding.box);
    if (to.width != width || to.height != height)
        gdk_pixbuf_loader_set_size(loader, to.width, to.height);
}

// Feeds the file to the loader in pieces, so that a refusal at the header stops it early.
// The loaded pixbuf (a reference of its own), or null.
GdkPixbuf* load(const std::vector<std::uint8_t>& bytes, Decoding& decoding)
{
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new();
    g_signal_connect(loader, "size-prepared", G_CALLBACK(onSizePrepared), &decoding);
    constexpr std::size_t piece = 64 * 1024;
    GError* failure = nullptr;
    bool written = true;
    for (std::size_t at = 0; written && !decoding.refused && at < bytes.size(); at += piece)
        written = gdk_pixbuf_loader_write(loader, bytes.data() + at,
                                          std::min(piece, bytes.size() - at), &failure);
    // Closing after a failed write only repeats its error.
    const bool closed = gdk_pixbuf_loader_close(loader, written ? &failure : nullptr);
    GdkPixbuf* pixbuf = nullptr;
    if (written && closed && !decoding.refused && gdk_pixbuf_loader_get_pixbuf(loader))
        pixbuf = GDK_PIXBUF(g_object_ref(gdk_pixbuf_loader_get_pixbuf(loader)));
    if (!decoding.refused && pixbuf == nullptr) {
        const bool told = failure && failure->domain == GDK_PIXBUF_ERROR;
        const PictureProblem problem =
            told && failure->code == GDK_PIXBUF_ERROR_INSUFFICIENT_MEMORY ? PictureProblem::outOfMemory
            : told && failure->code == GDK_PIXBUF_ERROR_CORRUPT_IMAGE     ? PictureProblem::damaged
                                                                          : PictureProblem::notAPicture;
        setPictureError(decoding.error, problem, decoding.path,
                        failure ? failure->message : "not a picture file");
    }
    if (failure)
        g_error_free(failure);
    g_object_unref(loader);
    return pixbuf;
}

bool readPicture(const std::string& path, PictureSize box, long long maxPixels,
                 RgbImage& picture, PictureError& error)
{
    error = {};
    std::vector<std::uint8_t> bytes;
    // A loader that allocates before it tells the size is stopped by the header's own size.
    if (!readPictureBytes(path, bytes, error) || !checkBeforeDecoding(path, bytes, error))
        return false;
    Decoding decoding{path, box, maxPixels, error};
    GdkPixbuf* loaded = load(bytes, decoding);
    // Its size is within the budget unless the loader refused it for that.
    const bool sizeRefused = decoding.refused || error.problem == PictureProblem::outOfMemory;
    if (!sizeRefused && !jpegWhole(path, bytes, error)) {
        if (loaded)
            g_object_unref(loaded);
        return false;
    }
    if (loaded == nullptr)
        return false;
    // Photographs often carry their camera orientation separately from the pixels.
    GdkPixbuf* upright = gdk_pixbuf_apply_embedded_orientation(loaded);
    g_object_unref(loaded);
    if (upright == nullptr) {
        setPictureError(error, PictureProblem::outOfMemory, path, "not enough memory");
        return false;
    }
    try {
        picture = imageFromPixbuf(upright);
    } catch (const std::bad_alloc&) {
        setPictureError(error, PictureProblem::outOfMemory, path, "not enough memory");
    }
    g_object_unref(upright);
    return error.problem == PictureProblem::none;
}

}  // namespace

bool readPictureFile(const std::string& path, RgbImage& picture, PictureError& error)
{
    return readPicture(path, {}, maxDecodedPixels, picture, error);
}

bool readPictureThumbnail(const std::string& path, int maxWidth, int maxHeight,
                          RgbImage& picture, PictureError& error)
{
    return readPicture(path, {std::max(maxWidth, 1), std::max(maxHeight, 1)}, maxDecodedPixels,
                       picture, error);
}

std::string pictureFilePatterns()
{
    std::set<std::string> patterns;
    GSList* formats = gdk_pixbuf_get_formats();
    for (GSList* format = formats; format; format = format->next) {
        auto* kind = static_cast<GdkPixbufFormat*>(format->data);
        if (gdk_pixbuf_format_is_disabled(kind))
            continue;
        gchar** extensions = gdk_pixbuf_format_get_extensions(kind);
        for (gchar** extension = extensions; extension && *extension; ++extension) {
            gchar* lower = g_ascii_strdown(*extension, -1);
            gchar* upper = g_ascii_strup(*extension, -1);
            patterns.insert(std::string("*.") + lower);
            patterns.insert(std::string("*.") + upper);
            g_free(lower);
            g_free(upper);
        }
        g_strfreev(extensions);
    }
    g_slist_free(formats);
    std::string joined;
    for (const std::string& pattern : patterns)
        joined += (joined.empty() ? "" : ";") + pattern;
    return joined;
}

RgbImage scalePicturePart(const RgbImage& picture, int x, int y, int width, int height,
                          int toWidth, int toHeight)
{
    RgbImage result;
    GdkPixbuf* whole = pixbufOver(picture);
    if (whole == nullptr)
        return result;
    GdkPixbuf* part = gdk_pixbuf_new_subpixbuf(whole, x, y, std::max(width, 1),
                                               std::max(height, 1));
    GdkPixbuf* scaled = gdk_pixbuf_scale_simple(part, toWidth, toHeight, GDK_INTERP_HYPER);
    if (scaled != nullptr) {
        try {
            result = imageFromPixbuf(scaled);
        } catch (const std::bad_alloc&) {
            result = {};
        }
        g_object_unref(scaled);
    }
    g_object_unref(part);
    g_object_unref(whole);
    return result;
}
