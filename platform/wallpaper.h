// The desktop wallpaper.
#pragma once

#include <string>

// SystemParametersInfo(SPI_SETDESKWALLPAPER, 0, path, SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE):
// makes the image file at `path` the desktop wallpaper at once and for later sessions.
// Answers whether the desktop took it.
bool setDesktopWallpaper(const std::string& path);
