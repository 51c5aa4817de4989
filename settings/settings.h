// The player's settings: background colour, see-through background, sound, window rectangle,
// and the settings file that keeps them between runs.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "platform/types.h"
#include "platform/window.h"

int getBackgroundRed();
void setBackgroundRed(int value);
int getBackgroundGreen();
void setBackgroundGreen(int value);
int getBackgroundBlue();
void setBackgroundBlue(int value);
Colour getBackgroundColor();
void setBackgroundColor(Colour value);
int getWindowLeft();
void setWindowLeft(int value);
int getWindowTop();
void setWindowTop(int value);
int getWindowRight();
void setWindowRight(int value);
int getWindowBottom();
void setWindowBottom(int value);
std::uint8_t getSoundOn();
void setSoundOn(std::uint8_t value);
std::uint8_t getTransparentBackground();
void setTransparentBackground(std::uint8_t value);
LayeredWindowFunction getLayeredWindowFunction();
void setLayeredWindowFunction(LayeredWindowFunction value);
Colour* customColours();  // 16 entries, kept while the program runs

// The player's values as a fresh program has them before it reads the settings file.
void resetSettings();

// The settings file's path and its one section.
const std::string& getSettingsPath();
void buildSettingsPath();
inline constexpr const char* settingsSection = "Quorin_Section";

// backgroundRed + 256 x backgroundGreen + 65536 x backgroundBlue, each taken as one byte.
Colour composeBackgroundColor();

// Reads an integer key with the atoi rules; the default is the decimal form of `current`.
int readSettingsInteger(const char* key, int current);
// Writes integer keys in decimal, in the given order, replacing the file once.
struct SettingsInteger {
    const char* key;
    int value;
};
void writeSettingsIntegers(std::initializer_list<SettingsInteger> values);
// Reads a text key whole, up to the platform's path limit, so remembered paths come back
// entire; the default is `current`. Bytes pass unchanged (UTF-8 paths included).
std::string readSettingsString(const char* key, const std::string& current);
// Writes a text key as it is.
void writeSettingsString(const char* key, const std::string& value);

// Start-up reads: the three colour keys, then the window rectangle, sound and see-through keys.
void readColourSettings();
void readWindowAndSwitchSettings();
// Shut-down: the nine start-up keys in their fixed order, in one write of the file.
void writeStartUpSettings();
