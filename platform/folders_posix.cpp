// Where the settings file is kept on Linux: beside a program run from its own folder when that
// folder is writable, else (and always for an installed program) in the user's configuration
// folder.
#include "platform/folders.h"
#include "platform/profile.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool isFolder(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool writableFolder(const std::string& folder)
{
    return isFolder(folder) && access(folder.c_str(), W_OK) == 0;
}

// A program installed under a prefix (/usr/games/velmora, /usr/local/bin/velmora) finds its
// data in share/velmora beside its folder; a system folder is no place for a user's settings,
// and removing the package would leave them behind.
bool installedUnderPrefix(const std::string& programFolder)
{
    return isFolder(folderOf(programFolder) + "/share/velmora");
}

// mkdir -p: true when the folder exists afterwards.
bool makeFolders(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1))
        mkdir(folder.substr(0, slash).c_str(), 0700);
    mkdir(folder.c_str(), 0700);
    return isFolder(folder);
}

std::string configHome()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd* user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : "/tmp";
    }
    return std::string(home) + "/.config";
}

}  // namespace

bool pathExists(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

std::string settingsLocation(const std::string& besideProgram)
{
    const std::string programFolder = folderOf(besideProgram);
    if (!installedUnderPrefix(programFolder) && writableFolder(programFolder))
        return besideProgram;
    const std::string folder = configHome() + "/velmora";
    if (!makeFolders(folder) || !writableFolder(folder)) {
        // Said once: the path is worked out again when the settings are written.
        static bool told = false;
        if (!told)
            std::fprintf(stderr,
                         "velmora: settings are not saved: neither %s nor %s can be written\n",
                         programFolder.c_str(), folder.c_str());
        told = true;
    }
    return folder + "/" + besideProgram.substr(besideProgram.rfind('/') + 1);
}
