// Paths as the standard library's path type, from and to the UTF-8 text the game keeps them in.
// (On Windows the path type reads plain narrow text in the ANSI code page, which cannot hold
// every name, so UTF-8 goes through char8_t; on Linux the bytes pass unchanged.)
#pragma once

#include <filesystem>
#include <string>

inline std::filesystem::path pathFromUtf8(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// With forward slashes when `generic`, as in URLs.
inline std::string utf8FromPath(const std::filesystem::path& path, bool generic = false)
{
    const std::u8string text = generic ? path.generic_u8string() : path.u8string();
    return std::string(text.begin(), text.end());
}
