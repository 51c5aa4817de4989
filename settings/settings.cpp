// The player's settings and the settings file beside the program.
#include "settings/settings.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/profile.h"
#include "platform/system.h"

namespace {

int backgroundRed = 0;
int backgroundGreen = 128;
int backgroundBlue = 128;
Colour backgroundColor = 0;
// The main window's outer rectangle in the platform's screen coordinates, as are the preview's
// place and every other window rectangle in the settings file: device pixels on Windows (the
// program is DPI-aware), so a size saved at one DPI comes back the same at another; the
// desktop's logical pixels on Linux, where GTK scales windows itself.
int windowLeft = 0;
int windowTop = 0;
int windowRight = 1000;
int windowBottom = 700;
std::uint8_t soundOn = 1;
std::uint8_t transparentBackground = 0;
LayeredWindowFunction layeredWindowFunction = nullptr;
Colour customColourTable[16] = {};
std::string settingsPath;

// Values are read into a 50-character buffer: at most 49 characters arrive.
constexpr std::size_t settingsValueChars = 50;

}  // namespace

int getBackgroundRed() { return backgroundRed; }
void setBackgroundRed(int value) { backgroundRed = value; }
int getBackgroundGreen() { return backgroundGreen; }
void setBackgroundGreen(int value) { backgroundGreen = value; }
int getBackgroundBlue() { return backgroundBlue; }
void setBackgroundBlue(int value) { backgroundBlue = value; }
Colour getBackgroundColor() { return backgroundColor; }
void setBackgroundColor(Colour value) { backgroundColor = value; }
int getWindowLeft() { return windowLeft; }
void setWindowLeft(int value) { windowLeft = value; }
int getWindowTop() { return windowTop; }
void setWindowTop(int value) { windowTop = value; }
int getWindowRight() { return windowRight; }
void setWindowRight(int value) { windowRight = value; }
int getWindowBottom() { return windowBottom; }
void setWindowBottom(int value) { windowBottom = value; }
std::uint8_t getSoundOn() { return soundOn; }
void setSoundOn(std::uint8_t value) { soundOn = value; }
std::uint8_t getTransparentBackground() { return transparentBackground; }
void setTransparentBackground(std::uint8_t value) { transparentBackground = value; }
LayeredWindowFunction getLayeredWindowFunction() { return layeredWindowFunction; }
void setLayeredWindowFunction(LayeredWindowFunction value) { layeredWindowFunction = value; }
Colour* customColours() { return customColourTable; }

void resetSettings()
{
    backgroundRed = 0;
    backgroundGreen = 128;
    backgroundBlue = 128;
    backgroundColor = 0;
    windowLeft = 0;
    windowTop = 0;
    windowRight = 1000;
    windowBottom = 700;
    soundOn = 1;
    transparentBackground = 0;
}

const std::string& getSettingsPath() { return settingsPath; }

void buildSettingsPath()
{
    // The program's path with its extension replaced by ".ini".
    std::string path = modulePath();
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        path.erase(dot);
    settingsPath = settingsLocation(path + ".ini");
}

Colour composeBackgroundColor()
{
    return makeColour(backgroundRed, backgroundGreen, backgroundBlue);
}

int readSettingsInteger(const char* key, int current)
{
    const std::string text = readProfileString(settingsSection, key, std::to_string(current),
                                               settingsValueChars, settingsPath);
    return std::atoi(text.c_str());
}

void writeSettingsIntegers(std::initializer_list<SettingsInteger> values)
{
    std::vector<ProfileEntry> entries;
    for (const SettingsInteger& value : values)
        entries.push_back(ProfileEntry{value.key, std::to_string(value.value)});
    writeProfileStrings(settingsSection, entries, settingsPath);
}

std::string readSettingsString(const char* key, const std::string& current)
{
    return readProfileString(settingsSection, key, current, maxPathChars, settingsPath);
}

void writeSettingsString(const char* key, const std::string& value)
{
    writeProfileString(settingsSection, key, value, settingsPath);
}

void readColourSettings()
{
    backgroundRed = readSettingsInteger("Red  ", backgroundRed);
    backgroundGreen = readSettingsInteger("Green", backgroundGreen);
    backgroundBlue = readSettingsInteger("Blue ", backgroundBlue);
    backgroundColor = composeBackgroundColor();
}

void readWindowAndSwitchSettings()
{
    windowLeft = readSettingsInteger("X1  ", windowLeft);
    windowTop = readSettingsInteger("Y1  ", windowTop);
    windowRight = readSettingsInteger("X2  ", windowRight);
    windowBottom = readSettingsInteger("Y2  ", windowBottom);
    soundOn = readSettingsInteger("Sound  ", soundOn) != 0 ? 1 : 0;
    transparentBackground = readSettingsInteger("Toumei  ", transparentBackground) != 0 ? 1 : 0;
}

void writeStartUpSettings()
{
    writeSettingsIntegers({{"Red  ", backgroundRed},
                           {"Green", backgroundGreen},
                           {"Blue ", backgroundBlue},
                           {"X1  ", windowLeft},
                           {"Y1  ", windowTop},
                           {"X2  ", windowRight},
                           {"Y2  ", windowBottom},
                           {"Sound  ", soundOn},
                           {"Toumei  ", transparentBackground}});
}
