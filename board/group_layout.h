// Where the members of a joined group lie relative to one of them.
#pragma once

#include "platform/types.h"

// (u, v) turned clockwise by rotation - 1 quarter turns, one turn taking (u, v) to (-v, u)
// (board y grows downwards).
Point turnByRotation(int u, int v, int rotation);

// Top-left of the box of the member at home cell (column, row) when the pivot piece's box
// lies at (pivotLeft, pivotTop): the pivot's box plus cellStep times the home-cell
// difference turned by the member's rotation.
Point groupLayout(int pivotLeft, int pivotTop, int pivot, int column, int row);

// Whether the piece at home cell (column, row) belongs to piece k's group.
bool inGroup(int k, int column, int row);

// Piece index of a home cell.
int pieceIndex(int column, int row);
