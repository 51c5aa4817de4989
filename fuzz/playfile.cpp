// Fuzz target: a play file through the check and install path the open command uses, over a
// game with a puzzle built. A refused file must leave the game exactly as it was; an accepted
// one must give a state the game can play: every invariant holds, the board paints, the top
// piece can be picked up, and the game written back opens again.
#include <cstdint>
#include <span>
#include <vector>

#include "board/hit_test.h"
#include "board/play.h"
#include "board/render.h"
#include "fuzz/fuzz_support.h"
#include "platform/headless/headless.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "savegame/check.h"
#include "savegame/reader.h"
#include "savegame/writer.h"
#include "tests/support/game_invariants.h"
#include "tests/support/puzzle_fixture.h"
#include "tests/support/state_snapshot.h"

namespace {

// The game in play before the fuzzed file: a built puzzle of 2 x 1 pieces.
void buildStartingPuzzle()
{
    static const std::vector<std::uint8_t> starting = makePuzzleResource({2, 1, 4, 4, 6});
    headless::overrideResource("JZT", 164, starting);
    buildPuzzle();
    requireNoFaults(freshBuildFaults(), "starting puzzle");
}

// Picks up the topmost piece at the first point of its outline that a mouse message can
// carry, then puts it down where it is. A piece whose outline is empty cannot be picked.
void pickTopPiece()
{
    const int top = getPieceCount() - 1;
    const int column = zOrderColumn(top);
    const int row = zOrderRow(top);
    const int k = row * getColumns() + column;
    const PieceRect box = pieceRect(column, row);
    for (int dy = 0; dy < getPieceSize(); ++dy)
        for (int dx = 0; dx < getPieceSize(); ++dx) {
            const int x = box.left + dx;
            const int y = box.top + dy;
            if (x < 0 || y < 0 || x > 32767 || y > 32767 || !hitTestPiece(dx, dy, k))
                continue;
            const auto found = findPieceAt(x, y);
            fuzzRequire(found && found->x == column && found->y == row,
                        "the top piece is not found under its own outline");
            leftPress(x, y);
            fuzzRequire(getPieceHeld() == 1, "the top piece could not be picked up");
            abandonCarry();
            fuzzRequire(getPieceHeld() == 0, "the piece stayed carried");
            requireNoFaults(puzzleStateFaults(), "after picking up the top piece");
            return;
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startFuzzGame();
    buildStartingPuzzle();
    const std::span<const std::uint8_t> file(data, size);
    const bool acceptable = playFileValid(file);
    const std::vector<std::uint8_t> before = acceptable ? std::vector<std::uint8_t>{}
                                                        : snapshotGameState();
    const bool loaded = loadPlayFileBytes(file);
    fuzzRequire(loaded == acceptable, "the open path and the check disagree");
    if (!loaded) {
        fuzzRequire(snapshotGameState() == before, "a refused play file changed the game");
        return 0;
    }
    fuzzRequire(getPieceHeld() == 0, "an opened game starts with a piece carried");
    requireNoFaults(puzzleStateFaults(), "accepted play file");
    paintBoard();
    pickTopPiece();

    // Every file the writer writes opens again.
    const std::vector<std::uint8_t> written = playFileBytes();
    fuzzRequire(loadPlayFileBytes(written), "the game written back does not open");
    requireNoFaults(puzzleStateFaults(), "play file written back and opened");
    return 0;
}
