// One drag step of a group and its memcpy baseline.
#include "bench/drag_step.h"

#include <cstdint>
#include <cstring>

#include "board/group_layout.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "puzzle/state.h"

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

void dragStep(int step, int x, int y, int pivot, Surface& window)
{
    const int from = x + 7 * (step % 2);
    const int to = x + 7 * ((step + 1) % 2);
    restoreGroup(from, y, window, pivot);
    drawGroup(to, y, pivot, window);
}
