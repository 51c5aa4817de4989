// Small pictures of the kept puzzles, made from a puzzle's picture and kept as PPM images.
#include "library/thumbnail.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/surface.h"

RgbImage thumbnailOfDib(const std::uint8_t* info, const std::uint8_t* bits, int width,
                        int height)
{
    const long long wide = std::max(width, 1);
    const long long high = std::max(height, 1);
    int toWidth = thumbnailWidth;
    int toHeight = static_cast<int>(high * thumbnailWidth / wide);
    if (toHeight > thumbnailHeight) {
        toHeight = thumbnailHeight;
        toWidth = static_cast<int>(wide * thumbnailHeight / high);
    }
    toWidth = std::max(toWidth, 1);
    toHeight = std::max(toHeight, 1);
    Surface surface;
    resizeSurface(surface, toWidth, toHeight, 0);
    drawDib(surface, 0, 0, toWidth, toHeight, info, bits, 0, 0, width, height, RasterOp::copy,
            StretchMode::halftone);
    RgbImage thumbnail{toWidth, toHeight,
                       std::vector<std::uint8_t>(static_cast<std::size_t>(toWidth) * toHeight * 3)};
    for (std::size_t i = 0; i < surface.pixels.size(); ++i) {
        const std::uint32_t pixel = surface.pixels[i];
        thumbnail.rgb[3 * i] = static_cast<std::uint8_t>(pixel >> 16);
        thumbnail.rgb[3 * i + 1] = static_cast<std::uint8_t>(pixel >> 8);
        thumbnail.rgb[3 * i + 2] = static_cast<std::uint8_t>(pixel);
    }
    return thumbnail;
}

std::vector<std::uint8_t> thumbnailBytes(const RgbImage& thumbnail)
{
    const std::string header = "P6\n" + std::to_string(thumbnail.width) + " " +
                               std::to_string(thumbnail.height) + "\n255\n";
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    bytes.insert(bytes.end(), thumbnail.rgb.begin(), thumbnail.rgb.end());
    return bytes;
}

std::optional<RgbImage> parseThumbnail(std::span<const std::uint8_t> bytes)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()),
                                std::min(bytes.size(), std::size_t{16}));
    // The size read, the header must be exactly the one written for it.
    int width = 0;
    int height = 0;
    if (std::sscanf(std::string(text).c_str(), "P6\n%3d %2d", &width, &height) != 2 ||
        width < 1 || width > thumbnailWidth || height < 1 || height > thumbnailHeight)
        return std::nullopt;
    const std::string expected = "P6\n" + std::to_string(width) + " " + std::to_string(height) +
                                 "\n255\n";
    const std::size_t pixels = static_cast<std::size_t>(width) * height * 3;
    if (text.substr(0, expected.size()) != expected || bytes.size() != expected.size() + pixels)
        return std::nullopt;
    const auto pixelsAt = bytes.begin() + static_cast<std::ptrdiff_t>(expected.size());
    return RgbImage{width, height, std::vector<std::uint8_t>(pixelsAt, bytes.end())};
}
