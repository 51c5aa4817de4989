// The drawing order of the pieces: raising a group to the top, reversing the whole order.
#pragma once

// Moves the group of the piece at home cell (column, row) to the top of the drawing order,
// that piece topmost and the other members below it in row order, then draws the group on
// the main window.
void raiseGroup(int column, int row);
// The same without drawing: only the drawing order changes.
void moveGroupToTop(int column, int row);

// Turns the drawing order upside down and asks for a repaint of the main window.
void reverseDrawingOrder();
