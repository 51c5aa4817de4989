// Fuzz target: the DIB header reader and drawDib. The input is eight 32-bit drawing values
// (destination x, y, width, height, source x, y, width, height), a 16-bit raster op and
// stretch mode, then a packed DIB: its header and colour table, and as many pixel bytes as there
// are (the image is padded with zeros to the size its header asks for). Drawing goes onto a
// fixed surface and must read nothing outside the image and write nothing outside the
// surface.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/dib_format.h"
#include "platform/surface.h"

namespace {

constexpr std::size_t largestImageBytes = 4u << 20;

// The bytes drawing may read: header, colour table and |height| padded rows; 0 when the
// header describes an image too large to hold for one run.
std::size_t imageBytes(const std::uint8_t* info)
{
    const DibInfo header = readInfoHeader(info);
    const std::uint64_t width = header.width < 0 ? 0 : static_cast<std::uint64_t>(header.width);
    const std::uint64_t height = static_cast<std::uint64_t>(std::llabs(std::int64_t{header.height}));
    const std::uint64_t bits = header.bitCount > 0 ? static_cast<std::uint64_t>(header.bitCount) : 0;
    const std::uint64_t stride = (width * bits + 31) / 32 * 4;
    const std::uint64_t total = dibPixelOffset(info) + stride * height;
    return total > largestImageBytes ? 0 : static_cast<std::size_t>(total);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InputReader input(data, size);
    int values[8];
    for (int& value : values)
        value = input.take32();
    const int choice = input.take16();
    if (input.restSize() < bitmapInfoHeaderSize)
        return 0;
    const std::uint8_t* info = input.rest();
    // The colour table may be up to 2^32 entries long by its header: a header that asks for
    // more than can be held is not drawable by any caller.
    const DibInfo header = readInfoHeader(info);
    if (header.coloursUsed > 1u << 16)
        return 0;
    const std::size_t bytes = imageBytes(info);
    if (bytes == 0)
        return 0;
    // An exactly sized copy, so a read past the image is caught.
    std::vector<std::uint8_t> image(bytes, 0);
    std::memcpy(image.data(), info, std::min(bytes, input.restSize()));
    const std::uint8_t* bits = image.data() + dibPixelOffset(image.data());

    static Surface surface;
    resizeSurface(surface, 37, 23, 0x123456);
    const RasterOp op = static_cast<RasterOp>((choice & 0xFF) % 3);
    const StretchMode mode = (choice & 0x100) != 0 ? StretchMode::halftone : StretchMode::plain;
    const int lines = drawDib(surface, values[0], values[1], values[2], values[3], image.data(),
                              bits, values[4], values[5], values[6], values[7], op, mode);
    fuzzRequire(lines >= 0, "drawDib answered a negative line count");
    fuzzRequire(surface.pixels.size() == 37u * 23u, "drawDib resized the surface");
    for (const std::uint32_t pixel : surface.pixels)
        fuzzRequire((pixel & 0xFF000000u) == 0, "a pixel outside 0x00RRGGBB");
    return 0;
}
