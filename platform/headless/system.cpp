// The settable clock and time of day, and the program's path for settings files.
#include "platform/system.h"

#include <filesystem>
#include <system_error>

#include "platform/headless/backend.h"
#include "platform/headless/headless.h"

using headless::backEnd;

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
    // The default program sits in a folder of its own under the temporary folder, made on
    // first use so that the settings file beside it can be written.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "velmora-headless";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return (folder / "velmora").string();
}

std::string userDataFolder()
{
    // Beside the program, so that every test's program keeps its own.
    return (std::filesystem::path(modulePath()).parent_path() / "data").string();
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
