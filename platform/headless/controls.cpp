// Dialog controls in memory: progress bars, check boxes, radio buttons, combo boxes and
// thumbnail grids.
#include <string>
#include <utility>
#include <vector>

#include "platform/dialogs.h"
#include "platform/headless/backend.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
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

// The state of a thumbnail grid of the live dialog; null when the dialog has no such grid.
headless::ThumbnailGridState* findGrid(Window* dialog, int controlId)
{
    if (!headless::isLive(dialog))
        return nullptr;
    const ControlTemplate* control = findControl(dialog->templateId, controlId);
    if (!control || control->kind != ControlKind::thumbnailGrid)
        return nullptr;
    return &backEnd().thumbnailGrids[{dialog->templateId, controlId}];
}

void notify(Window* dialog, int controlId, unsigned code)
{
    sendMessage(dialog, WM_COMMAND,
                (static_cast<std::uintptr_t>(controlId) & 0xFFFFu) | (std::uintptr_t{code} << 16),
                0);
}

// The player clicks item `index` of the grid (an index outside the items is a click beside
// them, which leaves nothing selected); the procedure hears of a change.
void clickGridItem(Window* dialog, int controlId, headless::ThumbnailGridState& grid, int index)
{
    const int chosen = index >= 0 && index < static_cast<int>(grid.items.size()) ? index : -1;
    if (chosen == grid.selection)
        return;
    grid.selection = chosen;
    notify(dialog, controlId, TGN_SELCHANGE);
}

}  // namespace

void setThumbnailGridItems(Window* dialog, int controlId, std::span<const ThumbnailGridItem> items)
{
    if (headless::ThumbnailGridState* grid = findGrid(dialog, controlId))
        *grid = {{items.begin(), items.end()}, -1};
}

void enableDlgItem(Window* dialog, int controlId, bool enabled)
{
    if (!headless::isLive(dialog) || !findControl(dialog->templateId, controlId))
        return;
    const ControlKey key{dialog->templateId, controlId};
    if (enabled)
        backEnd().disabledControls.erase(key);
    else
        backEnd().disabledControls.insert(key);
}

int thumbnailGridSelection(Window* dialog, int controlId)
{
    const headless::ThumbnailGridState* grid = findGrid(dialog, controlId);
    return grid ? grid->selection : -1;
}

void selectThumbnailGridItem(Window* dialog, int controlId, int index)
{
    if (headless::ThumbnailGridState* grid = findGrid(dialog, controlId))
        grid->selection = index >= 0 && index < static_cast<int>(grid->items.size()) ? index : -1;
}

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

int encodeControlAction(ControlAction action, int controlId, int index)
{
    return controlActionFlag | (static_cast<int>(action) << 28) | ((index & 0xFFF) << 16) |
           (controlId & 0xFFFF);
}

std::optional<ScriptedControlAction> decodeControlAction(int answer)
{
    if (!(answer & controlActionFlag))
        return std::nullopt;
    return ScriptedControlAction{static_cast<ControlAction>((answer >> 28) & 3), answer & 0xFFFF,
                                 (answer >> 16) & 0xFFF};
}

void actOnControl(Window* dialog, const ScriptedControlAction& action)
{
    if (action.action == ControlAction::chooseEntry) {
        backEnd().comboBoxes[{dialog->templateId, action.controlId}].selection = action.index;
        notify(dialog, action.controlId, CBN_SELCHANGE);
        return;
    }
    ThumbnailGridState* grid = findGrid(dialog, action.controlId);
    if (!grid)
        return;
    switch (action.action) {
    case ControlAction::selectGridItem:
        clickGridItem(dialog, action.controlId, *grid, action.index);
        break;
    case ControlAction::activateGridItem:
        clickGridItem(dialog, action.controlId, *grid, action.index);
        // The procedure may have emptied the grid on hearing of the selection.
        grid = findGrid(dialog, action.controlId);
        if (grid && grid->selection == action.index && grid->selection != -1)
            notify(dialog, action.controlId, TGN_ACTIVATE);
        break;
    case ControlAction::pressDelete:
        notify(dialog, action.controlId, TGN_DELETE);
        break;
    case ControlAction::chooseEntry:
        break;
    }
}

void clickControl(Window* dialog, int controlId)
{
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
    forget(backEnd().thumbnailGrids);
    std::erase_if(backEnd().disabledControls,
                  [templateId](const ControlKey& key) { return key.first == templateId; });
}

int chooseEntry(int controlId, int index)
{
    return encodeControlAction(ControlAction::chooseEntry, controlId, index);
}

int selectGridItem(int controlId, int index)
{
    return encodeControlAction(ControlAction::selectGridItem, controlId, index);
}

int activateGridItem(int controlId, int index)
{
    return encodeControlAction(ControlAction::activateGridItem, controlId, index);
}

int pressDeleteInGrid(int controlId)
{
    return encodeControlAction(ControlAction::pressDelete, controlId, 0);
}

std::vector<std::string> thumbnailGridCaptions(int templateId, int controlId)
{
    std::vector<std::string> captions;
    auto grid = backEnd().thumbnailGrids.find({templateId, controlId});
    if (grid != backEnd().thumbnailGrids.end())
        for (const ThumbnailGridItem& item : grid->second.items)
            captions.push_back(item.caption);
    return captions;
}

int thumbnailGridSelected(int templateId, int controlId)
{
    auto grid = backEnd().thumbnailGrids.find({templateId, controlId});
    return grid == backEnd().thumbnailGrids.end() ? -1 : grid->second.selection;
}

bool dlgItemEnabled(int templateId, int controlId)
{
    return !backEnd().disabledControls.contains({templateId, controlId});
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
