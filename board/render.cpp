// Board rendering: tiles, compositing, group drawing and the board copy.
#include "board/render.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "settings/settings.h"
#include "board/carrying.h"
#include "board/group_layout.h"
#include "board/surfaces.h"
#include "platform/masked_tile.h"
#include "platform/window.h"
#include "puzzle/board_extent.h"
#include "puzzle/piece_tiles.h"
#include "puzzle/state.h"
#include "view/scaled_tiles.h"
#include "view/view.h"

namespace {

// The window class background, shown by the client area outside the board.
constexpr Colour windowClassBackground = 0;

// Copies an area of the board copy onto `target`; on a window wider or taller than the board
// (larger than the screens allow), the part beyond it gets the window's own background.
void restoreArea(Surface& target, int left, int top, int right, int bottom)
{
    const Surface& board = boardSurface();
    copyRect(target, left, top, right - left, bottom - top, board, left, top, RasterOp::copy);
    if (&target == &board)
        return;
    if (right > board.width)
        fillRect(target, std::max(left, board.width), top, right, bottom, windowClassBackground);
    if (bottom > board.height)
        fillRect(target, left, std::max(top, board.height), right, bottom, windowClassBackground);
}

// Restores the union of the boxes, each pixel once: the rows between consecutive box edges
// form bands, and in each band the boxes that cover it merge into spans.
void restoreUnion(Surface& target, const std::vector<Rect>& boxes)
{
    std::vector<int> edges;
    for (const Rect& box : boxes) {
        edges.push_back(box.top);
        edges.push_back(box.bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::vector<std::pair<int, int>> spans;
    for (std::size_t band = 0; band + 1 < edges.size(); ++band) {
        const int top = edges[band];
        const int bottom = edges[band + 1];
        spans.clear();
        for (const Rect& box : boxes)
            if (box.top <= top && box.bottom >= bottom)
                spans.emplace_back(box.left, box.right);
        std::sort(spans.begin(), spans.end());
        for (std::size_t i = 0; i < spans.size();) {
            const int left = spans[i].first;
            int right = spans[i].second;
            for (++i; i < spans.size() && spans[i].first <= right; ++i)
                right = std::max(right, spans[i].second);
            restoreArea(target, left, top, right, bottom);
        }
    }
}

// Restores every member's window box grown by `margin` board pixels on each side.
void restoreGroupBoxes(int x, int y, Surface& target, int pivot, int margin)
{
    const int windowMargin = windowLength(margin);
    const int side = windowLength(getPieceSize()) + 2 * windowMargin;
    std::vector<Rect> boxes;
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row)
            if (inGroup(pivot, column, row)) {
                const Point at = boardToWindow(groupLayout(x, y, pivot, column, row));
                boxes.push_back({at.x - windowMargin, at.y - windowMargin,
                                 at.x - windowMargin + side, at.y - windowMargin + side});
            }
    restoreUnion(target, boxes);
}

// Draws piece k in its current rotation with its box's top-left at the window point (x, y):
// at 100 % what loadPieceTiles and compositePiece do, through the piece's masked tile; at other
// levels through the level's scaled tile. `scale` is the view's.
void drawPiece(Surface& target, int k, int x, int y, ViewScale scale = viewScale())
{
    if (scale.windowStep != scale.boardStep) {
        setCurrentPiece(k);
        drawMaskedTile(target, x, y, scaledPieceTile(k, getPieceRotation(k), scale));
        return;
    }
    if (const MaskedTile* tile = maskedPieceTile(k, getPieceRotation(k), maskTileSurface(),
                                                 pieceTileSurface())) {
        setCurrentPiece(k);
        drawMaskedTile(target, x, y, *tile);
        return;
    }
    loadPieceTiles(k);
    compositePiece(target, x, y);
}

// The client area around a board smaller than the window: a darker shade of the board's
// colour, so that the board's edges show; a see-through board leaves it see-through too.
Colour marginColour()
{
    const Colour board = getBackgroundColor();
    if (getTransparentBackground() == 1)
        return board;
    const auto darker = [board](int shift) { return ((board >> shift) & 0xFF) * 3 / 5 << shift; };
    return darker(0) | darker(8) | darker(16);
}

// Gives the part of `area` (window pixels) that lies outside the board the margin's colour, on
// `target` whose (0, 0) is the window pixel `origin`.
void paintMargins(Surface& target, const Rect& area, Point origin = {})
{
    const Rect window = boardInWindow();
    const Rect board{window.left - origin.x, window.top - origin.y, window.right - origin.x,
                     window.bottom - origin.y};
    const Rect at{area.left - origin.x, area.top - origin.y, area.right - origin.x,
                  area.bottom - origin.y};
    const Colour colour = marginColour();
    const int top = std::clamp(board.top, at.top, at.bottom);
    const int bottom = std::clamp(board.bottom, at.top, at.bottom);
    fillRect(target, at.left, at.top, at.right, top, colour);
    fillRect(target, at.left, bottom, at.right, at.bottom, colour);
    fillRect(target, at.left, top, std::min(at.right, board.left), bottom, colour);
    fillRect(target, std::max(at.left, board.right), top, at.right, bottom, colour);
}

// Whether a carried group must stay out of the board copy.
bool carryingGroup()
{
    return getPieceHeld() == 1 && getHeldColumn() < getColumns() && getHeldRow() < getRows();
}

}  // namespace

Surface& windowSurface()
{
    return clientSurface(getMainWindow());
}

void loadPieceMask(Surface& target, int k)
{
    setCurrentPiece(k);
    drawPieceMask(target, k, getPieceRotation(k));
}

void loadPieceTiles(int k)
{
    loadPieceMask(maskTileSurface(), k);
    drawPiecePicture(pieceTileSurface(), k, getPieceRotation(k));
}

void compositePiece(Surface& target, int x, int y)
{
    const int size = getPieceSize();
    copyRect(target, x, y, size, size, maskTileSurface(), 0, 0, RasterOp::paint);
    copyRect(target, x, y, size, size, pieceTileSurface(), 0, 0, RasterOp::mask);
}

void drawGroup(int x, int y, int pivot, Surface& target)
{
    // A group drawn over the window is no part of the board copy, which the window may hold.
    if (&target == &windowSurface())
        settleBoardCopy();
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row)
            if (inGroup(pivot, column, row)) {
                const Point at = boardToWindow(groupLayout(x, y, pivot, column, row));
                drawPiece(target, pieceIndex(column, row), at.x, at.y);
            }
}

void restoreGroup(int x, int y, Surface& target, int pivot)
{
    restoreGroupBoxes(x, y, target, pivot, 0);
}

void restoreGroupWide(int x, int y, Surface& target, int pivot, int reach)
{
    restoreGroupBoxes(x, y, target, pivot, std::max(getPieceSize() / 4, reach));
}

void liftGroup(int k)
{
    const int size = getPieceSize();
    const int half = size / 2;
    const int windowSide = windowLength(size);
    const int count = getPieceCount();
    Surface& scratch = scratchSurface();
    for (int level = 0; level < count; ++level) {
        const int column = zOrderColumn(level);
        const int row = zOrderRow(level);
        if (!inGroup(k, column, row))
            continue;
        const PieceRect& member = pieceRect(column, row);
        const Point memberAt = boardToWindow({member.left, member.top});
        fillRect(scratch, 0, 0, windowSide, windowSide, getBackgroundColor());
        paintMargins(scratch, {memberAt.x, memberAt.y, memberAt.x + windowSide,
                               memberAt.y + windowSide}, memberAt);
        for (int other = 0; other < count; ++other) {
            const int otherColumn = zOrderColumn(other);
            const int otherRow = zOrderRow(other);
            if (inGroup(k, otherColumn, otherRow))
                continue;
            const PieceRect& box = pieceRect(otherColumn, otherRow);
            const int centreX = box.left + half;
            const int centreY = box.top + half;
            if (centreX >= member.left - half && centreX < member.left + size + half &&
                centreY >= member.top - half && centreY < member.top + size + half) {
                const Point otherAt = boardToWindow({box.left, box.top});
                drawPiece(scratch, pieceIndex(otherColumn, otherRow), otherAt.x - memberAt.x,
                          otherAt.y - memberAt.y);
            }
        }
        copyRect(boardSurface(), memberAt.x, memberAt.y, windowSide, windowSide, scratch, 0, 0,
                 RasterOp::copy);
    }
}

void paintBoard()
{
    growBoardToWindow();
    followNewLayout();
    fitViewToWindow();
    const bool drawPieces = getBuildInProgress() == 0;
    const bool carrying = drawPieces && carryingGroup();
    Surface& window = windowSurface();
    // Drawn straight into the window when it holds the whole board copy and nothing carried
    // must stay out of the copy: the copy is taken from the window only when next needed.
    Surface& board = boardSurfaceToRepaint();
    const bool straight =
        !carrying && window.width <= board.width && window.height <= board.height;
    Surface& target = straight ? window : board;
    fillRect(target, 0, 0, target.width, target.height, getBackgroundColor());
    paintMargins(target, {0, 0, target.width, target.height});
    const int side = windowLength(getPieceSize());
    const BoardToWindow toWindow = boardToWindowNow();
    if (drawPieces)
        for (int level = 0; level < getPieceCount(); ++level) {
            const int column = zOrderColumn(level);
            const int row = zOrderRow(level);
            if (carrying && inGroup(heldPiece(), column, row))
                continue;
            const PieceRect& box = pieceRect(column, row);
            const Point at = toWindow({box.left, box.top});
            if (at.x < window.width && at.y < window.height && at.x + side > 0 && at.y + side > 0)
                drawPiece(target, pieceIndex(column, row), at.x, at.y, toWindow.scale);
        }
    if (straight) {
        takeBoardFromWindow();
        return;
    }
    copyRect(window, 0, 0, target.width, target.height, target, 0, 0, RasterOp::copy);
    if (carrying) {
        const PieceRect& held = pieceRect(getHeldColumn(), getHeldRow());
        drawGroup(held.left, held.top, heldPiece(), window);
    }
}
