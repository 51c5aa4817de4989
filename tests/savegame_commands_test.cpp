// The save and open commands on the headless back end: scripted file choices, the remembered
// paths, the messages, the board and clock after an open, and carries ended before the board
// is replaced.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/commands.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "savegame/encodings.h"
#include "savegame/layout.h"
#include "savegame/writer.h"
#include "settings/settings.h"
#include "tests/support/ordinary_user.h"
#include "tests/support/puzzle_fixture.h"

namespace {

namespace fs = std::filesystem;
using testing_support::asOrdinaryUser;
using Bytes = std::vector<std::uint8_t>;

class SaveAndOpen : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::reset();
        resetGameState();
        headless::setTimeOfDay(1700000000);
        startEmbeddedGame();
        folder = fs::temp_directory_path() /
                 ("velmora-commands-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        headless::setModulePath((folder / "velmora").string());
        buildSettingsPath();
        headless::clearEvents();
    }
    void TearDown() override
    {
        resetGameState();
        fs::remove_all(folder);
    }

    void command(int id)
    {
        sendMessage(getMainWindow(), WM_COMMAND, static_cast<std::uintptr_t>(id), 0);
        headless::pumpMessages();
    }
    void mouse(unsigned message, int x, int y)
    {
        sendMessage(getMainWindow(), message, 0,
                    static_cast<std::intptr_t>(static_cast<std::uint32_t>(y) << 16 |
                                               static_cast<std::uint32_t>(x)));
    }
    void save(const fs::path& path)
    {
        headless::scriptFileChoice(path.string());
        command(saveCommandId);
    }
    void open(const fs::path& path)
    {
        headless::scriptFileChoice(path.string());
        command(openCommandId);
    }

    std::vector<std::uint32_t> screen() { return clientSurface(getMainWindow()).pixels; }
    Point centreOf(int k)
    {
        const PieceRect& box = pieceRect(k % getColumns(), k / getColumns());
        return {box.left + getPieceSize() / 2, box.top + getPieceSize() / 2};
    }
    std::vector<std::string> messages()
    {
        std::vector<std::string> found;
        for (const std::string& event : headless::events())
            if (event.rfind("messagebox ", 0) == 0)
                found.push_back(event.substr(11));
        return found;
    }
    std::string setting(const std::string& key)
    {
        return readSettingsString(key.c_str(), "(none)");
    }
    static Bytes fileBytes(const fs::path& path)
    {
        Bytes bytes;
        readWholeFile(path, bytes, playfile::maxFileLength);
        return bytes;
    }

    fs::path folder;
};

TEST_F(SaveAndOpen, TheDialogsAskAsTheGameDefines)
{
    headless::scriptFileChoice(std::nullopt);
    command(saveCommandId);
    std::optional<FileDialogRequest> asked = headless::lastFileDialog();
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->title, "プレイファイルを保存する");
    ASSERT_EQ(asked->filters.size(), 1u);
    EXPECT_EQ(asked->filters[0].name, "Play files(*.jps)");
    EXPECT_EQ(asked->filters[0].pattern, "*.jps");
    EXPECT_EQ(asked->defaultExtension, "jps");
    EXPECT_TRUE(asked->overwritePrompt);
    EXPECT_EQ(asked->fileName, "");

    headless::scriptFileChoice(std::nullopt);
    command(openCommandId);
    asked = headless::lastFileDialog();
    EXPECT_EQ(asked->title, "プレイファイルを開く");
    ASSERT_EQ(asked->filters.size(), 2u);
    EXPECT_EQ(asked->filters[1].name, "All Files(*.*)");
    EXPECT_EQ(asked->filters[1].pattern, "*.*");
    EXPECT_TRUE(asked->fileMustExist);
    EXPECT_EQ(asked->defaultExtension, "jps");
}

TEST_F(SaveAndOpen, SavePlayOnAndOpenBringsTheBoardBack)
{
    // The dialog adds the extension, whatever dots the folders have.
    fs::create_directories(folder / "a.d");
    save(folder / "a.d" / "game");
    const fs::path path = folder / "a.d" / "game.jps";
    ASSERT_TRUE(fs::is_regular_file(path));
    ASSERT_EQ(fs::file_size(path), 8084880u);
    EXPECT_EQ(setting("gspath"), path.string());
    EXPECT_TRUE(messages().empty());
    const std::vector<std::uint32_t> savedScreen = screen();
    const Bytes savedFile = fileBytes(path);

    // Play on: carry the topmost piece elsewhere, then start afresh in another second.
    const Point from = centreOf(zOrderRow(getPieceCount() - 1) * getColumns() +
                                zOrderColumn(getPieceCount() - 1));
    mouse(WM_LBUTTONDOWN, from.x, from.y);
    mouse(WM_MOUSEMOVE, from.x + 300, from.y + 150);
    mouse(WM_LBUTTONUP, from.x + 300, from.y + 150);
    headless::setTimeOfDay(1700000777);
    command(restartCommandId);
    ASSERT_NE(screen(), savedScreen);

    headless::clearEvents();
    open(path);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(setting("gopath"), path.string());
    EXPECT_EQ(getBuildInProgress(), 0);
    EXPECT_EQ(screen(), savedScreen);
    EXPECT_EQ(playFileBytes(), savedFile);
}

TEST_F(SaveAndOpen, PlayTimesOfTwoSavesAMinuteApart)
{
    headless::setTickCount(getStartTick() + 5000);
    save(folder / "first.jps");
    headless::setTickCount(getStartTick() + 65000);
    save(folder / "second.jps");
    const std::uint32_t first = getBigEndian32(&fileBytes(folder / "first.jps")[4032]);
    const std::uint32_t second = getBigEndian32(&fileBytes(folder / "second.jps")[4032]);
    EXPECT_EQ(first, 5u);
    EXPECT_EQ(second - first, 60u);
    // Opened, the clock goes on from the stored time.
    headless::setTickCount(900000);
    open(folder / "first.jps");
    EXPECT_EQ(getElapsedSeconds(), 5);
    EXPECT_EQ(getStartTick(), 900000u);
}

TEST_F(SaveAndOpen, AnOpenLeavesTheClosedPreviewClosed)
{
    save(folder / "game.jps");
    setPreviewShown(0);
    headless::clearEvents();
    open(folder / "game.jps");
    EXPECT_EQ(getPreviewShown(), 0);
    EXPECT_EQ(getPreviewWindow(), nullptr);
}

TEST_F(SaveAndOpen, AnOpenPlacesAShownPreviewForTheOpenedPicture)
{
    setPuzzleNumber(7);  // a landscape puzzle: 560 x 440
    buildPuzzle();
    save(folder / "landscape.jps");
    setPuzzleNumber(2);
    buildPuzzle();
    Window* preview = createMainWindow("preview", 600, 600, 10, 10, 0, 0,
                                       [](Window*, unsigned, std::uintptr_t, std::intptr_t) {
                                           return std::intptr_t{0};
                                       });
    setPreviewWindow(preview);
    setPreviewShown(1);
    writeSettingsIntegers({{"rpleft", 70}});
    open(folder / "landscape.jps");
    const Rect placed = headless::windowRect(preview);
    EXPECT_EQ(placed.left, 70);
    EXPECT_EQ(placed.top, 50);
    EXPECT_EQ(placed.right - placed.left, 560 * 50 / 150);
    EXPECT_EQ(placed.bottom - placed.top, 440 * 50 / 150);
    EXPECT_EQ(getPreviewShown(), 1);
}

TEST_F(SaveAndOpen, AnOpenedPuzzleIsFollowedByThePuzzleBeforeTheOpen)
{
    // Every piece unturned at its place, each on its own: one drop completes the puzzle.
    for (int k = 0; k < getPieceCount(); ++k) {
        const int c = k % getColumns();
        const int r = k / getColumns();
        setPieceRotation(1, k);
        pieceRect(c, r) = {300 + c * getCellStep(), 50 + r * getCellStep(),
                           300 + c * getCellStep() + getPieceSize(),
                           50 + r * getCellStep() + getPieceSize()};
    }
    save(folder / "nearly.jps");
    setPuzzleNumber(5);
    buildPuzzle();
    open(folder / "nearly.jps");
    EXPECT_EQ(getPuzzleNumber(), 5);
    const Point at = centreOf(0);
    mouse(WM_LBUTTONDOWN, at.x, at.y);
    mouse(WM_LBUTTONDOWN, at.x, at.y);
    headless::pumpMessages();
    EXPECT_EQ(getPuzzleNumber(), 5);
    EXPECT_EQ(getPieceHeld(), 0);
    EXPECT_EQ(getElapsedSeconds(), 0);
}

TEST_F(SaveAndOpen, CancelledDialogsChangeNothing)
{
    const Bytes before = playFileBytes();
    const std::vector<std::uint32_t> shown = screen();
    headless::scriptFileChoice(std::nullopt);
    command(saveCommandId);
    headless::scriptFileChoice(std::nullopt);
    command(openCommandId);
    EXPECT_EQ(playFileBytes(), before);
    EXPECT_EQ(screen(), shown);
    EXPECT_EQ(getBuildInProgress(), 0);
    EXPECT_EQ(setting("gspath"), "(none)");
    EXPECT_EQ(setting("gopath"), "(none)");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 0);
    EXPECT_TRUE(messages().empty());
}

TEST_F(SaveAndOpen, ABadFileSaysSoOnceAndTheGameGoesOn)
{
    save(folder / "game.jps");
    Bytes cut = fileBytes(folder / "game.jps");
    cut.resize(20000);  // ends before the rectangles
    std::ofstream(folder / "cut.jps", std::ios::binary)
        .write(reinterpret_cast<const char*>(cut.data()), static_cast<std::streamsize>(cut.size()));
    open(folder / "game.jps");
    headless::setTickCount(getStartTick() + 30000);
    const Bytes before = playFileBytes();
    const std::uint32_t startTick = getStartTick();
    const std::vector<std::uint32_t> shown = screen();
    headless::clearEvents();
    open(folder / "cut.jps");
    EXPECT_EQ(messages(), std::vector<std::string>{"ファイルの読み込みに失敗しました"});
    EXPECT_EQ(playFileBytes(), before);
    EXPECT_EQ(getStartTick(), startTick);
    EXPECT_EQ(getBuildInProgress(), 0);
    EXPECT_EQ(screen(), shown);
    // The refused file is not proposed next time: the one last opened is.
    EXPECT_EQ(setting("gopath"), (folder / "game.jps").string());
    headless::scriptFileChoice(std::nullopt);
    command(openCommandId);
    EXPECT_EQ(headless::lastFileDialog()->fileName, (folder / "game.jps").string());
}

TEST_F(SaveAndOpen, AFileThatCannotBeCreatedIsReportedAndNotRemembered)
{
    save(folder / "game.jps");
    headless::clearEvents();
    std::ofstream(folder / "plain") << "x";
    save(folder / "plain" / "game.jps");
    EXPECT_EQ(messages(), std::vector<std::string>{"出力ファイルが開けません"});
    EXPECT_EQ(setting("gspath"), (folder / "game.jps").string());
    headless::scriptFileChoice(std::nullopt);
    command(saveCommandId);
    EXPECT_EQ(headless::lastFileDialog()->fileName, (folder / "game.jps").string());
}

TEST_F(SaveAndOpen, AFileThatCannotBeOpenedIsReported)
{
    save(folder / "game.jps");
    fs::permissions(folder / "game.jps", fs::perms::none);
    headless::clearEvents();
    EXPECT_TRUE(asOrdinaryUser(folder, [&] {
        open(folder / "game.jps");
        return messages() == std::vector<std::string>{"入力ファイルが開けません"};
    }));
}

TEST_F(SaveAndOpen, LongJapanesePathsAreRememberedWhole)
{
    const fs::path deep = folder / "保存したパズル" / std::string(60, 'x');
    fs::create_directories(deep);
    const fs::path path = deep / "ゲーム.jps";
    save(path);
    ASSERT_TRUE(fs::exists(path));
    headless::scriptFileChoice(std::nullopt);
    command(saveCommandId);
    EXPECT_EQ(headless::lastFileDialog()->fileName, path.string());
    open(path);
    headless::scriptFileChoice(std::nullopt);
    command(openCommandId);
    EXPECT_EQ(headless::lastFileDialog()->fileName, path.string());
    EXPECT_TRUE(messages().empty());
}

TEST_F(SaveAndOpen, ReplacingTheBoardEndsACarryFirst)
{
    save(folder / "game.jps");
    for (int id : {restartCommandId, openCommandId}) {
        const Point at = centreOf(zOrderRow(getPieceCount() - 1) * getColumns() +
                                  zOrderColumn(getPieceCount() - 1));
        mouse(WM_LBUTTONDOWN, at.x, at.y);
        mouse(WM_MOUSEMOVE, at.x + 5, at.y + 5);
        ASSERT_EQ(getPieceHeld(), 1);
        headless::clearEvents();
        if (id == openCommandId)
            headless::scriptFileChoice((folder / "game.jps").string());
        command(id);
        const auto& events = headless::events();
        EXPECT_NE(std::find(events.begin(), events.end(), "confine none"), events.end()) << id;
        EXPECT_EQ(getPieceHeld(), 0) << id;
        EXPECT_EQ(headless::currentCursor(), 104) << id;
        // The next click picks a piece up again rather than dropping a stale group.
        const Point again = centreOf(zOrderRow(getPieceCount() - 1) * getColumns() +
                                     zOrderColumn(getPieceCount() - 1));
        mouse(WM_LBUTTONDOWN, again.x, again.y);
        EXPECT_EQ(getPieceHeld(), 1) << id;
        mouse(WM_LBUTTONDOWN, again.x, again.y);
    }
}

}  // namespace
