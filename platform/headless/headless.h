// Controls of the headless back end: tests script the player's answers, set the clock and
// read back what the program showed, played and wrote.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace headless {

// Forgets every window, queued message, script and record; the clock restarts at 0.
void reset();

// The clock and the time of day.
void setTickCount(std::uint32_t ticks);
void setTimeOfDay(std::int64_t seconds);

// The path modulePath() answers.
void setModulePath(const std::string& path);

// Keys held down, as getKeyboardState reports them.
void setKeyDown(int virtualKey, bool down);

// The player's next answers to modal dialog `templateId`: each entry is a control id sent as
// WM_COMMAND in turn until the procedure ends the dialog. An unscripted dialog gets its
// default button (the first default push button of the template).
void scriptDialog(int templateId, std::vector<int> commands);

// The colour dialog's next answer: the colour chosen, or nullopt for Cancel.
void scriptColourChoice(std::optional<Colour> choice);

// Replaces (or, with an empty vector and `remove`, hides) a resource for the tests.
void overrideResource(const std::string& type, int number, std::vector<std::uint8_t> bytes);
void hideResource(const std::string& type, int number);

// Whether the platform offers see-through windows (lookupLayeredWindowFunction).
void setLayeredWindowsAvailable(bool available);

// Everything the program did that a player would notice, in order, as short lines:
// "sound 115", "dialog 131", "dialog 131 end 1", "modeless 127", "destroy 127",
// "progress 127 step", "messagebox <text>", "colour dialog", "url <address>",
// "cursor 125", "confine l,t,r,b", "confine none", "layered <key> <alpha> <flags>".
const std::vector<std::string>& events();
void clearEvents();

// The last text set on a control of a dialog (by template id).
std::string dialogItemText(int templateId, int controlId);

// The progress bar's position and range in the modeless dialog, by template id.
int progressPosition(int templateId);

// Whether the menu item is checked.
bool menuItemChecked(int commandId);

// The number of WM_PAINT messages waiting for windows (0 or 1 per window).
bool paintPending(Window* window);

// The window's current outer rectangle.
Rect windowRect(Window* window);

// Dispatches every queued message (WM_PAINT included) until the queue is empty; answers
// false if WM_QUIT was met (it is left in the queue).
bool pumpMessages();

}  // namespace headless
