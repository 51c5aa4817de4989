// Bringing the platform up before the game starts and down after it ends.
#pragma once

// Connects to the display and sets up the toolkit; argc/argv are the program's own.
void initialisePlatform(int argc, char** argv);

// Closes the audio device and whatever else the back end holds open.
void shutDownPlatform();
