// The dialog that makes a puzzle from the player's picture: the picture with its thumbnail,
// the number of pieces and the title.
#pragma once

#include <optional>
#include <string>

#include "maker/size_choices.h"
#include "platform/picture_file.h"

constexpr int picturePuzzleDialogId = 141;

// What the player chose: a decoded picture large enough for the grid, and the title (UTF-8),
// every letter one the puzzle keeps.
struct PicturePuzzleChoice {
    RgbImage picture;
    SizeChoice size;
    std::string title;
};

// Runs the dialog over the main window. A picture that cannot be read, one too small for any
// number of pieces, or none chosen is told in a message and the dialog stays. Letters of the
// title the puzzle cannot keep are shown under it, with what each becomes, as it is typed.
// nullopt when the player cancels.
std::optional<PicturePuzzleChoice> askForPicturePuzzle();
