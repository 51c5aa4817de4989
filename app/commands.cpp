// The main window's commands: restart, colour, exit, dialogs, saved games, puzzles from
// pictures, sound, order, help with the heap and see-through.
#include "app/commands.h"

#include <algorithm>
#include <iterator>

#include "app/picture_puzzle.h"
#include "app/puzzles_window_command.h"
#include "app/view_control.h"
#include "library/switching.h"

#include "settings/settings.h"
#include "board/heap_tidy.h"
#include "board/play.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "platform/dialogs.h"
#include "platform/messages.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "savegame/commands.h"
#include "ui/dialogs.h"
#include "ui/preview.h"
#include "view/view.h"

namespace {

// Commands before which a carried group is put down where it lies, the pointer set free and the
// arrow shown: those that open a modal window (the player needs the whole screen there) and
// those that replace the board or move its pieces.
constexpr int carryEndingCommandIds[] = {
    restartCommandId, colourCommandId,  openCommandId,          saveCommandId,
    aboutCommandId,   messageCommandId, picturePuzzleCommandId, gatherEdgesCommandId,
    spreadPiecesCommandId, puzzlesCommandId};

bool endsCarryFirst(int commandId)
{
    return std::find(std::begin(carryEndingCommandIds), std::end(carryEndingCommandIds),
                     commandId) != std::end(carryEndingCommandIds);
}

void makeColourTransparent(Colour key)
{
    Window* window = getMainWindow();
    setWindowExStyle(window, getWindowExStyle(window) | WS_EX_LAYERED);
    getLayeredWindowFunction()(window, key, 0, LWA_COLORKEY);
}

void chooseBackgroundColour()
{
    Window* window = getMainWindow();
    Colour colour = composeBackgroundColor();
    setBackgroundColor(colour);
    if (chooseColour(window, colour, customColours())) {
        setBackgroundColor(colour);
        setBackgroundRed(static_cast<int>(colour & 0xFF));
        setBackgroundGreen(static_cast<int>((colour >> 8) & 0xFF));
        setBackgroundBlue(static_cast<int>((colour >> 16) & 0xFF));
        fillRect(clientSurface(window), 0, 0, boardSurface().width, boardSurface().height, colour);
        invalidateWindow(window, true);
        if (getLayeredWindowFunction() && getTransparentBackground() == 1)
            makeColourTransparent(colour);
    }
    setFocus(window);
}

void switchSound()
{
    setSoundOn(getSoundOn() == 1 ? 0 : 1);
    checkMenuItem(getMainWindow(), soundCommandId, getSoundOn() == 1);
}

void switchTransparency()
{
    LayeredWindowFunction layered = getLayeredWindowFunction();
    if (layered && getTransparentBackground() == 0) {
        makeColourTransparent(composeBackgroundColor());
        setTransparentBackground(1);
    } else {
        setTransparentBackground(0);
    }
    if (layered && getTransparentBackground() == 0) {
        // Opaque again; the window stays layered.
        Window* window = getMainWindow();
        setWindowExStyle(window, getWindowExStyle(window) | WS_EX_LAYERED);
        layered(window, composeBackgroundColor(), 255, LWA_ALPHA);
    }
    checkMenuItem(getMainWindow(), transparencyCommandId, getTransparentBackground() == 1);
    // The margins around a board smaller than the window follow: see-through or a darker shade.
    if (!viewIsIdentity())
        invalidateWindow(getMainWindow(), false);
}

}  // namespace

void recordWindowRect()
{
    const Rect rect = getWindowRect(getMainWindow());
    setWindowLeft(rect.left);
    setWindowTop(rect.top);
    setWindowRight(rect.right);
    setWindowBottom(rect.bottom);
}

void runCommand(int commandId)
{
    if (endsCarryFirst(commandId))
        abandonCarry();
    if (runViewCommand(commandId))
        return;
    switch (commandId) {
    case restartCommandId:
        restartPuzzle();
        break;
    case puzzlesCommandId:
        showPuzzlesWindow();
        break;
    case picturePuzzleCommandId:
        makePuzzleFromPictureCommand();
        break;
    case openCommandId:
        openPlayFileCommand(playOpenedFile);
        break;
    case saveCommandId:
        savePlayFileCommand();
        break;
    case colourCommandId:
        chooseBackgroundColour();
        break;
    case exitCommandId:
        recordWindowRect();
        postQuitMessage(0);
        break;
    case previewCommandId:
        switchPreviewWindow();
        break;
    case aboutCommandId:
        showAboutDialog();
        break;
    case messageCommandId:
        showAttachedMessageDialog();
        break;
    case soundCommandId:
        switchSound();
        break;
    case reverseCommandId:
        reverseDrawingOrder();
        break;
    case transparencyCommandId:
        switchTransparency();
        break;
    case gatherEdgesCommandId:
        gatherEdgePieces();
        break;
    case spreadPiecesCommandId:
        spreadLoosePieces();
        break;
    default:
        break;
    }
}
