// The puzzle resource: 6400-byte header, picture BMP and label BMP laid end to end.
#include "maker/resource.h"

#include <algorithm>

#include "maker/title_text.h"
#include "platform/text.h"
#include "maker/bmp.h"
#include "maker/bytes.h"
#include "maker/limits.h"

namespace {

constexpr std::size_t line1Offset = 20;
constexpr std::size_t line2Offset = line1Offset + messageLineSize;
constexpr std::size_t tagOffset = 353;
constexpr std::size_t pictureIncludedOffset = 354;
constexpr std::size_t layoutClassOffset = 355;
constexpr std::uint32_t pictureFormat24Bit = 2;
constexpr int titleIndent = 4;

// A lead byte of a double-byte code page 932 character.
bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace

std::string titleLine(std::string_view titleUtf8)
{
    const std::string text = std::string(titleIndent, ' ') + utf8ToCp932(keptTitle(titleUtf8).text);
    std::size_t length = 0;
    while (length < text.size()) {
        const std::size_t width = isLeadByte(static_cast<unsigned char>(text[length])) ? 2 : 1;
        if (length + width > messageLineSize)
            break;
        length += width;
    }
    return text.substr(0, length);
}

std::vector<std::uint8_t> puzzleHeader(const PuzzleGeometry& geometry,
                                       std::string_view titleUtf8)
{
    std::vector<std::uint8_t> header(puzzleHeaderSize, 0);
    putU32(header, 0, static_cast<std::uint32_t>(geometry.columns));
    putU32(header, 4, static_cast<std::uint32_t>(geometry.rows));
    putU32(header, 8, static_cast<std::uint32_t>(geometry.core));
    putU32(header, 12, static_cast<std::uint32_t>(geometry.margin));
    putU32(header, 16, pictureFormat24Bit);
    std::fill_n(header.begin() + line1Offset, messageLineSize, ' ');
    const std::string line2 = titleLine(titleUtf8);
    std::copy(line2.begin(), line2.end(), header.begin() + line2Offset);
    header[tagOffset] = 1;
    header[pictureIncludedOffset] = 1;
    header[layoutClassOffset] = static_cast<std::uint8_t>(layoutClassFor(geometry));
    return header;
}

std::vector<std::uint8_t> puzzleResource(const PuzzleGeometry& geometry,
                                         std::string_view titleUtf8, const RgbImage& picture,
                                         const LabelImage& label)
{
    std::vector<std::uint8_t> resource = puzzleHeader(geometry, titleUtf8);
    const std::vector<std::uint8_t> pictureFile = encodePictureBmp(picture);
    const std::vector<std::uint8_t> labelFile = encodeLabelBmp(label);
    resource.insert(resource.end(), pictureFile.begin(), pictureFile.end());
    resource.insert(resource.end(), labelFile.begin(), labelFile.end());
    return resource;
}
