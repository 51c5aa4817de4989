// The main window's commands: menu items and keyboard shortcuts.
#pragma once

constexpr int restartCommandId = 40001;
constexpr int colourCommandId = 40002;
constexpr int exitCommandId = 40004;
constexpr int previewCommandId = 40005;
constexpr int openCommandId = 40006;
constexpr int saveCommandId = 40007;
constexpr int aboutCommandId = 40008;
constexpr int messageCommandId = 40009;
constexpr int soundCommandId = 40012;
constexpr int reverseCommandId = 40013;
constexpr int transparencyCommandId = 40015;
constexpr int picturePuzzleCommandId = 40020;
constexpr int gatherEdgesCommandId = 40034;
constexpr int spreadPiecesCommandId = 40035;
constexpr int puzzlesCommandId = 40042;

// Carries out a command by id, ending a carry first where the command calls for it; ids
// without an action do nothing.
void runCommand(int commandId);

// Keeps the main window's outer rectangle for the settings file.
void recordWindowRect();
