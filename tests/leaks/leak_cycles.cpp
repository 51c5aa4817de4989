// Repeats what allocates the most, so that valgrind can count what is never given back:
// each named cycle runs a number of times, then everything the game holds is released.
// Usage: velmora_leak_cycles NAME COUNT [NAME COUNT]...
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/commands.h"
#include "board/surfaces.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "settings/settings.h"
#include "tests/support/puzzle_fixture.h"

namespace {

// Where the saved games and the settings file of the run go.
std::filesystem::path folder;

// Builds the embedded puzzles one after another, as finishing each one does.
void buildNextPuzzle()
{
    setPuzzleNumber(getPuzzleNumber() == 8 ? 2 : getPuzzleNumber() + 1);
    buildPuzzle();
    headless::pumpMessages();
}

void fileCommand(int commandId, const std::filesystem::path& path)
{
    headless::scriptFileChoice(path.string());
    sendMessage(getMainWindow(), WM_COMMAND, static_cast<std::uintptr_t>(commandId), 0);
    headless::pumpMessages();
}

// Saves the game in play and opens it again through the file commands.
void saveAndOpen()
{
    fileCommand(saveCommandId, folder / "cycle.jps");
    fileCommand(openCommandId, folder / "cycle.jps");
}

struct LeakCycle {
    const char* name;
    void (*run)();
};

// Adding a cycle is a function and a line here.
const LeakCycle cycles[] = {
    {"build", buildNextPuzzle},
    {"saveopen", saveAndOpen},
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc % 2 != 1) {
        std::fprintf(stderr, "usage: %s NAME COUNT [NAME COUNT]...\n", argv[0]);
        return 2;
    }
    startEmbeddedGame();
    char pattern[] = "/tmp/velmora-leaks-XXXXXX";
    folder = mkdtemp(pattern);
    headless::setModulePath((folder / "velmora").string());
    buildSettingsPath();
    for (int i = 1; i + 1 < argc; i += 2) {
        const LeakCycle* cycle = nullptr;
        for (const LeakCycle& candidate : cycles)
            if (std::strcmp(candidate.name, argv[i]) == 0)
                cycle = &candidate;
        if (cycle == nullptr) {
            std::fprintf(stderr, "no cycle named %s\n", argv[i]);
            std::filesystem::remove_all(folder);
            return 2;
        }
        for (int n = std::atoi(argv[i + 1]); n > 0; --n)
            cycle->run();
        std::printf("%s x %s done\n", argv[i], argv[i + 1]);
    }
    // What shut-down gives back, and the test back end's own records.
    releaseImageBlocks();
    releasePixelTables();
    releaseDrawingSurfaces();
    headless::reset();
    std::filesystem::remove_all(folder);
    return 0;
}
