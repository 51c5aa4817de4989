// The wallpaper recorded instead of set, so that tests never change the desktop they run on;
// the answer is what the test arranged.
#include "platform/wallpaper.h"

#include "platform/headless/backend.h"
#include "platform/headless/headless.h"

bool setDesktopWallpaper(const std::string& path)
{
    headless::logEvent("wallpaper " + path);
    return headless::backEnd().wallpaperAccepted;
}

namespace headless {

void setWallpaperAccepted(bool accepted)
{
    backEnd().wallpaperAccepted = accepted;
}

}  // namespace headless
