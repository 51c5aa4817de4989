// Where the settings file is kept on Windows: beside the program when its folder is writable,
// else in %APPDATA%\VELMORA.
#include "platform/folders.h"
#include "platform/profile.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "platform/utf16.h"

namespace {

bool isSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

std::wstring folderOf(const std::wstring& path)
{
    const std::size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos)
        return L".";
    // "C:\velmora.exe" lives in "C:\", not in "C:".
    if (separator == 0 || (separator == 2 && path[1] == L':'))
        return path.substr(0, separator + 1);
    return path.substr(0, separator);
}

// A folder is writable when a file can be made in it: the folder's attributes say nothing
// about the permissions of its access list.
bool writableFolder(const std::wstring& folder)
{
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return false;
    std::wstring probe = folder;
    if (!isSeparator(probe.back()))
        probe += L'\\';
    probe += L"velmora-probe-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

// Makes the folder and every missing folder above it: true when it exists afterwards.
bool makeFolders(const std::wstring& folder)
{
    for (std::size_t at = folder.find_first_of(L"\\/", 3); at != std::wstring::npos;
         at = folder.find_first_of(L"\\/", at + 1))
        CreateDirectoryW(folder.substr(0, at).c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// %APPDATA%, or the user's profile folder's Application Data when it is unset.
std::wstring applicationData()
{
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (appData != nullptr && appData[0] != L'\0')
        return appData;
    const wchar_t* profile = _wgetenv(L"USERPROFILE");
    return std::wstring(profile != nullptr ? profile : L"C:") + L"\\Application Data";
}

}  // namespace

bool pathExists(const std::string& path)
{
    return GetFileAttributesW(utf8ToUtf16(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string settingsLocation(const std::string& besideProgram)
{
    const std::wstring program = utf8ToUtf16(besideProgram);
    const std::wstring programFolder = folderOf(program);
    if (writableFolder(programFolder))
        return besideProgram;
    const std::wstring folder = applicationData() + L"\\VELMORA";
    if (!makeFolders(folder) || !writableFolder(folder)) {
        // Said once: the path is worked out again when the settings are written.
        static bool told = false;
        if (!told)
            std::fprintf(stderr,
                         "velmora: settings are not saved: neither %s nor %s can be written\n",
                         utf16ToUtf8(programFolder).c_str(), utf16ToUtf8(folder).c_str());
        told = true;
    }
    const std::size_t separator = program.find_last_of(L"\\/");
    return utf16ToUtf8(folder + L"\\" +
                       (separator == std::wstring::npos ? program : program.substr(separator + 1)));
}
