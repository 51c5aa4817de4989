// Moving and turning a whole group on the board by rewriting its members' boxes.
#pragma once

// Turns p's group a quarter turn clockwise, p's box ending at (x, y); plays the turn sound
// when sound effects are on.
void turnGroup(int x, int y, int p);

// Moves p's group so that p's box lies at (x, y), without turning it.
void placeGroup(int x, int y, int p);
