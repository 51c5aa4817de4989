// BMP and JPEG files of the finished picture, written under a temporary name beside the
// target and then renamed over it.
#include "completion/picture_files.h"

#include <algorithm>
#include <cstdio>
#include <functional>

#include "platform/dib_format.h"
#include "platform/jpeg.h"

namespace {

std::size_t paddedRowBytes(int width)
{
    return (3 * static_cast<std::size_t>(width) + 3) & ~static_cast<std::size_t>(3);
}

// Creates a temporary file beside `path`, lets `writeContent` fill it, then renames it to
// `path`; the temporary file is removed whenever something fails.
FileWriteResult writeFileAtomically(const std::string& path,
                                    const std::function<bool(std::FILE*)>& writeContent)
{
    const std::string temporary = path + ".velmora-new";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return FileWriteResult::cannotOpen;
    const bool contentWritten = writeContent(file);
    const bool closed = std::fclose(file) == 0;
    if (!contentWritten || !closed) {
        std::remove(temporary.c_str());
        return FileWriteResult::writeFailed;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return FileWriteResult::cannotOpen;
    }
    return FileWriteResult::written;
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

FileWriteResult writeBmpFile(const std::string& path, const std::vector<std::uint8_t>& pixels,
                             int width, int height)
{
    const std::vector<std::uint8_t> bytes = encodeBmp(pixels, width, height);
    return writeFileAtomically(path, [&](std::FILE* file) {
        return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    });
}

FileWriteResult writeJpegFile(const std::string& path, const std::vector<std::uint8_t>& pixels,
                              int width, int height)
{
    return writeFileAtomically(path, [&](std::FILE* file) {
        return writeJpeg(file, pixels.data(), width, height, 3 * static_cast<std::size_t>(width));
    });
}
