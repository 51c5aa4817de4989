// Procedures of the About, attached-message and congratulation dialogs.
#include "ui/dialogs.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/dialogs.h"
#include "platform/language.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "platform/text.h"
#include "puzzle/state.h"

namespace {

constexpr int okButtonId = 1000;
constexpr int jumpButtonId = 1018;
constexpr int messageEditId = 1002;
constexpr int congratulationOkId = 1;

int commandId(unsigned message, std::uintptr_t wParam)
{
    return message == WM_COMMAND ? static_cast<int>(wParam & 0xFFFF) : -1;
}

// The help page in the player's language (index.<language>.html, the Japanese of the source
// texts when no catalog is in use), or the English index.html when there is none in it.
std::filesystem::path helpPageIn(const std::filesystem::path& folder)
{
    const std::string language = languageCode().empty() ? "ja" : languageCode();
    const std::filesystem::path page = folder / ("index." + language + ".html");
    std::error_code error;
    return std::filesystem::exists(page, error) ? page : folder / "index.html";
}

// Said when no program shows the help page; the page's path follows on the next line.
constexpr const char* helpPageNotShownText = "ヘルプのページを表示できませんでした。ページの場所:";

// The game's help page: in the help folder beside the program as built, or in the shared
// data folder next to the program's folder once installed.
std::filesystem::path helpPagePath()
{
    const std::filesystem::path folder = pathFromUtf8(modulePath()).parent_path();
    std::filesystem::path help = folder / "help";
    const std::filesystem::path installed = folder.parent_path() / "share" / "velmora" / "help";
    std::error_code error;
    if (!std::filesystem::exists(help / "index.html", error) &&
        std::filesystem::exists(installed, error))
        help = installed;
    return helpPageIn(help).lexically_normal();
}

std::string helpPageUrl(const std::filesystem::path& page)
{
    // A Windows path starts with its drive, which a file URL puts after a third slash.
    const std::string path = utf8FromPath(page, true);
    return (path.starts_with('/') ? "file://" : "file:///") + path;
}

// Opens the help page in the browser, or tells the player where it is.
void showHelpPage(Window* owner)
{
    const std::filesystem::path page = helpPagePath();
    if (!openUrl(helpPageUrl(page).c_str()))
        messageBox(owner, (std::string(translate(helpPageNotShownText)) + "\n" +
                           utf8FromPath(page))
                              .c_str());
}

}  // namespace

std::intptr_t aboutDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                              std::intptr_t)
{
    switch (commandId(message, wParam)) {
    case okButtonId:
        endDialog(dialog, okButtonId);
        return 1;
    case jumpButtonId:
        showHelpPage(dialog);
        endDialog(dialog, okButtonId);
        return 1;
    default:
        return 0;
    }
}

std::intptr_t attachedMessageDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                                        std::intptr_t)
{
    if (message == WM_INITDIALOG) {
        setDlgItemText(dialog, messageEditId, cp932ToUtf8(attachedMessage()).c_str());
        return 1;
    }
    if (commandId(message, wParam) == okButtonId) {
        endDialog(dialog, okButtonId);
        return 1;
    }
    return 0;
}

std::intptr_t congratulationDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                                       std::intptr_t)
{
    if (message == WM_INITDIALOG)
        return 1;
    if (commandId(message, wParam) == congratulationOkId) {
        endDialog(dialog, congratulationOkId);
        return 1;
    }
    return 0;
}

void showAboutDialog()
{
    runModalDialog(aboutDialogId, getMainWindow(), aboutDialogProc, 0);
}

void showAttachedMessageDialog()
{
    runModalDialog(attachedMessageDialogId, getMainWindow(), attachedMessageDialogProc, 0);
}

void showCongratulationDialog()
{
    runModalDialog(congratulationDialogId, getMainWindow(), congratulationDialogProc, 0);
}
