// Faults the soak and the leak check found, each pinned down so it stays fixed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "puzzle/construction.h"
#include "puzzle/piece_tiles.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "settings/settings.h"
#include "support/game_invariants.h"
#include "support/puzzle_fixture.h"
#include "view/scaled_tiles.h"
#include "view/view.h"

namespace {

void send(unsigned message, std::uintptr_t wParam, int x, int y)
{
    sendMessage(getMainWindow(), message, wParam, makePointParam(x, y));
    headless::pumpMessages();
}

// Picks up the topmost piece at its box's centre; answers its home cell.
Point pickUpTopPiece()
{
    const int top = getPieceCount() - 1;
    const Point cell{zOrderColumn(top), zOrderRow(top)};
    const PieceRect box = pieceRect(cell.x, cell.y);
    send(WM_LBUTTONDOWN, 1, box.left + getPieceSize() / 2, box.top + getPieceSize() / 2);
    return cell;
}

class FoundFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        startEmbeddedGame(1800, 1000);
        setBackgroundColor(composeBackgroundColor());
        headless::pumpMessages();
    }
};

// A command that opens a modal window (or starts afresh) while a piece was carried used to keep
// the pointer confined to the board, out of reach of the window's buttons.
TEST_F(FoundFaults, ModalCommandsEndTheCarryBeforeTheirWindowOpens)
{
    const std::vector<std::pair<int, std::string>> commands = {
        {restartCommandId, "modeless 127"}, {colourCommandId, "colour dialog"},
        {saveCommandId, "save dialog"},     {aboutCommandId, "dialog 119"},
        {messageCommandId, "dialog 120"},  {picturePuzzleCommandId, "dialog 141"},
        {openCommandId, "open dialog"}};
    for (const auto& [id, window] : commands) {
        const Point held = pickUpTopPiece();
        const PieceRect box = pieceRect(held.x, held.y);
        send(WM_MOUSEMOVE, 1, box.left + getPieceSize() / 2 + 7, box.top + getPieceSize() / 2);
        ASSERT_EQ(getPieceHeld(), 1) << id;
        headless::clearEvents();
        send(WM_COMMAND, id, 0, 0);
        const std::vector<std::string>& events = headless::events();
        const auto freed = std::find(events.begin(), events.end(), "confine none");
        const auto opened = std::find_if(events.begin(), events.end(),
                                         [&prefix = window](const auto& event) {
                                             return event.rfind(prefix, 0) == 0;
                                         });
        EXPECT_LT(freed, opened) << id;
        EXPECT_NE(opened, events.end()) << id;
        EXPECT_EQ(getPieceHeld(), 0) << id;
        EXPECT_EQ(headless::currentCursor(), 104) << id;
        if (id != restartCommandId) {
            EXPECT_EQ(pieceRect(held.x, held.y).left, box.left + 7) << id;
        }
    }
}

// Reversing the drawing order while carrying put the carried group at the bottom of the order
// although it was put down on top: the board then showed it above pieces that hit tests and
// repaints put above it.
TEST_F(FoundFaults, DropAfterReversingKeepsTheGroupOnTop)
{
    const Point held = pickUpTopPiece();
    ASSERT_EQ(getPieceHeld(), 1);
    send(WM_COMMAND, reverseCommandId, 0, 0);
    // Down over the heap, away from any place where it could join.
    const int x = 500;
    const int y = 340;
    send(WM_MOUSEMOVE, 0, x, y);
    send(WM_LBUTTONDOWN, 1, x, y);
    ASSERT_EQ(getPieceHeld(), 0);

    EXPECT_EQ(zLevel(held.x, held.y), getPieceCount() - 1);
    EXPECT_EQ(describeFaults(puzzleStateFaults()), "");
    const std::vector<std::uint32_t> shown = boardSurface().pixels;
    paintBoard();
    EXPECT_TRUE(boardSurface().pixels == shown) << "the board differs from a fresh paint";
}

// The pieces drawn for one puzzle were kept for the next when both had the same geometry: the
// second puzzle showed the first one's picture, at 100 % and (from the scaled tiles) at the
// other levels.
TEST_F(FoundFaults, ASecondPuzzleOfTheSameGeometryPaintsItsOwnPicture)
{
    const int resource = 162 + getPuzzleNumber();  // the embedded puzzle the number builds
    for (const int level : {100, 50, 0}) {
        SyntheticPuzzle puzzle;
        const auto buildAndPaint = [&] {
            headless::overrideResource("JZT", resource, makePuzzleResource(puzzle));
            buildPuzzle();
            followNewLayout();
            zoomViewTo(level, {0, 0});
            paintBoard();
        };
        buildAndPaint();
        puzzle.picture = [](int x, int y) { return gradientPicture(y, x) ^ 0xFFFFFFu; };
        buildAndPaint();
        ASSERT_EQ(viewAtFullSize(), level == 100);
        const std::vector<std::uint32_t> shown = boardSurface().pixels;
        releasePieceTiles();
        releaseScaledTiles();
        paintBoard();
        EXPECT_TRUE(boardSurface().pixels == shown)
            << "the board differs from a fresh paint at level " << level;
    }
}

}  // namespace
