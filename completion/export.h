// Exporting the finished picture: the save dialog, a BMP or JPEG file, and the wallpaper.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/surface.h"

// The puzzle area of the canvas as 24-bit pixels: rows bottom line first, blue, green, red,
// 3 x finishedWidth bytes a row.
std::vector<std::uint8_t> captureFinishedPixels(const Surface& finishedCanvas);

// Asks for a file, proposing the puzzle's title as a BMP file in the player's Pictures folder,
// and writes the finished picture into it: as BMP whatever the name and then
// as the desktop wallpaper when `wallpaper` is set, else as BMP or JPEG after the name's
// extension. Cancelling writes nothing; every failure is told in a message box, after which
// the dialog comes back with the name chosen until the player saves or cancels.
void exportFinishedPicture(const Surface& finishedCanvas, bool wallpaper);
