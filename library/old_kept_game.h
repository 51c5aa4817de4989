// The game an older version of the program kept between runs, as a play file with two small
// files beside it, taken into the library once.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The play file an older version kept.
std::string oldKeptGamePath();

struct OldKeptGame {
    bool series = false;                // its pictures are those of the series puzzle in play
    std::vector<std::uint8_t> bytes;    // the play file, for a puzzle not of the series
    bool previewWasShown = false;
};

// Puts the old kept game in play with its series number, kind and view: as the series puzzle
// it was when its pictures are that puzzle's, else as a play file of its own. Nullopt, the
// game untouched, when there is none or it fails the play file check.
std::optional<OldKeptGame> takeInOldKeptGame();

// Removes the old files, once the library holds their game.
void forgetOldKeptGame();
