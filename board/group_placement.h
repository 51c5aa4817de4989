// Moving and turning a whole group on the board by rewriting its members' boxes.
#pragma once

#include "platform/types.h"

// The least box corner, on each axis, that a saved game can hold.
constexpr int leastBoxCorner = -1000;

// Turns p's group a quarter turn clockwise, p's box ending at (x, y); plays the turn sound
// when sound effects are on.
void turnGroup(int x, int y, int p);

// Moves p's group so that p's box lies at (x, y), without turning it.
void placeGroup(int x, int y, int p);

// Where p's box may lie for (x, y) with no member of its group left of or above
// leastBoxCorner: (x, y) itself, or moved right and down just as far as needed. A tall group
// carried by its lowest piece to the board's top edge would otherwise reach where no saved game
// can follow it.
Point withinSavedRange(int x, int y, int p);

// Moves p's group right and down as far as withinSavedRange asks; answers whether it moved.
bool keepGroupInSavedRange(int p);
