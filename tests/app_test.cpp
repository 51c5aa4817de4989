// The program as a whole on the headless back end: start-up, settings, the window
// procedure's commands and messages, and shut-down.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/commands.h"
#include "app/lifecycle.h"
#include "app/window_proc.h"
#include "board/surfaces.h"
#ifndef _WIN32
#include "platform/file_calls.h"
#endif
#include "platform/headless/headless.h"
#include "platform/input.h"
#include "platform/messages.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "library/library_folder.h"
#include "library/library_store.h"
#include "platform/paths.h"
#include "settings/settings.h"
#include "support/program_fixture.h"

namespace {

namespace fs = std::filesystem;

class Program : public ProgramTest {
protected:
    // Runs the whole program; Escape is held down, so it ends on the first idle pass.
    int runToEscape()
    {
        headless::setKeyDown(VK_ESCAPE, true);
        return runGame();
    }
};

const std::vector<std::string> defaultSettings = {
    "[Quorin_Section]", "Red  =0",  "Green=128", "Blue =128", "X1  =0",
    "Y1  =0",           "X2  =1000", "Y2  =700", "Sound  =1", "Toumei  =0"};

TEST_F(Program, FirstRunWritesTheNineKeysWithTheirDefaults)
{
    EXPECT_EQ(runToEscape(), 0);
    EXPECT_EQ(settingsLines(), defaultSettings);
    EXPECT_EQ(getPuzzleNumber(), 2);
    EXPECT_EQ(getColumns(), 3);
    // Shut-down released every image.
    EXPECT_EQ(getPictureDib(), nullptr);
    EXPECT_EQ(getPieceMask(), nullptr);
}

#ifndef _WIN32
// How many times a rename put a file named velmora.ini in place (through the POSIX file code's
// call table; the settings code above it is the same on Windows).
int settingsReplacements = 0;
int countingRename(const char* from, const char* to)
{
    if (std::string_view(to).ends_with("/velmora.ini"))
        ++settingsReplacements;
    return ::rename(from, to);
}

TEST_F(Program, ShutDownReplacesTheSettingsFileOnceKeepingOtherLines)
{
    // Keys of other parts and other sections stay where they are; the nine keys take their
    // places, missing ones after the section's last line.
    const struct {
        const char* before;
        std::vector<std::string> after;
    } cases[] = {
        {"", defaultSettings},
        {"[Other]\r\nRed  =1\r\n\r\n[Quorin_Section]\r\nrpleft=70\r\nGreen=9\r\n"
         "gspath=/tmp/a b.jps\r\n\r\n[Last]\r\n",
         {"[Other]", "Red  =1", "", "[Quorin_Section]", "rpleft=70", "Green=9",
          "gspath=/tmp/a b.jps", "Red  =0", "Blue =128", "X1  =0", "Y1  =0", "X2  =1000",
          "Y2  =700", "Sound  =1", "Toumei  =0", "", "[Last]"}},
    };
    const FileCalls systemCalls = fileCalls();
    for (const auto& example : cases) {
        writeSettings(example.before);
        settingsReplacements = 0;
        fileCalls().rename = countingRename;
        EXPECT_EQ(runToEscape(), 0);
        fileCalls() = systemCalls;
        EXPECT_EQ(settingsReplacements, 1) << example.before;
        EXPECT_EQ(settingsLines(), example.after) << example.before;
        releaseDrawingSurfaces();
        resetGameState();
        resetSettings();
        headless::reset();
        headless::setModulePath((folder / "velmora").string());
    }
}
#endif

TEST_F(Program, SettingsAreReadWithTheClassicRules)
{
    writeSettings("[Quorin_Section]\r\nRed  =300\r\nGreen=abc\r\nBlue = 77xyz\r\n"
                  "X1  =20\r\nY1  =30\r\nX2  =10\r\nY2  =500\r\nSound  =7\r\nToumei  =-1\r\n");
    EXPECT_EQ(runToEscape(), 0);
    // Only the low byte of each component colours the board.
    EXPECT_EQ(getBackgroundColor(), makeColour(44, 0, 77));
    // X2 below X1: the window gets the first start's width where the rectangle began.
    const Rect placed = headless::windowRect(getMainWindow());
    EXPECT_EQ(placed.left, 20);
    EXPECT_EQ(placed.top, 30);
    EXPECT_EQ(placed.right, 1020);
    const std::vector<std::string> expected = {
        "[Quorin_Section]", "Red  =300", "Green=0",   "Blue =77",  "X1  =20",
        "Y1  =30",          "X2  =1020", "Y2  =500",  "Sound  =1", "Toumei  =1"};
    EXPECT_EQ(settingsLines(), expected);
    EXPECT_TRUE(headless::menuItemChecked(transparencyCommandId));
}

TEST_F(Program, AWindowRectangleThatCannotBeShownIsFittedAndHealsTheFile)
{
    headless::setMonitorWorkAreas({{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}});
    writeSettings("[Quorin_Section]\r\nX1  =0\r\nY1  =0\r\nX2  =99999\r\nY2  =99999\r\n");
    EXPECT_EQ(runToEscape(), 0);
    const Rect placed = headless::windowRect(getMainWindow());
    EXPECT_EQ(placed.right, 1920);
    EXPECT_EQ(placed.bottom, 1080);
    const std::vector<std::string> lines = settingsLines();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 5),
              (std::vector<std::string>{"X1  =0", "Y1  =0", "X2  =1920", "Y2  =1080"}));
}

TEST_F(Program, ALostDisplayStillWritesTheSettings)
{
    EXPECT_EQ(runToEscape(), 0);
    fs::remove(folder / "velmora.ini");
    setSoundOn(0);
    headless::loseDisplay();
    const std::vector<std::string> lines = settingsLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Sound  =0"), lines.end());
}

TEST_F(Program, TheSessionsEndKeepsTheWindowsPlaceTheGameAndTheSettings)
{
    startProgram();
    fs::remove_all(pathFromUtf8(libraryFolder()));
    setSoundOn(0);
    setWindowPos(getMainWindow(), 40, 50, 600, 400);
    // As Windows sends it, to the main window whatever loop runs; the last words follow.
    sendMessage(getMainWindow(), WM_ENDSESSION, 1, 0);
    headless::loseDisplay();
    const std::vector<std::string> lines = settingsLines();
    for (const char* line : {"Sound  =0", "X1  =40", "Y1  =50", "X2  =640", "Y2  =450"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    EXPECT_TRUE(entryFileExists(seriesEntryName(2), gameFileName));
}

TEST_F(Program, StartUpMarksTheMenuAndMakesTheBoardSeeThrough)
{
    writeSettings("[Quorin_Section]\r\nSound  =0\r\nToumei  =1\r\n");
    startProgram();
    EXPECT_FALSE(headless::menuItemChecked(soundCommandId));
    EXPECT_TRUE(headless::menuItemChecked(transparencyCommandId));
    EXPECT_EQ(getSoundOn(), 0);
    EXPECT_NE(getWindowExStyle(getMainWindow()) & WS_EX_LAYERED, 0u);
}

TEST_F(Program, WithoutSeeThroughWindowsTheSettingIsOnlyKept)
{
    headless::setLayeredWindowsAvailable(false);
    writeSettings("[Quorin_Section]\r\nToumei  =1\r\n");
    startProgram();
    EXPECT_TRUE(headless::menuItemChecked(transparencyCommandId));
    EXPECT_EQ(getWindowExStyle(getMainWindow()) & WS_EX_LAYERED, 0u);
    // The command can only switch it off.
    command(transparencyCommandId);
    EXPECT_EQ(getTransparentBackground(), 0);
    EXPECT_FALSE(headless::menuItemChecked(transparencyCommandId));
    command(transparencyCommandId);
    EXPECT_EQ(getTransparentBackground(), 0);
    EXPECT_TRUE(headless::events().empty());
}

TEST_F(Program, TransparencySwitchesUseTheCurrentColour)
{
    startProgram();
    command(transparencyCommandId);
    command(transparencyCommandId);
    setBackgroundRed(1);
    command(transparencyCommandId);
    const std::vector<std::string> expected = {"layered 808000 0 1", "layered 808000 255 2",
                                               "layered 808001 0 1"};
    EXPECT_EQ(headless::events(), expected);
    EXPECT_TRUE(headless::menuItemChecked(transparencyCommandId));
}

TEST_F(Program, AChosenColourRepaintsTheBoardAndBecomesTheTransparentOne)
{
    startProgram();
    command(transparencyCommandId);
    headless::clearEvents();
    headless::scriptColourChoice(makeColour(10, 20, 30));
    command(colourCommandId);
    EXPECT_EQ(getBackgroundRed(), 10);
    EXPECT_EQ(getBackgroundGreen(), 20);
    EXPECT_EQ(getBackgroundBlue(), 30);
    const std::vector<std::string> expected = {"colour dialog", "layered 1E140A 0 1"};
    EXPECT_EQ(headless::events(), expected);
    EXPECT_EQ(headless::focusedWindow(), getMainWindow());
    headless::pumpMessages();
    EXPECT_EQ(pixelAt(clientSurface(getMainWindow()), 990, 690), makeColour(10, 20, 30));

    // Cancel changes nothing but still gives the focus back.
    headless::clearEvents();
    command(colourCommandId);
    EXPECT_EQ(getBackgroundColor(), makeColour(10, 20, 30));
    EXPECT_EQ(headless::events(), std::vector<std::string>{"colour dialog"});
}

TEST_F(Program, SoundAndOrderCommands)
{
    startProgram();
    command(soundCommandId);
    EXPECT_EQ(getSoundOn(), 0);
    EXPECT_FALSE(headless::menuItemChecked(soundCommandId));
    command(soundCommandId);
    EXPECT_EQ(getSoundOn(), 1);
    EXPECT_TRUE(headless::menuItemChecked(soundCommandId));

    command(reverseCommandId);
    EXPECT_EQ(zLevel(0, 0), 11);
    EXPECT_EQ(zLevel(2, 3), 0);
    EXPECT_TRUE(headless::paintPending(getMainWindow()));
}

TEST_F(Program, CommandsWithoutAnActionChangeNothing)
{
    startProgram();
    const int levels = zLevel(1, 1);
    for (int id : {40003, 40010, 40011, 40014, 40016, 12345, 0}) {
        command(id);
        EXPECT_EQ(getSoundOn(), 1);
        EXPECT_EQ(zLevel(1, 1), levels);
    }
    EXPECT_TRUE(headless::events().empty());
    EXPECT_FALSE(headless::paintPending(getMainWindow()));
}

TEST_F(Program, RestartScattersThePuzzleAnew)
{
    startProgram();
    headless::setTimeOfDay(42);
    command(restartCommandId);
    EXPECT_EQ(headless::events().front(), "modeless 127");
    EXPECT_EQ(getPuzzleNumber(), 2);
    EXPECT_TRUE(headless::paintPending(getMainWindow()));
}

TEST_F(Program, ExitAndCloseRecordTheWindowRectangle)
{
    startProgram();
    setWindowPos(getMainWindow(), 40, 50, 600, 400);
    command(exitCommandId);
    EXPECT_EQ(getWindowLeft(), 40);
    EXPECT_EQ(getWindowBottom(), 450);
    Message message;
    ASSERT_TRUE(peekMessage(message));
    EXPECT_EQ(message.message, static_cast<unsigned>(WM_QUIT));

    headless::reset();
    startProgram();
    setWindowPos(getMainWindow(), 70, 80, 500, 300);
    sendMessage(getMainWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(getWindowLeft(), 70);
    EXPECT_EQ(getWindowRight(), 570);
    ASSERT_TRUE(peekMessage(message));
    EXPECT_EQ(message.message, static_cast<unsigned>(WM_QUIT));
}

TEST_F(Program, EscapeKeepsTheRectangleReadAtStartUp)
{
    writeSettings("[Quorin_Section]\r\nX1  =5\r\nY1  =6\r\nX2  =805\r\nY2  =606\r\n");
    startProgram();
    setWindowPos(getMainWindow(), 100, 100, 500, 500);
    headless::setKeyDown(VK_ESCAPE, true);
    keyboardPoll();
    Message message;
    ASSERT_TRUE(peekMessage(message));
    ASSERT_EQ(message.message, static_cast<unsigned>(WM_QUIT));
    shutDown();
    const std::vector<std::string> lines = settingsLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "X1  =5"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Y2  =606"), lines.end());
}

TEST_F(Program, DialogCommandsShowTheirDialogs)
{
    startProgram();
    headless::scriptDialog(120, {2, 1000});  // Escape is ignored, OK closes
    command(messageCommandId);
    headless::scriptDialog(119, {2, 1018});
    command(aboutCommandId);
    const std::vector<std::string>& events = headless::events();
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0], "dialog 120");
    EXPECT_EQ(events[1], "dialog 120 end 1000");
    EXPECT_EQ(events[2], "dialog 119");
    EXPECT_EQ(events[3].rfind("url file://", 0), 0u) << events[3];
    EXPECT_NE(events[3].find("/help/index.html"), std::string::npos);
    EXPECT_EQ(events[4], "dialog 119 end 1000");
    // The message's three lines: a row of blanks, the title, an empty line.
    const std::string text = headless::dialogItemText(120, 1002);
    EXPECT_EQ(text.substr(0, 111), std::string(111, ' '));
    EXPECT_NE(text.find("柑橘の輪切り"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

// A program kept in a folder with a Japanese name opens its help page by a file URL with
// forward slashes (and the drive after a third slash on Windows).
TEST_F(Program, TheHelpPageUrlKeepsAJapaneseFolderName)
{
    const std::u8string programFolder = (folder / u8"遊び場").u8string();
    headless::setModulePath(std::string(programFolder.begin(), programFolder.end()) + "/velmora");
    startProgram();
    headless::scriptDialog(119, {1018, 1000});
    command(aboutCommandId);
    const std::string& url = headless::events().at(1);
    EXPECT_EQ(url.rfind("url file:///", 0), 0u) << url;
    EXPECT_TRUE(url.ends_with("/遊び場/help/index.html")) << url;
    EXPECT_EQ(url.find('\\'), std::string::npos) << url;
}

TEST_F(Program, AHelpPageNoProgramShowsIsToldWithItsPath)
{
    fs::create_directories(folder / "help");
    std::ofstream(folder / "help" / "index.ja.html") << "日本語";
    headless::setUrlsOpen(false);
    startProgram();
    headless::scriptDialog(119, {1018});
    command(aboutCommandId);
    const std::vector<std::string> events = headless::events();
    ASSERT_GE(events.size(), 3u);
    EXPECT_TRUE(events[1].starts_with("url file://")) << events[1];
    EXPECT_EQ(events[2], "messagebox ヘルプのページを表示できませんでした。ページの場所:\n" +
                             (folder / "help" / "index.ja.html").string());
}

TEST_F(Program, MouseMessagesCarryTheirPointUnsigned)
{
    startProgram();
    // A press on a piece picks it up; the point travels in the low and high words.
    const PieceRect rect = pieceRect(zOrderColumn(11), zOrderRow(11));
    const int x = rect.left + 100;
    const int y = rect.top + 100;
    sendMessage(getMainWindow(), WM_LBUTTONDOWN, 1, makePointParam(x, y));
    EXPECT_EQ(getPieceHeld(), 1);
    sendMessage(getMainWindow(), WM_MOUSEMOVE, 1, makePointParam(x + 300, y + 50));
    sendMessage(getMainWindow(), WM_LBUTTONUP, 0, makePointParam(x + 300, y + 50));
    EXPECT_EQ(getPieceHeld(), 0);
    EXPECT_EQ(pieceRect(zOrderColumn(11), zOrderRow(11)).left, rect.left + 300);
}

}  // namespace
