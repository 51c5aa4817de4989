// Finding the piece under a point of the board by its outline.
#pragma once

#include <optional>

#include "platform/types.h"

// Whether (dx, dy), relative to the top-left of piece k's box, lies on the piece's outline
// for its current rotation.
bool hitTestPiece(int dx, int dy, int k);

// Home cell (x = column, y = row) of the topmost piece whose outline covers the board point;
// a point between a box's tabs falls through to the pieces below.
std::optional<Point> findPieceAt(int x, int y);
