// Reading a play file into the game.
#pragma once

#include <cstdint>
#include <span>

// Checks the whole file (playFileValid) and, only when it passes, replaces the game state
// with it: geometry, images and their pixel pointers, the board state of every piece, the
// attached message and the play time (startTick restarts now), and the drawing order rebuilt
// from the levels. Nothing carried is left: pieceHeld becomes 0. puzzleNumber, previewShown
// and the bitmap file headers of the last build stay as they were. Answers false, having
// changed nothing, when the file fails the check.
bool loadPlayFileBytes(std::span<const std::uint8_t> bytes);

// Takes the bitmap file headers of the play file just loaded as the game's own, so that saving
// the game again gives the file's own bytes.
void adoptImageFileHeaders(std::span<const std::uint8_t> bytes);

// Installs a state part (the bytes before a play file's image blocks, as playStateBytes
// writes them) over the puzzle in play: checked as playFileValid checks a whole file, it must
// be exactly the state part's length and state the geometry of the puzzle in play. A carried
// group is put down first; then header and board are installed as loadPlayFileBytes installs
// them, the images in play kept. Answers false, having changed nothing, otherwise.
bool loadPlayStateBytes(std::span<const std::uint8_t> bytes);
