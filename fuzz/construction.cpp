// Fuzz target: a puzzle resource in place of the first embedded puzzle, through the resource
// check and the whole build. A refused resource must leave the puzzle in play untouched and
// say so once; an accepted one must give a state the game can play and paint.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "board/render.h"
#include "board/surfaces.h"
#include "fuzz/fuzz_support.h"
#include "platform/headless/headless.h"
#include "puzzle/construction.h"
#include "puzzle/puzzle_resource.h"
#include "puzzle/state.h"
#include "tests/support/game_invariants.h"
#include "tests/support/puzzle_fixture.h"
#include "tests/support/state_snapshot.h"

namespace {

const std::string readFailure = "messagebox ファイルの読み込みに失敗しました";

// The puzzle in play before the fuzzed one: a tiny valid puzzle of 2 x 1 pieces.
void buildStartingPuzzle()
{
    static const std::vector<std::uint8_t> starting = makePuzzleResource({2, 1, 4, 4, 6});
    headless::overrideResource("JZT", 164, starting);
    buildPuzzle();
    requireNoFaults(freshBuildFaults(), "starting puzzle");
}

int failureMessages()
{
    int count = 0;
    for (const std::string& line : headless::events())
        count += line == readFailure;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startFuzzGame();
    buildStartingPuzzle();
    const bool acceptable =
        readPuzzleResource(std::span<const std::uint8_t>(data, size), getMaskRowPad()).has_value();
    const std::vector<std::uint8_t> before = acceptable ? std::vector<std::uint8_t>{}
                                                        : snapshotGameState();

    headless::clearEvents();
    headless::overrideResource("JZT", 164, std::vector<std::uint8_t>(data, data + size));
    buildPuzzle();
    fuzzRequire(getBuildInProgress() == 0, "buildInProgress left at 1");
    if (!acceptable) {
        fuzzRequire(failureMessages() == 1, "a refused puzzle must say so exactly once");
        fuzzRequire(snapshotGameState() == before, "a refused puzzle changed the game");
        return 0;
    }
    fuzzRequire(failureMessages() == 0, "an accepted puzzle reported a read failure");
    requireNoFaults(freshBuildFaults(), "accepted puzzle");
    // Every piece drawn from its sheet and mask, as painting the board does.
    for (int k = 0; k < getPieceCount(); ++k) {
        loadPieceTiles(k);
        compositePiece(scratchSurface(), 0, 0);
    }
    return 0;
}
