// Where every block of a play file lies, and the sizes its header implies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace playfile {

constexpr std::size_t headerOffset = 0;
constexpr std::size_t headerSize = 6400;
constexpr std::size_t cellBlockOffset = 6400;
constexpr std::size_t cellRecordSize = 12;
constexpr std::size_t cellBlockSize = 12792;  // 41 x 26 records
constexpr std::size_t rectBlockOffset = 19192;
constexpr std::size_t rectRecordSize = 16;
constexpr std::size_t rectBlockSize = 17056;
constexpr std::size_t groupMasksOffset = 36248;
constexpr std::size_t groupRecordSize = 1066;  // one byte a cell of the 41 x 26 grid
constexpr std::size_t groupRecordCount = 1001;
constexpr std::size_t orderColumnsOffset = 1103314;
constexpr std::size_t orderRowsOffset = 1104315;
constexpr std::size_t orderBlockSize = 1001;
constexpr std::size_t stepsColumnOffset = 1105316;
constexpr std::size_t stepsRowOffset = 1105332;
constexpr std::size_t stepsBlockSize = 16;
constexpr std::size_t imageBlocksOffset = 1105348;
constexpr int imageBlockCount = 6;  // picture, sheets for rotations 1 to 4, silhouette mask

// Header fields.
constexpr std::size_t columnsAt = 0;
constexpr std::size_t rowsAt = 4;
constexpr std::size_t pieceCoreAt = 8;
constexpr std::size_t pieceMarginAt = 12;
constexpr std::size_t spareHeaderValueAt = 16;
constexpr std::size_t pictureFormatAt = 20;
constexpr std::size_t sheetFormatAt = 24;
constexpr std::size_t pieceEntriesAt = 28;  // 1001 entries of 4 bytes
constexpr std::size_t elapsedSecondsAt = 4032;
constexpr std::size_t messageLinesAt = 4036;  // three lines of 111 bytes
constexpr std::size_t puzzleTagAt = 4369;
constexpr std::size_t previewShownAt = 4370;
constexpr std::size_t spareFileByteAt = 4373;

// The header values that fix every size in the file.
struct Geometry {
    int columns = 0;
    int rows = 0;
    int pieceCore = 0;
    int pieceMargin = 0;
    int pictureFormat = 0;
    int sheetFormat = 0;

    int pieceSize() const { return pieceCore + 2 * pieceMargin; }
    int pictureWidth() const { return (pieceCore + pieceMargin) * columns + pieceMargin; }
    int pictureHeight() const { return (pieceCore + pieceMargin) * rows + pieceMargin; }
    int sheetWidth() const { return pieceSize() * columns; }
    int sheetHeight() const { return pieceSize() * rows; }

    bool operator==(const Geometry&) const = default;
};

// The geometry the game state holds now, and the one a file's header states.
Geometry currentGeometry();
Geometry headerGeometry(std::span<const std::uint8_t> header);

// Size of image block `index` (0 picture, 1..4 sheets, 5 mask), its 14-byte file header
// included; rows are counted without padding.
std::size_t imageBlockSize(const Geometry& geometry, int index);

// The whole file's length for a geometry.
std::size_t fileLength(const Geometry& geometry);

// No play file of a puzzle the game can hold is longer than this.
constexpr std::size_t maxFileLength = imageBlocksOffset + 5 * (40'000'000ull * 3 + 1078) +
                                      (40'000'000ull + 62);

}  // namespace playfile
