// The play file writer: fixed blocks assembled in buffers, images straight from their blocks.
#include "savegame/writer.h"

#include <cstring>

#include "platform/system.h"
#include "puzzle/state.h"
#include "savegame/encodings.h"
#include "savegame/image_blocks.h"
#include "savegame/layout.h"

namespace {

using Block = std::vector<std::uint8_t>;

Block headerBlock()
{
    using namespace playfile;
    Block block(headerSize, 0);
    std::uint8_t* out = block.data();
    putSlotByte(out + columnsAt, getColumns());
    putSlotByte(out + rowsAt, getRows());
    putSlotByte(out + pieceCoreAt, getPieceCore());
    putSlotByte(out + pieceMarginAt, getPieceMargin());
    putBase255Pair(out + spareHeaderValueAt, getSpareHeaderValue());
    putSlotByte(out + pictureFormatAt, getPictureFormat());
    putSlotByte(out + sheetFormatAt, getSheetFormat());
    for (int i = 0; i < pieceTableSize; ++i) {
        std::uint8_t* entry = out + pieceEntriesAt + 4 * i;
        putBase255PairHighFirst(entry, getSlotPiece(i));
        entry[2] = static_cast<std::uint8_t>(getPieceRotation(i));
        entry[3] = static_cast<std::uint8_t>(getPieceSpare(i));
    }
    putBigEndian32(out + elapsedSecondsAt, playedSeconds());
    const char* lines[] = {messageLine1(), messageLine2(), messageLine3()};
    for (int i = 0; i < 3; ++i)
        std::memcpy(out + messageLinesAt + i * messageLineBytes, lines[i], messageLineBytes);
    out[puzzleTagAt] = getPuzzleTag();
    out[previewShownAt] = static_cast<std::uint8_t>(getPreviewShown());
    out[spareFileByteAt] = getSpareFileByte();
    return block;
}

Block cellBlock()
{
    Block block(playfile::cellBlockSize, 0);
    for (int r = 0; r < getRows(); ++r)
        for (int c = 0; c < getColumns(); ++c) {
            std::uint8_t* record = block.data() + playfile::cellRecordSize * (r * getColumns() + c);
            putBase255Pair(record, cellShuffle(c, r));
            putBase255Pair(record + 4, cellFlag(c, r));
            putBase255Pair(record + 8, zLevel(c, r));
        }
    return block;
}

Block rectBlock()
{
    Block block(playfile::rectBlockSize, 0);
    for (int r = 0; r < getRows(); ++r)
        for (int c = 0; c < getColumns(); ++c) {
            std::uint8_t* record = block.data() + playfile::rectRecordSize * (r * getColumns() + c);
            const PieceRect& rect = pieceRect(c, r);
            putOffsetPair(record, rect.left);
            putOffsetPair(record + 4, rect.top);
            putOffsetPair(record + 8, rect.right);
            putOffsetPair(record + 12, rect.bottom);
        }
    return block;
}

Block groupMasksBlock()
{
    Block block(playfile::groupRecordSize * playfile::groupRecordCount, 0);
    for (int k = 0; k < pieceTableSize; ++k) {
        std::uint8_t* record = block.data() + playfile::groupRecordSize * k;
        for (int r = 0; r < getRows(); ++r)
            for (int c = 0; c < getColumns(); ++c)
                record[r * getColumns() + c] = groupCells(k)[c][r];
    }
    return block;
}

Block orderBlock(int& (*entry)(int))
{
    Block block(playfile::orderBlockSize, 0);
    for (int i = 0; i < pieceTableSize; ++i)
        block[i] = static_cast<std::uint8_t>(entry(i));
    return block;
}

Block stepsBlock(int (*step)(int))
{
    Block block(playfile::stepsBlockSize, 0);
    for (int direction = 0; direction < 4; ++direction)
        putBase255Pair(block.data() + 4 * direction, step(direction));
    return block;
}

// The blocks before the images: header, cells, rectangles, group masks, drawing order and
// neighbour steps.
bool writeStateBlocks(const FileTransfer& transfer)
{
    return transfer(headerBlock()) && transfer(cellBlock()) && transfer(rectBlock()) &&
           transfer(groupMasksBlock()) && transfer(orderBlock(zOrderColumn)) &&
           transfer(orderBlock(zOrderRow)) && transfer(stepsBlock(neighbourDx)) &&
           transfer(stepsBlock(neighbourDy));
}

std::vector<std::uint8_t> collected(bool (*write)(const FileTransfer&), std::size_t length)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(length);
    write([&bytes](std::span<const std::uint8_t> chunk) {
        bytes.insert(bytes.end(), chunk.begin(), chunk.end());
        return true;
    });
    return bytes;
}

}  // namespace

std::uint32_t playedSeconds()
{
    return static_cast<std::uint32_t>(getElapsedSeconds()) + tickCount() / 1000 -
           getStartTick() / 1000;
}

bool writePlayFile(const FileTransfer& transfer)
{
    bool ok = writeStateBlocks(transfer);
    const playfile::Geometry geometry = playfile::currentGeometry();
    for (int index = 0; ok && index < playfile::imageBlockCount; ++index) {
        const std::size_t size = playfile::imageBlockSize(geometry, index);
        // Without a puzzle in play (its build failed) there is nothing to save.
        ok = playfile::stateImage(index) != nullptr &&
             transfer({playfile::stateFileHeader(index), 14}) &&
             transfer({playfile::stateImage(index), size - 14});
    }
    return ok;
}

std::vector<std::uint8_t> playFileBytes()
{
    return collected(writePlayFile, playfile::fileLength(playfile::currentGeometry()));
}

std::vector<std::uint8_t> playStateBytes()
{
    return collected(writeStateBlocks, playfile::imageBlocksOffset);
}
