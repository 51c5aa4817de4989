// The library: every puzzle kept with its game, switched between without losing one, and
// brought back when the program starts again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "app/lifecycle.h"
#include "app/view_control.h"
#include "library/library_folder.h"
#include "library/library_store.h"
#include "library/listing.h"
#include "library/old_kept_game.h"
#include "library/switching.h"
#include "maker/make.h"
#include "platform/headless/headless.h"
#include "platform/input.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/surface.h"
#include "platform/system.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "savegame/writer.h"
#include "settings/settings.h"
#include "support/program_fixture.h"
#include "view/view.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr int puzzlesDialogId = 142;
constexpr int gridId = 1401;
constexpr int removeButtonId = 1403;

class Library : public ProgramTest {
protected:
    // Ends the program with Escape as a player does.
    void escape()
    {
        headless::setKeyDown(VK_ESCAPE, true);
        keyboardPoll();
        EXPECT_FALSE(headless::pumpMessages());
        shutDown();
        headless::setKeyDown(VK_ESCAPE, false);
    }
    // A new run of the program in the same folder, the player's answers to its questions
    // scripted.
    void startAgain(bool keepEvents = false, std::vector<bool> answers = {})
    {
        headless::reset();
        resetGameState();
        headless::setModulePath((folder / "velmora").string());
        headless::scriptYesNo(std::move(answers));
        startProgram(keepEvents);
    }
    // A puzzle made from a picture of stripes, as Ctrl+N makes one.
    static Bytes madePuzzle(const char* title, int columns, std::uint32_t seed)
    {
        RgbImage picture{400, 300, Bytes(400 * 300 * 3)};
        for (std::size_t i = 0; i < picture.rgb.size(); ++i)
            picture.rgb[i] = static_cast<std::uint8_t>(i * seed / 7);
        return makePuzzleResource(picture, PuzzleGeometry{columns, 3, 40, 80}, title, seed);
    }
    static void movePiece(int k, int x, int y)
    {
        pieceRect(k % getColumns(), k / getColumns()) = {x, y, x + getPieceSize(), y + getPieceSize()};
        setPieceRotation(k % 4 + 1, k);
    }
    // The index in the Puzzles window of the puzzle whose caption starts with `title`.
    static int listed(const std::string& title)
    {
        const auto captions = headless::thumbnailGridCaptions(puzzlesDialogId, gridId);
        const auto found = std::find_if(captions.begin(), captions.end(), [&](const std::string& c) {
            return c.starts_with(title + "\n");
        });
        return found == captions.end() ? -1 : static_cast<int>(found - captions.begin());
    }
    // Opens the Puzzles window (once to list, once to act) and answers it with `answer`.
    void inPuzzlesWindow(const std::string& title, int (*answer)(int, int),
                         std::vector<int> more = {})
    {
        headless::scriptDialog(puzzlesDialogId, {2});
        command(puzzlesCommandId);
        const int index = listed(title);
        ASSERT_GE(index, 0) << title;
        more.insert(more.begin(), answer(gridId, index));
        headless::scriptDialog(puzzlesDialogId, more);
        command(puzzlesCommandId);
    }
    static int messageBoxes(const char* kind = "messagebox")
    {
        return static_cast<int>(std::count_if(headless::events().begin(), headless::events().end(),
                                              [kind](const std::string& event) {
                                                  return event.starts_with(kind);
                                              }));
    }
    // Cuts one of the entry's files short.
    static void damage(const std::string& entry, const char* file)
    {
        fs::resize_file(pathFromUtf8(entryFolder(entry) + "/" + file), 40);
    }
};

TEST_F(Library, TwoMadePuzzlesKeepTheirGamesThroughTheWindowCtrlNAndARestart)
{
    startProgram();
    movePiece(0, 500, 300);
    const Bytes series = playFileBytes();
    ASSERT_TRUE(playMadePuzzle(madePuzzle("Alpha", 3, 3)));
    movePiece(1, 640, 200);
    const Bytes alpha = playFileBytes();
    ASSERT_TRUE(playMadePuzzle(madePuzzle("Beta", 4, 5)));
    movePiece(2, 720, 410);
    const Bytes beta = playFileBytes();

    inPuzzlesWindow("Alpha", headless::activateGridItem);
    EXPECT_EQ(playFileBytes(), alpha);
    inPuzzlesWindow("Beta", headless::selectGridItem, {1});
    EXPECT_EQ(playFileBytes(), beta);
    escape();
    startAgain();
    EXPECT_EQ(playFileBytes(), beta);
    EXPECT_EQ(getMadePuzzle(), 1);
    continueEntry(seriesEntryName(2));
    EXPECT_EQ(playFileBytes(), series);

    // Removing asks first; No keeps the puzzle, Yes removes it with its game.
    headless::scriptYesNo({false, true});
    inPuzzlesWindow("Alpha", headless::selectGridItem, {removeButtonId, removeButtonId, 2});
    EXPECT_EQ(listed("Alpha"), -1);
    EXPECT_GE(listed("Beta"), 0);
    const auto names = entryNames();
    EXPECT_EQ(std::count_if(names.begin(), names.end(),
                            [](const std::string& name) { return name.starts_with("made-"); }),
              1);
}

TEST_F(Library, ThePuzzlesWindowKeepsItsSizeInTheSettings)
{
    startProgram();
    const auto keptSize = [] {
        return std::pair{readSettingsInteger("plwidth", 0), readSettingsInteger("plheight", 0)};
    };
    // At first a size for the screen (1920 x 1080 here); then the one the player left.
    headless::scriptDialog(puzzlesDialogId, {2});
    command(puzzlesCommandId);
    EXPECT_EQ(keptSize(), std::pair(672, 756));
    writeSettingsIntegers({{"plwidth", 900}, {"plheight", 650}});
    for (int opening = 0; opening < 2; ++opening) {
        headless::scriptDialog(puzzlesDialogId, {2});
        command(puzzlesCommandId);
        EXPECT_EQ(keptSize(), std::pair(900, 650)) << opening;
    }
}

TEST_F(Library, DeleteIsOfferedOnlyForAMadePuzzleNotInPlay)
{
    startProgram();
    ASSERT_TRUE(playMadePuzzle(madePuzzle("Alpha", 3, 3)));
    ASSERT_TRUE(playMadePuzzle(madePuzzle("Beta", 4, 5)));
    // The window opens on the puzzle in play, which cannot be removed.
    headless::scriptDialog(puzzlesDialogId, {2});
    command(puzzlesCommandId);
    const int beta = listed("Beta");
    EXPECT_EQ(headless::thumbnailGridSelected(puzzlesDialogId, gridId), beta);
    EXPECT_FALSE(headless::dlgItemEnabled(puzzlesDialogId, removeButtonId));
    // The button follows the selection: a series puzzle, the other made one, the one in play.
    const struct {
        int index;
        bool removable;
    } selections[] = {{0, false}, {listed("Alpha"), true}, {beta, false}};
    for (const auto& selection : selections) {
        headless::scriptDialog(puzzlesDialogId,
                               {headless::selectGridItem(gridId, selection.index), 2});
        command(puzzlesCommandId);
        EXPECT_EQ(headless::dlgItemEnabled(puzzlesDialogId, removeButtonId), selection.removable)
            << selection.index;
    }
    // Delete and the button do nothing for the puzzle in play: no question, no box.
    const int told = messageBoxes();
    headless::scriptYesNo({true});
    inPuzzlesWindow("Beta", headless::selectGridItem,
                    {headless::pressDeleteInGrid(gridId), removeButtonId, 2});
    EXPECT_EQ(messageBoxes(), told);
    EXPECT_GE(listed("Beta"), 0);
    EXPECT_GE(listed("Alpha"), 0);
}

TEST_F(Library, EveryWayOfEndingKeepsTheGame)
{
    for (int way = 0; way < 4; ++way) {
        startAgain();
        movePiece(3, 100 + way, 120);
        const Bytes atEnd = playFileBytes();
        if (way == 0)
            headless::clickCloseBox(getMainWindow());
        else if (way == 1)
            command(exitCommandId);
        if (way == 2)
            headless::loseDisplay();
        else if (way == 3)
            escape();
        else {
            EXPECT_FALSE(headless::pumpMessages());
            shutDown();
        }
        startAgain();
        EXPECT_EQ(playFileBytes(), atEnd) << "way " << way;
    }
}

TEST_F(Library, TheViewAndThePreviewComeBackWithTheirPuzzle)
{
    startProgram();
    command(zoomOutCommandId);
    command(firstLevelCommandId + 3);  // 75 %
    sendMessage(getMainWindow(), WM_HSCROLL, makeScrollParam(SB_THUMBTRACK, 123), 0);
    command(previewCommandId);
    const KeptView kept = keptView();
    ASSERT_EQ(kept.percent, 75);
    escape();
    startAgain();
    EXPECT_EQ(keptView().percent, kept.percent);
    EXPECT_EQ(keptView().scroll.x, kept.scroll.x);
    EXPECT_EQ(getPreviewShown(), 1);
}

TEST_F(Library, FinishingRecordsTheTimeAndTheNextPuzzleContinuesItsKeptGame)
{
    startProgram();
    continueEntry(seriesEntryName(3));
    movePiece(4, 333, 222);
    const Bytes third = playFileBytes();
    continueEntry(seriesEntryName(2));
    headless::setTickCount(95'000);
    for (int k = 0; k < getPieceCount(); ++k)
        for (int c = 0; c < getColumns(); ++c)
            for (int r = 0; r < getRows(); ++r)
                groupCells(k)[c][r] = 1;
    noteFinishedPuzzle();
    EXPECT_FALSE(entryFileExists(seriesEntryName(2), gameFileName));
    const auto info = readEntryInfo(seriesEntryName(2));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->timesFinished, 1);
    EXPECT_EQ(info->bestSeconds, 95);
    setPuzzleNumber(3);
    goOnWithSeries();
    EXPECT_EQ(playFileBytes(), third);
}

// A made puzzle and an opened play file leave the series where it was: once finished, the series
// puzzle last in play comes back with its kept game; a finished series puzzle is followed by the
// next one.
TEST_F(Library, AfterAMadeOrOpenedPuzzleTheSeriesPuzzleLastInPlayComesBack)
{
    enum class Finished { made, opened, series };
    for (const Finished finished : {Finished::made, Finished::opened, Finished::series}) {
        startAgain();
        continueEntry(seriesEntryName(3));
        const Bytes third = playFileBytes();
        const Bytes playFile = playFileBytes();
        continueEntry(seriesEntryName(2));
        movePiece(4, 333, 222);
        const Bytes second = playFileBytes();
        if (finished == Finished::made) {
            ASSERT_TRUE(playMadePuzzle(madePuzzle("Zeta", 3, 5)));
        } else if (finished == Finished::opened) {
            ASSERT_TRUE(playOpenedFile(playFile));
        }
        // Every piece unturned at its place, each on its own: one drop finishes the puzzle.
        for (int k = 0; k < getPieceCount(); ++k) {
            const int c = k % getColumns();
            const int r = k / getColumns();
            movePiece(k, 300 + c * getCellStep(), 50 + r * getCellStep());
            setPieceRotation(1, k);
        }
        const PieceRect& box = pieceRect(0, 0);
        const std::intptr_t at = makePointParam(box.left + getPieceSize() / 2,
                                                box.top + getPieceSize() / 2);
        sendMessage(getMainWindow(), WM_LBUTTONDOWN, 0, at);
        sendMessage(getMainWindow(), WM_LBUTTONDOWN, 0, at);
        headless::pumpMessages();
        const int name = static_cast<int>(finished);
        EXPECT_EQ(getPuzzleNumber(), finished == Finished::series ? 3 : 2) << name;
        EXPECT_TRUE(playFileBytes() == (finished == Finished::series ? third : second)) << name;
    }
}

// An older version kept its game as a play file beside two small files: a puzzle of the
// series is taken in as that puzzle, any other as a play file of its own; both once.
TEST_F(Library, TheOldKeptGameIsTakenInOnce)
{
    for (const bool made : {false, true}) {
        startAgain();
        continueEntry(seriesEntryName(4));
        if (made)
            playMadePuzzle(madePuzzle("Old", 3, 9));
        movePiece(1, 410, 170);
        const Bytes old = playFileBytes();
        fs::remove_all(pathFromUtf8(libraryFolder()));
        std::ofstream(pathFromUtf8(oldKeptGamePath()), std::ios::binary)
            .write(reinterpret_cast<const char*>(old.data()), static_cast<std::streamsize>(old.size()));
        std::ofstream(pathFromUtf8(userDataFolder() + "/autosave.series"))
            << "puzzle 4 made " << made << "\n";
        startAgain();
        EXPECT_EQ(playFileBytes(), old) << made;
        EXPECT_EQ(getPuzzleNumber(), 4);
        EXPECT_EQ(getMadePuzzle(), made ? 1 : 0);
        EXPECT_EQ(entryInPlay().starts_with("series-4"), !made);
        EXPECT_FALSE(fs::exists(pathFromUtf8(oldKeptGamePath())));
        startAgain();
        EXPECT_EQ(playFileBytes(), old) << made;
    }
}

// Switching keeps the game being left, whatever the kinds of the two puzzles: each comes back
// exactly as it was left.
TEST_F(Library, SwitchingAndBackBringsTheGameLeftBackExactly)
{
    startProgram();
    ASSERT_TRUE(playMadePuzzle(madePuzzle("Theta", 3, 11)));
    const std::string made = entryInPlay();
    const std::pair<std::string, std::string> switches[] = {
        {seriesEntryName(2), made}, {made, seriesEntryName(3)}, {seriesEntryName(3), seriesEntryName(2)}};
    int moves = 0;
    for (const auto& [left, next] : switches) {
        SCOPED_TRACE(left + " to " + next);
        ASSERT_TRUE(continueEntry(left));
        movePiece(1, 200 + 10 * moves, 300);
        const Bytes atLeaving = playFileBytes();
        ASSERT_TRUE(continueEntry(next));
        movePiece(2, 400, 150 + 10 * ++moves);
        ASSERT_TRUE(continueEntry(left));
        EXPECT_EQ(playFileBytes(), atLeaving);
    }
}

// The series first in its order, then the puzzles made or opened, the one played last first.
TEST_F(Library, ThePuzzlesListPutsTheLastPlayedMadePuzzleFirstAfterTheSeries)
{
    struct Kept {
        EntryKind kind;
        const char* title;
        std::int64_t lastPlayed;
    };
    const Kept kept[] = {{EntryKind::made, "Old", 100},
                         {EntryKind::made, "Newest", 300},
                         {EntryKind::file, "Opened", 250},
                         {EntryKind::made, "Middle", 200}};
    for (const Kept& entry : kept) {
        EntryInfo info{entry.kind};
        info.title = entry.title;
        info.pieces = 12;
        info.lastPlayed = entry.lastPlayed;
        const Bytes source(entry.title, entry.title + std::strlen(entry.title));
        ASSERT_TRUE(writeEntryFile(sourceEntryName(entry.kind, source), infoFileName,
                                   entryInfoText(info)));
    }
    std::vector<std::string> listed;
    for (const ListedEntry& entry : listEntries())
        listed.push_back(entry.info.kind == EntryKind::series
                             ? seriesEntryName(entry.info.seriesNumber)
                             : entry.info.title);
    const std::vector<std::string> expected = {
        seriesEntryName(2), seriesEntryName(3), seriesEntryName(4), seriesEntryName(5),
        seriesEntryName(6), seriesEntryName(7), seriesEntryName(8),
        "Newest", "Opened", "Middle", "Old"};
    EXPECT_EQ(listed, expected);
}

// A made puzzle whose kept puzzle file is damaged is named, and the player may remove it; the
// game in play stays either way.
TEST_F(Library, ADamagedPuzzleIsNamedAndRemovedOnlyWhenThePlayerSaysYes)
{
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        startAgain();
        ASSERT_TRUE(playMadePuzzle(madePuzzle("Zeta", 3, 7)));
        const std::string made = entryInPlay();
        ASSERT_TRUE(continueEntry(seriesEntryName(4)));
        movePiece(1, 250, 260);
        const Bytes inPlay = playFileBytes();
        damage(made, sourceFileName(EntryKind::made));
        headless::clearEvents();
        headless::scriptYesNo({yes});
        EXPECT_FALSE(continueEntry(made));
        EXPECT_EQ(messageBoxes("messagebox"), 0);
        ASSERT_EQ(messageBoxes("question"), 1);
        EXPECT_NE(headless::events().back().find("「Zeta」"), std::string::npos);
        EXPECT_EQ(playFileBytes(), inPlay);
        EXPECT_EQ(entryInPlay(), seriesEntryName(4));
        EXPECT_EQ(fs::exists(pathFromUtf8(entryFolder(made))), !yes);
    }
}

// What start-up has to tell appears over the board already painted, never over an empty
// window: a damaged kept game, a damaged puzzle last in play, a library that cannot be written.
TEST_F(Library, StartUpMessagesAppearOverThePaintedBoard)
{
    struct Case {
        const char* fault;
        void (*make)(const std::string& made);
        const char* kind;
    };
    const Case cases[] = {
        {"game", [](const std::string& made) { damage(made, gameFileName); }, "messagebox"},
        {"puzzle",
         [](const std::string& made) { damage(made, sourceFileName(EntryKind::made)); },
         "question"},
        {"library",
         [](const std::string&) {
             fs::remove_all(pathFromUtf8(libraryFolder()));
             std::ofstream(pathFromUtf8(libraryFolder())) << "not a folder";
         },
         "messagebox"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.fault);
        fs::remove_all(folder);
        fs::create_directories(folder);
        startAgain();
        ASSERT_TRUE(playMadePuzzle(madePuzzle("Iota", 4, 13)));
        movePiece(2, 500, 420);
        const std::string made = entryInPlay();
        escape();
        test.make(made);
        startAgain(true);
        EXPECT_EQ(messageBoxes("messagebox") + messageBoxes("question"), 1);
        EXPECT_EQ(messageBoxes(test.kind), 1);
        const Surface& underBox = headless::mainWindowUnderLastBox();
        EXPECT_EQ(underBox.pixels, clientSurface(getMainWindow()).pixels);
        EXPECT_GT(std::set<Colour>(underBox.pixels.begin(), underBox.pixels.end()).size(), 2u);
    }
}

TEST_F(Library, ADamagedGameIsToldOnceAndItsPuzzleStartsAfresh)
{
    startProgram();
    movePiece(0, 600, 400);
    escape();
    damage(seriesEntryName(2), gameFileName);
    startAgain(true);
    EXPECT_EQ(messageBoxes(), 1);
    EXPECT_NE(pieceRect(0, 0).left, 600);
    escape();
    startAgain(true);
    EXPECT_EQ(messageBoxes(), 0);
}

TEST_F(Library, ADamagedInfoLosesNeitherThePuzzleNorItsGame)
{
    startProgram();
    ASSERT_TRUE(playMadePuzzle(madePuzzle("Delta", 3, 6)));
    movePiece(2, 480, 260);
    const Bytes atEnd = playFileBytes();
    escape();
    std::ofstream(pathFromUtf8(entryFolder(entryInPlay()) + "/" + infoFileName)) << "velmora";
    startAgain();
    EXPECT_EQ(playFileBytes(), atEnd);
    EXPECT_EQ(readEntryInfo(entryInPlay())->title, "Delta");
}

// A second copy of the program shares the library: it may remove the puzzle this one plays.
TEST_F(Library, APuzzleInPlayRemovedByAnotherProgramIsKeptAgain)
{
    startProgram();
    ASSERT_TRUE(playMadePuzzle(madePuzzle("Epsilon", 4, 8)));
    movePiece(5, 300, 330);
    const Bytes atEnd = playFileBytes();
    fs::remove_all(pathFromUtf8(entryFolder(entryInPlay())));
    escape();
    startAgain();
    EXPECT_EQ(playFileBytes(), atEnd);
}

// Keeping writes and syncs files: start-up keeps the game it put in play on a timer, after the
// first frame, and only once.
TEST_F(Library, StartUpKeepsTheGameInPlayOnItsTimerNotBefore)
{
    startProgram(false, false);
    EXPECT_FALSE(readCurrentPuzzle().has_value());
    const std::optional<int> keepAfter =
        headless::timerInterval(getMainWindow(), startUpKeepTimerId);
    ASSERT_TRUE(keepAfter.has_value());
    headless::setTickCount(tickCount() + static_cast<std::uint32_t>(*keepAfter));
    headless::pumpMessages();
    const std::optional<CurrentPuzzle> current = readCurrentPuzzle();
    ASSERT_TRUE(current.has_value());
    EXPECT_EQ(current->entry, entryInPlay());
    EXPECT_FALSE(headless::timerInterval(getMainWindow(), startUpKeepTimerId).has_value());
}

TEST_F(Library, AnUnwritableLibraryIsToldOnceAndTheGameGoesOn)
{
    fs::create_directories(pathFromUtf8(userDataFolder()));
    std::ofstream(pathFromUtf8(libraryFolder())) << "not a folder";
    startAgain(true);
    ASSERT_TRUE(playMadePuzzle(madePuzzle("Gamma", 3, 4)));
    continueEntry(seriesEntryName(5));
    escape();
    EXPECT_EQ(messageBoxes(), 1);
    EXPECT_EQ(getPuzzleNumber(), 5);
}

}  // namespace
