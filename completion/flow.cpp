// After a finished puzzle: the next puzzle of the series is laid out.
#include "completion/flow.h"

#include "puzzle/construction.h"
#include "puzzle/state.h"

namespace {
constexpr int firstPuzzleNumber = 2;
constexpr int lastPuzzleNumber = 8;
}  // namespace

void runCompletionFlow()
{
    // After the last puzzle the series starts again at the first.
    const int next = getPuzzleNumber() + 1;
    setPuzzleNumber(next > lastPuzzleNumber ? firstPuzzleNumber : next);
    buildPuzzle();
}
