// Limits a puzzle geometry must satisfy before the game can load it.
#pragma once

#include <string>

#include "maker/geometry.h"

// An empty answer when the geometry can be stored and played, otherwise why not.
std::string geometryProblem(const PuzzleGeometry& geometry);

// The layout class byte of the header; its mask row padding must suit
// pieceSize * columns (remainder 4 on division by 8 needs padding 4, remainder 0 none).
int layoutClassFor(const PuzzleGeometry& geometry);
