// The GTK back end's window record and the helpers its files share.
#pragma once

#include <gtk/gtk.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

#include "platform/messages.h"
#include "platform/picture_file.h"
#include "platform/progress_bar.h"
#include "platform/surface.h"
#include "platform/templates.h"
#include "platform/types.h"

// One control of a dialog built from a template.
struct DialogControl {
    ControlKind kind = ControlKind::staticText;
    GtkWidget* widget = nullptr;  // the button, label, text view, progress bar or icon view
    GtkWidget* groupHolder = nullptr;  // radio buttons: the hidden member that holds "none set"
    gulong clickedHandler = 0;  // buttons' "clicked", combo boxes' "changed", grids' selection
    ProgressBarState progress;
    Rect rect;                  // in the dialog's client pixels
};

// A command item of the main window's menu; only the game's checkMenuItem sets its mark.
struct MenuCommandItem {
    GtkCheckMenuItem* item = nullptr;
    gulong activateHandler = 0;
    bool checked = false;
};

// One of the main window's scroll bars and its "value-changed" handler, blocked while the
// game sets the bar.
struct ScrollBarWidget {
    GtkWidget* bar = nullptr;
    gulong changedHandler = 0;
};

// A top-level window or dialog. A destroyed window's record is retired, then freed by the
// outermost message loop; isLive answers from a registry without reading the record, so a
// stale pointer held by the game stays harmless.
struct Window {
    bool alive = true;
    bool isDialog = false;
    GtkWidget* toplevel = nullptr;
    GtkWidget* client = nullptr;  // widget whose allocation is the client area
    WindowProc proc = nullptr;    // window procedure, or the dialog procedure
    Window* owner = nullptr;
    std::uint32_t exStyle = 0;
    std::optional<Point> lastOrigin;  // client origin last reported with WM_MOVE
    // Whether the window is on the screen, framed by the window manager if there is one; the
    // outer rectangle asked for before that, when the frame was still unknown.
    bool onScreen = false;
    std::optional<Rect> placedWithoutFrame;

    // Client surface and its cairo wrapper; dialogs show it only once the game asked for it.
    Surface surface;
    cairo_surface_t* cairoSurface = nullptr;
    bool surfaceUsed = false;
    Colour backgroundFill = 0;  // class background, used when a paint erases
    bool paintPending = false;
    bool erasePending = false;

    // Main window menu: command items by id.
    std::map<int, MenuCommandItem> menuItems;

    // Main window scroll bars beside and below the client area, hidden until the game shows
    // them.
    ScrollBarWidget horizontalBar;
    ScrollBarWidget verticalBar;

    // See-through colour key (0x00RRGGBB) and the opaque part of the client area.
    bool shaped = false;
    std::uint32_t shapeKey = 0;
    cairo_region_t* opaqueRegion = nullptr;

    // Dialogs.
    std::map<int, DialogControl> controls;
    bool modalRunning = false;
    bool ended = false;
    std::intptr_t result = 0;

    // Cursor currently shown over the window (null before the first).
    GdkCursor* shownCursor = nullptr;
};

namespace gtkbackend {

// A button of one of the game's own questions, its text ('&' mnemonic) in the player's
// language like the question above it.
void addAnswerButton(GtkDialog* dialog, const char* text, int response);
// A modal question with the buttons Yes and No (No the default when asked), its title and text
// as given; true for Yes. A quit request ends it as No.
bool askQuestion(GtkWindow* parent, GtkMessageType type, const char* title, const char* text,
                 bool noByDefault);

// A pixbuf of the picture, or null when it has no pixels or their memory cannot be had.
GdkPixbuf* newPixbuf(const RgbImage& picture);

// The records of the windows that exist, in creation order.
std::vector<std::unique_ptr<Window>>& allWindows();
Window* newWindowRecord();
// Whether the pointer names a window that exists; a freed record's pointer is never read.
bool isLive(const Window* window);
// Takes a destroyed window's record out of allWindows; callers up the stack may still read it
// until freeRetiredWindows.
void retireWindowRecord(Window* window);
// Frees the retired records. Called by the outermost message loop only, where no procedure
// or signal handler of a retired window can still be running.
void freeRetiredWindows();
// Records held, live and retired (for tests that count them).
std::size_t windowRecordCount();

// Runs the GTK iterations that are ready without blocking; what they produce is only queued.
void runPendingIterations();

// Shows every client surface's drawn rectangles (and updates see-through shapes).
void flushDrawing();

// Asks GTK for the window's outer rectangle in screen coordinates, the window manager's frame
// (when known) included; the placement takes effect as GTK runs.
void requestOuterRect(Window* window, const Rect& outer);
// Asks GTK for the frame's top-left corner at (x, y) and this client size.
void requestClientRect(Window* window, int x, int y, int clientWidth, int clientHeight);

// Client area plumbing: the draw handler, size tracking and the cairo wrapper.
void attachClientSurface(Window* window, GtkWidget* client);
void releaseClientSurface(Window* window);

// The client area with the (hidden) scroll bars beside and below it, in a grid.
GtkWidget* clientWithScrollBars(Window* window, GtkWidget* client);

// Timers: WM_TIMER of a timer that came due, taken by the outermost loop only, so that work
// running without taking messages never hears one; and the timers of a window going away.
bool takeDueTimer(Message& message);
bool timerDue();
void killWindowTimers(Window* window);

// Input translation: mouse on the client area, keys and the close box on the toplevel.
void connectMouseEvents(Window* window);
void connectToplevelEvents(Window* window);

// A quit asked for from outside (a signal, a logout): every running modal loop ends with its
// cancel answer, any started afterwards ends at once, and the main window is sent WM_CLOSE as
// by its close box (the quit message when there is none yet).
void requestQuit();
bool quitRequested();
// Every loop of ours waits for GTK's next event through this, so that a quit request set while
// pending work ran (a signal handled among the pending events) is seen before the wait, which
// nothing else would end: with a request it returns at once.
void waitForEventUnlessQuitting();
// gtk_dialog_run that a quit request ends (GTK_RESPONSE_DELETE_EVENT), or does not start.
gint runDialog(GtkDialog* dialog);

// Message plumbing used by dialogs and windows.
void removeQueuedMessages(Window* window);
// Dispatches one queued message for a dialog or one pending paint; false when none.
bool dispatchModalStep();
// Sends a message to a window: the window procedure, or the dialog procedure with the
// default dialog handling behind it.
std::intptr_t callProcedure(Window* window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam);
std::intptr_t defDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam);

// The menu bar built from a menu template; check items are recorded on the window.
GtkWidget* buildMenuBar(Window* window, int menuId);

// See-through shape upkeep on each flush (only the rectangle drawn is recomputed).
void updateWindowShape(Window* window, const Rect& changed);

// Cursors: what WM_SETCURSOR's default handling and setCursorResource ask for, applied at the
// end of each dispatched message when it changed.
void wantArrowCursor(Window* window);
void applyWantedCursor();
void forgetCursorTarget(Window* window);

// Icons: every image of an ICON resource, and one scaled to a size.
GList* loadIconImages(int iconId);
GdkPixbuf* loadIconAtSize(int iconId, int width, int height);

// The font families that stand in for a template's face name.
const char* fontFamiliesFor(const char* faceName);

// A key pressed in a dialog: Escape sends IDCANCEL, Enter the default button.
gboolean handleDialogKey(Window* dialog, GdkEventKey* event);

// The control of a live dialog by id, or null.
DialogControl* findControl(Window* dialog, int controlId);

// A thumbnail grid's view (to be put in a scrolled window): it tells the dialog of the
// player's selections, activations and Delete; `selectionHandler` receives its
// "selection-changed" handler, blocked while the program changes the selection.
GtkWidget* makeThumbnailGrid(Window* dialog, int controlId, gulong& selectionHandler);

// Builds a dialog's toplevel and controls from its template (hidden).
Window* buildDialog(const DialogTemplate& dialogTemplate, Window* owner, DialogProc proc);

}  // namespace gtkbackend
