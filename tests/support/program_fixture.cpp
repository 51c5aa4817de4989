// The scenario tests' program in a private folder.
#include "program_fixture.h"

#include <unistd.h>

#include <fstream>
#include <optional>
#include <string>

#include "app/lifecycle.h"
#include "app/window_proc.h"
#include "board/surfaces.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/system.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "settings/settings.h"

void ProgramTest::SetUp()
{
    headless::reset();
    resetGameState();
    resetSettings();
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path() /
             ("velmora-" + std::string(test->test_suite_name()) + "-" + test->name() + "-" +
              std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    headless::setModulePath((folder / "velmora").string());
}

void ProgramTest::TearDown()
{
    releaseDrawingSurfaces();
    resetGameState();
    std::filesystem::remove_all(folder);
}

void ProgramTest::startProgram(bool keepEvents, bool keepStartedGame)
{
    setPuzzleNumber(2);
    setMainWindow(createMainWindow("VELMORA", 0, 0, 1000, 700, 113, 118, mainWindowProc));
    setLayeredWindowFunction(lookupLayeredWindowFunction());
    startUp();
    headless::pumpMessages();
    const std::optional<int> keepAfter =
        headless::timerInterval(getMainWindow(), startUpKeepTimerId);
    if (keepStartedGame && keepAfter) {
        headless::setTickCount(tickCount() + static_cast<std::uint32_t>(*keepAfter));
        headless::pumpMessages();
    }
    if (!keepEvents)
        headless::clearEvents();
}

void ProgramTest::command(int id)
{
    sendMessage(getMainWindow(), WM_COMMAND, static_cast<std::uintptr_t>(id), 0);
}

void ProgramTest::writeSettings(const std::string& text)
{
    std::ofstream(folder / "velmora.ini", std::ios::binary) << text;
}

std::vector<std::string> ProgramTest::settingsLines()
{
    std::ifstream in(folder / "velmora.ini", std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}
