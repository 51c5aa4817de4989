// Hit testing through the silhouette mask rendered into the scratch surface.
#include "board/hit_test.h"

#include "board/group_layout.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "platform/surface.h"
#include "puzzle/state.h"

bool hitTestPiece(int dx, int dy, int k)
{
    loadPieceMask(scratchSurface(), k);
    return pixelAt(scratchSurface(), dx, dy) != 0;
}

std::optional<Point> findPieceAt(int x, int y)
{
    for (int level = getPieceCount() - 1; level >= 0; --level) {
        const int column = zOrderColumn(level);
        const int row = zOrderRow(level);
        const PieceRect& box = pieceRect(column, row);
        if (x >= box.left && x < box.right && y >= box.top && y < box.bottom &&
            hitTestPiece(x - box.left, y - box.top, pieceIndex(column, row)))
            return Point{column, row};
    }
    return std::nullopt;
}
