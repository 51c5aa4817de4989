// A small hand-made puzzle for tests: plain-coloured pieces with a simple outline, laid out
// apart from each other on the board, without the embedded puzzles or their construction.
#pragma once

#include "platform/types.h"

namespace testing_support {

struct SyntheticGeometry {
    int columns = 3;
    int rows = 4;
    int pieceCore = 20;
    int pieceMargin = 40;  // pieceSize 100, cellStep 60
};

// Resets the game state and fills it with a columns x rows puzzle: four sheets and the mask
// in the layouts construction makes, every piece unturned and on its own, the drawing order
// k = level, and piece k's box at a spaced grid position (see spacedPosition).
void buildSyntheticPuzzle(const SyntheticGeometry& geometry = {});

// The colour of piece k inside its outline in the sheet of `rotation`.
Colour syntheticPieceColour(int k, int rotation);

// Whether (x, y), relative to the top-left of a box of side `size` and margin `margin`, lies
// on a piece's outline for `rotation`: the square inset by half the margin, with a tab on
// the right and a matching notch on the left when unturned, turning clockwise with the
// rotation.
bool syntheticOutlineCovers(int x, int y, int size, int margin, int rotation);

// Where buildSyntheticPuzzle puts piece k: a grid with a gap of half a box between boxes,
// starting at (10, 10).
Point spacedPosition(int k);

// Moves piece k's box (left, top) without touching the rest of its group.
void placePiece(int k, int left, int top);

// Headless back end reset, the drawing surfaces made, a 1000 x 700 main window whose
// procedure is the game's, the background colour set, and a synthetic puzzle built.
void setUpBoard(const SyntheticGeometry& geometry = {});

}  // namespace testing_support
