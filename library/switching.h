// Switching puzzles: every way of leaving a puzzle goes through here and keeps the game being
// left in the library first, so no game is lost by starting another.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Keeps the game in play: its record (or, when finished, none), its entry's info, its puzzle
// when the library lacks it, and the pointer to it. Nothing without a puzzle in play. A library
// that cannot be written is told once a run; the game goes on. Answers whether all was written.
bool keepGameInLibrary();

// Start-up: the puzzle last in play as it was left, the game an older version kept taken in
// once, or else the first puzzle of the series. Answers whether the preview was open in the
// game brought back. The puzzle put in play is not kept yet (keeping writes and syncs files):
// start-up keeps it once its first frame is shown.
bool resumeLastPuzzle();

// The entry in play; empty before start-up.
const std::string& entryInPlay();

// The entry's puzzle continued where it was left, or laid out afresh, after the game in play
// is kept. False, with the player told, when its puzzle cannot be built: the game in play
// stays.
bool continueEntry(const std::string& name);
bool startEntryOver(const std::string& name);

// A puzzle just made from a picture, or a play file just read and checked, put in play as its
// entry (a new one, or the one it already has) after the game in play is kept.
bool playMadePuzzle(std::span<const std::uint8_t> resource);
bool playOpenedFile(std::vector<std::uint8_t> bytes);

// Starts the puzzle in play afresh; a puzzle taken from a play file of the series instead
// leaves for the series puzzle, afresh, its game kept.
void restartPuzzle();

// The puzzle in play was just finished: its time and the count of finished games are
// recorded and its game forgotten.
void noteFinishedPuzzle();

// Whether the puzzle in play is one of the series rather than a made puzzle or a play file
// (before start-up: as a puzzle of the series).
bool seriesPuzzleInPlay();

// After a finished puzzle: the series puzzle whose number is now chosen, continued when the
// library keeps a game of it, else laid out afresh.
void goOnWithSeries();
