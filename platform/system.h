// Clock, time of day, the C runtime's random numbers, the program's own path and the player's
// folders.
#pragma once

#include <cstdint>
#include <string>

// GetTickCount: milliseconds from a monotonic clock, 32 bits, wrapping.
std::uint32_t tickCount();

// time(NULL): seconds since 1970.
std::int64_t timeOfDaySeconds();

// srand: seeds the classic C runtime generator.
void seedRandom(std::uint32_t seed);

// rand: state = state * 214013 + 2531011, answers (state >> 16) & 0x7FFF, 0..32767.
int nextRandom();

// GetModuleFileName(NULL): the full path of the running program.
std::string modulePath();

// SHGetFolderPath(CSIDL_APPDATA) joined with the program's own folder: where the program keeps
// files for this user. The folder may not exist yet.
std::string userDataFolder();

// SHGetKnownFolderPath(FOLDERID_Pictures): the player's Pictures folder, or the home folder (the
// profile on Windows) when there is none.
std::string picturesFolder();
