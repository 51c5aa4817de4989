// The puzzle sizes the game can hold: one table for every check of a puzzle or a play file.
#pragma once

// The state's tables are sized for these.
inline constexpr int maxColumns = 41;
inline constexpr int maxRows = 26;
inline constexpr int maxPieces = 1000;
// A piece's box (core plus a margin on each side) fits the 200 x 200 scratch surface that hit
// testing draws it into, and a piece always has a core: the cell steps and the join test need
// a step longer than the margin.
inline constexpr int minPieceCore = 1;
inline constexpr int maxPieceSize = 200;

// Whether a puzzle of this geometry lies within the limits above.
constexpr bool geometryWithinLimits(int columns, int rows, int pieceCore, int pieceMargin)
{
    return columns >= 1 && columns <= maxColumns && rows >= 1 && rows <= maxRows &&
           columns * rows <= maxPieces && pieceCore >= minPieceCore && pieceMargin >= 0 &&
           pieceCore + 2 * pieceMargin <= maxPieceSize;
}
