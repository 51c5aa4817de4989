// Makes a puzzle resource file from a picture, as the command line asks.
#pragma once

#include <string>

#include "maker/geometry.h"
#include "tools/makepuzzle/options.h"

// The geometry for the options and a picture of the given size.
PuzzleGeometry geometryFor(const MakerOptions& options, int pictureWidth, int pictureHeight);

// Writes the output file whole or not at all; false with a reason on failure.
bool makePuzzleFile(const MakerOptions& options, std::string& error);
