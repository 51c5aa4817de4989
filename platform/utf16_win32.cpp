// UTF-8 <-> UTF-16 through MultiByteToWideChar and WideCharToMultiByte.
#include "platform/utf16.h"

#include <windows.h>

std::wstring utf8ToUtf16(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<std::size_t>(
                          MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

std::string utf16ToUtf8(std::wstring_view utf16)
{
    if (utf16.empty())
        return {};
    const int size = static_cast<int>(utf16.size());
    std::string narrow(static_cast<std::size_t>(WideCharToMultiByte(
                           CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr)),
                       '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(),
                        static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
}
