// Shared state of the headless back end: its windows, message queue, scripts and records.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialogs.h"
#include "platform/headless/headless.h"
#include "platform/progress_bar.h"
#include "platform/messages.h"
#include "platform/surface.h"
#include "platform/types.h"

// A top-level window or dialog held in memory. Windows stay allocated until headless::reset,
// so a pointer to a destroyed window stays safe to pass around (messages to it are dropped).
struct Window {
    std::string title;
    Rect rect;  // outer rectangle in screen coordinates; there is no frame
    WindowProc proc = nullptr;
    Window* owner = nullptr;
    int templateId = 0;  // dialog template, 0 for a main window
    bool isDialog = false;
    bool alive = true;
    bool destroying = false;
    bool visible = false;
    bool paintPending = false;
    std::uint32_t exStyle = 0;
    std::map<int, bool> menuChecks;  // every command item of the menu, by command id
    std::set<int> menuGreyed;        // the command items greyed by enableMenuItem
    headless::ScrollBarRecord horizontalBar;
    headless::ScrollBarRecord verticalBar;
    Surface surface;
    bool dialogEnded = false;
    std::intptr_t dialogResult = 0;
};

namespace headless {

using ControlKey = std::pair<int, int>;  // (dialog template id, control id)
using ResourceKey = std::pair<std::string, int>;

// A combo box's entries and the one chosen (-1 for none).
struct ComboBoxState {
    std::vector<std::string> entries;
    int selection = -1;
};

// A thumbnail grid's items and the one selected (-1 for none).
struct ThumbnailGridState {
    std::vector<ThumbnailGridItem> items;
    int selection = -1;
};

// A timer of setTimer: its WM_TIMER is due when the clock reaches `due`.
struct Timer {
    Window* window = nullptr;
    int id = 0;
    int interval = 0;
    std::uint32_t due = 0;
};

struct BackEnd {
    std::vector<std::unique_ptr<Window>> windows;  // in creation order
    Window* mainWindow = nullptr;
    Window* focus = nullptr;

    std::deque<Message> queue;
    std::vector<Timer> timers;
    bool quitPending = false;
    int exitCode = 0;

    std::vector<std::string> events;
    std::map<int, std::deque<int>> dialogScripts;
    std::deque<std::optional<Colour>> colourChoices;
    std::deque<std::optional<std::string>> fileChoices;
    std::optional<FileDialogRequest> lastFileDialog;
    std::map<ControlKey, std::string> itemTexts;
    std::map<ControlKey, ProgressBarState> progressBars;
    std::map<ControlKey, int> buttonChecks;  // BST_UNCHECKED 0, BST_CHECKED 1
    std::map<ControlKey, ComboBoxState> comboBoxes;
    std::map<ControlKey, ThumbnailGridState> thumbnailGrids;
    std::set<ControlKey> disabledControls;
    std::deque<bool> yesNoAnswers;
    Surface mainWindowUnderBox;  // what the main window showed when the last box appeared

    std::array<std::uint8_t, 256> keys{};
    int cursor = 0;  // 0: the class cursor (the arrow)
    bool layeredWindowsAvailable = true;
    bool wallpaperAccepted = true;
    bool urlsOpen = true;

    std::uint32_t ticks = 0;
    std::int64_t timeOfDay = 1700000000;
    std::optional<std::string> modulePath;
    void (*displayLostHandler)() = nullptr;
    std::vector<Rect> workAreas{Rect{0, 0, 1920, 1080}};

    std::map<ResourceKey, std::vector<std::uint8_t>> resourceOverrides;
    std::set<ResourceKey> hiddenResources;
};

BackEnd& backEnd();

// Appends a line to the record of what the program did.
void logEvent(std::string line);

// A new live window owned by the back end, with a black client surface of the rectangle's size.
Window* addWindow(const std::string& title, Rect rect, WindowProc proc, Window* owner);

// Whether the window exists and has not been destroyed.
bool isLive(const Window* window);

// DestroyWindow without the record line: owned windows first, then WM_DESTROY, then the
// window is gone.
void tearDownWindow(Window* window);

// What a click on the control does to the control itself before the dialog procedure hears
// of it: automatic radio buttons check themselves and clear the rest of their group, check
// boxes toggle.
void clickControl(Window* dialog, int controlId);

// What a scripted answer does to a control other than clicking it.
enum class ControlAction { chooseEntry, selectGridItem, activateGridItem, pressDelete };
struct ScriptedControlAction {
    ControlAction action = ControlAction::chooseEntry;
    int controlId = 0;
    int index = 0;
};
// A scripted answer that acts on a control: under controlActionFlag, the action in bits 28-29,
// the item's index in bits 16-27 (up to 4095) and the control id in the low 16 bits.
constexpr int controlActionFlag = 0x40000000;
int encodeControlAction(ControlAction action, int controlId, int index);
// The action a scripted answer encodes, or nullopt for a plain click of a control.
std::optional<ScriptedControlAction> decodeControlAction(int answer);

// Does what a scripted action does to its control and tells the dialog procedure of it, as the
// player's doing it would.
void actOnControl(Window* dialog, const ScriptedControlAction& action);

// Forgets the controls' state of a dialog template when a new dialog of it is made.
void resetControls(int templateId);

}  // namespace headless
