// Board rendering: compositing, the group layout, the drawing order, lifting and painting.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "settings/settings.h"
#include "board/carrying.h"
#include "board/group_layout.h"
#include "board/group_placement.h"
#include "board/play.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "platform/headless/headless.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "tests/support/synthetic_puzzle.h"

using namespace testing_support;

namespace {

constexpr Colour grey = makeColour(77, 77, 77);

class RenderTest : public testing::Test {
protected:
    void SetUp() override { setUpBoard(); }
};

// Checks zLevel and the order list are inverse and hold every level once.
void expectOrderConsistent()
{
    std::vector<int> seen(getPieceCount(), 0);
    for (int level = 0; level < getPieceCount(); ++level) {
        const int column = zOrderColumn(level);
        const int row = zOrderRow(level);
        ASSERT_EQ(zLevel(column, row), level);
        ++seen[pieceIndex(column, row)];
    }
    for (int count : seen)
        EXPECT_EQ(count, 1);
}

std::vector<int> piecesBottomToTop()
{
    std::vector<int> order;
    for (int level = 0; level < getPieceCount(); ++level)
        order.push_back(pieceIndex(zOrderColumn(level), zOrderRow(level)));
    return order;
}

void joinByHand(const std::vector<int>& members)
{
    GroupMatrix matrix{};
    for (int k : members)
        matrix[k % getColumns()][k / getColumns()] = 1;
    for (int k : members)
        std::memcpy(groupCells(k), matrix, sizeof matrix);
}

}  // namespace

TEST_F(RenderTest, CompositeKeepsBoxCornersAndDrawsOutlineOfCurrentRotation)
{
    Surface target;
    resizeSurface(target, 300, 300, grey);
    const int k = 7;  // column 1, row 2: exercises the tile's distance from the sheet bottom
    setPieceRotation(3, k);
    loadPieceTiles(k);
    compositePiece(target, 50, 60);
    // Corners of the box lie outside the outline.
    EXPECT_EQ(pixelAt(target, 50, 60), grey);
    EXPECT_EQ(pixelAt(target, 149, 159), grey);
    EXPECT_EQ(pixelAt(target, 50 + 50, 60 + 50), syntheticPieceColour(k, 3));
    // Turned twice, the tab points left: the left middle is covered, the right middle not.
    EXPECT_EQ(pixelAt(target, 50 + 5, 60 + 50), syntheticPieceColour(k, 3));
    EXPECT_EQ(pixelAt(target, 50 + 95, 60 + 50), grey);
    // Outside the box nothing changes.
    EXPECT_EQ(pixelAt(target, 49, 110), grey);
    EXPECT_EQ(pixelAt(target, 150, 110), grey);
}

TEST_F(RenderTest, GroupLayoutTurnsHomeCellDifferenceWithRotation)
{
    // Member (2, 1) one cell right of pivot (1, 1), member (1, 3) two cells below it.
    const int pivot = pieceIndex(1, 1);
    const Point expectedRight[4] = {{60, 0}, {0, 60}, {-60, 0}, {0, -60}};
    const Point expectedBelow[4] = {{0, 120}, {-120, 0}, {0, -120}, {120, 0}};
    for (int rotation = 1; rotation <= 4; ++rotation) {
        for (int k = 0; k < getPieceCount(); ++k)
            setPieceRotation(rotation, k);
        const Point right = groupLayout(500, 400, pivot, 2, 1);
        const Point below = groupLayout(500, 400, pivot, 1, 3);
        EXPECT_EQ(right.x - 500, expectedRight[rotation - 1].x) << rotation;
        EXPECT_EQ(right.y - 400, expectedRight[rotation - 1].y) << rotation;
        EXPECT_EQ(below.x - 500, expectedBelow[rotation - 1].x) << rotation;
        EXPECT_EQ(below.y - 400, expectedBelow[rotation - 1].y) << rotation;
        const Point self = groupLayout(500, 400, pivot, 1, 1);
        EXPECT_EQ(self.x, 500);
        EXPECT_EQ(self.y, 400);
    }
}

TEST_F(RenderTest, RaiseGroupPutsMembersOnTopInRowOrderAndPivotTopmost)
{
    joinByHand({8, 1, 4});
    raiseGroup(1, 1);  // piece 4
    const std::vector<int> expected = {0, 2, 3, 5, 6, 7, 9, 10, 11, 1, 8, 4};
    EXPECT_EQ(piecesBottomToTop(), expected);
    expectOrderConsistent();
    // The group is drawn on the window where its boxes lie.
    const PieceRect& box = pieceRect(1, 1);
    EXPECT_EQ(pixelAt(windowSurface(), box.left + 50, box.top + 50), syntheticPieceColour(4, 1));

    raiseGroup(0, 0);  // a single piece: only it moves, the pieces above drop by one
    const std::vector<int> afterSingle = {2, 3, 5, 6, 7, 9, 10, 11, 1, 8, 4, 0};
    EXPECT_EQ(piecesBottomToTop(), afterSingle);
    expectOrderConsistent();
}

TEST(RenderOrderTest, ReverseSwapsEndsAndKeepsMiddleOfOddCount)
{
    for (const int columns : {12, 13}) {
        setUpBoard({columns, 1, 20, 40});
        headless::pumpMessages();
        ASSERT_FALSE(headless::paintPending(getMainWindow()));
        const std::vector<int> before = piecesBottomToTop();
        reverseDrawingOrder();
        const std::vector<int> after = piecesBottomToTop();
        for (int level = 0; level < columns; ++level)
            EXPECT_EQ(after[level], before[columns - 1 - level]);
        if (columns == 13) {
            EXPECT_EQ(after[6], 6);
        }
        expectOrderConsistent();
        EXPECT_TRUE(headless::paintPending(getMainWindow()));
    }
}

TEST_F(RenderTest, LiftGroupLeavesExactlyTheBoardWithoutTheGroup)
{
    // A heap of overlapping pieces; the group {4, 5} lies in the middle of it, its two
    // members overlapping each other and pieces both below and above them.
    const Point places[12] = {{100, 100}, {150, 120}, {200, 90},  {130, 160},
                              {170, 150}, {210, 170}, {120, 210}, {160, 230},
                              {240, 140}, {600, 600}, {190, 200}, {140, 130}};
    for (int k = 0; k < 12; ++k)
        placePiece(k, places[k].x, places[k].y);
    joinByHand({4, 5});
    paintBoard();
    liftGroup(4);
    const std::vector<std::uint32_t> lifted = boardSurface().pixels;

    placePiece(4, -5000, 0);
    placePiece(5, -5000, 0);
    paintBoard();
    EXPECT_TRUE(lifted == boardSurface().pixels);
}

TEST_F(RenderTest, DrawAndRestoreGroupFollowTheLayout)
{
    joinByHand({0, 1});
    setPieceRotation(2, 0);
    setPieceRotation(2, 1);
    paintBoard();
    Surface& window = windowSurface();
    const Colour background = getBackgroundColor();
    // Turned once, piece 1 lies one cell below piece 0.
    drawGroup(600, 300, 0, window);
    EXPECT_EQ(pixelAt(window, 650, 350), syntheticPieceColour(0, 2));
    EXPECT_EQ(pixelAt(window, 650, 350 + 60 + 30), syntheticPieceColour(1, 2));
    restoreGroup(600, 300, window, 0);
    EXPECT_EQ(pixelAt(window, 650, 350), background);
    EXPECT_EQ(pixelAt(window, 650, 440), background);

    // Drawn 8 pixels lower, the plain restore leaves the tip of piece 1's downward tab
    // behind; the wide one does not.
    drawGroup(600, 308, 0, window);
    restoreGroup(600, 300, window, 0);
    EXPECT_EQ(pixelAt(window, 650, 463), syntheticPieceColour(1, 2));
    drawGroup(600, 308, 0, window);
    restoreGroupWide(600, 300, window, 0, 10);
    for (int y = 280; y < 480; ++y)
        for (int x = 590; x < 720; ++x)
            ASSERT_EQ(pixelAt(window, x, y), background) << x << "," << y;
}

TEST_F(RenderTest, PaintShowsPiecesBottomToTopAndFillsTheBoardCopy)
{
    placePiece(0, 100, 100);
    placePiece(1, 130, 100);  // above piece 0, overlapping it
    paintBoard();
    Surface& window = windowSurface();
    EXPECT_EQ(pixelAt(window, 160, 130), syntheticPieceColour(1, 1));
    EXPECT_EQ(pixelAt(window, 125, 130), syntheticPieceColour(0, 1));
    EXPECT_EQ(pixelAt(window, 5, 5), getBackgroundColor());
    for (int y = 0; y < window.height; y += 7)
        for (int x = 0; x < window.width; x += 7)
            ASSERT_EQ(pixelAt(window, x, y), pixelAt(boardSurface(), x, y));
}

TEST_F(RenderTest, PaintDuringBuildShowsBackgroundOnly)
{
    setBuildInProgress(1);
    paintBoard();
    for (int y = 0; y < windowSurface().height; y += 5)
        for (int x = 0; x < windowSurface().width; x += 5)
            ASSERT_EQ(pixelAt(boardSurface(), x, y), getBackgroundColor());
    EXPECT_EQ(pixelAt(windowSurface(), 60, 60), getBackgroundColor());
}

TEST_F(RenderTest, WindowBeyondTheScreensKeepsItsOwnBackgroundBeyondTheBoard)
{
    // Larger than the headless screen (1920 x 1080): the board keeps its least size.
    setWindowPos(getMainWindow(), 0, 0, 2100, 1300);
    Surface& window = windowSurface();
    fillRect(window, 0, 0, 2100, 1300, grey);
    placePiece(0, 1950, 1150);  // partly off the board
    paintBoard();
    EXPECT_EQ(pixelAt(window, 1999, 1199), syntheticPieceColour(0, 1));
    EXPECT_EQ(pixelAt(window, 2010, 1190), grey);
    EXPECT_EQ(pixelAt(window, 1990, 1210), grey);
    EXPECT_EQ(pixelAt(window, 1999, 1000), getBackgroundColor());
}

TEST_F(RenderTest, GroupsOffTheEdgeAreClipped)
{
    joinByHand({0, 1});
    placePiece(0, -70, -40);
    placePiece(1, -10, -40);
    paintBoard();
    EXPECT_EQ(pixelAt(windowSurface(), 5, 5), syntheticPieceColour(0, 1));
    EXPECT_EQ(pixelAt(windowSurface(), 60, 10), syntheticPieceColour(1, 1));
    liftGroup(0);
    EXPECT_EQ(pixelAt(boardSurface(), 5, 5), getBackgroundColor());
    EXPECT_EQ(pixelAt(boardSurface(), 60, 10), getBackgroundColor());
}

namespace {

// The window as the tile surfaces paint it: the board without the carried group (black beyond
// the board), then the group over it, every piece through loadPieceTiles and compositePiece.
Surface windowPaintedTileByTile()
{
    Surface board;
    resizeSurface(board, boardSurface().width, boardSurface().height, getBackgroundColor());
    Surface window;
    resizeSurface(window, windowSurface().width, windowSurface().height, makeColour(0, 0, 0));
    const auto composite = [](Surface& target, int column, int row) {
        loadPieceTiles(pieceIndex(column, row));
        compositePiece(target, pieceRect(column, row).left, pieceRect(column, row).top);
    };
    for (int level = 0; level < getPieceCount(); ++level)
        if (!inGroup(heldPiece(), zOrderColumn(level), zOrderRow(level)))
            composite(board, zOrderColumn(level), zOrderRow(level));
    copyRect(window, 0, 0, board.width, board.height, board, 0, 0, RasterOp::copy);
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row)
            if (inGroup(heldPiece(), column, row))
                composite(window, column, row);
    return window;
}

}  // namespace

TEST_F(RenderTest, DragStepsOverAHeapAndPastTheEdgesLeaveWhatATileByTilePaintShows)
{
    // A window larger than the board, black beyond it; a turned group among pieces turned
    // every way, some below it and some above it.
    setWindowPos(getMainWindow(), 0, 0, 2100, 1300);
    fillRect(windowSurface(), 0, 0, 2100, 1300, makeColour(0, 0, 0));
    for (int k = 0; k < getPieceCount(); ++k)
        setPieceRotation(1 + k % 4, k);
    joinByHand({4, 5, 8});
    for (const int k : {4, 5, 8})
        setPieceRotation(3, k);
    // Turned twice, pieces fill their whole boxes, so that each box's last row and column
    // show whether they were restored.
    const int stride = (4 * getSheetWidth() + 31) / 32 * 4;
    for (int y = 0; y < getSheetHeight(); ++y)
        for (int x = 2 * getSheetWidth(); x < 3 * getSheetWidth(); ++x)
            getPieceMaskBits()[y * stride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    const Point heap[12] = {{330, 250}, {390, 280}, {300, 330}, {410, 350}, {},        {},
                            {250, 200}, {330, 150}, {},         {260, 300}, {200, 260}, {300, 180}};
    for (const int k : {0, 1, 2, 3, 6, 7, 9, 10, 11})
        placePiece(k, heap[k].x, heap[k].y);
    placeGroup(400, 300, 4);  // piece 5 lies one cell left of piece 4, piece 8 above piece 5
    invalidateWindow(getMainWindow(), false);
    headless::pumpMessages();

    leftPress(450, 350);
    ASSERT_EQ(getPieceHeld(), 1);
    ASSERT_TRUE(inGroup(4, getHeldColumn(), getHeldRow()));
    const Point path[] = {{457, 353}, {464, 349}, {420, 330}, {60, 70},     {20, 15},
                          {27, 22},   {1990, 1195}, {1983, 1190}, {2090, 1290}, {2096, 1297},
                          {1000, 600}, {470, 340}, {463, 347}, {440, 360}};
    for (const Point& at : path) {
        mouseMove(at.x, at.y);
        const Surface expected = windowPaintedTileByTile();
        ASSERT_TRUE(windowSurface().pixels == expected.pixels) << at.x << "," << at.y;
    }
    const Surface shown = windowSurface();
    paintBoard();
    EXPECT_TRUE(windowSurface().pixels == shown.pixels) << "a fresh paint differs";
}
