// A puzzle's title as the library shows it: the first line of its attached message that is
// not blank, without the blanks around it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

// The title of the puzzle in play, UTF-8.
std::string titleOfPuzzleInPlay();

// The title a puzzle resource's header carries, UTF-8.
std::string titleOfPuzzleHeader(std::span<const std::uint8_t> header);
