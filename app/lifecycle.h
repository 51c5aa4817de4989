// The program's life: entry point, start-up, keyboard poll and shut-down.
#pragma once

// The program: creates the main window, starts up, runs the message loop until the quit
// message and shuts down. Returns the exit code.
int runGame();

// Surfaces, settings, menu check marks, see-through background, and the game kept when the
// program last ended or else the first puzzle; then the main window placed, shown and painted,
// and only then what start-up has to tell the player.
void startUp();

// Escape held down ends the program.
void keyboardPoll();

// Keeps the game in progress, releases the surfaces and images and writes the settings back.
void shutDown();
