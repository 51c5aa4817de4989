// What a picture file's header states, for the common kinds (PNG, JPEG, GIF, BMP), read before
// a decoder is given the file.
#include "platform/picture_header.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

#include "platform/byte_order.h"
#include "platform/jpeg_check.h"

namespace {

constexpr std::uint8_t pngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t bigEndian32(const std::uint8_t* at)
{
    return std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 | std::uint32_t{at[2]} << 8 |
           at[3];
}

// Sizes beyond what an int holds are stated as the largest int: refused all the same.
PictureSize clamped(std::uint64_t width, std::uint64_t height)
{
    constexpr std::uint64_t largest = 0x7FFFFFFF;
    return {static_cast<int>(width < largest ? width : largest),
            static_cast<int>(height < largest ? height : largest)};
}

struct HeaderErrorManager {
    jpeg_error_mgr standard;
    std::jmp_buf recovery;
};

[[noreturn]] void stopReading(j_common_ptr decompressor)
{
    std::longjmp(reinterpret_cast<HeaderErrorManager*>(decompressor->err)->recovery, 1);
}

void keepQuiet(j_common_ptr, int) {}

// The frame size of a JPEG file, read by libjpeg up to the start of its first scan.
std::optional<PictureSize> jpegSize(const std::vector<std::uint8_t>& bytes)
{
    jpeg_decompress_struct decompressor{};
    HeaderErrorManager errors{};
    decompressor.err = jpeg_std_error(&errors.standard);
    errors.standard.error_exit = stopReading;
    errors.standard.emit_message = keepQuiet;
    if (setjmp(errors.recovery)) {
        jpeg_destroy_decompress(&decompressor);
        return std::nullopt;
    }
    jpeg_create_decompress(&decompressor);
    jpeg_mem_src(&decompressor, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&decompressor, TRUE);
    const PictureSize size = clamped(decompressor.image_width, decompressor.image_height);
    jpeg_destroy_decompress(&decompressor);
    return size;
}

// Walks the chunks (length, type, data, checksum) from the signature: true when the file ends
// before the closing IEND chunk.
bool pngCutShort(const std::vector<std::uint8_t>& bytes)
{
    std::uint64_t at = sizeof pngSignature;
    while (at + 8 <= bytes.size()) {
        const std::uint64_t next = at + 12 + bigEndian32(bytes.data() + at);
        if (std::memcmp(bytes.data() + at + 4, "IEND", 4) == 0)
            return next > bytes.size();
        at = next;
    }
    return true;
}

// A BMP shorter than its two headers, or, with rows stored as they are (BI_RGB or
// BI_BITFIELDS), shorter than the rows its header states. A second header of a size no BMP
// has is no BMP to judge.
bool bmpCutShort(const std::vector<std::uint8_t>& bytes)
{
    const std::uint8_t* data = bytes.data();
    if (bytes.size() < 18)
        return true;
    const std::uint32_t headerSize = readLittleEndian(data + 14, 4);
    if (headerSize != 12 && (headerSize < 40 || headerSize > 124))
        return false;
    if (bytes.size() < 14 + headerSize)
        return true;
    if (headerSize < 40)
        return false;
    const std::uint64_t width = static_cast<std::uint64_t>(
        std::llabs(static_cast<std::int32_t>(readLittleEndian(data + 18, 4))));
    const std::uint64_t height = static_cast<std::uint64_t>(
        std::llabs(static_cast<std::int32_t>(readLittleEndian(data + 22, 4))));
    const std::uint32_t bitsPerPixel = readLittleEndian(data + 28, 2);
    const std::uint32_t compression = readLittleEndian(data + 30, 4);
    const std::uint32_t rowsAt = readLittleEndian(data + 10, 4);
    if ((compression != 0 && compression != 3) || bitsPerPixel == 0 || bitsPerPixel > 32)
        return false;
    const std::uint64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    if (rowsAt > bytes.size())
        return true;
    return rowBytes != 0 && (bytes.size() - rowsAt) / rowBytes < height;
}

}  // namespace

bool pngOrBmpCutShort(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() >= sizeof pngSignature &&
        std::memcmp(bytes.data(), pngSignature, sizeof pngSignature) == 0)
        return pngCutShort(bytes);
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return bmpCutShort(bytes);
    return false;
}

std::optional<PictureSize> statedPictureSize(const std::vector<std::uint8_t>& bytes)
{
    const std::uint8_t* data = bytes.data();
    if (bytes.size() >= 24 && std::memcmp(data, pngSignature, sizeof pngSignature) == 0 &&
        std::memcmp(data + 12, "IHDR", 4) == 0)
        return clamped(bigEndian32(data + 16), bigEndian32(data + 20));
    if (bytes.size() >= 10 && (std::memcmp(data, "GIF87a", 6) == 0 ||
                               std::memcmp(data, "GIF89a", 6) == 0))
        return clamped(readLittleEndian(data + 6, 2), readLittleEndian(data + 8, 2));
    // BMP with a header of 40 bytes or more: width and height as signed 32-bit numbers, the
    // height negative for rows from the top.
    if (bytes.size() >= 26 && data[0] == 'B' && data[1] == 'M' &&
        readLittleEndian(data + 14, 4) >= 40) {
        const auto width = static_cast<std::int32_t>(readLittleEndian(data + 18, 4));
        const auto height = static_cast<std::int32_t>(readLittleEndian(data + 22, 4));
        return clamped(static_cast<std::uint64_t>(std::llabs(width)),
                       static_cast<std::uint64_t>(std::llabs(height)));
    }
    if (looksLikeJpeg(bytes))
        return jpegSize(bytes);
    return std::nullopt;
}
