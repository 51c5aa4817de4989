// A byte-for-byte picture of the game state: scalars, tables, message, headers and images.
#include "state_snapshot.h"

#include <cstring>

#include "puzzle/image_headers.h"
#include "puzzle/puzzle_resource.h"
#include "puzzle/state.h"

namespace {

template <class T>
void append(std::vector<std::uint8_t>& out, const T& value)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof value);
}

void appendBytes(std::vector<std::uint8_t>& out, const void* data, std::size_t size)
{
    if (data == nullptr)
        return;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out.insert(out.end(), bytes, bytes + size);
}

void appendScalars(std::vector<std::uint8_t>& out)
{
    for (const int value :
         {getColumns(), getRows(), getPieceCore(), getPieceMargin(), getPieceSize(),
          getPictureFormat(), getSheetFormat(), int{getPuzzleTag()}, getPictureIncluded(),
          getLayoutClass(), getMaskRowPad(), getPuzzleNumber(), getElapsedSeconds(),
          getSpareHeaderValue(), getBuildInProgress(), getPieceHeld(), getGlueChoice(),
          getPanelChoice(), getPreviewShown()})
        append(out, value);
    append(out, getStartTick());
    for (const void* pointer :
         {static_cast<const void*>(getPictureDib()), static_cast<const void*>(getPictureBits()),
          static_cast<const void*>(getPieceMask()), static_cast<const void*>(getPieceMaskBits()),
          static_cast<const void*>(getPicturePixels()),
          static_cast<const void*>(getLabelPixels())})
        append(out, pointer);
    for (int rotation = 1; rotation <= 4; ++rotation) {
        append(out, static_cast<const void*>(pieceSheet(rotation)));
        append(out, static_cast<const void*>(pieceSheetBits(rotation)));
    }
}

void appendTables(std::vector<std::uint8_t>& out)
{
    for (int c = 0; c < maxColumns; ++c)
        for (int r = 0; r < maxRows; ++r) {
            append(out, pieceRect(c, r));
            append(out, zLevel(c, r));
            append(out, cellShuffle(c, r));
            append(out, cellFlag(c, r));
        }
    for (int k = 0; k < pieceTableSize; ++k) {
        append(out, getPieceRotation(k));
        append(out, getSlotPiece(k));
        append(out, getPieceSpare(k));
        append(out, zOrderColumn(k));
        append(out, zOrderRow(k));
        if (k < maxPieces)
            appendBytes(out, groupCells(k), sizeof(GroupMatrix));
    }
}

void appendImages(std::vector<std::uint8_t>& out)
{
    appendBytes(out, attachedMessage(), attachedMessageBytes);
    appendBytes(out, pictureFileHeader(), 14);
    appendBytes(out, maskFileHeader(), 14);
    const std::size_t sheetBytes =
        40 + static_cast<std::size_t>(getSheetWidth()) * getSheetHeight() * 3;
    for (int rotation = 1; rotation <= 4; ++rotation) {
        appendBytes(out, sheetFileHeader(rotation), 14);
        appendBytes(out, pieceSheet(rotation), sheetBytes);
    }
    if (getPieceMask() != nullptr)
        appendBytes(out, getPieceMask(), maskBlockSize());
    const std::size_t pictureBytes =
        pictureFileLength(getPictureFormat(), getPictureWidth(), getPictureHeight());
    if (pictureBytes > 14)
        appendBytes(out, getPictureDib(), pictureBytes - 14);
}

}  // namespace

std::vector<std::uint8_t> snapshotGameState()
{
    std::vector<std::uint8_t> out;
    appendScalars(out);
    appendTables(out);
    appendImages(out);
    return out;
}
