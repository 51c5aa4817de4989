// The question for a puzzle of the library whose kept puzzle is damaged: remove it or keep it.
#pragma once

#include <string>

// Names the puzzle (UTF-8 `title`, empty for none), says it is damaged and cannot be played, and
// asks whether to remove it from the library; true for Yes (No is the default).
bool askToRemoveDamagedPuzzle(const std::string& title);
