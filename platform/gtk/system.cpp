// Clock, time of day, the program's path and the user's data and Pictures folders on Linux.
#include "platform/system.h"

#include <glib.h>

#include <climits>
#include <cstdlib>
#include <ctime>

std::uint32_t tickCount()
{
    return static_cast<std::uint32_t>(g_get_monotonic_time() / 1000);
}

std::int64_t timeOfDaySeconds()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

std::string modulePath()
{
    char path[PATH_MAX];
    if (!realpath("/proc/self/exe", path))
        return {};
    return path;
}

std::string picturesFolder()
{
    // XDG_PICTURES_DIR of user-dirs.dirs; GLib answers the home folder when it is unset, and a
    // folder named there may not exist.
    const char* pictures = g_get_user_special_dir(G_USER_DIRECTORY_PICTURES);
    if (pictures && g_file_test(pictures, G_FILE_TEST_IS_DIR))
        return pictures;
    return g_get_home_dir();
}

std::string userDataFolder()
{
    // $XDG_DATA_HOME, or ~/.local/share without it.
    return std::string(g_get_user_data_dir()) + "/velmora";
}
