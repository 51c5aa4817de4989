// The library on disk: each puzzle's folder with its files, the pointer to the puzzle last in
// play, and the list of entries. Every file is replaced whole, so two programs writing at once
// leave one complete version of each file (the last written).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "library/entry_info.h"

// The files of an entry's folder.
inline constexpr const char* infoFileName = "info";
inline constexpr const char* gameFileName = "game";
// The kept puzzle: the resource of a made puzzle, the play file of an opened one.
const char* sourceFileName(EntryKind kind);

// Entry names: "series-N" for series puzzle N, "made-" or "file-" and 16 hexadecimal digits
// of the kept puzzle's bytes, so one puzzle kept twice is one entry.
std::string seriesEntryName(int number);
std::string sourceEntryName(EntryKind kind, std::span<const std::uint8_t> source);
bool isEntryName(const std::string& name);
// The series number of a series entry's name; 0 for any other name.
int seriesNumberOfEntry(const std::string& name);

// Writes one file of the entry, making its folder when needed; false when it could not be
// written whole (the file as it was stays).
bool writeEntryFile(const std::string& name, const char* file,
                    std::span<const std::uint8_t> bytes);
// Reads one file of the entry of at most maxBytes; nullopt when it is missing or unreadable.
std::optional<std::vector<std::uint8_t>> readEntryFile(const std::string& name, const char* file,
                                                       std::size_t maxBytes);
bool entryFileExists(const std::string& name, const char* file);
void removeEntryFile(const std::string& name, const char* file);
// Removes the entry's folder and everything in it; false when something stayed.
bool removeEntryFolder(const std::string& name);

// The entry's info, nullopt when missing, damaged or of another kind than the name says.
std::optional<EntryInfo> readEntryInfo(const std::string& name);

// The entry's info, or when it has none that reads, a fresh one for a series puzzle or a
// puzzle whose file is kept, so that a damaged info loses no puzzle; nullopt for anything else.
std::optional<EntryInfo> entryInfoOrFresh(const std::string& name);

// The names of the entries kept, in no particular order.
std::vector<std::string> entryNames();

// The puzzle last in play and the series number to go on with.
struct CurrentPuzzle {
    std::string entry;
    int seriesNumber = 2;
};
bool writeCurrentPuzzle(const CurrentPuzzle& current);
// Nullopt when the library has no (readable) pointer yet.
std::optional<CurrentPuzzle> readCurrentPuzzle();
