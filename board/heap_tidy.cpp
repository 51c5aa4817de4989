// The loose pieces moved as a whole: edge pieces gathered, every loose piece spread apart.
#include "board/heap_tidy.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "board/drawing_order.h"
#include "board/free_grid.h"
#include "board/group_layout.h"
#include "board/group_placement.h"
#include "board/outline_inset.h"
#include "platform/window.h"
#include "puzzle/board_extent.h"
#include "puzzle/state.h"

namespace {

bool isLoose(int k)
{
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row)
            if (inGroup(k, column, row) && pieceIndex(column, row) != k)
                return false;
    return true;
}

bool onPictureBorder(int k)
{
    const int column = k % getColumns();
    const int row = k / getColumns();
    return column == 0 || row == 0 || column == getColumns() - 1 || row == getRows() - 1;
}

Rect boxOf(int k)
{
    const PieceRect& box = pieceRect(k % getColumns(), k / getColumns());
    return {box.left, box.top, box.right, box.bottom};
}

// The smallest rectangle holding every box.
Rect boundsOf(const std::vector<Rect>& boxes)
{
    Rect bounds = boxes.front();
    for (const Rect& box : boxes)
        bounds = {std::min(bounds.left, box.left), std::min(bounds.top, box.top),
                  std::max(bounds.right, box.right), std::max(bounds.bottom, box.bottom)};
    return bounds;
}

// The board's pieces split in two: the loose ones, and the boxes of every joined group.
struct BoardPieces {
    std::vector<int> loose;
    std::vector<Rect> groupBoxes;
};

BoardPieces splitBoardPieces()
{
    BoardPieces pieces;
    for (int k = 0; k < getPieceCount(); ++k) {
        if (isLoose(k))
            pieces.loose.push_back(k);
        else
            pieces.groupBoxes.push_back(boxOf(k));
    }
    return pieces;
}

// The grid for `count` pieces' boxes, avoiding the obstacle tiers, the first `areaTiers` of
// them areas rather than pieces (see layOutOnFreeGrid).
std::vector<Point> freeGridPlaces(int count, std::vector<std::vector<Rect>> obstacleTiers,
                                  int areaTiers = 0)
{
    const BoardExtent board = boardExtent();
    FreeGridRequest request;
    request.count = count;
    request.boxSide = getPieceSize();
    request.inset = outlineInset();
    request.boardWidth = board.width;
    request.boardHeight = board.height;
    request.roomyGap = std::max(2, getPieceMargin() / 4);
    // Closer than half a cell, pieces would hide more of each other than they show.
    request.leastSpacing = std::max(1, getCellStep() / 2);
    request.obstacleTiers = std::move(obstacleTiers);
    request.areaTiers = areaTiers;
    return layOutOnFreeGrid(request);
}

// Where a border piece comes in the gathered rows: the corners first (top-left, top-right,
// bottom-right, bottom-left), then the rest going round the picture clockwise from its top-left.
std::tuple<bool, int> gatheringOrder(int k)
{
    const int last = getColumns() - 1;
    const int bottom = getRows() - 1;
    const int column = k % getColumns();
    const int row = k / getColumns();
    const bool corner = (column == 0 || column == last) && (row == 0 || row == bottom);
    int round = 0;
    if (row == 0)
        round = column;
    else if (column == last)
        round = last + row;
    else if (row == bottom)
        round = last + bottom + (last - column);
    else
        round = 2 * last + bottom + (bottom - row);
    return {!corner, round};
}

}  // namespace

void gatherEdgePieces()
{
    const BoardPieces pieces = splitBoardPieces();
    std::vector<int> edgePieces;
    std::vector<Rect> edgeBoxes;
    std::vector<Rect> otherLooseBoxes;
    for (int k : pieces.loose) {
        if (onPictureBorder(k)) {
            edgePieces.push_back(k);
            edgeBoxes.push_back(boxOf(k));
        } else {
            otherLooseBoxes.push_back(boxOf(k));
        }
    }
    std::stable_sort(edgePieces.begin(), edgePieces.end(),
                     [](int a, int b) { return gatheringOrder(a) < gatheringOrder(b); });
    // The rows go where nothing lies, outside the heap of the other loose pieces, so that they
    // stand together apart from it rather than in the holes the player left in it; short of
    // room they take those holes, then the places the edge pieces leave, then cover other loose
    // pieces, and groups last: a joined part is the player's work.
    std::vector<Rect> heapArea;
    if (!otherLooseBoxes.empty())
        heapArea.push_back(boundsOf(otherLooseBoxes));
    const std::vector<Point> places =
        freeGridPlaces(static_cast<int>(edgePieces.size()),
                       {heapArea, edgeBoxes, otherLooseBoxes, pieces.groupBoxes}, 1);
    for (std::size_t index = 0; index < places.size(); ++index) {
        const int k = edgePieces[index];
        placeGroup(places[index].x, places[index].y, k);
        moveGroupToTop(k % getColumns(), k / getColumns());
    }
    invalidateWindow(getMainWindow(), false);
}

void spreadLoosePieces()
{
    BoardPieces pieces = splitBoardPieces();
    std::stable_sort(pieces.loose.begin(), pieces.loose.end(), [](int a, int b) {
        const Rect boxA = boxOf(a);
        const Rect boxB = boxOf(b);
        return std::tie(boxA.top, boxA.left) < std::tie(boxB.top, boxB.left);
    });
    const std::vector<Point> places =
        freeGridPlaces(static_cast<int>(pieces.loose.size()), {pieces.groupBoxes});
    for (std::size_t index = 0; index < places.size(); ++index)
        placeGroup(places[index].x, places[index].y, pieces.loose[index]);
    invalidateWindow(getMainWindow(), false);
}
