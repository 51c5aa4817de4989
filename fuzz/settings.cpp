// Fuzz target: any text as the settings file, read at start-up, written back at shut-down and
// read again. The values must survive the round trip, the switches stay 0 or 1, and the
// keys the game does not write (preview place, play-file paths) must keep their values.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/headless/headless.h"
#include "platform/profile.h"
#include "settings/settings.h"

namespace {

const char* const untouchedKeys[] = {"rpleft", "rptop", "gspath", "gopath"};

std::vector<int> readAll()
{
    resetSettings();
    readColourSettings();
    readWindowAndSwitchSettings();
    fuzzRequire(getBackgroundColor() == composeBackgroundColor(), "background colour not composed");
    fuzzRequire(getSoundOn() <= 1 && getTransparentBackground() <= 1, "switch neither 0 nor 1");
    return {getBackgroundRed(), getBackgroundGreen(), getBackgroundBlue(), getWindowLeft(),
            getWindowTop(),     getWindowRight(),     getWindowBottom(),   getSoundOn(),
            getTransparentBackground()};
}

std::vector<std::string> untouchedValues()
{
    std::vector<std::string> values;
    for (const char* key : untouchedKeys)
        values.push_back(readProfileString(settingsSection, key, "absent", 261, getSettingsPath()));
    return values;
}

const std::string& settingsFolder()
{
    static const std::string folder = [] {
        // In memory where there is such a folder: the file is written many times a run.
        std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        pattern += "/velmora-fuzz-settings-XXXXXX";
        const char* made = mkdtemp(pattern.data());
        if (made == nullptr)
            fuzzFailure("cannot make a folder for the settings file");
        return std::string(made);
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    headless::reset();
    headless::setModulePath(settingsFolder() + "/velmora");
    buildSettingsPath();
    fuzzRequire(getSettingsPath() == settingsFolder() + "/velmora.ini", "settings path");
    std::ofstream(getSettingsPath(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    const std::vector<int> first = readAll();
    const std::vector<std::string> others = untouchedValues();
    writeStartUpSettings();
    fuzzRequire(readAll() == first, "values changed by writing them back and reading again");
    fuzzRequire(untouchedValues() == others, "writing the nine keys changed another key");
    // The written file is read the same way again after a second shut-down.
    writeStartUpSettings();
    fuzzRequire(readAll() == first, "values changed by a second write");
    return 0;
}
