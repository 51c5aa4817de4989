// The drag benchmark's measurement as a standalone program, for a system without the benchmark
// framework (the Windows build, run under Wine): one drag step against copying the group's
// boxes with memcpy, for one piece and for the whole 12-piece puzzle as one group.
#include <cstdio>

#include "bench/board_scene_setup.h"
#include "bench/drag_step.h"
#include "puzzle/state.h"

namespace {

void measure(const char* name, bool wholePuzzle)
{
    const double memcpySeconds = setUpDragScene(wholePuzzle);
    const double stepSeconds = secondsPerCall(nextDragStep);
    std::printf("%-22s members %2d  step %8.2f us  memcpy %8.2f us  ratio_to_memcpy %.2f\n", name,
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
