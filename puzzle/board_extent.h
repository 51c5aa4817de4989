// The board's size in board pixels: the assembled picture and room for the heap around it.
#pragma once

// The least board, the size every puzzle of the series plays on.
inline constexpr int leastBoardWidth = 2000;
inline constexpr int leastBoardHeight = 1200;

struct BoardExtent {
    int width = leastBoardWidth;
    int height = leastBoardHeight;
};

// The board of the puzzle in play: about four times the assembled picture's area in the
// proportions 5 : 3 (the picture and three times its area for the heap), wide and tall enough
// for the picture with two pieces' boxes of room on each side, never less than the least
// board, and never less than the largest client area the window has shown at 100 %.
BoardExtent boardExtent();

// The window's client area reached `width` x `height` board pixels at 100 %: the board grows to
// cover it (it never shrinks while the program runs).
void coverClientArea(int width, int height);

// Counts the layouts of the board: a puzzle laid out afresh or a game read from a file.
void noteNewLayout();
int layoutCount();
