// Where the library keeps its puzzles: one folder per puzzle under the user's data folder.
#include "library/library_folder.h"

#include "platform/system.h"

std::string libraryFolder()
{
    return userDataFolder() + "/library";
}

std::string entryFolder(const std::string& name)
{
    return libraryFolder() + "/" + name;
}
