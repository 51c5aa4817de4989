// Repeats what allocates the most, so that valgrind can count what is never given back:
// each named cycle runs a number of times, then everything the game holds is released.
// Usage: velmora_leak_cycles NAME COUNT [NAME COUNT]...
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "board/surfaces.h"
#include "platform/headless/headless.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "tests/support/puzzle_fixture.h"

namespace {

// Builds the embedded puzzles one after another, as finishing each one does.
void buildNextPuzzle()
{
    setPuzzleNumber(getPuzzleNumber() == 8 ? 2 : getPuzzleNumber() + 1);
    buildPuzzle();
    headless::pumpMessages();
}

struct LeakCycle {
    const char* name;
    void (*run)();
};

// Adding a cycle is a function and a line here.
const LeakCycle cycles[] = {
    {"build", buildNextPuzzle},
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc % 2 != 1) {
        std::fprintf(stderr, "usage: %s NAME COUNT [NAME COUNT]...\n", argv[0]);
        return 2;
    }
    startEmbeddedGame();
    for (int i = 1; i + 1 < argc; i += 2) {
        const LeakCycle* cycle = nullptr;
        for (const LeakCycle& candidate : cycles)
            if (std::strcmp(candidate.name, argv[i]) == 0)
                cycle = &candidate;
        if (cycle == nullptr) {
            std::fprintf(stderr, "no cycle named %s\n", argv[i]);
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
    return 0;
}
