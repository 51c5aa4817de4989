// A name shortened in its middle, "長い名前の…最後.jpg", to fit a label of a given width.
#pragma once

#include <string>
#include <string_view>

// The cells a text takes: two for a wide (East Asian) character, one for any other.
int textCells(std::string_view utf8);

// The text itself when it takes at most `cells`; otherwise its start and its end around "…"
// (two cells), together at most `cells`, the two about as long.
std::string shortenedInMiddle(std::string_view utf8, int cells);
