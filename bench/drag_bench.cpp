// One drag step (restore the group's boxes, draw it at the new place) against copying the same
// boxes once with memcpy.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/board_scene.h"
#include "board/group_layout.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "puzzle/state.h"

namespace {

// Copies every member's box from the board copy to the window, row by row with memcpy.
void copyBoxesWithMemcpy(int x, int y, int pivot, Surface& window)
{
    const int size = getPieceSize();
    const Surface& board = boardSurface();
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row)
            if (inGroup(pivot, column, row)) {
                const Point at = groupLayout(x, y, pivot, column, row);
                for (int line = 0; line < size; ++line)
                    std::memcpy(&window.pixels[(at.y + line) * window.width + at.x],
                                &board.pixels[(at.y + line) * board.width + at.x],
                                size * sizeof(std::uint32_t));
            }
}

void runDragStep(benchmark::State& state, bool wholePuzzle)
{
    setUpBenchmarkBoard();
    const int pivot = 0;
    if (wholePuzzle)
        joinWholePuzzle(100, 60);
    Surface& window = windowSurface();
    const double memcpySeconds =
        secondsPerCall([&] { copyBoxesWithMemcpy(100, 60, pivot, window); });
    // The group swings between two places 7 pixels apart, as a mouse move would carry it.
    int step = 0;
    const auto dragStep = [&] {
        const int from = 100 + 7 * (step % 2);
        const int to = 100 + 7 * ((step + 1) % 2);
        restoreGroup(from, 60, window, pivot);
        drawGroup(to, 60, pivot, window);
        ++step;
    };
    const double stepSeconds = secondsPerIteration(state, dragStep);
    state.counters["ratio_to_memcpy"] = stepSeconds / memcpySeconds;
    state.counters["members"] = wholePuzzle ? getPieceCount() : 1;
}

void dragSinglePiece(benchmark::State& state) { runDragStep(state, false); }
void dragTwelvePieceGroup(benchmark::State& state) { runDragStep(state, true); }

}  // namespace

BENCHMARK(dragSinglePiece)->Unit(benchmark::kMicrosecond);
BENCHMARK(dragTwelvePieceGroup)->Unit(benchmark::kMicrosecond);
