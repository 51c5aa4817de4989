// The name proposed for the finished picture's file: the puzzle's title made safe as a file name.
#pragma once

#include <string>

// `title` (UTF-8) as a file name without its extension that Linux and Windows both take:
// characters no file system allows (/ \ : * ? " < > | and control characters) become "_",
// blanks and dots around it are dropped, it is cut to at most 64 characters, and a name Windows
// keeps for a device (CON, NUL, COM1 ...) gets "_" added; `fallback` when nothing is left.
std::string pictureFileStem(const std::string& title, const std::string& fallback);
