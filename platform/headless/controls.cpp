// Dialog controls in memory: progress bars, check boxes, radio buttons and combo boxes.
#include <string>
#include <utility>
#include <vector>

#include "platform/dialogs.h"
#include "platform/headless/backend.h"
#include "platform/headless/headless.h"
#include "platform/templates.h"

using headless::backEnd;
using headless::ControlKey;

namespace {

const ControlTemplate* findControl(int templateId, int controlId)
{
    const DialogTemplate* dialogTemplate = findDialogTemplate(templateId);
    if (!dialogTemplate)
        return nullptr;
    for (const ControlTemplate& control : dialogTemplate->controls)
        if (control.id == controlId)
            return &control;
    return nullptr;
}

bool isRadioButton(ControlKind kind)
{
    return kind == ControlKind::radioButton || kind == ControlKind::autoRadioButton;
}

std::intptr_t comboBoxMessage(headless::ComboBoxState& combo, unsigned message,
                              std::uintptr_t wParam, std::intptr_t lParam)
{
    const int count = static_cast<int>(combo.entries.size());
    switch (message) {
    case CB_ADDSTRING:
        combo.entries.emplace_back(reinterpret_cast<const char*>(lParam));
        return count;
    case CB_RESETCONTENT:
        combo = {};
        return 0;
    case CB_SETCURSEL:
        combo.selection = static_cast<int>(wParam) < count ? static_cast<int>(wParam) : -1;
        return combo.selection;
    case CB_GETCURSEL:
        return combo.selection;
    default:
        return 0;
    }
}

}  // namespace

std::intptr_t sendDlgItemMessage(Window* dialog, int controlId, unsigned message,
                                 std::uintptr_t wParam, std::intptr_t lParam)
{
    if (!headless::isLive(dialog))
        return 0;
    // As SendDlgItemMessage, a control the dialog lacks answers 0, and so does a control of
    // another kind than the message is meant for.
    const ControlTemplate* control = findControl(dialog->templateId, controlId);
    if (!control)
        return 0;
    const ControlKey key{dialog->templateId, controlId};
    if (control->kind == ControlKind::progressBar) {
        if (message == PBM_STEPIT)
            headless::logEvent("progress " + std::to_string(dialog->templateId) + " step");
        return applyProgressMessage(backEnd().progressBars[key], message, wParam, lParam);
    }
    if (control->kind == ControlKind::comboBox)
        return comboBoxMessage(backEnd().comboBoxes[key], message, wParam, lParam);
    const bool checkable = isRadioButton(control->kind) || control->kind == ControlKind::checkBox;
    if (checkable && message == BM_SETCHECK) {
        backEnd().buttonChecks[key] = static_cast<int>(wParam);
        return 0;
    }
    if (checkable && message == BM_GETCHECK) {
        auto check = backEnd().buttonChecks.find(key);
        return check == backEnd().buttonChecks.end() ? 0 : check->second;
    }
    return 0;
}

namespace headless {

void clickControl(Window* dialog, int controlId)
{
    if (controlId & entryChoiceFlag) {
        const int id = controlId & 0xFFFF;
        backEnd().comboBoxes[{dialog->templateId, id}].selection = (controlId >> 16) & 0x3FFF;
        return;
    }
    const DialogTemplate* dialogTemplate = findDialogTemplate(dialog->templateId);
    const ControlTemplate* clicked = findControl(dialog->templateId, controlId);
    if (!dialogTemplate || !clicked)
        return;
    auto& checks = backEnd().buttonChecks;
    if (clicked->kind == ControlKind::checkBox) {
        int& state = checks[{dialog->templateId, controlId}];
        state = state ? 0 : 1;
        return;
    }
    if (clicked->kind != ControlKind::autoRadioButton)
        return;
    // The group runs from a control that starts one up to the next such control.
    int group = 0;
    int clickedGroup = -1;
    std::vector<std::pair<int, const ControlTemplate*>> radios;
    for (const ControlTemplate& control : dialogTemplate->controls) {
        if (control.groupStart)
            ++group;
        if (&control == clicked)
            clickedGroup = group;
        if (isRadioButton(control.kind))
            radios.emplace_back(group, &control);
    }
    for (const auto& [radioGroup, radio] : radios)
        if (radioGroup == clickedGroup)
            checks[{dialog->templateId, radio->id}] = radio == clicked ? 1 : 0;
}

void resetControls(int templateId)
{
    auto forget = [templateId](auto& table) {
        std::erase_if(table, [templateId](const auto& entry) {
            return entry.first.first == templateId;
        });
    };
    forget(backEnd().itemTexts);
    forget(backEnd().progressBars);
    forget(backEnd().buttonChecks);
    forget(backEnd().comboBoxes);
}

int chooseEntry(int controlId, int index)
{
    return entryChoiceFlag | (index << 16) | controlId;
}

std::vector<std::string> comboBoxEntries(int templateId, int controlId)
{
    return backEnd().comboBoxes[{templateId, controlId}].entries;
}

int progressPosition(int templateId)
{
    const DialogTemplate* dialogTemplate = findDialogTemplate(templateId);
    if (!dialogTemplate)
        return 0;
    for (const ControlTemplate& control : dialogTemplate->controls) {
        if (control.kind == ControlKind::progressBar) {
            auto bar = backEnd().progressBars.find({templateId, control.id});
            return bar == backEnd().progressBars.end() ? ProgressBarState{}.position
                                                       : bar->second.position;
        }
    }
    return 0;
}

}  // namespace headless
