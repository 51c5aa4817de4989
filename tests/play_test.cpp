// Play on the headless back end: picking, carrying, turning, dropping, joining, completing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "board/carrying.h"
#include "board/group_placement.h"
#include "board/play.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "tests/support/synthetic_puzzle.h"

using namespace testing_support;

namespace {

class PlayTest : public testing::Test {
protected:
    void SetUp() override
    {
        setUpBoard();
        headless::pumpMessages();  // the first paint fills the window and the board copy
        headless::clearEvents();
    }
};

// The centre of piece k's box, which always lies on its outline.
Point centreOf(int k)
{
    const PieceRect& box = pieceRect(k % getColumns(), k / getColumns());
    return {box.left + getPieceSize() / 2, box.top + getPieceSize() / 2};
}

// Clicks piece k (press and release without moving), then clicks again: a drop in place.
// The clicks go through the main window's procedure, which runs what follows a finished puzzle.
void clickTwice(int k)
{
    const Point at = centreOf(k);
    for (int click = 0; click < 2; ++click)
        for (const unsigned message : {WM_LBUTTONDOWN, WM_LBUTTONUP})
            sendMessage(getMainWindow(), message, 0, makePointParam(at.x, at.y));
}

// Shows the board as it now stands, as after any invalidation.
void repaint()
{
    invalidateWindow(getMainWindow(), false);
    headless::pumpMessages();
}

bool joined(int a, int b)
{
    return groupCells(a)[b % getColumns()][b / getColumns()] == 1;
}

std::vector<std::string> eventsStartingWith(const std::string& prefix)
{
    std::vector<std::string> found;
    for (const std::string& line : headless::events())
        if (line.rfind(prefix, 0) == 0)
            found.push_back(line);
    return found;
}

// The window as the player sees it must not change when the board is painted afresh: no
// trails, nothing missing.
void expectWindowMatchesFreshPaint()
{
    const Surface shown = windowSurface();
    paintBoard();
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x)
            ASSERT_EQ(pixelAt(shown, x, y), pixelAt(windowSurface(), x, y)) << x << "," << y;
}

}  // namespace

TEST_F(PlayTest, PressBetweenTabsPicksThePieceBelowAndOverlapPicksTheHigher)
{
    // Pieces 0 and 4 are not neighbours, so dropping them never joins anything.
    placePiece(0, 200, 200);
    placePiece(4, 250, 200);  // higher in the drawing order, its box over piece 0's right half
    repaint();
    // (255, 225) lies in piece 4's box but outside its outline; piece 0's outline is there.
    leftPress(255, 225);
    EXPECT_EQ(getPieceHeld(), 1);
    EXPECT_EQ(heldPiece(), 0);
    leftPress(255, 225);
    EXPECT_EQ(getPieceHeld(), 0);
    leftPress(5, 5);  // empty board: nothing is picked
    EXPECT_EQ(getPieceHeld(), 0);

    setUpBoard();
    placePiece(0, 200, 200);
    placePiece(4, 250, 200);
    repaint();
    leftPress(275, 230);  // both outlines cover this point: the higher one wins
    EXPECT_EQ(heldPiece(), 4);
    EXPECT_EQ(zLevel(1, 1), getPieceCount() - 1);
}

TEST(PlayPickTest, TheRightAndBottomEdgesOfABoxAreOutsideIt)
{
    setUpBoard({2, 1, 40, 80});  // 200-pixel boxes: the scratch surface holds nothing more
    repaint();
    const PieceRect box = pieceRect(1, 0);
    for (const Point at : {Point{box.right, box.top + 100}, Point{box.left + 100, box.bottom}}) {
        leftPress(at.x, at.y);
        EXPECT_EQ(getPieceHeld(), 0) << at.x << ", " << at.y;
    }
    leftPress(box.left + 100, box.top + 100);
    EXPECT_EQ(getPieceHeld(), 1);
}

TEST_F(PlayTest, ClickMoveClickCarriesAndDrops)
{
    setWindowPos(getMainWindow(), 100, 50, 1000, 700);
    headless::pumpMessages();
    headless::clearEvents();
    const PieceRect start = pieceRect(1, 0);
    leftPress(start.left + 70, start.top + 40);
    leftRelease(start.left + 70, start.top + 40);
    EXPECT_EQ(getPieceHeld(), 1) << "a click without movement keeps carrying";

    // Confined so that the clicked box stays in the client area, 25 pixels free below.
    const std::vector<std::string> confines = eventsStartingWith("confine");
    ASSERT_EQ(confines.size(), 1u);
    EXPECT_EQ(confines[0], "confine 170,90,1070,665");

    for (int step = 1; step <= 10; ++step)
        mouseMove(start.left + 70 + 40 * step, start.top + 40 + 25 * step);
    EXPECT_EQ(pieceRect(1, 0).left, start.left + 400);
    EXPECT_EQ(pieceRect(1, 0).top, start.top + 250);
    expectWindowMatchesFreshPaint();
    EXPECT_EQ(pixelAt(windowSurface(), start.left + 50, start.top + 50), getBackgroundColor());

    leftPress(start.left + 470, start.top + 290);
    EXPECT_EQ(getPieceHeld(), 0);
    EXPECT_EQ(eventsStartingWith("confine").back(), "confine none");
    EXPECT_EQ(eventsStartingWith("cursor").back(), "cursor 125");
    expectWindowMatchesFreshPaint();
    for (int y = 0; y < 700; y += 3)
        for (int x = 0; x < 1000; x += 3)
            ASSERT_EQ(pixelAt(windowSurface(), x, y), pixelAt(boardSurface(), x, y));
}

TEST_F(PlayTest, PressDragReleaseDropsWithTheArrow)
{
    const Point at = centreOf(4);
    leftPress(at.x, at.y);
    mouseMove(at.x + 300, at.y + 100);
    leftRelease(at.x + 300, at.y + 100);
    EXPECT_EQ(getPieceHeld(), 0);
    EXPECT_EQ(eventsStartingWith("cursor").back(), "cursor 104");
    EXPECT_EQ(centreOf(4).x, at.x + 300);
    expectWindowMatchesFreshPaint();
}

TEST_F(PlayTest, NeighbourJoinsWithinMinusTenToNine)
{
    struct Case {
        int errorX;
        int errorY;
        bool joins;
    };
    const Case cases[] = {{-10, 0, true}, {9, 0, true},  {0, -10, true}, {0, 9, true},
                          {-10, 9, true}, {10, 0, false}, {-11, 0, false}, {0, 10, false},
                          {0, -11, false}};
    for (const Case& c : cases) {
        setUpBoard();
        // Piece 1 stays at (700, 400); piece 0 belongs one cell step to its left.
        placePiece(1, 700, 400);
        placePiece(0, 700 - 60 + c.errorX, 400 + c.errorY);
        repaint();
        headless::clearEvents();
        clickTwice(0);
        EXPECT_EQ(joined(0, 1), c.joins) << c.errorX << "," << c.errorY;
        EXPECT_EQ(joined(1, 0), c.joins);
        EXPECT_EQ(eventsStartingWith("sound 115").size(), c.joins ? 1u : 0u);
        EXPECT_EQ(pieceRect(1, 0).left, 700) << "the stationary piece does not move";
        EXPECT_EQ(pieceRect(1, 0).top, 400);
        if (c.joins) {
            EXPECT_EQ(pieceRect(0, 0).left, 640);
            EXPECT_EQ(pieceRect(0, 0).top, 400);
            expectWindowMatchesFreshPaint();
        }
    }
}

TEST_F(PlayTest, RotationMismatchNeverJoinsUntilTurnedAlike)
{
    placePiece(1, 700, 400);
    placePiece(0, 640, 400);
    setPieceRotation(4, 1);
    repaint();
    clickTwice(0);
    EXPECT_FALSE(joined(0, 1));

    // A turn about the box centre keeps the box where it is and makes it unturned.
    rightPress(750, 450);
    rightRelease(750, 450);
    EXPECT_EQ(getPieceRotation(1), 1);
    EXPECT_EQ(pieceRect(1, 0).left, 700);
    EXPECT_EQ(pieceRect(1, 0).top, 400);
    clickTwice(0);
    EXPECT_TRUE(joined(0, 1));
}

TEST_F(PlayTest, NoDiagonalJoins)
{
    placePiece(4, 700, 400);  // (1, 1)
    placePiece(0, 640, 340);  // (0, 0) exactly where it belongs diagonally
    repaint();
    clickTwice(0);
    EXPECT_FALSE(joined(0, 4));
}

TEST_F(PlayTest, TwoNeighboursJoinInOneDropEachWithItsSound)
{
    placePiece(1, 700, 400);  // (1, 0), above piece 4's place
    placePiece(3, 640, 460);  // (0, 1), left of piece 4's place
    placePiece(4, 702, 457);  // (1, 1), carried: 2 right and 3 up of (700, 460)
    repaint();
    headless::clearEvents();
    clickTwice(4);
    EXPECT_TRUE(joined(4, 1));
    EXPECT_TRUE(joined(4, 3));
    EXPECT_TRUE(joined(3, 1));
    EXPECT_EQ(eventsStartingWith("sound 115").size(), 2u);
    EXPECT_EQ(pieceRect(1, 1).left, 700);
    EXPECT_EQ(pieceRect(1, 1).top, 460);
    EXPECT_EQ(pieceRect(0, 1).left, 640);
    EXPECT_EQ(pieceRect(1, 0).top, 400);
    expectWindowMatchesFreshPaint();

    // The joined group is carried and turned as one.
    const Point at = centreOf(4);
    leftPress(at.x, at.y);
    mouseMove(at.x + 200, at.y + 100);
    EXPECT_EQ(pieceRect(0, 1).left, 840);
    EXPECT_EQ(pieceRect(1, 0).top, 500);
    expectWindowMatchesFreshPaint();
    leftRelease(at.x + 200, at.y + 100);
}

TEST(PlayTurnTest, TurnHappensAboutTheCursor)
{
    setUpBoard({2, 1, 40, 80});  // 200-pixel boxes, cell step 120, outline inset 40
    GroupMatrix both{};
    both[0][0] = both[1][0] = 1;
    std::copy(&both[0][0], &both[0][0] + sizeof both, &groupCells(0)[0][0]);
    std::copy(&both[0][0], &both[0][0] + sizeof both, &groupCells(1)[0][0]);
    placePiece(0, 300, 200);
    placePiece(1, 420, 200);
    repaint();
    headless::clearEvents();

    rightPress(360, 250);  // 60 right of and 50 below piece 0's top-left
    EXPECT_EQ(pieceRect(0, 0).left, 360 - 150);
    EXPECT_EQ(pieceRect(0, 0).top, 250 - 60);
    // The member to the right in the picture ends one cell step below.
    EXPECT_EQ(pieceRect(1, 0).left, 210);
    EXPECT_EQ(pieceRect(1, 0).top, 190 + 120);
    EXPECT_EQ(getPieceRotation(0), 2);
    EXPECT_EQ(getPieceRotation(1), 2);
    EXPECT_EQ(eventsStartingWith("sound"), std::vector<std::string>{"sound 122"});
    expectWindowMatchesFreshPaint();

    // While carrying, with the cursor 30 right of and 50 below the box's top-left, the box
    // ends at (x - 150, y - 30), and the group stays carried.
    leftPress(310, 290);
    mouseMove(320, 300);  // box at (220, 200)
    rightPress(250, 250);
    EXPECT_EQ(getPieceHeld(), 1);
    EXPECT_EQ(pieceRect(0, 0).left, 250 - 150);
    EXPECT_EQ(pieceRect(0, 0).top, 250 - 30);
    EXPECT_EQ(getPieceRotation(1), 3);
    expectWindowMatchesFreshPaint();
    mouseMove(260, 260);  // the grab point is now 150 right of and 30 below the top-left
    EXPECT_EQ(pieceRect(0, 0).left, 110);
    EXPECT_EQ(pieceRect(0, 0).top, 230);
    EXPECT_EQ(pieceRect(1, 0).left, 110 - 120);
    expectWindowMatchesFreshPaint();
    leftPress(260, 260);
    EXPECT_EQ(getPieceHeld(), 0);

    setSoundOn(0);
    headless::clearEvents();
    rightPress(210, 330);  // piece 0's centre
    EXPECT_TRUE(eventsStartingWith("sound").empty());
    EXPECT_EQ(getPieceRotation(0), 4);
}

TEST(PlayCompletionTest, CompletionCongratulatesThenBuildsTheNextPuzzle)
{
    for (const int soundOn : {1, 0}) {
        setUpBoard({2, 1, 20, 40});
        setSoundOn(static_cast<std::uint8_t>(soundOn));
        placePiece(1, 400, 300);
        placePiece(0, 345, 296);
        repaint();
        headless::clearEvents();
        clickTwice(0);

        std::vector<std::string> flow;
        for (const std::string& line : headless::events())
            if (line.rfind("sound", 0) == 0 || line == "dialog 131" || line == "dialog 120")
                flow.push_back(line);
        const std::vector<std::string> withSound = {"sound 115", "sound 136", "dialog 131",
                                                    "sound 146", "dialog 120"};
        const std::vector<std::string> silent = {"dialog 131", "sound 146", "dialog 120"};
        ASSERT_GE(flow.size(), soundOn ? 5u : 3u);
        flow.resize(soundOn ? 5 : 3);
        EXPECT_EQ(flow, soundOn ? withSound : silent);

        // The next embedded puzzle is in play, nothing carried, the pointer free and the
        // arrow back.
        EXPECT_FALSE(eventsStartingWith("confine none").empty());
        EXPECT_EQ(headless::currentCursor(), 104);
        EXPECT_EQ(getPuzzleNumber(), 3);
        EXPECT_EQ(getColumns(), 3);
        EXPECT_EQ(getRows(), 4);
        EXPECT_EQ(getPieceHeld(), 0);
        repaint();
        expectWindowMatchesFreshPaint();
    }
}

TEST_F(PlayTest, OnALargeScreenTheBoardCoversTheWindowAndPiecesGoToItsFarCorner)
{
    headless::setMonitorWorkAreas({{0, 0, 1600, 1200}, {1600, 0, 3000, 1800}});
    setWindowPos(getMainWindow(), 0, 0, 2800, 1700);
    headless::pumpMessages();
    EXPECT_EQ(boardSurface().width, 2800);
    EXPECT_EQ(boardSurface().height, 1700);
    EXPECT_EQ(pixelAt(windowSurface(), 2799, 1699), getBackgroundColor());

    const Point from = centreOf(4);
    leftPress(from.x, from.y);
    for (int step = 1; step <= 10; ++step)
        mouseMove(from.x + (2650 - from.x) * step / 10, from.y + (1550 - from.y) * step / 10);
    leftPress(2650, 1550);
    EXPECT_EQ(getPieceHeld(), 0);
    EXPECT_EQ(pixelAt(windowSurface(), 2650, 1550), syntheticPieceColour(4, 1));
    expectWindowMatchesFreshPaint();
    EXPECT_EQ(pixelAt(boardSurface(), 2650, 1550), syntheticPieceColour(4, 1));
}

TEST_F(PlayTest, TheBoardGrowsKeepingItsContentButNeverPastTheScreensNorBack)
{
    headless::setMonitorWorkAreas({{0, 0, 3000, 1800}});
    fillRect(boardSurface(), 1990, 1190, 2000, 1200, makeColour(1, 2, 3));
    setWindowPos(getMainWindow(), 0, 0, 2400, 1300);
    growBoardToWindow();
    EXPECT_EQ(boardSurface().width, 2400);
    EXPECT_EQ(pixelAt(boardSurface(), 1995, 1195), makeColour(1, 2, 3));
    EXPECT_EQ(pixelAt(boardSurface(), 2300, 1250), getBackgroundColor());
    // A window larger than every screen together: the board stops at the screens' size.
    setWindowPos(getMainWindow(), 0, 0, 6000, 4000);
    growBoardToWindow();
    EXPECT_EQ(boardSurface().width, 3000);
    EXPECT_EQ(boardSurface().height, 1800);
    setWindowPos(getMainWindow(), 0, 0, 800, 600);
    growBoardToWindow();
    EXPECT_EQ(boardSurface().width, 3000);
    // On the usual screens nothing changes: the board keeps its 2000 x 1200.
    setUpBoard();
    setWindowPos(getMainWindow(), 0, 0, 1920, 1080);
    headless::pumpMessages();
    EXPECT_EQ(boardSurface().width, boardWidth);
    EXPECT_EQ(boardSurface().height, boardHeight);
}

// A joined group carried, turned and dropped with its lowest piece far up and left, as a tall
// group of a large puzzle is at the board's top edge: no member may go where a saved game
// cannot hold it (a play file's corners, and so a kept game's, start at -1000).
TEST_F(PlayTest, AGroupNeverReachesWhereNoSavedGameCanFollow)
{
    for (int k = 0; k < getPieceCount(); ++k) {
        for (int m = 0; m < getPieceCount(); ++m)
            groupCells(k)[m % getColumns()][m / getColumns()] = 1;
        setPieceRotation(1, k);
    }
    const int last = getPieceCount() - 1;
    placeGroup(600, 500, last);
    const Point grab = centreOf(last);
    leftPress(grab.x, grab.y);
    const auto inRange = [] {
        for (int k = 0; k < getPieceCount(); ++k)
            if (pieceRect(k % getColumns(), k / getColumns()).left < -1000 ||
                pieceRect(k % getColumns(), k / getColumns()).top < -1000)
                return false;
        return true;
    };
    const Point far[] = {{-3000, 40}, {40, -3000}, {-2500, -2500}};
    for (const Point at : far) {
        mouseMove(at.x, at.y);
        EXPECT_TRUE(inRange()) << "carried to " << at.x << "," << at.y;
        rightPress(at.x, at.y);
        EXPECT_TRUE(inRange()) << "turned at " << at.x << "," << at.y;
    }
    leftPress(-2500, -2500);
    EXPECT_EQ(getPieceHeld(), 0);
    EXPECT_TRUE(inRange());
}
