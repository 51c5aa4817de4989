// Limits a puzzle geometry must satisfy before the game can load it.
#include "maker/limits.h"

#include "puzzle/limits.h"

namespace {

constexpr int maxByteValue = 255;
constexpr int minMargin = 8;

}  // namespace

std::string geometryProblem(const PuzzleGeometry& geometry)
{
    if (geometry.columns < 1 || geometry.columns > maxColumns)
        return "columns must be 1 to " + std::to_string(maxColumns);
    if (geometry.rows < 1 || geometry.rows > maxRows)
        return "rows must be 1 to " + std::to_string(maxRows);
    if (geometry.columns * geometry.rows > maxPieces)
        return "columns x rows must be at most " + std::to_string(maxPieces);
    if (geometry.core < minPieceCore || geometry.core > maxByteValue)
        return "core must be " + std::to_string(minPieceCore) + " to " +
               std::to_string(maxByteValue);
    if (geometry.margin < minMargin || geometry.margin > maxByteValue)
        return "margin must be " + std::to_string(minMargin) + " to " +
               std::to_string(maxByteValue);
    if (geometry.margin % 2 != 0)
        return "margin must be even";
    if (geometry.pieceSize() > maxPieceSize)
        return "core + 2 x margin (the piece size) must be at most " +
               std::to_string(maxPieceSize) + ", not " + std::to_string(geometry.pieceSize());
    if (geometry.pictureWidth() % 4 != 0)
        return "picture width (core + margin) x columns + margin must be a multiple of 4, not " +
               std::to_string(geometry.pictureWidth());
    if (geometry.pieceSize() * geometry.columns % 4 != 0)
        return "piece size x columns must be a multiple of 4, not " +
               std::to_string(geometry.pieceSize() * geometry.columns);
    return {};
}

int layoutClassFor(const PuzzleGeometry& geometry)
{
    const bool needsPad = geometry.pieceSize() * geometry.columns % 8 == 4;
    if (needsPad)
        return 0;
    // The usual set: class 6 for 3 x 4 puzzles, 7 for 4 x 3; both pad nothing.
    if (geometry.columns == 3 && geometry.rows == 4)
        return 6;
    if (geometry.columns == 4 && geometry.rows == 3)
        return 7;
    return 1;
}
