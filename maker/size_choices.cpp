// The numbers of pieces offered for a picture: columns x rows near the picture's proportions,
// and the geometry that lays them out on the board.
#include "maker/size_choices.h"

#include <algorithm>
#include <cmath>

#include "maker/limits.h"
#include "puzzle/limits.h"

namespace {

constexpr int targetPieces[] = {12, 24, 35, 48, 70, 100, 150, 200, 300, 400, 500, 700, 1000};
constexpr int maxCellStep = 120;
// The least cell a hand handles well at 100 %, where the picture has the pixels for it.
constexpr int playableCellStep = 48;
constexpr int puzzleAreaWidth = 960;
constexpr int puzzleAreaHeight = 600;

// How far a grid is from `target` pieces of square cells over a picture of `aspect`.
double mismatch(const SizeChoice& choice, int target, double aspect)
{
    const double count = std::abs(choice.pieces() - target) / static_cast<double>(target);
    const double shape = std::abs(std::log(choice.columns / (aspect * choice.rows)));
    return count + shape;
}

// The grid within the limits that comes nearest to `target` pieces with square cells.
SizeChoice nearestGrid(int target, double aspect)
{
    SizeChoice best;
    double bestMismatch = 0;
    for (int rows = 1; rows <= maxRows; ++rows)
        for (int columns = 1;
             columns <= maxColumns && columns * rows <= maxPieces;
             ++columns) {
            const SizeChoice choice{columns, rows};
            const double distance = mismatch(choice, target, aspect);
            if (best.columns == 0 || distance < bestMismatch) {
                best = choice;
                bestMismatch = distance;
            }
        }
    return best;
}

PuzzleGeometry geometryWithStep(const SizeChoice& choice, int step)
{
    PuzzleGeometry geometry;
    geometry.columns = choice.columns;
    geometry.rows = choice.rows;
    geometry.margin = 2 * ((step + 1) / 3);
    geometry.core = step - geometry.margin;
    return geometry;
}

// The picture's pixels across one piece after cropping to the choice's proportions: the crop
// keeps the whole of one side, and the pieces along it share that side's pixels.
long long pixelsAcross(int pictureWidth, int pictureHeight, const SizeChoice& choice)
{
    const long long width = pictureWidth;
    const long long height = pictureHeight;
    const bool wider = width * choice.rows > height * choice.columns;
    return wider ? height / choice.rows : width / choice.columns;
}

}  // namespace

std::vector<SizeChoice> sizeChoices(int pictureWidth, int pictureHeight)
{
    const double aspect =
        static_cast<double>(std::max(pictureWidth, 1)) / std::max(pictureHeight, 1);
    std::vector<SizeChoice> choices;
    for (const int target : targetPieces) {
        const SizeChoice choice = nearestGrid(target, aspect);
        const bool seen = std::any_of(choices.begin(), choices.end(), [&](const SizeChoice& c) {
            return c.pieces() >= choice.pieces();
        });
        if (choice.pieces() >= 12 && !seen &&
            pictureLargeEnough(pictureWidth, pictureHeight, choice))
            choices.push_back(choice);
    }
    return choices;
}

PuzzleGeometry geometryForChoice(const SizeChoice& choice, int pictureWidth, int pictureHeight)
{
    const int fitting = std::min({maxCellStep, puzzleAreaWidth * 3 / (3 * choice.columns + 2),
                                  puzzleAreaHeight * 3 / (3 * choice.rows + 2)});
    const long long playable = std::min<long long>(
        playableCellStep, pixelsAcross(pictureWidth, pictureHeight, choice));
    // Cells that fit the window as before, unless that makes them smaller than a hand handles
    // well: then the nearest larger ones whose sizes line up on the 4-byte rows of the bitmaps.
    if (playable > fitting)
        for (int step = static_cast<int>(playable); step <= maxCellStep; ++step)
            if (geometryProblem(geometryWithStep(choice, step)).empty())
                return geometryWithStep(choice, step);
    int step = fitting;
    // Smaller cells until the sizes line up on the 4-byte rows of the bitmaps.
    for (; step > 12; --step)
        if (geometryProblem(geometryWithStep(choice, step)).empty())
            break;
    return geometryWithStep(choice, step);
}

bool pictureLargeEnough(int pictureWidth, int pictureHeight, const SizeChoice& choice)
{
    return pixelsAcross(pictureWidth, pictureHeight, choice) >= minPixelsPerPiece;
}
