// The save and open commands of the main window (40007 and 40006).
#pragma once

// Asks where to save the game in progress and writes it there as a play file.
void savePlayFileCommand();

// Asks for a play file and, when it reads and checks whole, puts its game on the board.
void openPlayFileCommand();
