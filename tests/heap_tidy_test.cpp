// Help with the heap on the headless back end: the edge pieces gathered (F3) and the loose
// pieces spread (F4) on puzzles of 12, 300 and 1000 pieces, fresh and partly joined, checked on
// the pieces' silhouettes, the board's extent, the groups, the turns and a play-file round trip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "board/free_grid.h"
#include "board/group_layout.h"
#include "board/group_placement.h"
#include "board/outline_inset.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
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

// Fresh heap; a few blocks joined where they lie; joined pairs set out all over the board.
enum class BoardState { freshHeap, groupsJoined, pairsAllOver };

struct HeapCase {
    const char* name;
    int columns;  // 0: the first embedded puzzle, 12 pieces of 200 pixels
    int rows;
    BoardState board;
};

// Joins the w x h block of home cells from (column, row), turned like its first piece and laid
// out around it; on a lattice position when `at` is given.
void joinBlock(int column, int row, int w, int h, const Point* at = nullptr)
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
    const PieceRect& box = pieceRect(column, row);
    placeGroup(at ? at->x : box.left, at ? at->y : box.top, pivot);
}

void setUpGame(const HeapCase& heapCase)
{
    startEmbeddedGame();
    if (heapCase.columns != 0) {
        headless::overrideResource("JZT", 164,
                                   makeMadePuzzle(VELMORA_PICTURE_DIR "/169-ancient-city.jpg",
                                                  heapCase.columns, heapCase.rows, 20, 20));
        buildPuzzle();
        headless::pumpMessages();
        ASSERT_EQ(getPieceCount(), heapCase.columns * heapCase.rows);
    }
    if (heapCase.board == BoardState::groupsJoined) {
        joinBlock(0, 0, 2, 2);
        joinBlock(getColumns() - 2, getRows() - 1, 2, 1);
        if (getColumns() >= 8 && getRows() >= 6)
            joinBlock(getColumns() / 2, getRows() / 2, 4, 3);
    }
    if (heapCase.board == BoardState::pairsAllOver) {
        // Two rows in three joined two by two, the pairs on a lattice over the whole board.
        std::vector<Point> pairs;
        for (int r = 0; r < getRows(); ++r)
            for (int c = 0; c + 1 < getColumns() && r % 3 != 2; c += 2)
                pairs.push_back({c, r});
        const BoardExtent board = boardExtent();
        const int count = static_cast<int>(pairs.size());
        const int across =
            static_cast<int>(std::ceil(std::sqrt(count * board.width / board.height)));
        const int down = (count + across - 1) / across;
        for (int i = 0; i < count; ++i) {
            const Point at{i % across * board.width / across, i / across * board.height / down};
            joinBlock(pairs[i].x, pairs[i].y, 2, 1, &at);
        }
    }
    ASSERT_EQ(describeFaults(puzzleStateFaults()), "");
}

// What the commands may change or must keep, piece by piece.
struct PieceRecord {
    int left, top, rotation, level;
    std::vector<std::uint8_t> group;
    bool operator==(const PieceRecord&) const = default;
};

std::vector<PieceRecord> recordBoard()
{
    std::vector<PieceRecord> pieces;
    for (int k = 0; k < getPieceCount(); ++k) {
        const int c = k % getColumns();
        const int r = k / getColumns();
        const auto* cells = &groupCells(k)[0][0];
        pieces.push_back({pieceRect(c, r).left, pieceRect(c, r).top, getPieceRotation(k),
                          zLevel(c, r), {cells, cells + sizeof(GroupMatrix)}});
    }
    return pieces;
}

bool loose(const PieceRecord& piece)
{
    return std::count(piece.group.begin(), piece.group.end(), 1) == 1;
}

bool onBorder(int k, bool cornerOnly)
{
    const bool sideColumn = k % getColumns() == 0 || k % getColumns() == getColumns() - 1;
    const bool sideRow = k / getColumns() == 0 || k / getColumns() == getRows() - 1;
    return cornerOnly ? sideColumn && sideRow : sideColumn || sideRow;
}

// Silhouette pixels of the pieces of `checked` lying on those of `others`, and on each other.
std::pair<int, int> sharedOutlinePixels(const std::vector<int>& checked,
                                        const std::vector<int>& others)
{
    const BoardExtent board = boardExtent();
    const int size = getPieceSize();
    std::vector<std::uint8_t> covered(static_cast<std::size_t>(board.width) * board.height, 0);
    std::pair<int, int> shared{0, 0};
    Surface tile;
    const auto paint = [&](int k, std::uint8_t mark) {
        resizeSurface(tile, size, size, 0);
        drawPieceMask(tile, k, getPieceRotation(k));
        const PieceRect& box = pieceRect(k % getColumns(), k / getColumns());
        for (int y = std::max(0, -box.top); y < std::min(size, board.height - box.top); ++y)
            for (int x = std::max(0, -box.left); x < std::min(size, board.width - box.left); ++x) {
                if (pixelAt(tile, x, y) == 0)
                    continue;
                std::uint8_t& pixel =
                    covered[static_cast<std::size_t>(box.top + y) * board.width + box.left + x];
                shared.first += mark == 2 && (pixel & 1) != 0;
                shared.second += mark == 2 && (pixel & 2) != 0;
                pixel |= mark;
            }
    };
    for (int k : others)
        paint(k, 1);
    for (int k : checked)
        paint(k, 2);
    return shared;
}

class HeapTidyTest : public ::testing::TestWithParam<HeapCase> {
protected:
    void SetUp() override { setUpGame(GetParam()); }
    void TearDown() override { resetGameState(); }

    // Runs the command; every piece keeps its turn and group, those it may move (`moves`)
    // stay inside the board with their outlines clear of each other and of every other piece,
    // the others stay where they were, and a play file keeps the result.
    void runAndCheck(int id, bool (*moves)(int k, const PieceRecord& before))
    {
        before = recordBoard();
        sendMessage(getMainWindow(), WM_COMMAND, static_cast<std::uintptr_t>(id), 0);
        headless::pumpMessages();
        after = recordBoard();
        EXPECT_EQ(describeFaults(puzzleStateFaults()), "");
        const BoardExtent board = boardExtent();
        for (int k = 0; k < getPieceCount(); ++k) {
            EXPECT_EQ(after[k].rotation, before[k].rotation) << "piece " << k;
            EXPECT_EQ(after[k].group, before[k].group) << "piece " << k;
            (moves(k, before[k]) ? moved : kept).push_back(k);
            if (moves(k, before[k])) {
                EXPECT_TRUE(after[k].left >= 0 && after[k].top >= 0 &&
                            after[k].left + getPieceSize() <= board.width &&
                            after[k].top + getPieceSize() <= board.height)
                    << "piece " << k << " left the board";
            } else {
                EXPECT_TRUE(after[k].left == before[k].left && after[k].top == before[k].top)
                    << "piece " << k << " moved";
            }
        }
        EXPECT_EQ(sharedOutlinePixels(moved, kept), std::make_pair(0, 0))
            << "silhouette pixels on pieces kept, on each other";
        ASSERT_TRUE(loadPlayFileBytes(playFileBytes()));
        EXPECT_TRUE(recordBoard() == after) << "the play file did not keep the board";
    }

    std::vector<PieceRecord> before, after;
    std::vector<int> moved, kept;
};

TEST_P(HeapTidyTest, SpreadPutsEveryLoosePieceApartInsideTheBoard)
{
    runAndCheck(spreadPiecesCommandId, [](int, const PieceRecord& piece) { return loose(piece); });
    for (int k = 0; k < getPieceCount(); ++k)
        EXPECT_EQ(after[k].level, before[k].level) << "piece " << k;
}

TEST_P(HeapTidyTest, GatherLaysTheLooseEdgePiecesInRowsInFreeSpace)
{
    runAndCheck(gatherEdgesCommandId,
               [](int k, const PieceRecord& piece) { return loose(piece) && onBorder(k, false); });
    ASSERT_FALSE(moved.empty());
    // In rows, the loose corners first in reading order, drawn above everything else.
    std::vector<int> reading = moved;
    std::sort(reading.begin(), reading.end(), [&](int a, int b) {
        return std::tie(after[a].top, after[a].left) < std::tie(after[b].top, after[b].left);
    });
    const auto firstSide =
        std::find_if(reading.begin(), reading.end(), [](int k) { return !onBorder(k, true); });
    EXPECT_TRUE(std::none_of(firstSide, reading.end(), [](int k) { return onBorder(k, true); }));
    std::set<int> rowTops;
    for (int k : moved) {
        rowTops.insert(after[k].top);
        EXPECT_GE(after[k].level, getPieceCount() - static_cast<int>(moved.size()))
            << "piece " << k;
    }
    EXPECT_LE(rowTops.size(), moved.size() / 3 + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Puzzles, HeapTidyTest,
    ::testing::Values(HeapCase{"Embedded12FreshHeap", 0, 0, BoardState::freshHeap},
                      HeapCase{"Embedded12GroupsJoined", 0, 0, BoardState::groupsJoined},
                      HeapCase{"Made300FreshHeap", 20, 15, BoardState::freshHeap},
                      HeapCase{"Made300GroupsJoined", 20, 15, BoardState::groupsJoined},
                      HeapCase{"Made300PairsAllOver", 20, 15, BoardState::pairsAllOver},
                      HeapCase{"Made1000FreshHeap", 40, 25, BoardState::freshHeap},
                      HeapCase{"Made1000GroupsJoined", 40, 25, BoardState::groupsJoined}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

// Where F3 may put the edge pieces on a board already worked on: outside the heap of the other
// loose pieces, though the player left holes in it; and, on a board with no room left, over
// loose pieces rather than over a group.
enum class WorkedBoard { holesInSpreadHeap, crowded };

void setUpWorkedBoard(WorkedBoard board)
{
    setUpGame({"", 38, 26, BoardState::freshHeap});
    if (board == WorkedBoard::holesInSpreadHeap) {
        // F4, then a 5 x 3 block of inner pieces taken out of the grid and joined in the
        // board's lower right corner: 15 holes wherever the grid had put them.
        sendMessage(getMainWindow(), WM_COMMAND, spreadPiecesCommandId, 0);
        const BoardExtent extent = boardExtent();
        const Point corner{extent.width - 6 * getCellStep(), extent.height - 4 * getCellStep()};
        joinBlock(getColumns() / 2, getRows() / 2, 5, 3, &corner);
    } else {
        // Rows over the whole board, less than two pieces apart: every fourth of strips of eight
        // joined pieces, the others of loose inner pieces, with gaps narrower than a piece.
        const BoardExtent extent = boardExtent();
        const int size = getPieceSize();
        const int gap = size * 5 / 6;
        const int stripSpan = 7 * getCellStep() + size;
        // `count` starts spread from 0 to `length` - `span`, at most `span` + `gap` apart.
        const auto spread = [gap](int length, int span) {
            const int count = (length - span + span + gap - 1) / (span + gap) + 1;
            std::vector<int> starts;
            for (int i = 0; i < count; ++i)
                starts.push_back(i * (length - span) / (count - 1));
            return starts;
        };
        std::vector<Point> strips;
        for (int r = 1; r + 1 < getRows(); ++r)
            for (int c = 1; c + 8 < getColumns(); c += 8)
                strips.push_back({c, r});
        const std::vector<int> rowTops = spread(extent.height, size);
        std::size_t strip = 0;
        for (std::size_t row = 0; row < rowTops.size(); row += 4)
            for (int left : spread(extent.width, stripSpan)) {
                ASSERT_LT(strip, strips.size());
                const Point at{left, rowTops[row]};
                setPieceRotation(1, pieceIndex(strips[strip].x, strips[strip].y));  // lying across
                joinBlock(strips[strip].x, strips[strip].y, 8, 1, &at);
                ++strip;
            }
        std::vector<int> looseInner;
        for (int k = 0; k < getPieceCount(); ++k)
            if (!onBorder(k, false) && std::count(&groupCells(k)[0][0],
                                                  &groupCells(k)[0][0] + sizeof(GroupMatrix), 1) == 1)
                looseInner.push_back(k);
        std::size_t next = 0;
        for (std::size_t row = 0; row < rowTops.size(); ++row)
            for (int left : spread(extent.width, size))
                if (row % 4 != 0 && next < looseInner.size())
                    placeGroup(left, rowTops[row], looseInner[next++]);
    }
    headless::pumpMessages();
    ASSERT_EQ(describeFaults(puzzleStateFaults()), "");
}

TEST(HeapTidy, GatheredEdgesStayOutOfTheHeapAndOffGroups)
{
    for (const WorkedBoard board : {WorkedBoard::holesInSpreadHeap, WorkedBoard::crowded}) {
        const int name = static_cast<int>(board);
        setUpWorkedBoard(board);
        const std::vector<PieceRecord> before = recordBoard();
        std::vector<int> edges, otherLoose, grouped;
        for (int k = 0; k < getPieceCount(); ++k)
            (!loose(before[k]) ? grouped : onBorder(k, false) ? edges : otherLoose).push_back(k);
        // The heap: the smallest rectangle holding the outlines of the other loose pieces.
        const int inset = outlineInset();
        const auto outline = [&](int k) {
            const PieceRect& box = pieceRect(k % getColumns(), k / getColumns());
            return Rect{box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
        };
        Rect heap = outline(otherLoose.front());
        for (int k : otherLoose)
            heap = {std::min(heap.left, outline(k).left), std::min(heap.top, outline(k).top),
                    std::max(heap.right, outline(k).right),
                    std::max(heap.bottom, outline(k).bottom)};

        sendMessage(getMainWindow(), WM_COMMAND, gatherEdgesCommandId, 0);
        headless::pumpMessages();
        EXPECT_EQ(describeFaults(puzzleStateFaults()), "") << name;
        const auto [onGroups, onEachOther] = sharedOutlinePixels(edges, grouped);
        EXPECT_EQ(onGroups, 0) << name << ": edge pieces cover a group";
        if (board == WorkedBoard::holesInSpreadHeap) {
            EXPECT_EQ(onEachOther, 0) << name;
            for (int k : edges) {
                const Rect at = outline(k);
                EXPECT_TRUE(at.right <= heap.left || at.left >= heap.right ||
                            at.bottom <= heap.top || at.top >= heap.bottom)
                    << "edge piece " << k << " in the heap at " << at.left << ", " << at.top;
            }
        } else {
            // Crowded indeed: the edge pieces had to cover loose pieces.
            EXPECT_GT(sharedOutlinePixels(edges, otherLoose).first, 0) << name;
        }
        resetGameState();
    }
}

// Both commands put a carried group down where it lies before they move anything.
TEST(HeapTidy, CommandsEndACarryFirst)
{
    for (const int id : {gatherEdgesCommandId, spreadPiecesCommandId}) {
        startEmbeddedGame();
        const int top = getPieceCount() - 1;
        const PieceRect box = pieceRect(zOrderColumn(top), zOrderRow(top));
        sendMessage(getMainWindow(), WM_LBUTTONDOWN, 0,
                    makePointParam(box.left + 100, box.top + 100));
        sendMessage(getMainWindow(), WM_COMMAND, static_cast<std::uintptr_t>(id), 0);
        headless::pumpMessages();
        EXPECT_EQ(getPieceHeld(), 0) << "command " << id;
        EXPECT_EQ(describeFaults(puzzleStateFaults()), "");
        resetGameState();
    }
}

// On a 1000 x 600 board, 100-pixel boxes whose outlines keep 20 pixels from their sides: every
// box inside the board with its top-left in `allowed`, and apart from the others when asked.
TEST(FreeGrid, PlacesBoxesWhereTheyCoverLeast)
{
    const Rect upperHalf{0, 0, 1000, 300};
    const Rect lowerHalf{0, 300, 1000, 600};
    const Rect wholeBoard{0, 0, 1000, 600};
    const Rect leftHalf{0, 0, 500, 600};
    struct GridCase {
        const char* name;
        int count;
        std::vector<std::vector<Rect>> obstacleTiers;
        Rect allowed;  // left, top, right, bottom of the top-left corners, inclusive
        bool apart;
    };
    const GridCase cases[] = {
        {"RoomyBoard", 40, {}, {0, 0, 900, 500}, true},
        {"UpperHalfTaken", 20, {{upperHalf}}, {0, 260, 900, 500}, true},
        // Short of room the grid closes up and covers the first tier rather than the last.
        {"ShortOfRoom", 80, {{lowerHalf}, {upperHalf}}, {0, 260, 900, 500}, false},
        // No room anywhere: the places covering the fewest obstacles.
        {"NoRoom", 5, {{wholeBoard, wholeBoard, leftHalf}}, {460, 0, 900, 500}, false},
        {"TooManyForTheBoard", 500, {}, {0, 0, 900, 500}, false},
    };
    for (const GridCase& grid : cases) {
        FreeGridRequest request{grid.count, 100, 20, 1000, 600, 10, 30, grid.obstacleTiers};
        const std::vector<Point> places = layOutOnFreeGrid(request);
        ASSERT_EQ(static_cast<int>(places.size()), grid.count) << grid.name;
        for (std::size_t i = 0; i < places.size(); ++i) {
            const Point a = places[i];
            EXPECT_TRUE(a.x >= grid.allowed.left && a.y >= grid.allowed.top &&
                        a.x <= grid.allowed.right && a.y <= grid.allowed.bottom)
                << grid.name << " box " << i << " at " << a.x << ", " << a.y;
            for (std::size_t j = 0; grid.apart && j < i; ++j)
                EXPECT_TRUE(std::abs(a.x - places[j].x) >= 60 ||
                            std::abs(a.y - places[j].y) >= 60)
                    << grid.name << " boxes " << j << " and " << i;
        }
    }
}

}  // namespace
