// The Puzzles window's size: the one the player left it at, kept in the settings file, or at
// first one that suits the screen.
#pragma once

#include <vector>

#include "platform/types.h"

// The window's outer rectangle, centred on its owner's and fitted to the work areas as the
// main window's is: `savedWidth` x `savedHeight` when both are given (above 0), else about a
// third of the width and seven tenths of the height of the work area under the owner's
// middle. The dialog itself never gets smaller than its template.
Rect puzzlesWindowRect(const Rect& owner, int savedWidth, int savedHeight,
                       const std::vector<Rect>& workAreas);

// Sizes and places the opening window from the settings; keeps its size there as it closes.
void placePuzzlesWindow(Window* dialog, Window* owner);
void keepPuzzlesWindowSize(Window* dialog);
