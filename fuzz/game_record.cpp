// Fuzz target: a game record installed over the puzzle it belongs to. A refused record must
// leave the game exactly as it was; an accepted one must give a state the game can play
// (every invariant holds, the board paints) and be recorded again byte for byte, and the
// record of the puzzle as built must then give that game back exactly.
// The first input byte chooses whether the rest goes in as it is (0) or with its last four
// bytes replaced by the right checksum, so that the checks behind the checksum are reached.
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "board/render.h"
#include "fuzz/fuzz_support.h"
#include "library/checksum.h"
#include "library/game_record.h"
#include "puzzle/state.h"
#include "tests/support/game_invariants.h"
#include "tests/support/state_snapshot.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The puzzle as built: its record, which puts the game back after an accepted input, and a
// snapshot of the game that every input starts from and a refused one must leave: the game
// with that record installed (a build also leaves values in cells beyond the puzzle's, which
// an installed record clears).
struct Starting {
    Bytes record;
    Bytes snapshot;
};

const Starting& starting()
{
    static const Starting game = [] {
        startFuzzGame();
        buildGameRecordPuzzle();
        Bytes record = gameRecordBytes({});
        fuzzRequire(installGameRecord(record).has_value(), "the starting record is refused");
        return Starting{std::move(record), snapshotGameState()};
    }();
    return game;
}

Bytes withChecksum(Bytes record)
{
    if (record.size() < 4)
        return record;
    const std::size_t body = record.size() - 4;
    const std::uint32_t crc = crc32Of(std::span(record).first(body));
    for (int i = 0; i < 4; ++i)
        record[body + i] = static_cast<std::uint8_t>(crc >> (8 * i));
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Starting& game = starting();
    if (size == 0)
        return 0;
    Bytes record(data + 1, data + size);
    if (data[0] != 0)
        record = withChecksum(record);

    const auto extras = installGameRecord(record);
    if (!extras) {
        fuzzRequire(snapshotGameState() == game.snapshot, "a refused record changed the game");
        return 0;
    }
    requireNoFaults(puzzleStateFaults(), "accepted record");
    fuzzRequire(getPieceHeld() == 0, "a piece is carried after a record");
    paintBoard();
    fuzzRequire(gameRecordBytes(*extras) == record,
                "an accepted record is not recorded again as it was");
    fuzzRequire(installGameRecord(game.record).has_value() &&
                    snapshotGameState() == game.snapshot,
                "the starting record does not give the starting game back");
    return 0;
}
