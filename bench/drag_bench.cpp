// One drag step (restore the group's boxes, draw it at the new place) against copying the same
// boxes once with memcpy.
#include <benchmark/benchmark.h>

#include "bench/board_scene.h"
#include "bench/drag_step.h"
#include "puzzle/state.h"

namespace {

void runDragStep(benchmark::State& state, bool wholePuzzle)
{
    const double memcpySeconds = setUpDragScene(wholePuzzle);
    const double stepSeconds = secondsPerIteration(state, nextDragStep);
    state.counters["ratio_to_memcpy"] = stepSeconds / memcpySeconds;
    state.counters["members"] = wholePuzzle ? getPieceCount() : 1;
}

void dragSinglePiece(benchmark::State& state) { runDragStep(state, false); }
void dragTwelvePieceGroup(benchmark::State& state) { runDragStep(state, true); }

}  // namespace

BENCHMARK(dragSinglePiece)->Unit(benchmark::kMicrosecond);
BENCHMARK(dragTwelvePieceGroup)->Unit(benchmark::kMicrosecond);
