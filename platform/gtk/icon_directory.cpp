// Parses ICONDIR headers and their 16-byte entries.
#include "platform/gtk/icon_directory.h"

namespace {

int readWord(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return bytes[at] | (bytes[at + 1] << 8);
}

std::uint32_t readLong(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(readWord(bytes, at)) |
           (static_cast<std::uint32_t>(readWord(bytes, at + 2)) << 16);
}

constexpr std::size_t headerSize = 6;
constexpr std::size_t entrySize = 16;

}  // namespace

std::vector<IconImage> readIconDirectory(std::span<const std::uint8_t> file, int fileType)
{
    std::vector<IconImage> images;
    if (file.size() < headerSize || readWord(file, 0) != 0 || readWord(file, 2) != fileType)
        return images;
    const std::size_t count = static_cast<std::size_t>(readWord(file, 4));
    for (std::size_t index = 0; index < count; ++index) {
        const std::size_t entry = headerSize + index * entrySize;
        if (entry + entrySize > file.size())
            break;
        const std::uint32_t size = readLong(file, entry + 8);
        const std::uint32_t offset = readLong(file, entry + 12);
        if (size == 0 || offset > file.size() || size > file.size() - offset)
            continue;
        IconImage image;
        image.width = file[entry] == 0 ? 256 : file[entry];
        image.height = file[entry + 1] == 0 ? 256 : file[entry + 1];
        if (fileType == cursorFileType) {
            image.hotX = readWord(file, entry + 4);
            image.hotY = readWord(file, entry + 6);
        }
        image.bytes = file.subspan(offset, size);
        images.push_back(image);
    }
    return images;
}
