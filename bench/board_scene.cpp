// The benchmarks' board scene.
#include "bench/board_scene_setup.h"

#include <cstring>

#include "board/group_placement.h"
#include "puzzle/state.h"
#include "tests/support/puzzle_fixture.h"

void setUpBenchmarkBoard()
{
    startEmbeddedGame();
}

void joinWholePuzzle(int x, int y)
{
    GroupMatrix all{};
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row)
            all[column][row] = 1;
    for (int k = 0; k < getPieceCount(); ++k) {
        std::memcpy(groupCells(k), all, sizeof all);
        setPieceRotation(1, k);
    }
    placeGroup(x, y, 0);
}
