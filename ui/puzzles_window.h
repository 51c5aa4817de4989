// The Puzzles window: every kept puzzle as a thumbnail with its title, size and progress, to
// continue, start over or remove.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/picture_file.h"

// One puzzle as the window lists it.
struct PuzzleListing {
    std::string key;           // the caller's name for it
    std::string title;         // UTF-8
    int pieces = 0;
    RgbImage thumbnail;        // at most 128 x 96; empty for none
    bool inProgress = false;   // a game of it is kept
    int percentJoined = 0;     // of that game
    int timesFinished = 0;
    std::int64_t bestSeconds = 0;
    bool removable = false;    // the player may remove it
};

struct PuzzleChoice {
    std::string key;
    bool startOver = false;  // laid out afresh rather than continued
};

// The grid's items for the listings: each thumbnail with a bar of the progress under it (gold
// when finished and not begun again), the title and a line of pieces, progress and best time.
std::vector<ThumbnailGridItem> puzzleGridItems(const std::vector<PuzzleListing>& listings);

// Shows the window with the listing of key `selected` chosen. A removable puzzle the player
// asks to remove is, once confirmed, handed to `remove`, which answers whether it is gone.
// Answers the puzzle to continue or start over, or nullopt when the window was closed.
std::optional<PuzzleChoice> askForPuzzle(std::vector<PuzzleListing> listings,
                                         const std::string& selected,
                                         const std::function<bool(const std::string&)>& remove);
