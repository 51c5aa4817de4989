// Dialogs run from scripted answers; message boxes, the colour dialog and the browser recorded.
#include "platform/dialogs.h"

#include <algorithm>
#include <utility>
#include <string>

#include "platform/file_choice.h"
#include "platform/headless/backend.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/templates.h"
#include "platform/window.h"

using headless::backEnd;
using headless::isLive;
using headless::logEvent;

namespace {

// The dialog font's average character cell in pixels: a dialog unit is a quarter of its width
// and an eighth of its height.
constexpr int dialogCharWidth = 6;
constexpr int dialogCharHeight = 12;

// A live dialog window of the template's size, centred over its owner when the template says
// so, else at the owner's top-left corner.
Window* makeDialog(const DialogTemplate& dialogTemplate, Window* owner, DialogProc proc)
{
    const int width = dialogTemplate.width * dialogCharWidth / 4;
    const int height = dialogTemplate.height * dialogCharHeight / 8;
    Point origin;
    if (owner) {
        origin = {owner->rect.left, owner->rect.top};
        if (dialogTemplate.centred) {
            origin.x += (owner->rect.right - owner->rect.left - width) / 2;
            origin.y += (owner->rect.bottom - owner->rect.top - height) / 2;
        }
    }
    headless::resetControls(dialogTemplate.id);
    Window* dialog = headless::addWindow(dialogTemplate.caption,
                                         {origin.x, origin.y, origin.x + width, origin.y + height},
                                         proc, owner);
    dialog->isDialog = true;
    dialog->templateId = dialogTemplate.id;
    return dialog;
}

void showDialog(Window* dialog)
{
    showWindow(dialog);
    if (isLive(dialog))
        backEnd().focus = dialog;
}

// The id of the template's first default push button, which Enter presses; 0 when none.
int defaultButton(const DialogTemplate& dialogTemplate)
{
    for (const ControlTemplate& control : dialogTemplate.controls)
        if (control.kind == ControlKind::defaultPushButton)
            return control.id;
    return 0;
}

// The next control id the player clicks: the script's next entry, then once Enter (the default
// button); 0 when the player has nothing left to do.
int nextCommand(int templateId, int defaultId, bool& enterPressed)
{
    auto& script = backEnd().dialogScripts[templateId];
    if (!script.empty()) {
        const int id = script.front();
        script.pop_front();
        return id;
    }
    if (!enterPressed && defaultId != 0) {
        enterPressed = true;
        return defaultId;
    }
    return 0;
}

// Feeds the player's commands to a shown modal dialog until its procedure ends it.
void playDialog(Window* dialog, const DialogTemplate& dialogTemplate)
{
    const int defaultId = defaultButton(dialogTemplate);
    bool enterPressed = false;
    while (isLive(dialog) && !dialog->dialogEnded) {
        const int id = nextCommand(dialogTemplate.id, defaultId, enterPressed);
        if (id == 0) {
            logEvent("dialog " + std::to_string(dialogTemplate.id) + " stuck");
            endDialog(dialog, -1);
            break;
        }
        if (const auto action = headless::decodeControlAction(id)) {
            headless::actOnControl(dialog, *action);
        } else if (!headless::dlgItemEnabled(dialogTemplate.id, id)) {
            // A disabled button takes no clicks.
            logEvent("dialog " + std::to_string(dialogTemplate.id) + " disabled " +
                     std::to_string(id));
        } else {
            headless::clickControl(dialog, id);
            sendMessage(dialog, WM_COMMAND, static_cast<std::uintptr_t>(id) & 0xFFFFu, 0);
        }
    }
}

}  // namespace

std::intptr_t runModalDialog(int templateId, Window* owner, DialogProc proc, std::intptr_t param)
{
    const std::string name = "dialog " + std::to_string(templateId);
    logEvent(name);
    // As DialogBoxParam, a template the program lacks makes the call fail with -1.
    std::intptr_t result = -1;
    if (const DialogTemplate* dialogTemplate = findDialogTemplate(templateId)) {
        Window* dialog = makeDialog(*dialogTemplate, owner, proc);
        sendMessage(dialog, WM_INITDIALOG, 0, param);
        if (!dialog->dialogEnded)
            showDialog(dialog);
        playDialog(dialog, *dialogTemplate);
        result = dialog->dialogResult;
        headless::tearDownWindow(dialog);
    }
    logEvent(name + " end " + std::to_string(result));
    return result;
}

Window* createModelessDialog(int templateId, Window* owner, DialogProc proc, std::intptr_t param)
{
    logEvent("modeless " + std::to_string(templateId));
    const DialogTemplate* dialogTemplate = findDialogTemplate(templateId);
    if (!dialogTemplate)
        return nullptr;
    Window* dialog = makeDialog(*dialogTemplate, owner, proc);
    sendMessage(dialog, WM_INITDIALOG, 0, param);
    if (dialogTemplate->visible)
        showDialog(dialog);
    return dialog;
}

void endDialog(Window* dialog, std::intptr_t result)
{
    if (!isLive(dialog) || !dialog->isDialog || dialog->dialogEnded)
        return;
    dialog->dialogEnded = true;
    dialog->dialogResult = result;
}

std::string getDlgItemText(Window* dialog, int controlId)
{
    return isLive(dialog) ? headless::dialogItemText(dialog->templateId, controlId) : "";
}

Rect dialogItemRect(Window* dialog, int controlId)
{
    const DialogTemplate* dialogTemplate = isLive(dialog) ? findDialogTemplate(dialog->templateId)
                                                          : nullptr;
    if (!dialogTemplate)
        return {};
    for (const ControlTemplate& control : dialogTemplate->controls)
        if (control.id == controlId)
            return {control.x * dialogCharWidth / 4, control.y * dialogCharHeight / 8,
                    (control.x + control.width) * dialogCharWidth / 4,
                    (control.y + control.height) * dialogCharHeight / 8};
    return {};
}

void setDlgItemText(Window* dialog, int controlId, const char* text)
{
    if (!isLive(dialog))
        return;
    backEnd().itemTexts[{dialog->templateId, controlId}] = text ? text : "";
    // An edit box tells of the change at once, as Windows does.
    const DialogTemplate* dialogTemplate = findDialogTemplate(dialog->templateId);
    for (const ControlTemplate& control : dialogTemplate ? dialogTemplate->controls
                                                         : std::span<const ControlTemplate>{})
        if (control.id == controlId && control.kind == ControlKind::edit)
            sendMessage(dialog, WM_COMMAND,
                        (static_cast<std::uintptr_t>(controlId) & 0xFFFFu) |
                            (std::uintptr_t{EN_CHANGE} << 16),
                        0);
}

namespace {

// A message box or question appears over the main window as it shows now.
void showBox(const std::string& line)
{
    logEvent(line);
    const Window* window = backEnd().mainWindow;
    backEnd().mainWindowUnderBox =
        isLive(window) && window->visible ? window->surface : Surface{};
}

}  // namespace

void messageBox(Window* /*owner*/, const char* text)
{
    showBox(std::string("messagebox ") + (text ? text : ""));
}

bool askYesNo(Window* /*owner*/, const char* /*caption*/, const char* text)
{
    showBox(std::string("question ") + (text ? text : ""));
    auto& answers = backEnd().yesNoAnswers;
    if (answers.empty())
        return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

bool chooseColour(Window* /*owner*/, Colour& colour, Colour /*customColours*/[16])
{
    logEvent("colour dialog");
    auto& choices = backEnd().colourChoices;
    if (choices.empty())
        return false;
    const std::optional<Colour> choice = choices.front();
    choices.pop_front();
    if (!choice)
        return false;
    colour = *choice;
    return true;
}

namespace {

// The scripted choice, made into the path the real chooser would answer.
std::optional<std::string> playFileDialog(bool saving, const FileDialogRequest& request)
{
    logEvent(std::string(saving ? "save" : "open") + " dialog " + request.title);
    backEnd().lastFileDialog = request;
    auto& choices = backEnd().fileChoices;
    if (choices.empty())
        return std::nullopt;
    const std::optional<std::string> choice = choices.front();
    choices.pop_front();
    return choice ? chosenFilePath(*choice, request, saving) : std::nullopt;
}

}  // namespace

std::optional<std::string> runSaveFileDialog(Window* /*owner*/, const FileDialogRequest& request)
{
    return playFileDialog(true, request);
}

std::optional<std::string> runOpenFileDialog(Window* /*owner*/, const FileDialogRequest& request)
{
    return playFileDialog(false, request);
}

bool openUrl(const char* url)
{
    logEvent(std::string("url ") + (url ? url : ""));
    return backEnd().urlsOpen;
}

namespace headless {

void setUrlsOpen(bool open)
{
    backEnd().urlsOpen = open;
}

void scriptDialog(int templateId, std::vector<int> commands)
{
    auto& script = backEnd().dialogScripts[templateId];
    script.insert(script.end(), commands.begin(), commands.end());
}

void scriptYesNo(std::vector<bool> answers)
{
    backEnd().yesNoAnswers.insert(backEnd().yesNoAnswers.end(), answers.begin(), answers.end());
}

void scriptColourChoice(std::optional<Colour> choice)
{
    backEnd().colourChoices.push_back(choice);
}

void scriptFileChoice(std::optional<std::string> path)
{
    backEnd().fileChoices.push_back(std::move(path));
}

const Surface& mainWindowUnderLastBox()
{
    return backEnd().mainWindowUnderBox;
}

std::optional<FileDialogRequest> lastFileDialog()
{
    return backEnd().lastFileDialog;
}

std::string dialogItemText(int templateId, int controlId)
{
    auto text = backEnd().itemTexts.find({templateId, controlId});
    if (text != backEnd().itemTexts.end())
        return text->second;
    if (const DialogTemplate* dialogTemplate = findDialogTemplate(templateId)) {
        auto& controls = dialogTemplate->controls;
        auto control = std::find_if(controls.begin(), controls.end(),
                                    [&](const ControlTemplate& c) { return c.id == controlId; });
        if (control != controls.end())
            return control->text;
    }
    return {};
}

}  // namespace headless
