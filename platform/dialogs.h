// Dialogs built from the dialog templates, message boxes, the colour chooser and the browser.
#pragma once

#include <cstdint>

#include "platform/types.h"

// Progress bar messages of "msctls_progress32".
constexpr unsigned PBM_SETRANGE = 0x401;
constexpr unsigned PBM_SETPOS = 0x402;
constexpr unsigned PBM_SETSTEP = 0x404;
constexpr unsigned PBM_STEPIT = 0x405;
constexpr unsigned PBM_GETPOS = 0x408;
// Check boxes and radio buttons.
constexpr unsigned BM_GETCHECK = 0x00F0;
constexpr unsigned BM_SETCHECK = 0x00F1;

// MAKELPARAM(low, high) for PBM_SETRANGE.
constexpr std::intptr_t makeRangeParam(int low, int high)
{
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(low) & 0xFFFFu) |
                                      ((static_cast<std::uint32_t>(high) & 0xFFFFu) << 16));
}

// DialogBoxParam: runs the dialog template modally, the owner disabled meanwhile; the
// procedure gets WM_INITDIALOG (lParam = param) and WM_COMMAND for its buttons (the low word
// of wParam is the control id; Enter sends the default button). Returns endDialog's result.
std::intptr_t runModalDialog(int templateId, Window* owner, DialogProc proc, std::intptr_t param);

// CreateDialogParam: a modeless dialog, shown at once when the template says visible.
Window* createModelessDialog(int templateId, Window* owner, DialogProc proc, std::intptr_t param);

// EndDialog: the modal loop ends after the procedure returns, with this result.
void endDialog(Window* dialog, std::intptr_t result);

// SetDlgItemText with UTF-8 text.
void setDlgItemText(Window* dialog, int controlId, const char* text);

// SendDlgItemMessage for progress bars (PBM_*) and buttons (BM_*).
std::intptr_t sendDlgItemMessage(Window* dialog, int controlId, unsigned message,
                                 std::uintptr_t wParam, std::intptr_t lParam);

// MessageBox(owner, text, NULL, MB_OK): modal, the default caption "エラー", one OK button.
void messageBox(Window* owner, const char* text);

// ChooseColor with CC_RGBINIT: starts at `colour`; on OK stores the choice there and answers
// true. `customColours` (16 entries) is shown and kept as the player edits it.
bool chooseColour(Window* owner, Colour& colour, Colour customColours[16]);

// ShellExecute(NULL, "open", url, ...): shows the page in the default browser; failures are
// silent.
void openUrl(const char* url);
