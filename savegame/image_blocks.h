// The six images a play file carries, as the game state holds them.
#pragma once

#include <cstdint>

namespace playfile {

// The 14-byte bitmap file header kept for image block `index` (0 picture, 1..4 sheets, 5 mask).
std::uint8_t* stateFileHeader(int index);
// The image's block (info header, colour table, rows), null when there is none.
std::uint8_t* stateImage(int index);
// Makes `block` the image of `index` and points its pixel pointer at its rows.
void installStateImage(int index, std::uint8_t* block);

}  // namespace playfile
