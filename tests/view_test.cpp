// The view: board <-> window conversions at every level, picking and snapping through the
// window at every level, scaled pieces by exact area averages, seamless groups, pixel pins.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "app/view_control.h"
#include "board/carrying.h"
#include "board/joining.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "settings/settings.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "puzzle/board_extent.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "tests/support/synthetic_puzzle.h"
#include "view/scaled_tiles.h"
#include "view/view.h"

using namespace testing_support;

namespace {

constexpr int levelsToTry[] = {0, 25, 33, 50, 75, 100, 150, 200};

class ViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        setUpBoard();
        followNewLayout();
    }

    void send(unsigned message, Point window)
    {
        sendMessage(getMainWindow(), message, 0, makePointParam(window.x, window.y));
    }
};

TEST_F(ViewTest, BoardAndWindowPointsMatchAtEveryLevelAndScroll)
{
    for (const int level : levelsToTry)
        for (const Point scroll : {Point{0, 0}, Point{37, 91}, Point{5000, 5000}}) {
            zoomViewTo(level, {0, 0});
            scrollViewTo(scroll.x, scroll.y);
            const ViewScale scale = viewScale();
            SCOPED_TRACE(testing::Message() << "level " << level << " scroll " << scroll.x);
            EXPECT_EQ(boardToWindow({0, 0}).x, -viewScroll().x);
            for (int b = -25; b < 400; b += 7) {
                const Point w = boardToWindow({b, b});
                // The window pixel holding a board pixel has its centre within a window pixel
                // of it.
                EXPECT_LE(windowToBoard({w.x - 1, w.y - 1}).x, b);
                EXPECT_GE(windowToBoard({w.x + 1, w.y + 1}).y, b);
                if (scale.windowStep % scale.boardStep == 0) {
                    EXPECT_EQ(windowToBoard(w).x, b);
                }
                // The board pixel under a window pixel's centre lies in that window pixel or,
                // split between two, starts in the one before.
                const int back = boardToWindow(windowToBoard({b, b})).x;
                EXPECT_TRUE(back == b || back == b - 1) << back << " for " << b;
            }
        }
}

TEST_F(ViewTest, ClicksPickTheirPieceAtEveryLevelAndSnapWithinTheJoinTolerance)
{
    for (const int level : levelsToTry) {
        SetUp();
        zoomViewTo(level, {0, 0});
        scrollViewTo(7, 3);
        SCOPED_TRACE(testing::Message() << "level " << level);
        // A click on a piece's middle picks that piece; one between boxes picks nothing.
        const PieceRect box = pieceRect(1, 0);
        const int half = getPieceSize() / 2;
        send(WM_LBUTTONDOWN, boardToWindow({box.left + half, box.top + half}));
        ASSERT_EQ(getPieceHeld(), 1);
        EXPECT_EQ(heldPiece(), 1);
        send(WM_LBUTTONDOWN, boardToWindow({box.left + half, box.top + half}));
        ASSERT_EQ(getPieceHeld(), 0);
        send(WM_LBUTTONDOWN, boardToWindow({box.left - 4, box.top + half}));
        EXPECT_EQ(getPieceHeld(), 0);

        // Piece 1 carried to where it belongs right of piece 0, `offset` board pixels too far
        // right (as near as the window's pixels allow): the join is decided in board pixels.
        const int tolerance = joinTolerance();
        for (const int offset : {9, 13}) {
            SetUp();
            zoomViewTo(level, {0, 0});
            scrollViewTo(7, 3);
            const PieceRect anchor = pieceRect(0, 0);
            send(WM_LBUTTONDOWN, boardToWindow({pieceRect(1, 0).left + half,
                                                pieceRect(1, 0).top + half}));
            ASSERT_EQ(getPieceHeld(), 1);
            const Point drop = boardToWindow({anchor.left + getCellStep() + offset +
                                                  getGrabOffsetX(),
                                              anchor.top + getGrabOffsetY()});
            send(WM_MOUSEMOVE, drop);
            const int dx = pieceRect(1, 0).left - (anchor.left + getCellStep());
            const int dy = pieceRect(1, 0).top - anchor.top;
            send(WM_LBUTTONDOWN, drop);
            ASSERT_GT(dx, offset - 4);
            ASSERT_LT(dx, offset + 3);
            const bool joined = groupCells(0)[1][0] == 1;
            EXPECT_EQ(joined, dx >= -tolerance && dx < tolerance && dy >= -tolerance &&
                                  dy < tolerance)
                << "offset " << dx << "," << dy;
        }
    }
}

// Exact area averages of a piece, worked out pixel by pixel with fractions.
TEST(ScaledPieceTest, EveryPixelIsTheAreaAverageOfThePiecesOwnPixels)
{
    std::mt19937 random(7);
    const int size = 30;
    Surface mask, picture, scaledMask, scaledPicture;
    resizeSurface(mask, size, size, 0);
    resizeSurface(picture, size, size, 0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool inside = (x - 15) * (x - 15) + (y - 14) * (y - 14) < 120 || random() % 5 == 0;
            mask.pixels[y * size + x] = inside ? 0xFFFFFFu : 0;
            picture.pixels[y * size + x] = inside ? random() & 0xFFFFFFu : 0xFFFFFFu;
        }
    for (const ViewScale scale : {ViewScale{1, 4}, ViewScale{1, 3}, ViewScale{2, 3},
                                  ViewScale{3, 2}, ViewScale{2, 1}, ViewScale{7, 10}}) {
        scalePiece(mask, picture, size, scale, scaledMask, scaledPicture);
        const double ratio = static_cast<double>(scale.windowStep) / scale.boardStep;
        const int side = static_cast<int>(std::ceil(size * ratio - 1e-9));
        ASSERT_EQ(scaledMask.width, side);
        for (int j = 0; j < side; ++j)
            for (int i = 0; i < side; ++i) {
                double area = 0, channel[3] = {0, 0, 0};
                for (int y = 0; y < size; ++y)
                    for (int x = 0; x < size; ++x) {
                        const double across = std::max(0.0, std::min((x + 1) * ratio, i + 1.0) -
                                                                std::max(x * ratio, 1.0 * i));
                        const double down = std::max(0.0, std::min((y + 1) * ratio, j + 1.0) -
                                                              std::max(y * ratio, 1.0 * j));
                        if (mask.pixels[y * size + x] == 0 || across * down == 0)
                            continue;
                        area += across * down;
                        for (int c = 0; c < 3; ++c)
                            channel[c] += across * down *
                                          ((picture.pixels[y * size + x] >> (8 * c)) & 0xFF);
                    }
                const std::uint32_t gotMask = scaledMask.pixels[j * side + i];
                const std::uint32_t got = scaledPicture.pixels[j * side + i];
                ASSERT_EQ(gotMask != 0, area > 0) << i << "," << j;
                if (area == 0) {
                    EXPECT_EQ(got, 0xFFFFFFu);
                    continue;
                }
                for (int c = 0; c < 3; ++c)
                    EXPECT_NEAR((got >> (8 * c)) & 0xFF, channel[c] / area, 0.5 + 1e-6)
                        << "scale " << scale.windowStep << "/" << scale.boardStep;
            }
    }
}

// A group joined whole shows no background between its pieces at any level.
TEST_F(ViewTest, JoinedPiecesMeetWithoutGapsAtEveryLevel)
{
    GroupMatrix all{};
    for (int k = 0; k < getPieceCount(); ++k)
        all[k % getColumns()][k / getColumns()] = 1;
    for (int k = 0; k < getPieceCount(); ++k) {
        std::memcpy(groupCells(k), all, sizeof all);
        const Point home{200 + (k % getColumns()) * getCellStep(),
                         150 + (k / getColumns()) * getCellStep()};
        placePiece(k, home.x, home.y);
    }
    for (const int level : levelsToTry) {
        zoomViewTo(level, {0, 0});
        scrollViewTo(3, 0);
        paintBoard();
        const Surface& window = clientSurface(getMainWindow());
        const int inset = getPieceMargin() / 2 + getPieceMargin() / 2;
        const Point from = boardToWindow({200 + inset, 150 + inset});
        const Point to = boardToWindow({200 + getPictureWidth() - inset - 1,
                                        150 + getPictureHeight() - inset - 1});
        for (int y = from.y; y <= to.y; ++y)
            for (int x = from.x; x <= to.x; ++x)
                ASSERT_NE(pixelAt(window, x, y), getBackgroundColor())
                    << "level " << level << " at " << x << "," << y;
    }
}

// Lifting a group rebuilds the board copy under it as a paint without it would draw, also where
// pieces reach past the board's edge into the window's own background.
TEST_F(ViewTest, LiftingAGroupLeavesTheBoardAsAPaintWithoutItAtEveryLevel)
{
    for (const int level : levelsToTry) {
        SetUp();
        const int bottom = boardExtent().height;
        placePiece(0, 400, bottom - 60);
        placePiece(1, 430, bottom - 40);
        placePiece(2, 460, bottom - 80);
        zoomViewTo(level, {0, 0});
        scrollViewTo(0, 1'000'000);
        paintBoard();
        liftGroup(1);
        const Surface lifted = boardSurface();
        setPieceHeld(1);
        setHeldColumn(1);
        setHeldRow(0);
        paintBoard();
        // The board copy holds what the window shows.
        const Surface& window = clientSurface(getMainWindow());
        for (int y = 0; y < window.height; ++y)
            ASSERT_TRUE(std::equal(&lifted.pixels[y * lifted.width],
                                   &lifted.pixels[y * lifted.width + window.width],
                                   &boardSurface().pixels[y * lifted.width]))
                << "level " << level << " row " << y;
    }
}

// 100 % unscrolled draws what the board always drew, and zooming out and back changes nothing.
TEST_F(ViewTest, FullSizeAfterZoomingOutAndBackPaintsTheSamePixels)
{
    placePiece(4, 330, 120);
    paintBoard();
    const std::vector<std::uint32_t> before = clientSurface(getMainWindow()).pixels;
    EXPECT_TRUE(viewIsIdentity());
    runViewCommand(zoomOutCommandId);
    runViewCommand(zoomOutCommandId);
    EXPECT_FALSE(viewAtFullSize());
    runViewCommand(actualSizeCommandId);
    EXPECT_FALSE(viewIsIdentity());
    sendMessage(getMainWindow(), WM_HSCROLL, SB_TOP, 0);
    sendMessage(getMainWindow(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_TRUE(viewIsIdentity());
    EXPECT_TRUE(clientSurface(getMainWindow()).pixels == before);
}

// A kept view comes back where it was, also at the board's far end, where the client area
// the restored view gets is narrowed afterwards by the scroll bars it shows.
TEST_F(ViewTest, AKeptViewComesBackWhereItWasBesideItsScrollBars)
{
    for (const Point target : {Point{1'000'000, 1'000'000}, Point{40, 30}}) {
        zoomViewTo(200, {0, 0});
        // Asked for before the scroll bars show, which narrow the client area and so let the
        // view scroll further.
        scrollViewTo(target.x, target.y);
        prepareViewForPaint();
        const KeptView kept = keptView();
        const Rect client = getClientRect(getMainWindow());
        if (target.x > 1000) {
            EXPECT_EQ(kept.scroll.x, scaledBoardSize().x - client.right) << "short of the end";
        }
        ASSERT_GT(kept.scroll.x, 0);
        // As a new start has it: the untouched view, no scroll bars.
        resetView();
        prepareViewForPaint();
        restoreView(kept);
        prepareViewForPaint();
        EXPECT_EQ(keptView().percent, kept.percent);
        EXPECT_EQ(keptView().scroll.x, kept.scroll.x) << "scrolled to " << target.x;
        EXPECT_EQ(keptView().scroll.y, kept.scroll.y) << "scrolled to " << target.y;
    }
}

// A neighbour joins within 10 board pixels at 100 % and above, and within 10 window pixels
// below: 40 board pixels at 25 %, 23 at 44 % (the whole board in an 880 x 600 window).
TEST(JoinToleranceTest, TenWindowPixelsBelowFullSizeTenBoardPixelsAbove)
{
    struct Case {
        Point client;
        int level;
        int percentShown;
        int tolerance;
    };
    const Case cases[] = {{{480, 300}, 25, 25, 40},
                          {{880, 600}, 0, 44, 23},
                          {{1000, 700}, 100, 100, 10},
                          {{1000, 700}, 200, 200, 10}};
    // A cell step of 100 board pixels makes these levels exact.
    const SyntheticGeometry geometry{3, 4, 60, 40};
    for (const Case& test : cases) {
        for (const int offset : {-test.tolerance - 1, -test.tolerance, test.tolerance - 1,
                                 test.tolerance}) {
            setUpBoard(geometry);
            moveWindow(getMainWindow(), 0, 0, test.client.x, test.client.y, false);
            zoomViewTo(test.level, {0, 0});
            ASSERT_EQ(viewPercent(), test.percentShown);
            // Piece 0 dropped `offset` board pixels right of where it belongs left of piece 1.
            placePiece(1, 700, 500);
            placePiece(0, 700 - getCellStep() + offset, 500);
            joinNeighbours(0);
            const bool joined = groupCells(0)[1][0] == 1;
            EXPECT_EQ(joined, offset >= -test.tolerance && offset < test.tolerance)
                << viewPercent() << " % offset " << offset;
        }
    }
}

// The View menu greys the levels below the one that shows the whole board, and zooming past
// the ends; it checks the level shown, the whole board item too when that is what is shown.
TEST_F(ViewTest, TheViewMenuOffersAndChecksOnlyWhatItShows)
{
    constexpr int whole = wholeBoardCommandId, in = zoomInCommandId, out = zoomOutCommandId;
    constexpr int p25 = firstLevelCommandId, p33 = p25 + 1, p50 = p25 + 2, p75 = p25 + 3;
    constexpr int p100 = actualSizeCommandId, p150 = p25 + 4, p200 = lastLevelCommandId;
    constexpr int items[] = {whole, in, out, p25, p33, p50, p75, p100, p150, p200};
    struct Case {
        Point client;
        int level;
        std::vector<int> checked;
        std::vector<int> greyed;
    };
    // 1000 x 700 shows the whole 2000 x 1200 board at 50 %, 480 x 300 at 23 %.
    const Case cases[] = {{{1000, 700}, 25, {whole, p50}, {p25, p33, out}},
                          {{1000, 700}, 75, {p75}, {p25, p33}},
                          {{1000, 700}, 200, {p200}, {p25, p33, in}},
                          {{480, 300}, 0, {whole}, {out}},
                          {{480, 300}, 25, {p25}, {}}};
    for (const Case& test : cases) {
        moveWindow(getMainWindow(), 0, 0, test.client.x, test.client.y, false);
        zoomViewTo(test.level, {0, 0});
        prepareViewForPaint();
        for (const int item : items) {
            const auto listed = [item](const std::vector<int>& ids) {
                return std::find(ids.begin(), ids.end(), item) != ids.end();
            };
            EXPECT_EQ(headless::menuItemChecked(item), listed(test.checked))
                << "item " << item << " at level " << test.level << " in " << test.client.x;
            EXPECT_EQ(headless::menuItemEnabled(item), !listed(test.greyed))
                << "item " << item << " at level " << test.level << " in " << test.client.x;
        }
    }
}

// Zooming in from 100 % goes to 150 %; Ctrl+wheel steps a level a notch, up and down.
TEST_F(ViewTest, ZoomInAndTheCtrlWheelStepThroughTheLevels)
{
    ASSERT_EQ(viewPercent(), 100);
    runViewCommand(zoomInCommandId);
    EXPECT_EQ(viewPercent(), 150);
    runViewCommand(actualSizeCommandId);
    const auto notch = [](int delta) {
        const std::uintptr_t wParam = MK_CONTROL | (static_cast<std::uintptr_t>(delta) & 0xFFFF)
                                                       << 16;
        sendMessage(getMainWindow(), WM_MOUSEWHEEL, wParam, makePointParam(300, 200));
        return viewPercent();
    };
    EXPECT_EQ(notch(WHEEL_DELTA), 150);
    EXPECT_EQ(notch(WHEEL_DELTA), 200);
    EXPECT_EQ(notch(-WHEEL_DELTA), 150);
}

// Zoomed out in a window larger than the board, the board is centred with a darker margin
// around it (see-through when the board is), and points convert through the same offset.
TEST_F(ViewTest, ABoardSmallerThanTheWindowIsCentredInADarkerMargin)
{
    // The whole 2000 x 1200 board at 25/60 in a 700 x 1000 window: 700 x 420, 290 from the top.
    moveWindow(getMainWindow(), 0, 0, 700, 1000, false);
    zoomViewTo(0, {0, 0});
    EXPECT_EQ(boardInWindow().top, 290);
    EXPECT_EQ(boardInWindow().bottom, 710);
    // In a 1000 x 500 window: 834 x 500, 83 from the left.
    moveWindow(getMainWindow(), 0, 0, 1000, 500, false);
    const Rect board = boardInWindow();
    EXPECT_EQ(board.left, 83);
    EXPECT_EQ(board.top, 0);
    EXPECT_EQ(board.right, 917);
    EXPECT_EQ(boardToWindow({0, 0}).x, 83);
    EXPECT_EQ(windowToBoard({83, 0}).x, 1);
    placePiece(0, 0, 0);
    paintBoard();
    const Surface& window = clientSurface(getMainWindow());
    const Colour margin = makeColour(0, 76, 76);  // three fifths of (0, 128, 128)
    for (const Point at : {Point{0, 0}, Point{82, 250}, Point{917, 250}, Point{999, 499}})
        EXPECT_EQ(pixelAt(window, at.x, at.y), margin) << at.x << "," << at.y;
    EXPECT_EQ(pixelAt(window, 83, 499), getBackgroundColor());
    EXPECT_EQ(pixelAt(window, 916, 250), getBackgroundColor());
    // A click in the margin beside piece 0 picks nothing; one on its middle picks it.
    send(WM_LBUTTONDOWN, {78, 10});
    EXPECT_EQ(getPieceHeld(), 0);
    send(WM_LBUTTONDOWN, boardToWindow({getPieceSize() / 2, getPieceSize() / 2}));
    EXPECT_EQ(getPieceHeld(), 1);
    send(WM_LBUTTONDOWN, boardToWindow({getPieceSize() / 2, getPieceSize() / 2}));

    setTransparentBackground(1);
    paintBoard();
    EXPECT_EQ(pixelAt(window, 0, 0), getBackgroundColor());
    setTransparentBackground(0);
}

}  // namespace
