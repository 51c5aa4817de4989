// Writes Windows icon (.ico) and cursor (.cur) files whose images are embedded PNGs.
#include "tools/makeart/icon_file.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <fstream>
#include <optional>

namespace {

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::optional<std::vector<std::uint8_t>> encodePng(const IconImage& image)
{
    GdkPixbuf* pixbuf = gdk_pixbuf_new_from_data(image.rgba.data(), GDK_COLORSPACE_RGB, TRUE, 8,
                                                 image.width, image.height, image.width * 4,
                                                 nullptr, nullptr);
    gchar* buffer = nullptr;
    gsize size = 0;
    const gboolean saved =
        gdk_pixbuf_save_to_buffer(pixbuf, &buffer, &size, "png", nullptr, nullptr);
    g_object_unref(pixbuf);
    if (!saved)
        return std::nullopt;
    std::vector<std::uint8_t> png(buffer, buffer + size);
    g_free(buffer);
    return png;
}

}  // namespace

bool writeIconFile(const std::string& path, IconFileKind kind,
                   const std::vector<IconImage>& images)
{
    std::vector<std::vector<std::uint8_t>> pngs;
    for (const IconImage& image : images) {
        auto png = encodePng(image);
        if (!png)
            return false;
        pngs.push_back(std::move(*png));
    }

    constexpr std::uint32_t directorySize = 6;
    constexpr std::uint32_t entrySize = 16;
    std::vector<std::uint8_t> file;
    putLittleEndian(file, 0, 2);
    putLittleEndian(file, static_cast<std::uint16_t>(kind), 2);
    putLittleEndian(file, static_cast<std::uint32_t>(images.size()), 2);
    auto offset = static_cast<std::uint32_t>(directorySize + entrySize * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImage& image = images[i];
        putLittleEndian(file, image.width >= 256 ? 0 : image.width, 1);  // 0 stands for 256
        putLittleEndian(file, image.height >= 256 ? 0 : image.height, 1);
        putLittleEndian(file, 0, 1);  // no palette
        putLittleEndian(file, 0, 1);
        if (kind == IconFileKind::cursor) {
            putLittleEndian(file, image.hotSpotX, 2);
            putLittleEndian(file, image.hotSpotY, 2);
        } else {
            putLittleEndian(file, 1, 2);   // colour planes
            putLittleEndian(file, 32, 2);  // bits per pixel
        }
        putLittleEndian(file, static_cast<std::uint32_t>(pngs[i].size()), 4);
        putLittleEndian(file, offset, 4);
        offset += static_cast<std::uint32_t>(pngs[i].size());
    }
    for (const auto& png : pngs)
        file.insert(file.end(), png.begin(), png.end());

    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

bool writePngFile(const std::string& path, const IconImage& image)
{
    const auto png = encodePng(image);
    if (!png)
        return false;
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(png->data()), static_cast<std::streamsize>(png->size()));
    file.close();
    return static_cast<bool>(file);
}
