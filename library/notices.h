// Messages to the player: shown over the main window at once, or, while the program starts,
// held until the window shows the board, so that none appears over a window not yet painted.
#pragma once

#include <functional>
#include <string>

// From now until showHeldNotices, notices wait.
void holdNotices();

// Shows the notices held, in the order they came, and stops holding.
void showHeldNotices();

// A message box over the main window, now or once the board shows.
void tellPlayer(std::string text);

// Runs `notice` (a question and what its answer does) now, or once the board shows.
void whenBoardShows(std::function<void()> notice);
