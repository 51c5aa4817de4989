// The settable clock and time of day, and the program's path for settings files.
#include "platform/system.h"

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/headless/backend.h"
#include "platform/headless/headless.h"

using headless::backEnd;

namespace {

// The default program's folder under the temporary folder: named by the process, so that two
// test runs at once never share a settings file, and removed when the process ends (by the
// process that made it, not by a forked child).
class DefaultProgramFolder {
public:
    DefaultProgramFolder()
    {
        std::error_code ignored;
        path = std::filesystem::temp_directory_path(ignored) /
               ("velmora-headless-" + std::to_string(owner));
    }
    ~DefaultProgramFolder()
    {
        std::error_code ignored;
        if (getpid() == owner)
            std::filesystem::remove_all(path, ignored);
    }
    DefaultProgramFolder(const DefaultProgramFolder&) = delete;
    DefaultProgramFolder& operator=(const DefaultProgramFolder&) = delete;

    const int owner = getpid();
    std::filesystem::path path;
};

}  // namespace

std::uint32_t tickCount()
{
    return backEnd().ticks;
}

std::int64_t timeOfDaySeconds()
{
    return backEnd().timeOfDay;
}

std::string modulePath()
{
    if (backEnd().modulePath)
        return *backEnd().modulePath;
    // The default program sits in a folder of its own, made on first use so that the settings
    // file beside it can be written.
    static const DefaultProgramFolder folder;
    std::error_code ignored;
    std::filesystem::create_directories(folder.path, ignored);
    return (folder.path / "velmora").string();
}

std::string userDataFolder()
{
    // Beside the program, so that every test's program keeps its own.
    return (std::filesystem::path(modulePath()).parent_path() / "data").string();
}

std::string picturesFolder()
{
    // Beside the program too: a test's own Pictures folder.
    return (std::filesystem::path(modulePath()).parent_path() / "Pictures").string();
}

namespace headless {

void setTickCount(std::uint32_t ticks)
{
    backEnd().ticks = ticks;
}

void setTimeOfDay(std::int64_t seconds)
{
    backEnd().timeOfDay = seconds;
}

void setModulePath(const std::string& path)
{
    backEnd().modulePath = path;
}

}  // namespace headless
