// The random-game soak: actions made of real window messages, each message checked.
#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

// Sends one message to the main window, lets the back end dispatch what follows from it
// (paints, dialogs), and checks every invariant of the game afterwards.
void deliver(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

// Fails the run, naming the message and the seed.
void soakFailure(const std::string& what);

// Fails the run unless the last message showed exactly `count` message boxes.
void expectMessagesShown(int count, const std::string& doing);

// The run's own folder, for the files it saves and opens.
const std::filesystem::path& soakFolder();

using SoakRandom = std::mt19937;

// A uniformly drawn integer in [low, high].
int draw(SoakRandom& random, int low, int high);

// One thing a player does: one or a few messages.
struct SoakAction {
    const char* name;
    int weight;  // how often it is chosen, relative to the others
    void (*run)(SoakRandom& random);
};

// Every action of the soak; adding one is a function and a line in this table.
const std::vector<SoakAction>& soakActions();

// Mouse actions (soak_mouse.cpp).
void randomMove(SoakRandom& random);
void randomLeftPress(SoakRandom& random);
void randomLeftRelease(SoakRandom& random);
void randomRightPress(SoakRandom& random);
void randomRightRelease(SoakRandom& random);
void clickFarOutside(SoakRandom& random);
void placeTopPiece(SoakRandom& random);  // the highest piece not yet in place

// Commands (soak_commands.cpp).
void restartPuzzle(SoakRandom& random);
void reverseOrder(SoakRandom& random);
void changeColour(SoakRandom& random);

// Play files (soak_files.cpp).
void saveGame(SoakRandom& random);
void openSavedGame(SoakRandom& random);
void openDamagedCopy(SoakRandom& random);
