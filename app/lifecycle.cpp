// The program's life: entry point, start-up, the message loop and shut-down.
#include "app/lifecycle.h"

#include <cstdint>

#include "app/commands.h"
#include "settings/settings.h"
#include "settings/window_fit.h"
#include "app/window_proc.h"
#include "board/surfaces.h"
#include "platform/input.h"
#include "platform/messages.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "library/switching.h"
#include "library/notices.h"
#include "ui/preview.h"

namespace {

constexpr int mainMenuId = 113;
constexpr int programIconId = 118;
// The game put in play at start-up is kept this long after, when its first frame is long on
// the screen.
constexpr int startUpKeepMilliseconds = 200;

void writeSettings()
{
    buildSettingsPath();
    writeStartUpSettings();
}

// The game in progress and the settings, kept when the program ends without a display.
void keepEverything()
{
    keepGameInLibrary();
    writeSettings();
}

// The puzzle last in play as it was left, or else the first puzzle of the series.
void startGame()
{
    const bool previewWasShown = resumeLastPuzzle();
    invalidateWindow(getMainWindow(), false);
    if (previewWasShown)
        switchPreviewWindow();
    setTimer(getMainWindow(), startUpKeepTimerId, startUpKeepMilliseconds);
}

// Places the main window at the settings' rectangle fitted to the monitors; the settings then
// hold the rectangle used, so a bad one is corrected in the file at the end.
void placeMainWindow()
{
    const Rect placed = fitWindowRect(
        Rect{getWindowLeft(), getWindowTop(), getWindowRight(), getWindowBottom()},
        monitorWorkAreas());
    setWindowLeft(placed.left);
    setWindowTop(placed.top);
    setWindowRight(placed.right);
    setWindowBottom(placed.bottom);
    setWindowPos(getMainWindow(), placed.left, placed.top, placed.right - placed.left,
                 placed.bottom - placed.top);
}

}  // namespace

void startUp()
{
    Window* window = getMainWindow();
    createDrawingSurfaces();
    fillNeighbourSteps();
    buildSettingsPath();
    readColourSettings();
    fillRect(clientSurface(window), 0, 0, boardSurface().width, boardSurface().height,
             getBackgroundColor());
    readWindowAndSwitchSettings();
    checkMenuItem(window, soundCommandId, getSoundOn() == 1);
    if (getTransparentBackground() == 1)
        checkMenuItem(window, transparencyCommandId, true);
    if (getLayeredWindowFunction() && getTransparentBackground() == 1) {
        setWindowExStyle(window, getWindowExStyle(window) | WS_EX_LAYERED);
        getLayeredWindowFunction()(window, composeBackgroundColor(), 0, LWA_COLORKEY);
    }
    // What start-up has to tell (a kept game damaged, a library that cannot be written) waits
    // until the window shows the board, so that it never appears over an unpainted window.
    holdNotices();
    startGame();
    // Without a display the game cannot go on, but what it keeps is still written.
    setDisplayLostHandler(keepEverything);
    placeMainWindow();
    showWindow(window);
    updateWindow(window);
    showHeldNotices();
}

bool startUpTimerTick(std::uintptr_t id)
{
    if (id != startUpKeepTimerId)
        return false;
    killTimer(getMainWindow(), startUpKeepTimerId);
    keepGameInLibrary();
    return true;
}

void keyboardPoll()
{
    std::uint8_t keys[256];
    getKeyboardState(keys);
    if (keys[VK_ESCAPE] & 0xF0)
        postQuitMessage(0);
}

void shutDown()
{
    keepGameInLibrary();
    releaseDrawingSurfaces();
    releaseImageBlocks();
    releasePixelTables();
    writeSettings();
}

int runGame()
{
    setPuzzleNumber(firstSeriesPuzzleNumber);
    Window* window =
        createMainWindow("VELMORA", 0, 0, 1000, 700, mainMenuId, programIconId, mainWindowProc);
    setMainWindow(window);
    setLayeredWindowFunction(lookupLayeredWindowFunction());
    startUp();
    for (;;) {
        Message message;
        while (peekMessage(message)) {
            if (message.message == WM_QUIT) {
                shutDown();
                return 0;
            }
            dispatchMessage(message);
        }
        keyboardPoll();
        // Unlike a busy loop this sleeps until the next event; a key press is one, so
        // Escape still ends the program on the next pass.
        waitMessage();
    }
}
