// The drag scene, its step and its memcpy baseline.
#include "bench/drag_step.h"

#include <cstdint>
#include <cstring>

#include "bench/board_scene_setup.h"
#include "board/group_layout.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "puzzle/state.h"

namespace {

constexpr int pivot = 0;
constexpr int dragX = 100;
constexpr int dragY = 60;
int step = 0;

// Copies every member's box from the board copy to the window, row by row with memcpy.
void copyBoxesWithMemcpy(Surface& window)
{
    const int size = getPieceSize();
    const Surface& board = boardSurface();
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row)
            if (inGroup(pivot, column, row)) {
                const Point at = groupLayout(dragX, dragY, pivot, column, row);
                for (int line = 0; line < size; ++line)
                    std::memcpy(&window.pixels[(at.y + line) * window.width + at.x],
                                &board.pixels[(at.y + line) * board.width + at.x],
                                size * sizeof(std::uint32_t));
            }
}

}  // namespace

double setUpDragScene(bool wholePuzzle)
{
    setUpBenchmarkBoard();
    if (wholePuzzle)
        joinWholePuzzle(dragX, dragY);
    step = 0;
    return secondsPerCall([] { copyBoxesWithMemcpy(windowSurface()); });
}

void nextDragStep()
{
    const int from = dragX + 7 * (step % 2);
    const int to = dragX + 7 * ((step + 1) % 2);
    Surface& window = windowSurface();
    restoreGroup(from, dragY, window, pivot);
    drawGroup(to, dragY, pivot, window);
    ++step;
}
