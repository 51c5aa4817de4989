// Checking a play file whole before any of it reaches the game.
#pragma once

#include <cstdint>
#include <span>

// Whether `bytes` is a play file the game can take: exactly the length its header implies, a
// geometry within the limits of puzzle/limits.h (the same an embedded puzzle must keep),
// picture and sheet formats 1 or 2, every piece turned 1..4, the drawing levels a permutation
// of the pieces, every group matrix holding its own piece and shared whole by its members, who
// are turned alike and lie at their places in the group, and images whose headers match the
// geometry and whose rows lie inside their blocks. The fields the game never uses are not
// looked at.
bool playFileValid(std::span<const std::uint8_t> bytes);

// The checks of the state part at the front of `bytes` (everything before the image blocks):
// the geometry within the limits, the rotations, the drawing levels and the groups as above.
// The length beyond the state part and the images are not looked at.
bool playStateValid(std::span<const std::uint8_t> bytes);
