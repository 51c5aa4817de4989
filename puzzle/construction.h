// Building a puzzle: read the embedded resource, cut the pieces, scatter them on the board.
#pragma once

// Builds puzzle `puzzleNumber` (resource 162 + puzzleNumber). When the resource is missing
// or malformed, tells the player and leaves the puzzle in play as it was.
void buildPuzzle();

// The message for a puzzle or play file that cannot be read.
inline constexpr const char* readFailureText = "ファイルの読み込みに失敗しました";
