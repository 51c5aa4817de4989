// Building a puzzle: read the embedded resource, cut the pieces, scatter them on the board.
#pragma once

#include <cstdint>
#include <span>

// Builds puzzle `puzzleNumber` (resource 162 + puzzleNumber). When the resource is missing
// or malformed, tells the player and leaves the puzzle in play as it was.
void buildPuzzle();

// The resource of series puzzle `number` (2..8) carried in the program; empty for any other
// number or when it is missing.
std::span<const std::uint8_t> seriesPuzzleResource(int number);

// Builds the puzzle resource `bytes` the same way, with the same checks, progress and message;
// answers whether it is now in play (otherwise the puzzle in play stays as it was). A caller
// that tells of an unreadable resource in its own words asks for no message.
bool buildPuzzleFrom(std::span<const std::uint8_t> bytes, bool tellUnreadable = true);

// The puzzle in play laid out anew: every piece turned and scattered at random, alone in its
// group, the play time from zero.
void scatterPuzzleAfresh();

// Where the pieces' bottom-right corners fall when they are scattered: `width` x `height`
// pixels from (right, bottom). A 500 x 300 area from (260, 190) for puzzles of up to 12 pieces;
// for more pieces an area about three times as large as their cells, in the proportions 5 : 3,
// centred in the main window's client area (as far as it reaches) while the assembled picture
// would fit there, and otherwise in the board.
struct ScatterArea {
    int right = 260;
    int bottom = 190;
    int width = 500;
    int height = 300;
};
ScatterArea scatterArea();

// The message for a puzzle or play file that cannot be read.
inline constexpr const char* readFailureText = "ファイルの読み込みに失敗しました";
