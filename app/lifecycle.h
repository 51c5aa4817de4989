// The program's life: entry point, start-up, keyboard poll and shut-down.
#pragma once

#include <cstdint>

// The program: creates the main window, starts up, runs the message loop until the quit
// message and shuts down. Returns the exit code.
int runGame();

// Surfaces, settings, menu check marks, see-through background, and the game kept when the
// program last ended or else the first puzzle; then the main window placed, shown and painted,
// and only then what start-up has to tell the player.
void startUp();

// Start-up keeps the game it put in play on this timer of the main window, shortly after, when
// the first frame is on the screen: keeping writes and syncs files, which the first frame need
// not wait for. (The edge scroll's timer is 1.)
inline constexpr int startUpKeepTimerId = 2;

// A WM_TIMER of the main window: start-up's keeps the game put in play and stops. Answers
// whether the timer was start-up's.
bool startUpTimerTick(std::uintptr_t id);

// Escape held down ends the program.
void keyboardPoll();

// Keeps the game in progress, releases the surfaces and images and writes the settings back.
void shutDown();
