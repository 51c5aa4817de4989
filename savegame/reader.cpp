// Installing a checked play file into the game state.
#include "savegame/reader.h"

#include <cstring>

#include "board/play.h"
#include "platform/system.h"
#include "puzzle/board_extent.h"
#include "puzzle/state.h"
#include "savegame/check.h"
#include "savegame/encodings.h"
#include "savegame/image_blocks.h"
#include "savegame/layout.h"

namespace {

void installHeader(const std::uint8_t* header)
{
    using namespace playfile;
    const Geometry geometry = headerGeometry({header, headerSize});
    setColumns(geometry.columns);
    setRows(geometry.rows);
    setPieceCore(geometry.pieceCore);
    setPieceMargin(geometry.pieceMargin);
    setSpareHeaderValue(getBase255Pair(header + spareHeaderValueAt));
    setPictureFormat(geometry.pictureFormat);
    setSheetFormat(geometry.sheetFormat);
    for (int i = 0; i < pieceTableSize; ++i) {
        const std::uint8_t* entry = header + pieceEntriesAt + 4 * i;
        setSlotPiece(getBase255PairHighFirst(entry), i);
        setPieceRotation(entry[2], i);
        setPieceSpare(entry[3], i);
    }
    setElapsedSeconds(static_cast<int>(getBigEndian32(header + elapsedSecondsAt)));
    setStartTick(tickCount());
    noteNewLayout();
    installMessageLines(header + messageLinesAt);
    setPuzzleTag(header[puzzleTagAt]);
    setSpareFileByte(header[spareFileByteAt]);
    setPieceSize(calcPieceSize());
}

void installBoard(const std::uint8_t* file)
{
    using namespace playfile;
    const int columns = getColumns();
    const int size = getPieceSize();
    for (int r = 0; r < getRows(); ++r)
        for (int c = 0; c < columns; ++c) {
            const int k = r * columns + c;
            const std::uint8_t* cell = file + cellBlockOffset + cellRecordSize * k;
            cellShuffle(c, r) = getBase255Pair(cell);
            cellFlag(c, r) = getBase255Pair(cell + 4);
            zLevel(c, r) = getBase255Pair(cell + 8);
            // Every box is a square of pieceSize from its top-left corner, whatever the file's
            // right and bottom say (the file cannot carry corners left of or above -1000).
            const std::uint8_t* rect = file + rectBlockOffset + rectRecordSize * k;
            const int left = getOffsetPair(rect);
            const int top = getOffsetPair(rect + 4);
            pieceRect(c, r) = {left, top, left + size, top + size};
        }
    for (int k = 0; k < pieceTableSize; ++k) {
        const std::uint8_t* record = file + groupMasksOffset + groupRecordSize * k;
        for (int r = 0; r < getRows(); ++r)
            for (int c = 0; c < columns; ++c)
                groupCells(k)[c][r] = record[r * columns + c] != 0 ? 1 : 0;
        zOrderColumn(k) = file[orderColumnsOffset + k];
        zOrderRow(k) = file[orderRowsOffset + k];
    }
    // The order lists follow from the levels; the file's copies are not trusted.
    rebuildZOrderList();
}

// The header and the board, with nothing carried.
void installState(const std::uint8_t* file)
{
    clearBoardTables();
    installHeader(file);
    installBoard(file);
    setPieceHeld(0);
}

void installImages(const std::uint8_t* file)
{
    using namespace playfile;
    const Geometry geometry = currentGeometry();
    releaseImageBlocks();
    std::size_t offset = imageBlocksOffset;
    for (int index = 0; index < imageBlockCount; ++index) {
        // The file header is passed over: the game keeps those of its last build.
        const std::size_t size = imageBlockSize(geometry, index);
        std::uint8_t* block = allocateImageBlock(size - 14, false);
        std::memcpy(block, file + offset + 14, size - 14);
        installStateImage(index, block);
        offset += size;
    }
}

}  // namespace

bool loadPlayFileBytes(std::span<const std::uint8_t> bytes)
{
    if (!playFileValid(bytes))
        return false;
    installState(bytes.data());
    installImages(bytes.data());
    return true;
}

bool loadPlayStateBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() != playfile::imageBlocksOffset || getPictureDib() == nullptr ||
        playfile::headerGeometry(bytes.first(playfile::headerSize)) !=
            playfile::currentGeometry() ||
        !playStateValid(bytes))
        return false;
    abandonCarry();
    installState(bytes.data());
    return true;
}

void adoptImageFileHeaders(std::span<const std::uint8_t> bytes)
{
    using namespace playfile;
    const Geometry geometry = currentGeometry();
    std::size_t offset = imageBlocksOffset;
    for (int index = 0; index < imageBlockCount; ++index) {
        std::memcpy(stateFileHeader(index), bytes.data() + offset, 14);
        offset += imageBlockSize(geometry, index);
    }
}
