// Packed DIBs made to measure for raster tests.
#include "test_dib.h"

void putU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

Dib makeDib(int width, int height, int bitCount, const std::vector<Colour>& palette,
            const std::function<std::uint32_t(int, int)>& value, std::uint32_t coloursUsed)
{
    Dib dib;
    dib.info.assign(40 + 4 * palette.size(), 0);
    putU32(dib.info, 0, 40);
    putU32(dib.info, 4, static_cast<std::uint32_t>(width));
    putU32(dib.info, 8, static_cast<std::uint32_t>(height));
    dib.info[12] = 1;
    dib.info[14] = static_cast<std::uint8_t>(bitCount);
    putU32(dib.info, 32, coloursUsed);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        dib.info[40 + 4 * i] = static_cast<std::uint8_t>(palette[i] >> 16);
        dib.info[41 + 4 * i] = static_cast<std::uint8_t>(palette[i] >> 8);
        dib.info[42 + 4 * i] = static_cast<std::uint8_t>(palette[i]);
    }
    const int rows = height < 0 ? -height : height;
    const std::size_t stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
    dib.bits.assign(stride * rows, 0);
    for (int y = 0; y < rows; ++y) {
        std::uint8_t* row = &dib.bits[stride * (height > 0 ? rows - 1 - y : y)];
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, y);
            if (bitCount == 24) {
                row[3 * x] = static_cast<std::uint8_t>(v >> 16);
                row[3 * x + 1] = static_cast<std::uint8_t>(v >> 8);
                row[3 * x + 2] = static_cast<std::uint8_t>(v);
            } else {
                const int shift = 8 - bitCount - (x * bitCount) % 8;
                row[x * bitCount / 8] |= static_cast<std::uint8_t>(v << shift);
            }
        }
    }
    return dib;
}

int draw(Surface& dst, int dx, int dy, int dw, int dh, const Dib& dib, int sx, int sy, int sw,
         int sh, RasterOp op, StretchMode mode)
{
    return drawDib(dst, dx, dy, dw, dh, dib.info.data(), dib.bits.data(), sx, sy, sw, sh, op,
                   mode);
}
