// The save and open commands of the main window (40007 and 40006).
#pragma once

#include <cstdint>
#include <vector>

// Asks where to save the game in progress and writes it there as a play file.
void savePlayFileCommand();

// Puts a checked play file's game on the board as a puzzle of the series; false when it fails
// the check.
bool putPlayFileInPlay(std::vector<std::uint8_t> bytes);

// Asks for a play file and, when it reads and checks whole, hands it to `putInPlay`, which
// puts its game on the board.
void openPlayFileCommand(bool (*putInPlay)(std::vector<std::uint8_t>) = putPlayFileInPlay);
