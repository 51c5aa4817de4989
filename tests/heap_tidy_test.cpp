// Help with the heap on the headless back end: the edge pieces gathered (F3) and the loose
// pieces spread (F4) on made puzzles of several sizes, fresh and partly joined, checked on the
// pieces' silhouettes, the board's extent, the groups, the turns and a play-file round trip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "app/commands.h"
#include "board/free_grid.h"
#include "board/group_layout.h"
#include "board/group_placement.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "puzzle/board_extent.h"
#include "puzzle/construction.h"
#include "puzzle/piece_tiles.h"
#include "puzzle/state.h"
#include "savegame/reader.h"
#include "savegame/writer.h"
#include "tests/support/game_invariants.h"
#include "tests/support/made_puzzle.h"
#include "tests/support/puzzle_fixture.h"

namespace {

struct PuzzleSize {
    const char* name;
    int columns;  // 0: the first embedded puzzle (12 pieces of 200 pixels)
    int rows;
    int core;
    int margin;
};

const PuzzleSize puzzleSizes[] = {
    {"Embedded12", 0, 0, 0, 0},
    {"Made300", 20, 15, 20, 20},
    {"Made1000", 40, 25, 20, 20},
};

// Pairs all over: joined pairs set out over the whole board, the loose pieces finding room
// between them.
enum class BoardState { freshHeap, groupsJoined, pairsAllOver };

struct HeapCase {
    PuzzleSize size;
    BoardState board;
};

std::string describe(const HeapCase& heapCase)
{
    const char* board = heapCase.board == BoardState::freshHeap      ? "FreshHeap"
                        : heapCase.board == BoardState::groupsJoined ? "GroupsJoined"
                                                                     : "PairsAllOver";
    return std::string(heapCase.size.name) + board;
}

std::string caseName(const ::testing::TestParamInfo<HeapCase>& info)
{
    return describe(info.param);
}

void PrintTo(const HeapCase& heapCase, std::ostream* out)
{
    *out << describe(heapCase);
}

// Joins the w x h block of home cells from (column, row) into one group turned like its first
// piece and laid out around that piece where it lies.
void joinBlock(int column, int row, int w, int h)
{
    GroupMatrix block{};
    for (int c = column; c < column + w; ++c)
        for (int r = row; r < row + h; ++r)
            block[c][r] = 1;
    const int pivot = pieceIndex(column, row);
    for (int c = column; c < column + w; ++c)
        for (int r = row; r < row + h; ++r) {
            std::memcpy(groupCells(pieceIndex(c, r)), block, sizeof block);
            setPieceRotation(getPieceRotation(pivot), pieceIndex(c, r));
        }
    placeGroup(pieceRect(column, row).left, pieceRect(column, row).top, pivot);
}

// Joins the pieces of two rows in three two by two and sets the pairs out on a lattice over
// the whole board.
void setPairsAllOver()
{
    std::vector<Point> pairs;
    for (int r = 0; r < getRows(); ++r)
        for (int c = 0; c + 1 < getColumns() && r % 3 != 2; c += 2)
            pairs.push_back({c, r});
    const BoardExtent board = boardExtent();
    const int count = static_cast<int>(pairs.size());
    const int across = static_cast<int>(std::ceil(std::sqrt(count * board.width / board.height)));
    const int down = (count + across - 1) / across;
    for (int i = 0; i < count; ++i) {
        joinBlock(pairs[i].x, pairs[i].y, 2, 1);
        placeGroup(i % across * board.width / across, i / across * board.height / down,
                   pieceIndex(pairs[i].x, pairs[i].y));
    }
}

void setUpGame(const HeapCase& heapCase)
{
    startEmbeddedGame();
    const PuzzleSize& size = heapCase.size;
    if (size.columns != 0) {
        headless::overrideResource("JZT", 164,
                                   makeMadePuzzle(VELMORA_PICTURE_DIR "/169-ancient-city.jpg",
                                                  size.columns, size.rows, size.core, size.margin));
        buildPuzzle();
        headless::pumpMessages();
        ASSERT_EQ(getPieceCount(), size.columns * size.rows);
    }
    if (heapCase.board == BoardState::groupsJoined) {
        // A corner block, a strip along the bottom edge and, on big puzzles, a middle block.
        joinBlock(0, 0, 2, 2);
        joinBlock(getColumns() - 2, getRows() - 1, 2, 1);
        if (getColumns() >= 8 && getRows() >= 6)
            joinBlock(getColumns() / 2, getRows() / 2, 4, 3);
    }
    if (heapCase.board == BoardState::pairsAllOver)
        setPairsAllOver();
    ASSERT_EQ(describeFaults(puzzleStateFaults()), "");
}

void command(int id)
{
    sendMessage(getMainWindow(), WM_COMMAND, static_cast<std::uintptr_t>(id), 0);
    headless::pumpMessages();
}

// Everything the two commands may or may not change, piece by piece.
struct PieceRecord {
    PieceRect box;
    int rotation = 0;
    int level = 0;
    std::vector<std::uint8_t> group;

    bool samePlace(const PieceRecord& other) const
    {
        return box.left == other.box.left && box.top == other.box.top &&
               box.right == other.box.right && box.bottom == other.box.bottom;
    }
    bool operator==(const PieceRecord& other) const
    {
        return samePlace(other) && rotation == other.rotation && level == other.level &&
               group == other.group;
    }
};

std::vector<PieceRecord> recordBoard()
{
    std::vector<PieceRecord> pieces;
    for (int k = 0; k < getPieceCount(); ++k) {
        const int c = k % getColumns();
        const int r = k / getColumns();
        const auto* cells = &groupCells(k)[0][0];
        pieces.push_back({pieceRect(c, r), getPieceRotation(k), zLevel(c, r),
                          std::vector<std::uint8_t>(cells, cells + sizeof(GroupMatrix))});
    }
    return pieces;
}

bool loose(const PieceRecord& piece)
{
    return std::count(piece.group.begin(), piece.group.end(), 1) == 1;
}

bool onBorder(int k)
{
    const int c = k % getColumns();
    const int r = k / getColumns();
    return c == 0 || r == 0 || c == getColumns() - 1 || r == getRows() - 1;
}

bool corner(int k)
{
    const int c = k % getColumns();
    const int r = k / getColumns();
    return (c == 0 || c == getColumns() - 1) && (r == 0 || r == getRows() - 1);
}

// Board pixels where the silhouettes of the pieces of `checked` lie on those of `others`, and
// on each other.
struct SharedPixels {
    int onOthers = 0;
    int onEachOther = 0;
};

SharedPixels sharedOutlinePixels(const std::vector<int>& checked, const std::vector<int>& others)
{
    const BoardExtent board = boardExtent();
    const int size = getPieceSize();
    std::vector<std::uint8_t> covered(static_cast<std::size_t>(board.width) * board.height, 0);
    SharedPixels shared;
    Surface tile;
    const auto paint = [&](int k, std::uint8_t mark) {
        resizeSurface(tile, size, size, 0);
        drawPieceMask(tile, k, getPieceRotation(k));
        const PieceRect& box = pieceRect(k % getColumns(), k / getColumns());
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const int bx = box.left + x;
                const int by = box.top + y;
                if (pixelAt(tile, x, y) == 0 || bx < 0 || by < 0 || bx >= board.width ||
                    by >= board.height)
                    continue;
                std::uint8_t& pixel = covered[static_cast<std::size_t>(by) * board.width + bx];
                if (mark == 2 && (pixel & 1) != 0)
                    ++shared.onOthers;
                if (mark == 2 && (pixel & 2) != 0)
                    ++shared.onEachOther;
                pixel |= mark;
            }
    };
    for (int k : others)
        paint(k, 1);
    for (int k : checked)
        paint(k, 2);
    return shared;
}

bool insideBoard(const PieceRect& box)
{
    const BoardExtent board = boardExtent();
    return box.left >= 0 && box.top >= 0 && box.right <= board.width && box.bottom <= board.height;
}

// The play file of the game in progress, read back, leaves every piece as it was.
void expectRoundTrip()
{
    const std::vector<PieceRecord> before = recordBoard();
    const std::vector<std::uint8_t> file = playFileBytes();
    ASSERT_TRUE(loadPlayFileBytes(file));
    EXPECT_TRUE(recordBoard() == before) << "the play file did not keep the board";
}

class HeapTidyTest : public ::testing::TestWithParam<HeapCase> {
protected:
    void SetUp() override { setUpGame(GetParam()); }
    void TearDown() override { resetGameState(); }
};

TEST_P(HeapTidyTest, SpreadPutsEveryLoosePieceApartInsideTheBoard)
{
    const std::vector<PieceRecord> before = recordBoard();
    command(spreadPiecesCommandId);
    const std::vector<PieceRecord> after = recordBoard();
    EXPECT_EQ(describeFaults(puzzleStateFaults()), "");

    std::vector<int> loosePieces;
    std::vector<int> groupMembers;
    for (int k = 0; k < getPieceCount(); ++k) {
        EXPECT_EQ(after[k].rotation, before[k].rotation) << "piece " << k;
        EXPECT_EQ(after[k].level, before[k].level) << "piece " << k;
        EXPECT_EQ(after[k].group, before[k].group) << "piece " << k;
        if (loose(before[k])) {
            loosePieces.push_back(k);
            EXPECT_TRUE(insideBoard(after[k].box)) << "piece " << k << " left the board";
        } else {
            groupMembers.push_back(k);
            EXPECT_TRUE(after[k].samePlace(before[k])) << "group member " << k << " moved";
        }
    }
    const SharedPixels shared = sharedOutlinePixels(loosePieces, groupMembers);
    EXPECT_EQ(shared.onOthers, 0) << "a loose piece covers a group";
    EXPECT_EQ(shared.onEachOther, 0) << "loose pieces cover each other";
    expectRoundTrip();
}

TEST_P(HeapTidyTest, GatherLaysTheLooseEdgePiecesInRowsInFreeSpace)
{
    const std::vector<PieceRecord> before = recordBoard();
    command(gatherEdgesCommandId);
    const std::vector<PieceRecord> after = recordBoard();
    EXPECT_EQ(describeFaults(puzzleStateFaults()), "");

    std::vector<int> gathered;
    std::vector<int> others;
    for (int k = 0; k < getPieceCount(); ++k) {
        EXPECT_EQ(after[k].rotation, before[k].rotation) << "piece " << k;
        EXPECT_EQ(after[k].group, before[k].group) << "piece " << k;
        if (loose(before[k]) && onBorder(k)) {
            gathered.push_back(k);
            EXPECT_TRUE(insideBoard(after[k].box)) << "piece " << k << " left the board";
        } else {
            others.push_back(k);
            EXPECT_TRUE(after[k].samePlace(before[k])) << "piece " << k << " moved";
        }
    }
    ASSERT_FALSE(gathered.empty());
    // Clear of each other and of every piece that stayed.
    const SharedPixels shared = sharedOutlinePixels(gathered, others);
    EXPECT_EQ(shared.onOthers, 0) << "a piece that stayed is covered";
    EXPECT_EQ(shared.onEachOther, 0) << "edge pieces overlap";

    // In rows: in reading order the loose corners come first, and the rows are few.
    std::vector<int> reading = gathered;
    std::sort(reading.begin(), reading.end(), [&](int a, int b) {
        return std::tie(after[a].box.top, after[a].box.left) <
               std::tie(after[b].box.top, after[b].box.left);
    });
    const auto firstSide = std::find_if(reading.begin(), reading.end(),
                                        [](int k) { return !corner(k); });
    EXPECT_TRUE(std::none_of(firstSide, reading.end(), corner)) << "a corner after a side piece";
    std::set<int> rowTops;
    for (int k : gathered)
        rowTops.insert(after[k].box.top);
    EXPECT_LE(rowTops.size(), gathered.size() / 3 + 1);

    // Drawn above everything else.
    for (int k : gathered)
        EXPECT_GE(after[k].level, getPieceCount() - static_cast<int>(gathered.size()))
            << "piece " << k;
    expectRoundTrip();
}

INSTANTIATE_TEST_SUITE_P(
    Puzzles, HeapTidyTest,
    ::testing::Values(HeapCase{puzzleSizes[0], BoardState::freshHeap},
                      HeapCase{puzzleSizes[0], BoardState::groupsJoined},
                      HeapCase{puzzleSizes[1], BoardState::freshHeap},
                      HeapCase{puzzleSizes[1], BoardState::groupsJoined},
                      HeapCase{puzzleSizes[2], BoardState::freshHeap},
                      HeapCase{puzzleSizes[2], BoardState::groupsJoined},
                      HeapCase{puzzleSizes[1], BoardState::pairsAllOver}),
    caseName);

// Both commands put a carried group down where it lies before they move anything.
TEST(HeapTidy, CommandsEndACarryFirst)
{
    for (const int id : {gatherEdgesCommandId, spreadPiecesCommandId}) {
        startEmbeddedGame();
        const int top = getPieceCount() - 1;
        const PieceRect box = pieceRect(zOrderColumn(top), zOrderRow(top));
        sendMessage(getMainWindow(), WM_LBUTTONDOWN, 0,
                    makePointParam((box.left + box.right) / 2, (box.top + box.bottom) / 2));
        headless::pumpMessages();
        ASSERT_EQ(getPieceHeld(), 1);
        command(id);
        EXPECT_EQ(getPieceHeld(), 0) << "command " << id;
        EXPECT_EQ(describeFaults(puzzleStateFaults()), "");
        resetGameState();
    }
}

struct GridCase {
    const char* name;
    int count;
    std::vector<std::vector<Rect>> obstacleTiers;
    bool roomForAll;  // every box clear of the others' outlines and of every obstacle
};

// A 1000 x 600 board of 100-pixel boxes whose outlines keep 20 pixels from their sides.
FreeGridRequest gridRequest(const GridCase& grid)
{
    FreeGridRequest request;
    request.count = grid.count;
    request.boxSide = 100;
    request.inset = 20;
    request.boardWidth = 1000;
    request.boardHeight = 600;
    request.roomyGap = 10;
    request.leastSpacing = 30;
    request.obstacleTiers = grid.obstacleTiers;
    return request;
}

bool innerPartsMeet(Point a, Point b, int side, int inset)
{
    const int inner = side - 2 * inset;
    return a.x + inset < b.x + inset + inner && b.x + inset < a.x + inset + inner &&
           a.y + inset < b.y + inset + inner && b.y + inset < a.y + inset + inner;
}

TEST(FreeGrid, PlacesBoxesInsideTheBoardAvoidingObstaclesWhileThereIsRoom)
{
    const Rect upperHalf{0, 0, 1000, 300};
    const Rect lowerHalf{0, 300, 1000, 600};
    const std::vector<GridCase> cases = {
        {"RoomyBoard", 40, {}, true},
        {"UpperHalfTaken", 20, {{upperHalf}}, true},
        {"LowerHalfTakenLooseUpperTakenJoined", 20, {{lowerHalf}, {upperHalf}}, false},
        {"TooManyForTheBoard", 500, {}, false},
    };
    for (const GridCase& grid : cases) {
        const FreeGridRequest request = gridRequest(grid);
        const std::vector<Point> places = layOutOnFreeGrid(request);
        ASSERT_EQ(static_cast<int>(places.size()), grid.count) << grid.name;
        for (std::size_t i = 0; i < places.size(); ++i) {
            const Point at = places[i];
            EXPECT_TRUE(at.x >= 0 && at.y >= 0 && at.x + 100 <= 1000 && at.y + 100 <= 600)
                << grid.name << " box " << i;
            if (!grid.roomForAll)
                continue;
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(innerPartsMeet(at, places[j], 100, 20)) << grid.name << i << j;
            for (const auto& tier : grid.obstacleTiers)
                for (const Rect& box : tier)
                    EXPECT_FALSE(at.y + 20 < box.bottom - 20 && box.top + 20 < at.y + 80)
                        << grid.name << " box " << i << " covers an obstacle";
        }
    }
    // Room running short: the grid closes up and covers the first tier rather than the last.
    const std::vector<Point> covering =
        layOutOnFreeGrid(gridRequest({"", 80, {{lowerHalf}, {upperHalf}}, false}));
    for (const Point& at : covering)
        EXPECT_GE(at.y + 20, 300 - 20) << "a box covers the last tier";
    // No room anywhere: the places covering the fewest obstacles (the right half) are taken.
    const Rect wholeBoard{0, 0, 1000, 600};
    const Rect leftHalf{0, 0, 500, 600};
    const std::vector<Point> fewest =
        layOutOnFreeGrid(gridRequest({"", 5, {{wholeBoard, wholeBoard, leftHalf}}, false}));
    for (const Point& at : fewest)
        EXPECT_GE(at.x + 20, 500 - 20) << "a box covers more than it must";
}

}  // namespace
