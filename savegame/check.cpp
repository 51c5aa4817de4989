// The checks a play file passes before it is installed.
#include "savegame/check.h"

#include <algorithm>
#include <vector>

#include "board/group_layout.h"
#include "puzzle/limits.h"
#include "puzzle/puzzle_resource.h"
#include "savegame/encodings.h"
#include "savegame/layout.h"

namespace {

using playfile::Geometry;

bool geometryFits(const Geometry& geometry)
{
    return geometryWithinLimits(geometry.columns, geometry.rows, geometry.pieceCore,
                                geometry.pieceMargin) &&
           (geometry.pictureFormat == 1 || geometry.pictureFormat == 2) &&
           (geometry.sheetFormat == 1 || geometry.sheetFormat == 2);
}

bool rotationsValid(const std::uint8_t* header, int pieceCount)
{
    for (int k = 0; k < pieceCount; ++k) {
        const int rotation = header[playfile::pieceEntriesAt + 4 * k + 2];
        if (rotation < 1 || rotation > 4)
            return false;
    }
    return true;
}

bool levelsArePermutation(const std::uint8_t* cells, int pieceCount)
{
    std::vector<bool> seen(static_cast<std::size_t>(pieceCount), false);
    for (int k = 0; k < pieceCount; ++k) {
        const int level = getBase255Pair(cells + playfile::cellRecordSize * k + 8);
        if (level >= pieceCount || seen[static_cast<std::size_t>(level)])
            return false;
        seen[static_cast<std::size_t>(level)] = true;
    }
    return true;
}

// Every piece's group holds the piece itself, every member has exactly the same group and
// every member is turned as the piece is. Each group is compared with the group of its first
// member, and every member must name that same first member, which makes the groups of all
// members equal without comparing every pair.
bool groupsConsistent(const std::uint8_t* masks, const std::uint8_t* header, int pieceCount)
{
    const auto record = [masks](int k) { return masks + playfile::groupRecordSize * k; };
    const auto rotation = [header](int k) {
        return header[playfile::pieceEntriesAt + 4 * k + 2];
    };
    std::vector<int> firstMember(static_cast<std::size_t>(pieceCount));
    for (int k = 0; k < pieceCount; ++k) {
        const std::uint8_t* cells = record(k);
        if (cells[k] == 0)
            return false;
        firstMember[k] = static_cast<int>(std::find_if(cells, cells + pieceCount,
                                                       [](std::uint8_t b) { return b != 0; }) -
                                          cells);
    }
    for (int k = 0; k < pieceCount; ++k) {
        const std::uint8_t* cells = record(k);
        const std::uint8_t* first = record(firstMember[k]);
        for (int m = 0; m < pieceCount; ++m) {
            if ((cells[m] != 0) != (first[m] != 0))
                return false;
            if (cells[m] != 0 && (firstMember[m] != firstMember[k] || rotation(m) != rotation(k)))
                return false;
        }
    }
    return true;
}

// Every member of a group lies where the group layout puts it around the piece: its box
// corner is the piece's plus whole cell steps, turned with the group. Moving and turning a
// group keeps this, so a file of the game's own always has it.
bool membersInPlace(std::span<const std::uint8_t> bytes, const Geometry& geometry)
{
    const int pieceCount = geometry.columns * geometry.rows;
    const int cellStep = geometry.pieceCore + geometry.pieceMargin;
    const auto corner = [&bytes](int k) {
        const std::uint8_t* rect = bytes.data() + playfile::rectBlockOffset +
                                   playfile::rectRecordSize * k;
        return Point{getOffsetPair(rect), getOffsetPair(rect + 4)};
    };
    for (int k = 0; k < pieceCount; ++k) {
        const std::uint8_t* cells = bytes.data() + playfile::groupMasksOffset +
                                    playfile::groupRecordSize * k;
        const Point pivot = corner(k);
        for (int m = 0; m < pieceCount; ++m) {
            if (cells[m] == 0 || m == k)
                continue;
            const int rotation = bytes[playfile::pieceEntriesAt + 4 * m + 2];
            const Point step = turnByRotation(m % geometry.columns - k % geometry.columns,
                                              m / geometry.columns - k / geometry.columns,
                                              rotation);
            const Point at = corner(m);
            if (at.x != pivot.x + cellStep * step.x || at.y != pivot.y + cellStep * step.y)
                return false;
        }
    }
    return true;
}

bool imagesFit(std::span<const std::uint8_t> bytes, const Geometry& geometry)
{
    const int sheetBits = geometry.sheetFormat == 2 ? 24 : 8;
    std::size_t offset = playfile::imageBlocksOffset;
    for (int index = 0; index < playfile::imageBlockCount; ++index) {
        const std::size_t size = playfile::imageBlockSize(geometry, index);
        const auto image = bytes.subspan(offset + 14, size - 14);
        offset += size;
        bool fits = false;
        if (index == 0)
            fits = dibFits(image, geometry.pictureWidth(), geometry.pictureHeight(),
                           geometry.pictureFormat == 2 ? 24 : 8);
        else if (index <= 4)
            fits = dibFits(image, geometry.sheetWidth(), geometry.sheetHeight(), sheetBits);
        else
            fits = dibFits(image, 4 * geometry.sheetWidth(), geometry.sheetHeight(), 1);
        if (!fits)
            return false;
    }
    return true;
}

}  // namespace

bool playStateValid(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < playfile::imageBlocksOffset)
        return false;
    const Geometry geometry = playfile::headerGeometry(bytes.first(playfile::headerSize));
    if (!geometryFits(geometry))
        return false;
    const int pieceCount = geometry.columns * geometry.rows;
    const std::uint8_t* header = bytes.data();
    return rotationsValid(header, pieceCount) &&
           levelsArePermutation(bytes.data() + playfile::cellBlockOffset, pieceCount) &&
           groupsConsistent(bytes.data() + playfile::groupMasksOffset, header, pieceCount) &&
           membersInPlace(bytes, geometry);
}

bool playFileValid(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < playfile::headerSize)
        return false;
    const Geometry geometry = playfile::headerGeometry(bytes.first(playfile::headerSize));
    // The geometry must fit before the length it implies is worked out.
    return geometryFits(geometry) && bytes.size() == playfile::fileLength(geometry) &&
           playStateValid(bytes) && imagesFit(bytes, geometry);
}
