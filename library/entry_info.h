// What the library knows of one puzzle besides its pieces: kind, title, size, the player's
// record with it and its thumbnail, kept as one small file in the entry's folder.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/picture_file.h"

// Where an entry's puzzle comes from.
enum class EntryKind {
    series,  // one of the puzzles carried in the program (number 2..8)
    made,    // made from the player's picture: its puzzle resource is kept
    file,    // opened from a play file: the file is kept
};

struct EntryInfo {
    EntryKind kind = EntryKind::series;
    int seriesNumber = 0;       // 2..8 for the series, 0 otherwise
    bool madeFromPicture = false;  // a kept play file of a puzzle made from a picture
    std::string title;          // UTF-8, one line
    int pieces = 0;
    std::int64_t playedSeconds = 0;  // of the game in progress
    int joinedPieces = 0;            // joins made in the game in progress: pieces - groups
    std::int64_t lastPlayed = 0;     // seconds since 1970
    int timesFinished = 0;
    std::int64_t bestSeconds = 0;    // the shortest finished game, once finished
    bool gameKept = false;           // a game in progress is kept beside it
    RgbImage thumbnail;              // of the puzzle's picture; empty for the series
};

// The file kept for an entry: lines of text (its title one line of at most maxTitleBytes),
// the last giving the length of the thumbnail that follows them, so that listing a puzzle
// reads one file.
std::vector<std::uint8_t> entryInfoText(const EntryInfo& info);

// Reads a file entryInfoText() wrote; nullopt for anything else (a field missing, out of range
// or out of order, a title with a line break or longer than maxTitleBytes, a thumbnail of
// another length or damaged).
std::optional<EntryInfo> parseEntryInfo(std::span<const std::uint8_t> bytes);

// The longest title kept, in bytes, and the longest info file.
constexpr std::size_t maxTitleBytes = 400;
constexpr std::size_t maxEntryInfoBytes = 1024 + 16 + 128 * 96 * 3;
