// Clock, time of day, the program's path and the desktop wallpaper on Windows.
#include "platform/system.h"
#include "platform/utf16.h"
#include "platform/wallpaper.h"
#include "platform/win32/win32_window.h"

#include <ctime>

std::uint32_t tickCount()
{
    return static_cast<std::uint32_t>(GetTickCount());
}

std::int64_t timeOfDaySeconds()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

std::string modulePath()
{
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return utf16ToUtf8(path);
}

bool setDesktopWallpaper(const std::string& path)
{
    std::wstring wide = utf8ToUtf16(path);
    return SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, wide.data(),
                                 SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) != 0;
}
