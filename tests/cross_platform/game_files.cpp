// Writes the files a game leaves behind, on the headless back end, so that the Linux and the
// Windows builds of this program can be compared byte for byte:
//   velmora_game_files FOLDER          the first puzzle as start-up lays it out, saved as
//                                      FOLDER/game.jps, then finished and exported as
//                                      FOLDER/finished.bmp (glued, gold) and finished.jpg
//   velmora_game_files FOLDER GAME     GAME opened and saved again as FOLDER/resaved.jps
// Paths are best given relative: they are the same text on both systems.
#include <cstdio>
#include <string>

#include "app/lifecycle.h"
#include "app/window_proc.h"
#include "completion/choice_dialogs.h"
#include "completion/flow.h"
#include "platform/headless/headless.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "savegame/commands.h"
#include "settings/settings.h"

namespace {

constexpr int ok = 1;

// Starts the program as its entry point does, with its folder (and settings file) in `folder`.
void startProgram(const std::string& folder)
{
    headless::reset();
    headless::setModulePath(folder + "/velmora");
    setPuzzleNumber(2);
    setMainWindow(createMainWindow("VELMORA", 0, 0, 1000, 700, 113, 118, mainWindowProc));
    setLayeredWindowFunction(lookupLayeredWindowFunction());
    startUp();
    headless::pumpMessages();
}

void exportFinishedPicture(const std::string& path, int panelButton, int glueButton)
{
    headless::scriptDialog(pictureChoiceDialogId, {ok});
    headless::scriptDialog(panelDialogId, {panelButton, glueButton, ok});
    headless::scriptFileChoice(path);
    runCompletionFlow();
    // The flow goes on to the next puzzle; the same one is wanted again.
    setPuzzleNumber(2);
}

// Every message box the game showed, on standard error; true when there was none.
bool noMessages()
{
    bool none = true;
    for (const std::string& event : headless::events())
        if (event.starts_with("messagebox")) {
            std::fprintf(stderr, "%s\n", event.c_str());
            none = false;
        }
    return none;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: velmora_game_files FOLDER [GAME]\n");
        return 2;
    }
    const std::string folder = argv[1];
    startProgram(folder);
    if (argc == 3) {
        headless::scriptFileChoice(std::string(argv[2]));
        openPlayFileCommand();
        headless::scriptFileChoice(folder + "/resaved.jps");
        savePlayFileCommand();
    } else {
        headless::scriptFileChoice(folder + "/game.jps");
        savePlayFileCommand();
        exportFinishedPicture(folder + "/finished.bmp", 1009, 1012);
        exportFinishedPicture(folder + "/finished.jpg", 1008, 1013);
    }
    return noMessages() ? 0 : 1;
}
