// Command 40020: a puzzle made from the player's picture and put in play.
#pragma once

// Asks for the picture, the number of pieces and the title, makes the puzzle in memory and
// builds it as the embedded puzzles are built; the game stays as it was when the player
// cancels or the build fails. The made puzzle stands outside the series.
void makePuzzleFromPictureCommand();
