// The outlines' distance from their boxes' sides, measured on each piece's silhouette.
#include "board/outline_inset.h"

#include <algorithm>

#include "platform/surface.h"
#include "puzzle/piece_tiles.h"
#include "puzzle/state.h"

int outlineInset()
{
    const int size = getPieceSize();
    if (size <= 0 || getPieceMask() == nullptr)
        return 0;
    Surface tile;
    int inset = size / 2;
    bool anyOutline = false;
    for (int k = 0; k < getPieceCount() && inset > 0; ++k)
        for (int rotation = 1; rotation <= 4 && inset > 0; ++rotation) {
            // A tile the mask does not hold whole leaves black where it is missing.
            resizeSurface(tile, size, size, 0);
            drawPieceMask(tile, k, rotation);
            for (int y = 0; y < size; ++y) {
                const auto row = tile.pixels.begin() + static_cast<std::ptrdiff_t>(y) * size;
                const auto first = std::find_if(row, row + size, [](auto p) { return p != 0; });
                if (first == row + size)
                    continue;
                const auto last = std::find_if(std::make_reverse_iterator(row + size),
                                               std::make_reverse_iterator(row),
                                               [](auto p) { return p != 0; });
                const int left = static_cast<int>(first - row);
                const int right = static_cast<int>(last.base() - row) - 1;
                inset = std::min({inset, left, size - 1 - right, y, size - 1 - y});
                anyOutline = true;
            }
        }
    return anyOutline ? inset : 0;
}
