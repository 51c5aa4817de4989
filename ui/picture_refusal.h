// The message that tells the player why a picture file was not taken.
#pragma once

#include <string>

#include "platform/picture_file.h"

// The text for the message box, in the player's language, with the picture's size and the
// limit where it was too large.
std::string pictureRefusalText(const PictureError& error);
