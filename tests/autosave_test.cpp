// The game in progress kept when the program ends and brought back when it starts again.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/commands.h"
#include "app/lifecycle.h"
#include "app/view_control.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "platform/input.h"
#include "platform/messages.h"
#include "platform/system.h"
#include "puzzle/state.h"
#include "savegame/autosave.h"
#include "savegame/writer.h"
#include "support/program_fixture.h"
#include "view/view.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class KeptGame : public ProgramTest {
protected:
    // Starts the program, lets `play` change the game, and ends it with Escape as a player
    // does; answers the play file of the game as it was at the end.
    template <typename Play>
    Bytes playAndEscape(Play play)
    {
        startProgram();
        play();
        const Bytes atEnd = playFileBytes();
        headless::setKeyDown(VK_ESCAPE, true);
        keyboardPoll();
        EXPECT_FALSE(headless::pumpMessages());
        shutDown();
        headless::setKeyDown(VK_ESCAPE, false);
        return atEnd;
    }
    // A new run of the program in the same folder.
    void startAgain()
    {
        headless::reset();
        resetGameState();
        headless::setModulePath((folder / "velmora").string());
        startProgram();
    }
    static Bytes fileBytes(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(KeptGame, EscapeKeepsTheGameAndTheNextStartBringsItBackAsItWas)
{
    const Bytes atEnd = playAndEscape([] {
        pieceRect(0, 0) = {700, 400, 700 + getPieceSize(), 400 + getPieceSize()};
        setPieceRotation(3, 0);
        setPuzzleNumber(5);
    });
    EXPECT_EQ(fileBytes(autosavePath()), atEnd);
    startAgain();
    // Saved again at once, the game gives the very bytes it was kept as: board, images and
    // their file headers.
    EXPECT_EQ(playFileBytes(), atEnd);
    EXPECT_EQ(getPuzzleNumber(), 5);
    EXPECT_EQ(getMadePuzzle(), 0);
    EXPECT_TRUE(headless::events().empty());
}

TEST_F(KeptGame, AGameOnTheLastPuzzleOfTheSeriesComesBackThere)
{
    playAndEscape([] { setPuzzleNumber(lastSeriesPuzzleNumber); });
    startAgain();
    EXPECT_EQ(getPuzzleNumber(), lastSeriesPuzzleNumber);
}

TEST_F(KeptGame, TheViewComesBackAndADamagedViewGivesTheFirstView)
{
    // Zoomed by the View menu and scrolled by a scroll bar, as a player does.
    playAndEscape([this] {
        command(zoomOutCommandId);
        command(firstLevelCommandId + 3);  // 75 %
        sendMessage(getMainWindow(), WM_HSCROLL, makeScrollParam(SB_THUMBTRACK, 123), 0);
        sendMessage(getMainWindow(), WM_VSCROLL, makeScrollParam(SB_THUMBTRACK, 45), 0);
    });
    const KeptView kept = keptView();
    ASSERT_EQ(kept.percent, 75);
    ASSERT_GT(kept.scroll.x, 0);
    startAgain();
    EXPECT_EQ(keptView().percent, kept.percent);
    EXPECT_EQ(keptView().scroll.x, kept.scroll.x);
    EXPECT_EQ(keptView().scroll.y, kept.scroll.y);

    for (const char* damaged : {"view 50 -3 9\n", "view 50 1 2000000\n", "vue 50 1 1\n", "view"}) {
        std::ofstream(fs::path(autosavePath()).parent_path() / "autosave.view") << damaged;
        startAgain();
        EXPECT_TRUE(viewIsIdentity()) << damaged;
    }
}

TEST_F(KeptGame, ExitAndTheCloseBoxKeepTheGameToo)
{
    for (const bool closeBox : {false, true}) {
        startProgram();
        fs::remove(autosavePath());
        if (closeBox)
            headless::clickCloseBox(getMainWindow());
        else
            command(exitCommandId);
        EXPECT_FALSE(headless::pumpMessages());
        shutDown();
        EXPECT_TRUE(fs::exists(autosavePath())) << "close box " << closeBox;
        headless::reset();
        resetGameState();
        headless::setModulePath((folder / "velmora").string());
    }
}

TEST_F(KeptGame, ALostDisplayKeepsTheGame)
{
    startProgram();
    headless::loseDisplay();
    EXPECT_EQ(fileBytes(autosavePath()), playFileBytes());
}

TEST_F(KeptGame, TheMadePuzzleAndThePreviewComeBack)
{
    playAndEscape([this] {
        setMadePuzzle(1);
        command(previewCommandId);
    });
    startAgain();
    EXPECT_EQ(getMadePuzzle(), 1);
    EXPECT_EQ(getPreviewShown(), 1);
    EXPECT_TRUE(headless::menuItemChecked(previewCommandId));
}

TEST_F(KeptGame, ADamagedKeptGameGivesTheUsualStart)
{
    const Bytes atEnd = playAndEscape([] {});
    Bytes damaged = atEnd;
    damaged[20] = 99;  // an impossible number of columns
    fs::create_directories(userDataFolder());
    std::ofstream(autosavePath(), std::ios::binary)
        .write(reinterpret_cast<const char*>(damaged.data()), 5000);
    startAgain();
    EXPECT_EQ(getPuzzleNumber(), 2);
    EXPECT_EQ(getColumns(), 3);
    EXPECT_EQ(getPreviewShown(), 0);
    for (const std::string& event : headless::events())
        EXPECT_EQ(event.find("messagebox"), std::string::npos) << event;
}

TEST_F(KeptGame, AFinishedPuzzleLeavesNoKeptGame)
{
    playAndEscape([] {});
    ASSERT_TRUE(fs::exists(autosavePath()));
    playAndEscape([] {
        for (int c = 0; c < getColumns(); ++c)
            for (int r = 0; r < getRows(); ++r)
                groupCells(1)[c][r] = 1;
    });
    EXPECT_FALSE(fs::exists(autosavePath()));
}

}  // namespace
