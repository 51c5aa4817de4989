// Drawing packed device-independent bitmaps (StretchDIBits) onto surfaces.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/byte_order.h"
#include "platform/dib_format.h"
#include "platform/halftone.h"
#include "platform/raster_detail.h"
#include "platform/surface.h"

namespace {

// What drawing needs to know of a DIB, with its colour table as 0x00RRGGBB pixels (indices
// past the table's end show black).
struct DibFormat {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    bool bottomUp = true;
    std::size_t stride = 0;
    std::uint32_t palette[256] = {};
};

// Reads an uncompressed 1, 4, 8 or 24-bit DIB's header; false for anything else.
bool readFormat(const std::uint8_t* info, DibFormat& format)
{
    const DibInfo header = readInfoHeader(info);
    const std::int32_t width = header.width;
    const std::int32_t height = header.height;
    const unsigned bitCount = static_cast<unsigned>(header.bitCount);
    if (header.headerSize != bitmapInfoHeaderSize || header.compression != 0 || width <= 0 ||
        height == 0 || height == INT32_MIN)
        return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24)
        return false;
    format.width = width;
    format.height = height > 0 ? height : -height;
    format.bitCount = static_cast<int>(bitCount);
    format.bottomUp = height > 0;
    format.stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
    if (bitCount <= 8) {
        const std::uint32_t capacity = 1u << bitCount;
        const std::uint32_t used = header.coloursUsed;
        const std::uint32_t entries = used == 0 ? capacity : std::min(used, capacity);
        const std::uint8_t* table = info + bitmapInfoHeaderSize;
        for (std::uint32_t i = 0; i < entries; ++i)
            format.palette[i] = readLittleEndian(table + 4 * i, 4) & 0xFFFFFFu;
    }
    return true;
}

// The eight pixels of every byte of a 1-bit row with the given two colours, kept for the
// colours last asked for (masks all share one palette).
const std::uint32_t (*byteExpansion(std::uint32_t zero, std::uint32_t one))[8]
{
    thread_local std::uint32_t table[256][8];
    thread_local std::uint32_t tableZero = 0, tableOne = 0;
    thread_local bool filled = false;
    if (!filled || zero != tableZero || one != tableOne) {
        for (int byte = 0; byte < 256; ++byte)
            for (int bit = 0; bit < 8; ++bit)
                table[byte][bit] = (byte >> (7 - bit)) & 1 ? one : zero;
        tableZero = zero;
        tableOne = one;
        filled = true;
    }
    return table;
}

// `count` pixels of a stored row from column x, combined into `out`.
template <int bitCount, RasterOp op>
void drawRow(std::uint32_t* out, const std::uint8_t* row, int x, int count,
             const std::uint32_t* palette)
{
    if constexpr (bitCount == 24) {
        // Blue, green, red in a little-endian word are 0x00RRGGBB once the next pixel's byte
        // is masked off; the last pixel is read bytewise so as not to run past the row.
        const std::uint8_t* p = row + 3 * static_cast<std::size_t>(x);
        for (int i = 0; i + 1 < count; ++i, p += 3) {
            std::uint32_t word;
            std::memcpy(&word, p, sizeof word);
            if constexpr (std::endian::native != std::endian::little)
                word = __builtin_bswap32(word) >> 8;
            raster::combine<op>(out[i], word & 0xFFFFFFu);
        }
        if (count > 0)
            raster::combine<op>(out[count - 1], p[0] | static_cast<std::uint32_t>(p[1]) << 8 |
                                                     static_cast<std::uint32_t>(p[2]) << 16);
    } else if constexpr (bitCount == 1) {
        // Bits most significant first; whole bytes through a table of their eight pixels.
        const std::uint32_t(*expanded)[8] = byteExpansion(palette[0], palette[1]);
        const std::uint8_t* p = row + (x >> 3);
        int i = 0;
        for (int bit = x & 7; bit != 0 && bit < 8 && i < count; ++bit, ++i)
            raster::combine<op>(out[i], expanded[*p][bit]);
        if (x & 7)
            ++p;
        for (; i + 8 <= count; i += 8, ++p) {
            const std::uint32_t* eight = expanded[*p];
            if constexpr (op == RasterOp::copy) {
                std::memcpy(out + i, eight, sizeof expanded[0]);
            } else {
                for (int bit = 0; bit < 8; ++bit)
                    raster::combine<op>(out[i + bit], eight[bit]);
            }
        }
        for (int bit = 0; i < count; ++bit, ++i)
            raster::combine<op>(out[i], expanded[*p][bit]);
    } else if constexpr (bitCount == 4) {
        for (int i = 0, at = x; i < count; ++i, ++at)
            raster::combine<op>(out[i], palette[(row[at >> 1] >> ((at & 1) ? 0 : 4)) & 0xF]);
    } else {
        for (int i = 0; i < count; ++i)
            raster::combine<op>(out[i], palette[row[x + i]]);
    }
}

// Calls body<bitCount>() for the format's depth.
template <class Body>
void withBitCount(int bitCount, Body&& body)
{
    switch (bitCount) {
    case 1: body.template operator()<1>(); break;
    case 4: body.template operator()<4>(); break;
    case 8: body.template operator()<8>(); break;
    default: body.template operator()<24>(); break;
    }
}

// The unscaled case: source rows map straight onto destination rows.
void drawOneToOne(Surface& dst, int dx, int dy, int w, int h, const DibFormat& format,
                  const std::uint8_t* bits, int sx, int sy, RasterOp op)
{
    using std::int64_t;
    // Destination row j shows stored row firstRow + j * rowStep.
    const int64_t firstRow = format.bottomUp ? int64_t{sy} + h - 1 : sy;
    const int64_t rowStep = format.bottomUp ? -1 : 1;
    const int64_t left = std::max<int64_t>({0, -int64_t{dx}, -int64_t{sx}});
    const int64_t right =
        std::min<int64_t>({w, int64_t{dst.width} - dx, int64_t{format.width} - sx});
    // Rows whose stored index lies in [0, height), and whose destination lies in dst.
    int64_t top = std::max<int64_t>(0, -int64_t{dy});
    int64_t bottom = std::min<int64_t>(h, int64_t{dst.height} - dy);
    if (format.bottomUp) {
        top = std::max(top, firstRow - (format.height - 1));
        bottom = std::min(bottom, firstRow + 1);
    } else {
        top = std::max(top, -firstRow);
        bottom = std::min(bottom, format.height - firstRow);
    }
    if (right <= left || bottom <= top)
        return;
    const int count = static_cast<int>(right - left);
    withBitCount(format.bitCount, [&]<int bitCount>() {
        raster::withOp(op, [&]<RasterOp rop>() {
            for (int64_t j = top; j < bottom; ++j) {
                const std::uint8_t* row =
                    bits + static_cast<std::size_t>(firstRow + j * rowStep) * format.stride;
                std::uint32_t* out =
                    &dst.pixels[static_cast<std::size_t>((dy + j) * dst.width + dx + left)];
                drawRow<bitCount, rop>(out, row, static_cast<int>(sx + left), count,
                                       format.palette);
            }
        });
    });
    raster::markDirty(dst, static_cast<int>(dx + left), static_cast<int>(dy + top),
                      static_cast<int>(dx + right), static_cast<int>(dy + bottom));
}

}  // namespace

int drawDib(Surface& dst, int dx, int dy, int dw, int dh, const std::uint8_t* info,
            const std::uint8_t* bits, int sx, int sy, int sw, int sh, RasterOp op,
            StretchMode mode)
{
    DibFormat format;
    if (!readFormat(info, format) || dw == 0 || dh == 0 || sw == 0 || sh == 0)
        return 0;
    const int lines =
        static_cast<int>(std::min<std::int64_t>(std::abs(std::int64_t{sh}), INT32_MAX));
    if (dw == sw && dh == sh && dw > 0 && dh > 0) {
        drawOneToOne(dst, dx, dy, dw, dh, format, bits, sx, sy, op);
        return lines;
    }
    // Source rows are addressed by their stored index: from the bottom for a bottom-up DIB,
    // whose rows therefore run against the destination's.
    const bool halftone = mode == StretchMode::halftone;
    const raster::AxisMap xs = raster::mapAxis(dx, dw, sx, sw, format.width, dst.width, halftone);
    const raster::AxisMap ys =
        raster::mapAxis(dy, dh, sy, sh, format.height, dst.height, halftone, format.bottomUp);
    std::vector<std::uint32_t> decoded(static_cast<std::size_t>(format.width));
    int decodedRow = -1;
    const auto storedRow = [&](int index) {
        return bits + static_cast<std::size_t>(index) * format.stride;
    };
    const auto fetchRow = [&](int index) {
        if (index != decodedRow) {
            withBitCount(format.bitCount, [&]<int bitCount>() {
                drawRow<bitCount, RasterOp::copy>(decoded.data(), storedRow(index), 0,
                                                  format.width, format.palette);
            });
            decodedRow = index;
        }
        return decoded.data();
    };
    // Halftone sums a 24-bit row's bytes as they are stored; other depths through their colours.
    const auto fetchBytes = [&](int index) {
        return format.bitCount == 24 ? storedRow(index)
                                     : reinterpret_cast<const std::uint8_t*>(fetchRow(index));
    };
    raster::withOp(op, [&]<RasterOp rop>() {
        if (halftone)
            raster::resampleHalftone<rop>(dst, xs, ys, format.bitCount == 24 ? 3 : 4, fetchBytes);
        else
            raster::resample<rop>(dst, xs, ys, fetchRow);
    });
    return lines;
}

std::size_t dibPixelOffset(const std::uint8_t* info)
{
    const DibInfo header = readInfoHeader(info);
    std::size_t colours = header.coloursUsed;
    if (header.bitCount <= 8 && colours == 0)
        colours = std::size_t{1} << header.bitCount;
    return bitmapInfoHeaderSize + 4 * colours + (header.compression == 3 ? 12 : 0);
}
