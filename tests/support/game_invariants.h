// What the game relies on in its state: checks that name every broken rule they find.
#pragma once

#include <string>
#include <vector>

// Faults of a puzzle in play: geometry within the tables, zLevel a permutation of the pieces
// and the drawing-order lists its inverse, rotations 1..4, every group matrix holding its own
// piece and equal for all its members, members sharing one rotation and lying where the
// group layout rule puts them, boxes of pieceSize, and every image pointer inside its block.
std::vector<std::string> puzzleStateFaults();

// Faults only a fresh build has: every piece on its own, its box inside the scatter area.
std::vector<std::string> freshBuildFaults();

// All faults joined into one message, empty when there are none.
std::string describeFaults(const std::vector<std::string>& faults);
