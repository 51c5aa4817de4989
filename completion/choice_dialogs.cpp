// Procedures of dialogs 132 and 133: radio buttons set on opening, read on OK in a fixed
// order; every other command, Escape included, is ignored.
#include "completion/choice_dialogs.h"

#include <array>
#include <span>

#include "platform/dialogs.h"
#include "platform/messages.h"
#include "puzzle/state.h"

namespace {

constexpr int okButtonId = 1;
constexpr std::uintptr_t checked = 1;

// Buttons in the order OK tests them; the button at position i gives the value i.
constexpr std::array pictureButtons{1007, 1008, 1009};
constexpr std::array panelButtons{1007, 1008, 1009, 1015};
constexpr std::array glueButtons{1012, 1013};

int pictureChoice = savePicture;

bool isOk(unsigned message, std::uintptr_t wParam)
{
    return message == WM_COMMAND && (wParam & 0xFFFF) == okButtonId;
}

void checkButton(Window* dialog, int buttonId)
{
    sendDlgItemMessage(dialog, buttonId, BM_SETCHECK, checked, 0);
}

// Tests the buttons in order; each one found set makes its position the answer.
int testButtons(Window* dialog, std::span<const int> buttons, int answer)
{
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (sendDlgItemMessage(dialog, buttons[i], BM_GETCHECK, 0, 0) == 1)
            answer = static_cast<int>(i);
    return answer;
}

}  // namespace

int getPictureChoice()
{
    return pictureChoice;
}

void setPictureChoice(int value)
{
    pictureChoice = value;
}

std::intptr_t pictureChoiceDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                                      std::intptr_t)
{
    if (message == WM_INITDIALOG) {
        setPictureChoice(savePicture);
        checkButton(dialog, pictureButtons[0]);
        return 1;
    }
    if (isOk(message, wParam)) {
        setPictureChoice(testButtons(dialog, pictureButtons, getPictureChoice()));
        endDialog(dialog, okButtonId);
        return 1;
    }
    return 0;
}

std::intptr_t panelDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                              std::intptr_t)
{
    if (message == WM_INITDIALOG) {
        checkButton(dialog, panelButtons[0]);
        setPanelChoice(0);
        checkButton(dialog, glueButtons[0]);
        setGlueChoice(0);
        return 1;
    }
    if (isOk(message, wParam)) {
        setPanelChoice(testButtons(dialog, panelButtons, getPanelChoice()));
        setGlueChoice(testButtons(dialog, glueButtons, getGlueChoice()));
        endDialog(dialog, okButtonId);
        return 1;
    }
    return 0;
}

void showPictureChoiceDialog()
{
    runModalDialog(pictureChoiceDialogId, getMainWindow(), pictureChoiceDialogProc, 0);
}

void showPanelDialog()
{
    runModalDialog(panelDialogId, getMainWindow(), panelDialogProc, 0);
}
