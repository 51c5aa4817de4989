// A scenario test's program: a private folder as the program's own (its settings file lands
// there), the headless back end, game state and settings fresh, and the program started as the
// entry point starts it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class ProgramTest : public ::testing::Test {
protected:
    // A new folder under the temporary folder, named after the test, as the program's folder.
    void SetUp() override;
    // Surfaces and images released, the folder removed.
    void TearDown() override;

    // Creates the main window and starts up as the entry point does, without its loop; the
    // messages start-up queued are handled and the record of events is cleared unless kept.
    // The game put in play is kept too (the clock passes start-up's timer) unless asked not to.
    void startProgram(bool keepEvents = false, bool keepStartedGame = true);

    // A menu or accelerator command sent to the main window.
    void command(int id);

    // The settings file beside the program: written before start-up, read line by line
    // (without line ends) afterwards.
    void writeSettings(const std::string& text);
    std::vector<std::string> settingsLines();

    std::filesystem::path folder;
};
