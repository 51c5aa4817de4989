// The benchmarks' board scene.
#include "bench/board_scene.h"

#include <cstring>

#include "app/window_proc.h"
#include "board/group_placement.h"
#include "board/surfaces.h"
#include "platform/headless/headless.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"

void setUpBenchmarkBoard()
{
    headless::reset();
    createDrawingSurfaces();
    Window* window = createMainWindow("VELMORA", 0, 0, 1000, 700, 113, 118, mainWindowProc);
    setMainWindow(window);
    fillNeighbourSteps();
    setPuzzleNumber(2);
    buildPuzzle();
    headless::pumpMessages();
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
