// The off-screen drawing surfaces of the board and of puzzle construction.
#include "board/surfaces.h"

#include <algorithm>

#include "platform/window.h"
#include "puzzle/board_extent.h"
#include "puzzle/state.h"
#include "settings/settings.h"
#include "settings/window_fit.h"

namespace {

Surface board;
Surface pieceTile;
Surface maskTile;
Surface scratch;
Surface picture;
Surface label;
// The board's pixels are in the window's client surface, not yet copied into `board`.
bool boardInWindowOnly = false;

constexpr Colour freshBitmapColour = 0;  // a new compatible bitmap is black

void releaseSurface(Surface& surface)
{
    surface = Surface{};
}

}  // namespace

Surface& boardSurface()
{
    settleBoardCopy();
    return board;
}

void settleBoardCopy()
{
    if (!boardInWindowOnly)
        return;
    boardInWindowOnly = false;
    const Surface& shown = clientSurface(getMainWindow());
    copyRect(board, 0, 0, shown.width, shown.height, shown, 0, 0, RasterOp::copy);
}

Surface& boardSurfaceToRepaint()
{
    boardInWindowOnly = false;
    return board;
}

void takeBoardFromWindow()
{
    boardInWindowOnly = true;
}

Surface& pieceTileSurface() { return pieceTile; }
Surface& maskTileSurface() { return maskTile; }
Surface& scratchSurface() { return scratch; }

void createDrawingSurfaces()
{
    resizeSurface(board, boardWidth, boardHeight, freshBitmapColour);
    // A memory surface without a bitmap of its own draws on a single pixel until the puzzle
    // build gives it the picture's size.
    resizeSurface(label, 1, 1, freshBitmapColour);
    resizeSurface(picture, 1, 1, freshBitmapColour);
    setLabelSurface(&label);
    setPictureSurface(&picture);
    resizeSurface(pieceTile, tileSurfaceSide, tileSurfaceSide, freshBitmapColour);
    resizeSurface(maskTile, tileSurfaceSide, tileSurfaceSide, freshBitmapColour);
    resizeSurface(scratch, scratchSurfaceSide, scratchSurfaceSide, freshBitmapColour);
}

void growBoardToWindow()
{
    const Rect screens = boundingRect(monitorWorkAreas());
    const Rect client = getClientRect(getMainWindow());
    const int width = std::max(board.width, std::min(client.right, screens.right - screens.left));
    const int height =
        std::max(board.height, std::min(client.bottom, screens.bottom - screens.top));
    coverClientArea(width, height);
    if (width == board.width && height == board.height)
        return;
    Surface grown;
    resizeSurface(grown, width, height, getBackgroundColor());
    copyRect(grown, 0, 0, board.width, board.height, board, 0, 0, RasterOp::copy);
    board = std::move(grown);
}

void releaseDrawingSurfaces()
{
    boardInWindowOnly = false;
    releaseSurface(pieceTile);
    releaseSurface(maskTile);
    releaseSurface(scratch);
    releaseSurface(picture);
    releaseSurface(label);
    releaseSurface(board);
    setPictureSurface(nullptr);
    setLabelSurface(nullptr);
}
