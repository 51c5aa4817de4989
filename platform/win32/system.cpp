// Clock, time of day, the program's path, the user's data and Pictures folders and the desktop
// wallpaper on Windows.
#include "platform/system.h"
#include "platform/utf16.h"
#include "platform/wallpaper.h"
#include "platform/win32/win32_window.h"

#include <knownfolders.h>
#include <shlobj.h>
#include <shlwapi.h>

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

std::string picturesFolder()
{
    std::wstring folder;
    PWSTR pictures = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, 0, nullptr, &pictures)))
        folder = pictures;
    CoTaskMemFree(pictures);
    if (folder.empty() || !PathIsDirectoryW(folder.c_str())) {
        wchar_t profile[MAX_PATH] = {};
        folder = SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PROFILE, nullptr, SHGFP_TYPE_CURRENT,
                                            profile))
                     ? profile
                     : L".";
    }
    return utf16ToUtf8(folder);
}

std::string userDataFolder()
{
    // The same folder the settings fall back to.
    wchar_t appData[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)))
        return utf16ToUtf8(L".\\VELMORA");
    return utf16ToUtf8(std::wstring(appData) + L"\\VELMORA");
}

bool setDesktopWallpaper(const std::string& path)
{
    std::wstring wide = utf8ToUtf16(path);
    return SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, wide.data(),
                                 SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) != 0;
}
