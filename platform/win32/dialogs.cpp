// Modal and modeless dialogs built in memory from the templates, and the calls their
// procedures make.
#include <string>

#include "platform/utf16.h"
#include "platform/win32/dialog_template.h"
#include "platform/win32/win32_window.h"

using win32backend::isLive;

namespace {

// What WM_INITDIALOG carries to the native procedure: the record and the game's parameter.
struct DialogStart {
    Window* dialog = nullptr;
    std::intptr_t param = 0;
};

INT_PTR CALLBACK dialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const auto* start = reinterpret_cast<const DialogStart*>(lParam);
        Window* dialog = start->dialog;
        win32backend::attachHandle(dialog, hwnd);
        // A centred dialog opens over its owner, not in the middle of the screen; the game's
        // procedure may still move it.
        if (dialog->owner && dialog->layout && dialog->layout->centred)
            win32backend::placeOverOwner(hwnd, dialog->owner->hwnd);
        win32backend::fitSurfaceToClient(dialog);
        const std::intptr_t answer = dialog->proc(dialog, WM_INITDIALOG, wParam, start->param);
        win32backend::flushDrawing();
        return answer;
    }
    Window* dialog = win32backend::windowOf(hwnd);
    if (!dialog)
        return FALSE;
    switch (message) {
    case WM_NCDESTROY:
        win32backend::retireWindowRecord(dialog);
        return FALSE;
    case WM_SIZE:
        win32backend::fitSurfaceToClient(dialog);
        win32backend::followDialogSize(dialog);
        break;
    case WM_GETMINMAXINFO:
        win32backend::limitDialogSize(dialog, *reinterpret_cast<MINMAXINFO*>(lParam));
        return TRUE;
    case WM_ERASEBKGND:
        // A dialog the game draws on shows its surface, which covers its whole client area.
        if (!dialog->surfaceUsed)
            return FALSE;
        SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, 1);
        return TRUE;
    case WM_PAINT:
        win32backend::paintWindow(dialog, [&] {
            dialog->proc(dialog, WM_PAINT, wParam, lParam);
        });
        return TRUE;
    case WM_NOTIFY:
        // The list view's own answer stays 0: it may go on as it meant to.
        if (win32backend::forwardGridNotification(dialog, *reinterpret_cast<NMHDR*>(lParam))) {
            win32backend::flushDrawing();
            return FALSE;
        }
        break;
    case win32backend::gridRowStep:
        win32backend::stepGridAcrossRows(dialog, static_cast<int>(wParam),
                                         static_cast<int>(lParam));
        win32backend::flushDrawing();
        return TRUE;
    case WM_DPICHANGED: {
        // Windows rescales the font and controls of a dialog built from a template itself (the
        // default handling, which still follows); the grids' pictures are ours.
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        PostMessageW(hwnd, win32backend::gridDpiChange, LOWORD(wParam), 0);
        return FALSE;
    }
    case win32backend::gridDpiChange:
        win32backend::fitGridsToDpi(dialog, static_cast<unsigned>(wParam));
        return TRUE;
    case win32backend::gridSelectionCheck:
        win32backend::checkGridSelection(dialog, static_cast<int>(wParam));
        win32backend::flushDrawing();
        return TRUE;
    default:
        break;
    }
    const std::intptr_t answer = dialog->proc(dialog, message, wParam, lParam);
    win32backend::flushDrawing();
    return answer;
}

Window* newDialogRecord(const DialogTemplate* layout, Window* owner, DialogProc proc, bool modal)
{
    Window* dialog = win32backend::newWindowRecord();
    dialog->layout = layout;
    dialog->isDialog = true;
    dialog->modal = modal;
    dialog->proc = proc;
    dialog->owner = isLive(owner) ? owner : nullptr;
    dialog->backgroundFill = static_cast<Colour>(GetSysColor(COLOR_BTNFACE));
    return dialog;
}

HWND ownerHandle(const Window* dialog)
{
    return dialog->owner ? dialog->owner->hwnd : nullptr;
}

// The control's rectangle in the dialog's client pixels: its window's, or for a control drawn
// by the game (which has no window) its template rectangle in the dialog's units.
RECT controlRect(const Window* dialog, int controlId)
{
    RECT rect{};
    if (HWND item = GetDlgItem(dialog->hwnd, controlId)) {
        GetWindowRect(item, &rect);
        MapWindowPoints(nullptr, dialog->hwnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    for (const ControlTemplate& control : dialog->layout ? dialog->layout->controls
                                                         : std::span<const ControlTemplate>{}) {
        if (control.id != controlId)
            continue;
        // The origin and the size are converted each on its own, as the dialog manager
        // places the controls that have windows.
        rect = RECT{control.x, control.y, control.width, control.height};
        MapDialogRect(dialog->hwnd, &rect);
        rect.right += rect.left;
        rect.bottom += rect.top;
        break;
    }
    return rect;
}

}  // namespace

namespace win32backend {

std::string withWindowsLineBreaks(const std::string& text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            result += '\r';
        result += text[i];
    }
    return result;
}

}  // namespace win32backend

std::intptr_t runModalDialog(int templateId, Window* owner, DialogProc proc, std::intptr_t param)
{
    const DialogTemplate* dialogTemplate = findDialogTemplate(templateId);
    if (!dialogTemplate)
        return -1;
    const std::vector<std::uint16_t> block = buildDialogTemplate(*dialogTemplate);
    DialogStart start{newDialogRecord(dialogTemplate, owner, proc, true), param};
    return DialogBoxIndirectParamW(
        win32backend::programInstance(), reinterpret_cast<LPCDLGTEMPLATEW>(block.data()),
        ownerHandle(start.dialog), dialogProcedure, reinterpret_cast<LPARAM>(&start));
}

Window* createModelessDialog(int templateId, Window* owner, DialogProc proc, std::intptr_t param)
{
    const DialogTemplate* dialogTemplate = findDialogTemplate(templateId);
    if (!dialogTemplate)
        return nullptr;
    const std::vector<std::uint16_t> block = buildDialogTemplate(*dialogTemplate);
    DialogStart start{newDialogRecord(dialogTemplate, owner, proc, false), param};
    HWND hwnd = CreateDialogIndirectParamW(
        win32backend::programInstance(), reinterpret_cast<LPCDLGTEMPLATEW>(block.data()),
        ownerHandle(start.dialog), dialogProcedure, reinterpret_cast<LPARAM>(&start));
    if (!hwnd)
        return nullptr;
    // The game may go on working without taking messages (the progress dialog): it is drawn
    // now, controls included.
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return start.dialog;
}

void endDialog(Window* dialog, std::intptr_t result)
{
    if (!isLive(dialog) || !dialog->isDialog || dialog->ended)
        return;
    dialog->ended = true;
    dialog->result = result;
    if (dialog->modal)
        EndDialog(dialog->hwnd, result);
    else
        ShowWindow(dialog->hwnd, SW_HIDE);
}

void setDlgItemText(Window* dialog, int controlId, const char* text)
{
    if (isLive(dialog))
        SetDlgItemTextW(dialog->hwnd, controlId,
                        utf8ToUtf16(win32backend::withWindowsLineBreaks(text ? text : "")).c_str());
}

std::string getDlgItemText(Window* dialog, int controlId)
{
    HWND item = isLive(dialog) ? GetDlgItem(dialog->hwnd, controlId) : nullptr;
    if (!item)
        return "";
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
    return utf16ToUtf8(text);
}

void enableDlgItem(Window* dialog, int controlId, bool enabled)
{
    if (HWND item = isLive(dialog) ? GetDlgItem(dialog->hwnd, controlId) : nullptr)
        EnableWindow(item, enabled);
}

Rect dialogItemRect(Window* dialog, int controlId)
{
    if (!isLive(dialog))
        return Rect{};
    const RECT rect = controlRect(dialog, controlId);
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

std::intptr_t sendDlgItemMessage(Window* dialog, int controlId, unsigned message,
                                 std::uintptr_t wParam, std::intptr_t lParam)
{
    if (!isLive(dialog))
        return 0;
    // The game gives a combo box's entries as UTF-8.
    if (message == CB_ADDSTRING) {
        const std::wstring entry = utf8ToUtf16(reinterpret_cast<const char*>(lParam));
        return SendDlgItemMessageW(dialog->hwnd, controlId, message, wParam,
                                   reinterpret_cast<LPARAM>(entry.c_str()));
    }
    const std::intptr_t answer =
        SendDlgItemMessageW(dialog->hwnd, controlId, message, wParam, lParam);
    // A progress bar moves while the game works without taking messages.
    if (message >= PBM_SETRANGE && message <= PBM_STEPIT)
        if (HWND control = GetDlgItem(dialog->hwnd, controlId))
            UpdateWindow(control);
    return answer;
}
