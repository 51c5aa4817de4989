// Saving and opening play files: the file dialogs, the remembered paths and the messages.
#include "savegame/commands.h"

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/preview_placement.h"
#include "puzzle/state.h"
#include "savegame/check.h"
#include "savegame/layout.h"
#include "savegame/reader.h"
#include "savegame/writer.h"
#include "settings/settings.h"

namespace {

constexpr const char* cannotCreateText = "出力ファイルが開けません";
constexpr const char* saveFailedText = "NO";
constexpr const char* cannotOpenText = "入力ファイルが開けません";
const FileFilter playFilesFilter{"Play files(*.jps)", "*.jps"};
const FileFilter allFilesFilter{"All Files(*.*)", "*.*"};

// The paths chosen in this run; the defaults of "gspath" and "gopath".
std::string lastSavePath;
std::string lastOpenPath;

void showMessage(const char* text)
{
    messageBox(getMainWindow(), text);
}

// Puts the chosen file in play, or says why not; true when it is in play.
bool readChosenFile(const std::string& path, bool (*putInPlay)(std::vector<std::uint8_t>))
{
    std::vector<std::uint8_t> bytes;
    switch (readWholeFile(path, bytes, playfile::maxFileLength)) {
    case FileReadOutcome::cannotOpen:
        showMessage(cannotOpenText);
        return false;
    case FileReadOutcome::failed:
        showMessage(readFailureText);
        return false;
    case FileReadOutcome::read:
        break;
    }
    if (!playFileValid(bytes) || !putInPlay(std::move(bytes))) {
        showMessage(readFailureText);
        return false;
    }
    if (getPreviewShown() == 1)
        placePreviewWindow();
    return true;
}

}  // namespace

void savePlayFileCommand()
{
    FileDialogRequest request;
    request.title = "プレイファイルを保存する";
    request.filters = {playFilesFilter};
    request.fileName = readSettingsString("gspath", lastSavePath);
    request.defaultExtension = "jps";
    request.overwritePrompt = true;
    const std::optional<std::string> chosen = runSaveFileDialog(getMainWindow(), request);
    if (!chosen)
        return;
    // Only a path that now holds the game is proposed again, in this run and the next.
    switch (replaceFileContents(*chosen, writePlayFile, true)) {
    case FileWriteOutcome::cannotCreate:
        showMessage(cannotCreateText);
        break;
    case FileWriteOutcome::failed:
        showMessage(saveFailedText);
        break;
    case FileWriteOutcome::written:
        lastSavePath = *chosen;
        writeSettingsString("gspath", lastSavePath);
        break;
    }
}

bool putPlayFileInPlay(std::vector<std::uint8_t> bytes)
{
    if (!loadPlayFileBytes(bytes))
        return false;
    setMadePuzzle(0);
    return true;
}

void openPlayFileCommand(bool (*putInPlay)(std::vector<std::uint8_t>))
{
    setBuildInProgress(1);
    FileDialogRequest request;
    request.title = "プレイファイルを開く";
    request.filters = {playFilesFilter, allFilesFilter};
    request.fileName = readSettingsString("gopath", lastOpenPath);
    request.defaultExtension = "jps";
    request.fileMustExist = true;
    // Only a file that was opened is proposed again, in this run and the next.
    const std::optional<std::string> chosen = runOpenFileDialog(getMainWindow(), request);
    if (chosen && readChosenFile(*chosen, putInPlay)) {
        lastOpenPath = *chosen;
        writeSettingsString("gopath", lastOpenPath);
    }
    // Paints during the dialog and the messages left the board out; whichever way the
    // command went, the board is drawn again.
    invalidateWindow(getMainWindow(), false);
    setBuildInProgress(0);
}
