// Play file block sizes from the geometry.
#include "savegame/layout.h"

#include "puzzle/state.h"
#include "savegame/encodings.h"

namespace playfile {

Geometry currentGeometry()
{
    return {getColumns(),     getRows(),         getPieceCore(), getPieceMargin(),
            getPictureFormat(), getSheetFormat()};
}

Geometry headerGeometry(std::span<const std::uint8_t> header)
{
    const std::uint8_t* bytes = header.data();
    return {getSlotByte(bytes + columnsAt),       getSlotByte(bytes + rowsAt),
            getSlotByte(bytes + pieceCoreAt),     getSlotByte(bytes + pieceMarginAt),
            getSlotByte(bytes + pictureFormatAt), getSlotByte(bytes + sheetFormatAt)};
}

std::size_t imageBlockSize(const Geometry& geometry, int index)
{
    const auto pixels = [](int width, int height) {
        return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    };
    const std::size_t sheet = pixels(geometry.sheetWidth(), geometry.sheetHeight());
    if (index == 0) {
        const std::size_t picture = pixels(geometry.pictureWidth(), geometry.pictureHeight());
        return geometry.pictureFormat == 2 ? picture * 3 + 54 : picture + 1078;
    }
    if (index <= 4)
        return geometry.sheetFormat == 2 ? sheet * 3 + 54 : sheet + 1078;
    return pixels(geometry.sheetWidth() / 2 * 2, geometry.sheetHeight()) + 62;
}

std::size_t fileLength(const Geometry& geometry)
{
    std::size_t length = imageBlocksOffset;
    for (int index = 0; index < imageBlockCount; ++index)
        length += imageBlockSize(geometry, index);
    return length;
}

}  // namespace playfile
