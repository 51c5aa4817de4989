// The game in progress kept between runs: written as a play file when the program ends,
// read back through the checked reader when it starts.
#pragma once

#include <string>

// The kept play file, in the user's data folder.
std::string autosavePath();

// Writes the game in progress to autosavePath() whole or not at all, with the series number
// and whether the puzzle was made from a picture in a small file beside it (the play file has
// no room for them), and the view (zoom level and scroll position) in another. A finished puzzle leaves no kept game behind; without a puzzle in play
// nothing is written.
void keepGameInProgress();

// Brings back the kept game: answers true when the play file passed the check and is now in
// play, with its series number, its kind and its view as they were; `previewWasShown` tells whether the
// preview was open. Otherwise the game is untouched and the answer is false.
bool restoreGameInProgress(bool& previewWasShown);
