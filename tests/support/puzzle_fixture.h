// Test helpers: a fresh headless game, and puzzle resources made to measure.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/types.h"

// Resets the headless back end and the game state, creates the main window and the picture
// and label surfaces, as start-up does before the first build.
void startHeadlessGame();

// The game as start-up leaves it, without the settings file: the headless back end reset, the
// drawing surfaces made, a main window of the given client size whose procedure is the
// game's, and the first embedded puzzle built and painted.
void startEmbeddedGame(int clientWidth = 1000, int clientHeight = 700);

// A puzzle resource written byte by byte: header, 24-bit picture, 4-bit label.
struct SyntheticPuzzle {
    int columns = 3;
    int rows = 4;
    int core = 40;
    int margin = 80;
    int layoutClass = 6;
    int included = 1;
    int format = 2;
    // Label palette index at picture pixel (x, y); default: each cell's square around its
    // core, the border white.
    std::function<int(int, int)> label;
    // Picture colour 0x00BBGGRR at (x, y); default: a gradient that differs at every pixel.
    std::function<Colour(int, int)> picture;
};

// The 16 label colours: index 15 white, 0 black, 1..4 the four piece colours.
Colour labelPaletteColour(int index);

// The default label: piece (c, r) covers the square from the cell's box origin + margin / 2
// to the next cell's, so it keeps margin / 2 pixels away from its box edges.
int squareCellLabel(const SyntheticPuzzle& puzzle, int x, int y);
Colour gradientPicture(int x, int y);

std::vector<std::uint8_t> makePuzzleResource(const SyntheticPuzzle& puzzle);
