// Dialogs built from the dialog templates, message boxes, the colour and file choosers and
// the browser.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/picture_file.h"
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

// Combo boxes: CB_ADDSTRING (lParam: the UTF-8 text), CB_RESETCONTENT, CB_GETCURSEL (-1 for
// none), CB_SETCURSEL (wParam: the index). Choosing an entry sends the dialog WM_COMMAND with
// the control id in the low word and CBN_SELCHANGE in the high word.
constexpr unsigned CB_ADDSTRING = 0x143;
constexpr unsigned CB_GETCURSEL = 0x147;
constexpr unsigned CB_RESETCONTENT = 0x14B;
constexpr unsigned CB_SETCURSEL = 0x14E;
constexpr unsigned CBN_SELCHANGE = 1;
// A one-line edit box tells its dialog of every change of its text, the player's or the
// program's (setDlgItemText): WM_COMMAND with the control id in the low word and EN_CHANGE in
// the high word.
constexpr unsigned EN_CHANGE = 0x0300;

// Every item of a thumbnail grid is a picture of exactly this size, as a list view's image
// list holds pictures of one size.
constexpr int thumbnailGridPictureWidth = 128;
constexpr int thumbnailGridPictureHeight = 104;
// A thumbnail grid tells its dialog (WM_COMMAND, control id in the low word, the code in the
// high word) when the selection changes, when an item is activated (double click, or Enter
// where the toolkit gives Enter to the grid) and when Delete is pressed while it has the focus.
constexpr unsigned TGN_SELCHANGE = 1;
constexpr unsigned TGN_ACTIVATE = 2;
constexpr unsigned TGN_DELETE = 3;
struct ThumbnailGridItem {
    RgbImage picture;     // thumbnailGridPictureWidth x thumbnailGridPictureHeight
    std::string caption;  // UTF-8; lines separated by '\n'
};

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

// GetDlgItemText as UTF-8: an edit's text as the player left it, or a label's.
std::string getDlgItemText(Window* dialog, int controlId);

// GetWindowRect(GetDlgItem) mapped into the dialog's client area: where the control lies, in
// the pixels of the dialog's client surface (a picture control's area to paint).
Rect dialogItemRect(Window* dialog, int controlId);

// EnableWindow(GetDlgItem(dialog, controlId), enabled): a disabled control is shown greyed
// and the player can neither click it nor reach it with the keyboard.
void enableDlgItem(Window* dialog, int controlId, bool enabled);

// SendDlgItemMessage for progress bars (PBM_*), buttons (BM_*) and combo boxes (CB_*).
std::intptr_t sendDlgItemMessage(Window* dialog, int controlId, unsigned message,
                                 std::uintptr_t wParam, std::intptr_t lParam);

// LVM_DELETEALLITEMS, then LVM_INSERTITEM of every item with its picture in the image list.
// Nothing is selected afterwards.
void setThumbnailGridItems(Window* dialog, int controlId, std::span<const ThumbnailGridItem> items);
// LVM_GETNEXTITEM(LVNI_SELECTED): the selected item's index, -1 for none.
int thumbnailGridSelection(Window* dialog, int controlId);
// LVM_SETITEMSTATE(LVIS_SELECTED | LVIS_FOCUSED) and LVM_ENSUREVISIBLE: selects the item and
// scrolls it into view (no TGN_SELCHANGE is sent for the program's own choice). An index
// outside the items leaves nothing selected.
void selectThumbnailGridItem(Window* dialog, int controlId, int index);

// MessageBox(owner, text, NULL, MB_OK): modal, the default caption "エラー", one OK button.
void messageBox(Window* owner, const char* text);

// MessageBox(owner, text, caption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2): true for Yes.
// The caption is given by the caller (UTF-8, translated by the back end like other texts).
bool askYesNo(Window* owner, const char* caption, const char* text);

// ChooseColor with CC_RGBINIT: starts at `colour`; on OK stores the choice there and answers
// true. `customColours` (16 entries) is shown and kept as the player edits it.
bool chooseColour(Window* owner, Colour& colour, Colour customColours[16]);

// ShellExecute(NULL, "open", url, ...): shows the page in the default browser. False when no
// program that shows web pages could be started for it.
bool openUrl(const char* url);

// One filter of a file dialog: the text shown ("Play files(*.jps)") and its pattern ("*.jps").
struct FileFilter {
    std::string name;
    std::string pattern;
};

// The fields of an OPENFILENAME record that the game fills.
struct FileDialogRequest {
    std::string title;
    std::vector<FileFilter> filters;
    std::string fileName;          // the file name buffer: proposed as the dialog opens
    std::string defaultExtension;  // appended with a dot when the chosen name has none
    bool overwritePrompt = false;  // OFN_OVERWRITEPROMPT: an existing file must be confirmed
    bool fileMustExist = false;    // OFN_FILEMUSTEXIST: only an existing file is accepted
    bool picturePreview = false;   // a thumbnail of the picture file selected, as Explorer shows
};

// GetSaveFileName and GetOpenFileName: the chosen full path, or nullopt when the player
// cancels or the dialog fails.
std::optional<std::string> runSaveFileDialog(Window* owner, const FileDialogRequest& request);
std::optional<std::string> runOpenFileDialog(Window* owner, const FileDialogRequest& request);

// The text after the last dot of the path's file name; empty when it has none.
std::string fileExtension(const std::string& path);
