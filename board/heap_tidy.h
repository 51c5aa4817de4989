// Help with the heap: gathering the edge pieces into rows, spreading the loose pieces apart.
#pragma once

// Lays every loose piece whose home cell is on the picture's border out in rows in free board
// space outside the heap of the other loose pieces, corners first, then around the picture from
// its top-left side; each keeps its turn. Free space is what no piece covers; when there is too
// little outside the heap, the rows take holes in the heap, then the places the edge pieces
// leave, then cover other loose pieces, then close up, and cover groups only when nothing else
// is left (always inside the board). The gathered pieces go to the top of the drawing order, in
// that order, and the main window is asked to repaint.
void gatherEdgePieces();

// Lays every loose piece out on a grid inside the board, apart from each other and from every
// joined group, in the order they lie now (rows from the top, each from the left); joined
// groups stay where they are. When the board cannot hold them all apart, the grid closes up
// until they fit beside the groups, and covers the fewest group pieces it can when even that
// fails. Turns and the drawing order stay as they were; the main window is asked to repaint.
void spreadLoosePieces();
