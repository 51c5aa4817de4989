// The library's puzzles as the Puzzles window lists them, and their removal.
#pragma once

#include <string>
#include <vector>

#include "library/entry_info.h"

struct ListedEntry {
    std::string name;
    EntryInfo info;  // with the series puzzles' titles, sizes and thumbnails from the program
};

// The series puzzles first, in their order, whether played or not; then the others, the one
// played last first. Entries whose info is missing or damaged are left out.
std::vector<ListedEntry> listEntries();

// Removes a puzzle the player made or opened, with its game and record; never a series puzzle
// nor the puzzle in play. False when it was not removed whole.
bool removeEntry(const std::string& name);
