// The Puzzles window command: the library listed, and the puzzle chosen there put in play.
#pragma once

// Keeps the game in play, shows every kept puzzle and continues, starts over or removes the
// ones the player chooses.
void showPuzzlesWindow();
