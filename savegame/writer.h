// Writing the game in progress as a play file.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/files.h"

// Seconds played: the seconds before startTick plus the whole seconds since, each tick count
// divided on its own, in wrapping 32-bit arithmetic, as the play file keeps them.
std::uint32_t playedSeconds();

// Hands the whole play file of the current game to `transfer`, block by block in file order:
// the header (with the play time at this moment), the cells, the rectangles, the group masks,
// the drawing order, the neighbour steps, then each image's file header and bitmap data
// straight from its block. Answers whether every transfer succeeded; the game is unchanged.
bool writePlayFile(const FileTransfer& transfer);

// The same file in memory.
std::vector<std::uint8_t> playFileBytes();

// The play file's state part, the bytes it holds before the image blocks (header, cells,
// rectangles, group masks, drawing order, neighbour steps), for the game in play.
std::vector<std::uint8_t> playStateBytes();
