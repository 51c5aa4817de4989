// What the game relies on in its state, checked table by table.
#include "game_invariants.h"

#include <cstring>

#include "board/group_layout.h"
#include "platform/dib_format.h"
#include "puzzle/image_headers.h"
#include "puzzle/puzzle_resource.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"

namespace {

std::string cellName(int c, int r)
{
    return "(" + std::to_string(c) + ", " + std::to_string(r) + ")";
}

void checkGeometry(std::vector<std::string>& faults)
{
    if (getColumns() < 1 || getColumns() > maxColumns || getRows() < 1 ||
        getRows() > maxRows || getPieceCount() > maxPieces)
        faults.push_back("geometry " + std::to_string(getColumns()) + " x " +
                         std::to_string(getRows()) + " outside the tables");
    if (getPieceSize() != calcPieceSize() || getPieceSize() < 1)
        faults.push_back("pieceSize " + std::to_string(getPieceSize()) + " is not core + 2 margins");
}

void checkDrawingOrder(std::vector<std::string>& faults)
{
    const int count = getPieceCount();
    std::vector<int> seen(static_cast<std::size_t>(count), 0);
    for (int c = 0; c < getColumns(); ++c)
        for (int r = 0; r < getRows(); ++r) {
            const int level = zLevel(c, r);
            if (level < 0 || level >= count || seen[static_cast<std::size_t>(level)]++ != 0) {
                faults.push_back("zLevel " + std::to_string(level) + " of " + cellName(c, r) +
                                 " is out of range or repeated");
                continue;
            }
            if (zOrderColumn(level) != c || zOrderRow(level) != r)
                faults.push_back("drawing order " + std::to_string(level) + " names " +
                                 cellName(zOrderColumn(level), zOrderRow(level)) + ", not " +
                                 cellName(c, r));
        }
}

// One group at a time, from its lowest-numbered member.
void checkGroups(std::vector<std::string>& faults)
{
    const int count = getPieceCount();
    const int columns = getColumns();
    std::vector<bool> checked(static_cast<std::size_t>(count), false);
    for (int k = 0; k < count; ++k) {
        const int rotation = getPieceRotation(k);
        if (rotation < 1 || rotation > 4)
            faults.push_back("piece " + std::to_string(k) + " has rotation " +
                             std::to_string(rotation));
        if (groupCells(k)[k % columns][k / columns] != 1)
            faults.push_back("group of piece " + std::to_string(k) + " lacks the piece itself");
        if (checked[static_cast<std::size_t>(k)])
            continue;
        const PieceRect pivot = pieceRect(k % columns, k / columns);
        const GroupMatrix& group = groupCells(k);
        for (int c = 0; c < columns; ++c)
            for (int r = 0; r < getRows(); ++r) {
                if (group[c][r] != 1)
                    continue;
                const int member = pieceIndex(c, r);
                checked[static_cast<std::size_t>(member)] = true;
                if (member != k && std::memcmp(groupCells(member), group, sizeof(GroupMatrix)) != 0)
                    faults.push_back("pieces " + std::to_string(k) + " and " +
                                     std::to_string(member) + " disagree on their group");
                if (getPieceRotation(member) != rotation)
                    faults.push_back("pieces " + std::to_string(k) + " and " +
                                     std::to_string(member) + " are turned differently");
                const Point at = groupLayout(pivot.left, pivot.top, k, c, r);
                if (pieceRect(c, r).left != at.x || pieceRect(c, r).top != at.y)
                    faults.push_back("piece " + std::to_string(member) + " lies off its place in " +
                                     "the group of piece " + std::to_string(k));
            }
    }
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < getRows(); ++r) {
            const PieceRect box = pieceRect(c, r);
            if (box.right - box.left != getPieceSize() || box.bottom - box.top != getPieceSize())
                faults.push_back("box of " + cellName(c, r) + " is not pieceSize square");
        }
}

// Whether [pointer, pointer + bytes) lies inside the block [block, block + size).
bool inside(const std::uint8_t* block, std::size_t size, const std::uint8_t* pointer,
            std::size_t bytes)
{
    return block != nullptr && pointer >= block && pointer + bytes <= block + size;
}

void checkImages(std::vector<std::string>& faults)
{
    const std::size_t sheetBytes = static_cast<std::size_t>(getSheetWidth()) * getSheetHeight() * 3;
    for (int rotation = 1; rotation <= 4; ++rotation)
        if (pieceSheet(rotation) == nullptr || pieceSheetBits(rotation) != pieceSheet(rotation) + 40)
            faults.push_back("sheet " + std::to_string(rotation) + " or its bits pointer is wrong");
    if (getPieceMask() == nullptr || getPieceMaskBits() != getPieceMask() + 48 ||
        maskBlockSize() < 48 + static_cast<std::size_t>(maskByteOffset(getSheetWidth() * 4 - 1, 1)) + 1)
        faults.push_back("mask block or its bits pointer is wrong");
    const std::size_t pictureBytes =
        pictureFileLength(getPictureFormat(), getPictureWidth(), getPictureHeight());
    const std::size_t rowBytes = static_cast<std::size_t>(getPictureWidth()) *
                                 (getPictureFormat() == 2 ? 3 : 1) * getPictureHeight();
    if (pictureBytes < bitmapFileHeaderSize ||
        !inside(getPictureDib(), pictureBytes - bitmapFileHeaderSize, getPictureBits(), rowBytes))
        faults.push_back("picture bits lie outside the picture block");
    if (sheetBytes == 0)
        faults.push_back("sheets are empty");
}

}  // namespace

std::vector<std::string> puzzleStateFaults()
{
    std::vector<std::string> faults;
    checkGeometry(faults);
    if (!faults.empty())
        return faults;
    checkDrawingOrder(faults);
    checkGroups(faults);
    checkImages(faults);
    return faults;
}

std::vector<std::string> freshBuildFaults()
{
    std::vector<std::string> faults = puzzleStateFaults();
    const int size = getPieceSize();
    for (int k = 0; k < getPieceCount(); ++k) {
        const int c = k % getColumns();
        const int r = k / getColumns();
        for (int c2 = 0; c2 < getColumns(); ++c2)
            for (int r2 = 0; r2 < getRows(); ++r2)
                if (inGroup(k, c2, r2) != (c2 == c && r2 == r))
                    faults.push_back("piece " + std::to_string(k) + " is not on its own");
        const PieceRect box = pieceRect(c, r);
        const ScatterArea area = scatterArea();
        if (box.right < area.right || box.right >= area.right + area.width ||
            box.bottom < area.bottom || box.bottom >= area.bottom + area.height ||
            box.left != box.right - size)
            faults.push_back("box of piece " + std::to_string(k) + " is off the scatter area");
    }
    return faults;
}

std::string describeFaults(const std::vector<std::string>& faults)
{
    std::string text;
    for (const std::string& fault : faults)
        text += fault + "\n";
    return text;
}
