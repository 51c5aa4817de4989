// BMP and JPEG files of the finished picture, written through the safe file replacement.
#include "completion/picture_files.h"

#include <algorithm>

#include "platform/dib_format.h"
#include "platform/jpeg.h"

namespace {

std::size_t paddedRowBytes(int width)
{
    return (3 * static_cast<std::size_t>(width) + 3) & ~static_cast<std::size_t>(3);
}

}  // namespace

std::vector<std::uint8_t> encodeBmp(const std::vector<std::uint8_t>& pixels, int width,
                                    int height)
{
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(width);
    const std::size_t paddedBytes = paddedRowBytes(width);
    const std::size_t imageSize = paddedBytes * static_cast<std::size_t>(height);
    const std::size_t pixelOffset = bitmapFileHeaderSize + bitmapInfoHeaderSize;
    std::vector<std::uint8_t> file(pixelOffset + imageSize, 0);
    writeFileHeader(file.data(), static_cast<std::uint32_t>(file.size()),
                    static_cast<std::uint32_t>(pixelOffset));
    writeInfoHeader(file.data() + bitmapFileHeaderSize, width, height, 24,
                    static_cast<std::uint32_t>(imageSize));
    for (int row = 0; row < height; ++row)
        std::copy_n(pixels.begin() + static_cast<std::ptrdiff_t>(rowBytes * row), rowBytes,
                    file.begin() + static_cast<std::ptrdiff_t>(pixelOffset + paddedBytes * row));
    return file;
}

FileWriteOutcome writeBmpFile(const std::string& path, const std::vector<std::uint8_t>& pixels,
                              int width, int height)
{
    return replaceFileBytes(path, encodeBmp(pixels, width, height), true);
}

FileWriteOutcome writeJpegFile(const std::string& path, const std::vector<std::uint8_t>& pixels,
                               int width, int height)
{
    return replaceFileContents(
        path,
        [&](const FileTransfer& transfer) {
            return writeJpeg(transfer, pixels.data(), width, height,
                             3 * static_cast<std::size_t>(width));
        },
        true);
}
