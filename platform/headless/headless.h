// Controls of the headless back end: tests script the player's answers, set the clock and
// read back what the program showed, played and wrote.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/surface.h"
#include "platform/types.h"
#include "platform/window.h"

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
// WM_COMMAND in turn until the procedure ends the dialog (Escape is IDCANCEL, 2); answers left
// over wait for the next showing. When the answers run out the dialog gets Enter once, its
// default button (the first default push button of the template); a dialog still open after
// that ends with -1 and the record "dialog N stuck". A click on an automatic radio button or a
// check box changes its check state before the procedure hears of it.
void scriptDialog(int templateId, std::vector<int> commands);

// A scripted answer (for scriptDialog) that chooses entry `index` of a combo box: the
// procedure hears WM_COMMAND with CBN_SELCHANGE, as from the player's choice.
int chooseEntry(int controlId, int index);

// The entries of a combo box of the latest dialog of the template.
std::vector<std::string> comboBoxEntries(int templateId, int controlId);

// The captions of a thumbnail grid of the latest dialog of the template (kept after it closed).
std::vector<std::string> thumbnailGridCaptions(int templateId, int controlId);
// The selected item of that grid as the dialog last left it (-1 for none).
int thumbnailGridSelected(int templateId, int controlId);
// Whether the control of the latest dialog of the template is enabled (enableDlgItem); a
// scripted click on a disabled one is not delivered.
bool dlgItemEnabled(int templateId, int controlId);
// Scripted answers for scriptDialog, like chooseEntry: the player selects item `index`
// (TGN_SELCHANGE when that changes the selection; an index beyond the items clicks beside
// them and selects nothing), double-clicks item `index` (selected as by selectGridItem, then
// TGN_ACTIVATE), or presses Delete in the grid (TGN_DELETE). Indexes go up to 4095.
int selectGridItem(int controlId, int index);
int activateGridItem(int controlId, int index);
int pressDeleteInGrid(int controlId);

// The next answers of askYesNo, in order; with none left the answer is No.
void scriptYesNo(std::vector<bool> answers);

// The colour dialog's next answer: the colour chosen, or nullopt for Cancel.
void scriptColourChoice(std::optional<Colour> choice);

// The next answer of a save or open dialog: the path typed, or nullopt for Cancel. The dialog
// appends the default extension as the real one does; an open dialog that must find the file
// and does not ends as cancelled. With no answer scripted the dialog is cancelled.
void scriptFileChoice(std::optional<std::string> path);

// The main window's client area as it showed when the latest message box or question
// appeared (empty while the window was hidden).
const Surface& mainWindowUnderLastBox();

// The request of the latest save or open dialog.
std::optional<FileDialogRequest> lastFileDialog();

// Replaces a resource for the tests, or (hideResource) makes findResource answer empty for it;
// the bundle is consulted only for resources neither replaced nor hidden.
void overrideResource(const std::string& type, int number, std::vector<std::uint8_t> bytes);
void hideResource(const std::string& type, int number);

// Whether the platform offers see-through windows (lookupLayeredWindowFunction).
void setLayeredWindowsAvailable(bool available);

// Whether the desktop takes the wallpaper that setDesktopWallpaper is asked for (it does
// unless a test says otherwise).
void setWallpaperAccepted(bool accepted);

// Whether openUrl finds a program that shows the page (it does unless a test says otherwise).
void setUrlsOpen(bool open);

// Everything the program did that a player would notice, in order, as short lines:
// "sound 115", "dialog 131", "dialog 131 end 1", "modeless 127", "destroy 127",
// "dialog 131 stuck", "progress 127 step", "messagebox <text>", "question <text>",
// "colour dialog",
// "url <address>", "save dialog <title>", "wallpaper <path>",
// "open dialog <title>", "cursor 125", "confine l,t,r,b", "confine none",
// "layered <key> <alpha> <flags>" (the key as six hex digits, 0x00BBGGRR: "layered 808000 0 1").
const std::vector<std::string>& events();
void clearEvents();

// The last text set on a control of a dialog (by template id), kept after the dialog is gone;
// the template's text while nothing was set since the latest dialog of the template opened.
std::string dialogItemText(int templateId, int controlId);

// The position of the dialog template's progress bar (the latest dialog made from it).
int progressPosition(int templateId);

// Whether the menu item of the latest main window is checked.
bool menuItemChecked(int commandId);
// Whether the menu item of the latest main window can be chosen (not greyed).
bool menuItemEnabled(int commandId);

// Whether a WM_PAINT is waiting for the window (there is never more than one per window).
bool paintPending(Window* window);

// The monitors' work areas monitorWorkAreas answers (at first one of 1920 x 1080 at (0, 0)).
void setMonitorWorkAreas(std::vector<Rect> areas);

// The window's current outer rectangle.
Rect windowRect(Window* window);

// The player drags the window to a new outer position, as a window manager moves it: the
// window hears WM_MOVE.
void dragWindow(Window* window, int x, int y);

// A scroll bar as the program last set it through setScrollBar.
struct ScrollBarRecord {
    int range = 0;
    int page = 0;
    int position = 0;
    bool shown = false;
};
ScrollBarRecord scrollBar(Window* window, ScrollBarAxis axis);

// What a shown scroll bar takes off the client area's width (vertical) or height (horizontal).
constexpr int scrollBarThickness = 16;

// The player uses a scroll bar of the window: WM_HSCROLL or WM_VSCROLL with `code` in the low
// word of wParam and `position` in the high word is posted to it.
void useScrollBar(Window* window, ScrollBarAxis axis, unsigned code, int position);

// The interval of the window's timer `id`, or nullopt while it is not set. A timer comes due
// on the clock (setTickCount): peekMessage answers its WM_TIMER once the clock has reached
// the time set plus the interval, then counts the next interval from the clock's time.
std::optional<int> timerInterval(Window* window, int id);

// The player clicks the window's close box: WM_CLOSE is posted to it.
void clickCloseBox(Window* window);

// The window with the keyboard focus (a shown dialog takes it, its owner gets it back when the
// dialog goes), or null.
Window* focusedWindow();

// The cursor shown: the resource of the last setCursorResource, or 0 (the arrow) after the
// default handling of WM_SETCURSOR.
int currentCursor();

// The display connection is lost: runs what setDisplayLostHandler registered (the program
// itself would end then; here it goes on).
void loseDisplay();

// Dispatches every queued message (WM_PAINT included) until the queue is empty; answers
// false if WM_QUIT was met (it is left in the queue).
bool pumpMessages();

}  // namespace headless
