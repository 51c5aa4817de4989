// The desktop wallpaper through the desktop's own settings.
#include "platform/gtk/gsettings_wallpaper.h"
#include "platform/wallpaper.h"

bool setDesktopWallpaper(const std::string& path)
{
    return writeWallpaperSettings(g_settings_schema_source_get_default(), nullptr, path);
}
