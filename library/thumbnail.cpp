// Small pictures of the kept puzzles, made from a puzzle's picture and kept as bitmap files.
#include "library/thumbnail.h"

#include <algorithm>

#include "platform/surface.h"

namespace {

constexpr std::size_t fileHeaderBytes = 14;
constexpr std::size_t infoHeaderBytes = 40;
constexpr std::size_t pixelsAt = fileHeaderBytes + infoHeaderBytes;

std::size_t rowBytes(int width)
{
    return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
}

void put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t get32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | bytes[at + i];
    return value;
}

std::uint16_t get16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

}  // namespace

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

std::vector<std::uint8_t> thumbnailFileBytes(const RgbImage& thumbnail)
{
    const std::size_t row = rowBytes(thumbnail.width);
    std::vector<std::uint8_t> bytes(pixelsAt + row * thumbnail.height, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    put32(bytes, 10, pixelsAt);
    put32(bytes, 14, infoHeaderBytes);
    put32(bytes, 18, static_cast<std::uint32_t>(thumbnail.width));
    put32(bytes, 22, static_cast<std::uint32_t>(thumbnail.height));
    bytes[26] = 1;
    bytes[28] = 24;
    put32(bytes, 34, static_cast<std::uint32_t>(row * thumbnail.height));
    for (int y = 0; y < thumbnail.height; ++y) {
        std::uint8_t* out = bytes.data() + pixelsAt + row * (thumbnail.height - 1 - y);
        const std::uint8_t* in = thumbnail.rgb.data() + static_cast<std::size_t>(y) * thumbnail.width * 3;
        for (int x = 0; x < thumbnail.width; ++x) {
            out[3 * x] = in[3 * x + 2];
            out[3 * x + 1] = in[3 * x + 1];
            out[3 * x + 2] = in[3 * x];
        }
    }
    return bytes;
}

std::optional<RgbImage> parseThumbnailFile(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < pixelsAt || bytes[0] != 'B' || bytes[1] != 'M' ||
        get32(bytes, 10) != pixelsAt || get32(bytes, 14) != infoHeaderBytes ||
        get16(bytes, 26) != 1 || get16(bytes, 28) != 24 || get32(bytes, 30) != 0)
        return std::nullopt;
    const std::uint32_t width = get32(bytes, 18);
    const std::uint32_t height = get32(bytes, 22);
    if (width < 1 || width > thumbnailWidth || height < 1 || height > thumbnailHeight)
        return std::nullopt;
    RgbImage thumbnail{static_cast<int>(width), static_cast<int>(height), {}};
    const std::size_t row = rowBytes(thumbnail.width);
    if (bytes.size() != pixelsAt + row * height || get32(bytes, 2) != bytes.size())
        return std::nullopt;
    thumbnail.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < thumbnail.height; ++y) {
        const std::uint8_t* in = bytes.data() + pixelsAt + row * (thumbnail.height - 1 - y);
        std::uint8_t* out = thumbnail.rgb.data() + static_cast<std::size_t>(y) * width * 3;
        for (int x = 0; x < thumbnail.width; ++x) {
            out[3 * x] = in[3 * x + 2];
            out[3 * x + 1] = in[3 * x + 1];
            out[3 * x + 2] = in[3 * x];
        }
    }
    return thumbnail;
}
