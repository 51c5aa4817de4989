// The drag benchmark's measurement as a standalone program, for a system without the benchmark
// framework (the Windows build, run under Wine): one drag step against copying the group's
// boxes with memcpy, for one piece and for the whole 12-piece puzzle as one group.
#include <cstdio>

#include "bench/board_scene_setup.h"
#include "bench/drag_step.h"
#include "board/surfaces.h"
#include "puzzle/state.h"

namespace {

void measure(const char* name, bool wholePuzzle)
{
    setUpBenchmarkBoard();
    const int pivot = 0;
    if (wholePuzzle)
        joinWholePuzzle(100, 60);
    Surface& window = windowSurface();
    const double memcpySeconds =
        secondsPerCall([&] { copyBoxesWithMemcpy(100, 60, pivot, window); });
    int step = 0;
    const double stepSeconds = secondsPerCall([&] { dragStep(step++, 100, 60, pivot, window); });
    std::printf("%-22s members %2d  step %8.1f us  memcpy %7.1f us  ratio_to_memcpy %.2f\n", name,
                wholePuzzle ? getPieceCount() : 1, stepSeconds * 1e6, memcpySeconds * 1e6,
                stepSeconds / memcpySeconds);
}

}  // namespace

int main()
{
    measure("dragSinglePiece", false);
    measure("dragTwelvePieceGroup", true);
    return 0;
}
