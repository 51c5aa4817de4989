// Where the library keeps its puzzles: one folder per puzzle under the user's data folder.
#pragma once

#include <string>

// The library's folder: "library" in the user's data folder. It may not exist yet.
std::string libraryFolder();

// The folder of the entry named `name` (letters, digits and '-' only) inside the library.
std::string entryFolder(const std::string& name);
