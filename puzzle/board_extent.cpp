// The board's size for the puzzle in play, from its picture and the window it has been shown in.
#include "puzzle/board_extent.h"

#include <algorithm>
#include <cmath>

#include "puzzle/state.h"

namespace {

BoardExtent clientCovered{0, 0};

}  // namespace

BoardExtent boardExtent()
{
    const double pictureArea = static_cast<double>(getPictureWidth()) * getPictureHeight();
    const int room = 4 * getPieceSize();
    const int width = std::max({leastBoardWidth, getPictureWidth() + room,
                                static_cast<int>(std::lround(std::sqrt(4 * pictureArea * 5 / 3)))});
    const int height = std::max({leastBoardHeight, getPictureHeight() + room,
                                 static_cast<int>(std::lround(std::sqrt(4 * pictureArea * 3 / 5)))});
    return {std::max(width, clientCovered.width), std::max(height, clientCovered.height)};
}

void coverClientArea(int width, int height)
{
    clientCovered.width = std::max(clientCovered.width, width);
    clientCovered.height = std::max(clientCovered.height, height);
}

namespace {
int layouts = 0;
}

void noteNewLayout()
{
    ++layouts;
}

int layoutCount()
{
    return layouts;
}
