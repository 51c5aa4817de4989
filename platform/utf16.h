// UTF-8 <-> UTF-16 for the Windows system calls, which take text and paths as UTF-16.
#pragma once

#include <string>
#include <string_view>

// Invalid UTF-8 comes out as U+FFFD.
std::wstring utf8ToUtf16(std::string_view utf8);

// Unpaired surrogates come out as U+FFFD.
std::string utf16ToUtf8(std::wstring_view utf16);
