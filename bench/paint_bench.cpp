// Painting the whole board with twelve pieces against one memcpy of a 2000 x 1200 surface.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/board_scene.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "platform/surface.h"
#include "puzzle/state.h"

namespace {

void paintWholeBoard(benchmark::State& state)
{
    setUpBenchmarkBoard();
    Surface copy;
    resizeSurface(copy, boardWidth, boardHeight, 0);
    const double memcpySeconds = secondsPerCall([&] {
        std::memcpy(copy.pixels.data(), boardSurface().pixels.data(),
                    copy.pixels.size() * sizeof(std::uint32_t));
        benchmark::ClobberMemory();
    });
    const double paintSeconds = secondsPerIteration(state, paintBoard);
    state.counters["ratio_to_memcpy"] = paintSeconds / memcpySeconds;
    state.counters["pieces"] = getPieceCount();
}

}  // namespace

BENCHMARK(paintWholeBoard)->Unit(benchmark::kMillisecond);
