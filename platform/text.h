// Conversion between code page 932 (Shift-JIS), in which puzzle and play files keep text,
// and UTF-8, in which the platform shows and takes text.
#pragma once

#include <string>
#include <string_view>

// Bytes that are not valid code page 932 come out as U+FFFD.
std::string cp932ToUtf8(std::string_view cp932);

// Characters that code page 932 lacks come out as '?'.
std::string utf8ToCp932(std::string_view utf8);
