// The game record: the board of a game in progress in about 16 bytes a piece.
//
// A record holds what a play file's state part holds for the pieces of the puzzle, nothing
// of its images or message, which the puzzle built afresh brings. All values little-endian:
//
//   offset  size  field
//        0     8  magic "VELMGAME"
//        8     2  version, 1
//       10     6  columns, rows, pieceCore, pieceMargin, pictureFormat, sheetFormat (a byte each)
//       16     4  seconds played
//       20     2  spare header value, 0..65279
//       22     1  spare file byte
//       23     1  preview shown, 0 or 1
//       24     2  view percent, 0 (the whole board) to 1000
//       26     4  view scroll x, 0..1000000
//       30     4  view scroll y, 0..1000000
//       34  16 n  a record for each piece k = 0..n-1 (n = columns x rows), below
//   34+16n     4  CRC-32 of every byte before it
//
// Piece record:
//
//        0     2  box left + 1000, 0..65279 (the play file's range -1000..64279)
//        2     2  box top + 1000, likewise
//        4     1  rotation, 1..4
//        5     2  first member of its group: the lowest piece in it, itself its own first
//        7     2  drawing level, 0..n-1
//        9     2  slotPiece, 0..65279
//       11     1  pieceSpare
//       12     2  cellShuffle of its home cell, 0..65279
//       14     2  cellFlag of its home cell, 0..65279
//
// The values are taken from the state part the play file writer makes of the game, so a
// record keeps exactly what a saved play file would. Installing expands the record into the
// state part of the puzzle in play and hands it to the state reader, which checks it as
// strictly as a play file (levels a permutation, groups turned alike and members in place);
// what the record does not hold (the message, entries beyond the last piece) stays the
// puzzle's own.
#include "library/game_record.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <new>

#include "library/checksum.h"
#include "platform/byte_order.h"
#include "puzzle/state.h"
#include "savegame/encodings.h"
#include "savegame/layout.h"
#include "savegame/reader.h"
#include "savegame/writer.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using playfile::Geometry;

constexpr std::uint8_t recordMagic[8] = {'V', 'E', 'L', 'M', 'G', 'A', 'M', 'E'};
constexpr int recordVersion = 1;

constexpr std::size_t versionAt = 8;
constexpr std::size_t geometryAt = 10;
constexpr std::size_t secondsAt = 16;
constexpr std::size_t spareValueAt = 20;
constexpr std::size_t spareByteAt = 22;
constexpr std::size_t previewAt = 23;
constexpr std::size_t percentAt = 24;
constexpr std::size_t scrollXAt = 26;
constexpr std::size_t scrollYAt = 30;
constexpr std::size_t piecesAt = 34;
constexpr std::size_t pieceRecordSize = 16;
constexpr std::size_t checksumSize = 4;

constexpr std::size_t leftAt = 0;
constexpr std::size_t topAt = 2;
constexpr std::size_t rotationAt = 4;
constexpr std::size_t firstMemberAt = 5;
constexpr std::size_t levelAt = 7;
constexpr std::size_t slotAt = 9;
constexpr std::size_t spareAt = 11;
constexpr std::size_t shuffleAt = 12;
constexpr std::size_t flagAt = 14;

// The largest value a play file's base-255 pair carries, and the shift of a box corner.
constexpr int pairLimit = 65279;
constexpr int cornerShift = 1000;
constexpr int maxViewPercent = 1000;
constexpr std::uint32_t maxViewScroll = 1000000;

std::size_t recordLength(int pieceCount)
{
    return piecesAt + pieceRecordSize * static_cast<std::size_t>(pieceCount) + checksumSize;
}

// The record's 16- and 32-bit fields.
void put16(std::uint8_t* out, int value)
{
    putLittleEndian(out, static_cast<std::uint32_t>(value), 2);
}

void put32(std::uint8_t* out, std::uint32_t value)
{
    putLittleEndian(out, value, 4);
}

int get16(const std::uint8_t* in)
{
    return static_cast<int>(readLittleEndian(in, 2));
}

std::uint32_t get32(const std::uint8_t* in)
{
    return readLittleEndian(in, 4);
}

// Piece k's fields in a state part: its entry in the header, its home cell's record, its
// box and its group mask.
std::uint8_t* entryOf(std::uint8_t* state, int k)
{
    return state + playfile::pieceEntriesAt + 4 * static_cast<std::size_t>(k);
}
std::uint8_t* cellOf(std::uint8_t* state, int k)
{
    return state + playfile::cellBlockOffset + playfile::cellRecordSize * k;
}
std::uint8_t* rectOf(std::uint8_t* state, int k)
{
    return state + playfile::rectBlockOffset + playfile::rectRecordSize * k;
}
std::uint8_t* maskOf(std::uint8_t* state, int k)
{
    return state + playfile::groupMasksOffset + playfile::groupRecordSize * k;
}

std::uint8_t* pieceOf(std::uint8_t* record, int k)
{
    return record + piecesAt + pieceRecordSize * static_cast<std::size_t>(k);
}
const std::uint8_t* pieceOf(const std::uint8_t* record, int k)
{
    return record + piecesAt + pieceRecordSize * static_cast<std::size_t>(k);
}

void putGeometry(std::uint8_t* out, const Geometry& geometry)
{
    const int values[] = {geometry.columns,     geometry.rows,          geometry.pieceCore,
                          geometry.pieceMargin, geometry.pictureFormat, geometry.sheetFormat};
    for (std::size_t i = 0; i < std::size(values); ++i)
        out[i] = static_cast<std::uint8_t>(values[i]);
}

// Piece k's record from the state part of the game in play.
void recordPiece(std::uint8_t* piece, std::uint8_t* state, int k, int pieceCount)
{
    const std::uint8_t* entry = entryOf(state, k);
    const std::uint8_t* cell = cellOf(state, k);
    const std::uint8_t* rect = rectOf(state, k);
    const std::uint8_t* mask = maskOf(state, k);
    put16(piece + leftAt, getOffsetPair(rect) + cornerShift);
    put16(piece + topAt, getOffsetPair(rect + 4) + cornerShift);
    piece[rotationAt] = entry[2];
    put16(piece + firstMemberAt,
          static_cast<int>(std::find_if(mask, mask + pieceCount, [](auto b) { return b != 0; }) -
                           mask));
    put16(piece + levelAt, getBase255Pair(cell + 8));
    put16(piece + slotAt, getBase255PairHighFirst(entry));
    piece[spareAt] = entry[3];
    put16(piece + shuffleAt, getBase255Pair(cell));
    put16(piece + flagAt, getBase255Pair(cell + 4));
}

// Magic, version, this geometry, the length it implies and the checksum.
bool recordIntact(std::span<const std::uint8_t> record, const Geometry& geometry)
{
    if (record.size() < piecesAt + checksumSize ||
        std::memcmp(record.data(), recordMagic, sizeof recordMagic) != 0 ||
        get16(record.data() + versionAt) != recordVersion)
        return false;
    std::uint8_t expected[6];
    putGeometry(expected, geometry);
    if (std::memcmp(record.data() + geometryAt, expected, sizeof expected) != 0 ||
        record.size() != recordLength(geometry.columns * geometry.rows))
        return false;
    const std::size_t body = record.size() - checksumSize;
    return crc32Of(record.first(body)) == get32(record.data() + body);
}

// Every field within its range; the first members name pieces that are their own first and
// come no later than the piece.
bool fieldsInRange(const std::uint8_t* record, int pieceCount)
{
    if (get16(record + spareValueAt) > pairLimit || record[previewAt] > 1 ||
        get16(record + percentAt) > maxViewPercent || get32(record + scrollXAt) > maxViewScroll ||
        get32(record + scrollYAt) > maxViewScroll)
        return false;
    for (int k = 0; k < pieceCount; ++k) {
        const std::uint8_t* piece = pieceOf(record, k);
        const int rotation = piece[rotationAt];
        const int first = get16(piece + firstMemberAt);
        if (get16(piece + leftAt) > pairLimit || get16(piece + topAt) > pairLimit ||
            rotation < 1 || rotation > 4 || first > k ||
            get16(pieceOf(record, first) + firstMemberAt) != first ||
            get16(piece + levelAt) >= pieceCount || get16(piece + slotAt) > pairLimit ||
            get16(piece + shuffleAt) > pairLimit || get16(piece + flagAt) > pairLimit)
            return false;
    }
    return true;
}

// Writes the record's values over the state part of the puzzle in play.
void expandInto(const std::uint8_t* record, Bytes& stateBytes, int pieceCount, int pieceSize)
{
    std::uint8_t* state = stateBytes.data();
    putBigEndian32(state + playfile::elapsedSecondsAt, get32(record + secondsAt));
    putBase255Pair(state + playfile::spareHeaderValueAt, get16(record + spareValueAt));
    state[playfile::spareFileByteAt] = record[spareByteAt];
    state[playfile::previewShownAt] = record[previewAt];
    for (int k = 0; k < pieceCount; ++k) {
        const std::uint8_t* piece = pieceOf(record, k);
        std::uint8_t* entry = entryOf(state, k);
        putBase255PairHighFirst(entry, get16(piece + slotAt));
        entry[2] = piece[rotationAt];
        entry[3] = piece[spareAt];
        std::uint8_t* cell = cellOf(state, k);
        putBase255Pair(cell, get16(piece + shuffleAt));
        putBase255Pair(cell + 4, get16(piece + flagAt));
        putBase255Pair(cell + 8, get16(piece + levelAt));
        const int left = get16(piece + leftAt) - cornerShift;
        const int top = get16(piece + topAt) - cornerShift;
        std::uint8_t* rect = rectOf(state, k);
        putOffsetPair(rect, left);
        putOffsetPair(rect + 4, top);
        putOffsetPair(rect + 8, left + pieceSize);
        putOffsetPair(rect + 12, top + pieceSize);
        const int first = get16(piece + firstMemberAt);
        std::uint8_t* mask = maskOf(state, k);
        for (int m = 0; m < pieceCount; ++m)
            mask[m] = get16(pieceOf(record, m) + firstMemberAt) == first ? 1 : 0;
    }
}

GameRecordExtras extrasOf(const std::uint8_t* record)
{
    GameRecordExtras extras;
    extras.previewShown = record[previewAt] == 1;
    extras.view.percent = get16(record + percentAt);
    extras.view.scroll = {static_cast<int>(get32(record + scrollXAt)),
                          static_cast<int>(get32(record + scrollYAt))};
    return extras;
}

}  // namespace

std::vector<std::uint8_t> gameRecordBytes(const GameRecordExtras& extras)
{
    try {
        Bytes state = playStateBytes();
        const Geometry geometry = playfile::currentGeometry();
        const int pieceCount = geometry.columns * geometry.rows;
        Bytes record(recordLength(pieceCount), 0);
        std::uint8_t* out = record.data();
        std::memcpy(out, recordMagic, sizeof recordMagic);
        put16(out + versionAt, recordVersion);
        putGeometry(out + geometryAt, geometry);
        put32(out + secondsAt, getBigEndian32(state.data() + playfile::elapsedSecondsAt));
        put16(out + spareValueAt, getBase255Pair(state.data() + playfile::spareHeaderValueAt));
        out[spareByteAt] = state[playfile::spareFileByteAt];
        out[previewAt] = extras.previewShown ? 1 : 0;
        put16(out + percentAt, extras.view.percent);
        put32(out + scrollXAt, static_cast<std::uint32_t>(extras.view.scroll.x));
        put32(out + scrollYAt, static_cast<std::uint32_t>(extras.view.scroll.y));
        for (int k = 0; k < pieceCount; ++k)
            recordPiece(pieceOf(out, k), state.data(), k, pieceCount);
        const std::size_t body = record.size() - checksumSize;
        put32(out + body, crc32Of(std::span(record).first(body)));
        return record;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

std::optional<GameRecordExtras> installGameRecord(std::span<const std::uint8_t> bytes)
{
    if (getPictureDib() == nullptr)
        return std::nullopt;
    const Geometry geometry = playfile::currentGeometry();
    const int pieceCount = geometry.columns * geometry.rows;
    if (!recordIntact(bytes, geometry) || !fieldsInRange(bytes.data(), pieceCount))
        return std::nullopt;
    try {
        Bytes state = playStateBytes();
        expandInto(bytes.data(), state, pieceCount, geometry.pieceSize());
        if (!loadPlayStateBytes(state))
            return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    return extrasOf(bytes.data());
}
