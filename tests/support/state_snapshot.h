// A byte-for-byte picture of the game state, to show that a refused file changed nothing.
#pragma once

#include <cstdint>
#include <vector>

// The scalars, the tables, the message, the file headers and the bytes of every image block
// of the puzzle in play.
std::vector<std::uint8_t> snapshotGameState();
