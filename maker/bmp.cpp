// Bitmap (BMP) files of the picture and of the label, bottom-up and uncompressed.
#include "maker/bmp.h"

#include "platform/dib_format.h"
#include "maker/bytes.h"
#include "maker/label.h"

namespace {

// File header and info header of an image whose pixels start at pixelOffset.
std::vector<std::uint8_t> headers(int width, int height, int bitsPerPixel, int coloursUsed,
                                  std::size_t pixelOffset, std::size_t imageSize)
{
    std::vector<std::uint8_t> bytes(pixelOffset + imageSize, 0);
    writeFileHeader(bytes.data(), static_cast<std::uint32_t>(bytes.size()),
                    static_cast<std::uint32_t>(pixelOffset));
    // A positive height: bottom-up.
    writeInfoHeader(bytes.data() + bitmapFileHeaderSize, width, height, bitsPerPixel,
                    static_cast<std::uint32_t>(imageSize), static_cast<std::uint32_t>(coloursUsed));
    return bytes;
}

}  // namespace

std::vector<std::uint8_t> encodePictureBmp(const RgbImage& picture)
{
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 3;
    const std::size_t pixelOffset = bitmapFileHeaderSize + bitmapInfoHeaderSize;
    std::vector<std::uint8_t> bytes = headers(picture.width, picture.height, 24, 0, pixelOffset,
                                              rowBytes * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* source = &picture.rgb[static_cast<std::size_t>(y) * rowBytes];
        std::uint8_t* target = &bytes[pixelOffset + (picture.height - 1 - y) * rowBytes];
        for (int x = 0; x < picture.width; ++x) {
            target[3 * x] = source[3 * x + 2];
            target[3 * x + 1] = source[3 * x + 1];
            target[3 * x + 2] = source[3 * x];
        }
    }
    return bytes;
}

std::vector<std::uint8_t> encodeLabelBmp(const LabelImage& label)
{
    const std::size_t rowBytes = ((static_cast<std::size_t>(label.width) + 1) / 2 + 3) / 4 * 4;
    const std::array<std::uint32_t, 16>& palette = labelPalette();
    const std::size_t paletteOffset = bitmapFileHeaderSize + bitmapInfoHeaderSize;
    const std::size_t pixelOffset = paletteOffset + 4 * palette.size();
    std::vector<std::uint8_t> bytes =
        headers(label.width, label.height, 4, static_cast<int>(palette.size()), pixelOffset,
                rowBytes * label.height);
    for (std::size_t i = 0; i < palette.size(); ++i)
        putU32(bytes, paletteOffset + 4 * i, palette[i]);  // blue, green, red, 0
    for (int y = 0; y < label.height; ++y) {
        std::uint8_t* target = &bytes[pixelOffset + (label.height - 1 - y) * rowBytes];
        for (int x = 0; x < label.width; ++x) {
            const int shift = x % 2 == 0 ? 4 : 0;
            target[x / 2] |= static_cast<std::uint8_t>(label.at(x, y) << shift);
        }
    }
    return bytes;
}
