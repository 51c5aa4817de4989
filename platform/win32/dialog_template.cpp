// Builds DLGTEMPLATEEX blocks from dialog templates, so one set of layouts serves every
// back end; Windows converts their dialog units through the face chosen for this system.
#include "platform/win32/dialog_template.h"

#include "platform/language.h"
#include "platform/utf16.h"
#include "platform/win32/dialog_font.h"
#include "platform/win32/win32_window.h"

#include <commctrl.h>

namespace {

// Appends 16-bit words; 32-bit values go low word first, as the block is little-endian.
class TemplateWriter {
public:
    void word(std::uint16_t value) { words_.push_back(value); }
    void dword(std::uint32_t value)
    {
        word(static_cast<std::uint16_t>(value & 0xFFFF));
        word(static_cast<std::uint16_t>(value >> 16));
    }
    void text(const char* utf8)
    {
        for (wchar_t c : utf8ToUtf16(utf8 ? utf8 : ""))
            word(static_cast<std::uint16_t>(c));
        word(0);
    }
    void wideText(const wchar_t* text)
    {
        for (; *text; ++text)
            word(static_cast<std::uint16_t>(*text));
        word(0);
    }
    void ordinal(std::uint16_t value)
    {
        word(0xFFFF);
        word(value);
    }
    void alignToDword()
    {
        if (words_.size() % 2 != 0)
            word(0);
    }
    std::vector<std::uint16_t> take() { return std::move(words_); }

private:
    std::vector<std::uint16_t> words_;
};

constexpr std::uint16_t buttonClass = 0x0080;
constexpr std::uint16_t editClass = 0x0081;
constexpr std::uint16_t staticClass = 0x0082;
constexpr std::uint16_t comboBoxClass = 0x0085;

bool hasWindow(const ControlTemplate& control)
{
    return control.kind != ControlKind::picture;
}

// A control's window class (an ordinal of the system's classes, or a name) and styles.
struct ControlStyle {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::uint16_t classOrdinal = 0;
    const wchar_t* className = nullptr;
};

std::uint32_t dialogStyle(const DialogTemplate& dialog)
{
    std::uint32_t style = WS_POPUP | DS_SETFONT;
    style |= dialog.hasCaption ? WS_CAPTION : WS_BORDER;
    if (dialog.systemMenu && dialog.hasCaption)
        style |= WS_SYSMENU;
    if (dialog.modalFrame)
        style |= DS_MODALFRAME;
    else
        style |= WS_THICKFRAME;  // the player resizes it
    if (dialog.centred)
        style |= DS_CENTER;
    if (dialog.visible)
        style |= WS_VISIBLE;
    if (dialog.systemModal)
        style |= DS_SYSMODAL;
    return style;
}

ControlStyle controlStyle(const ControlTemplate& control, bool first)
{
    ControlStyle result;
    result.style = WS_CHILD | WS_VISIBLE;
    if (first || control.groupStart)
        result.style |= WS_GROUP;
    result.classOrdinal = buttonClass;
    switch (control.kind) {
    case ControlKind::pushButton:
        result.style |= BS_PUSHBUTTON | WS_TABSTOP;
        break;
    case ControlKind::defaultPushButton:
        result.style |= BS_DEFPUSHBUTTON | WS_TABSTOP;
        break;
    case ControlKind::staticText:
        result.classOrdinal = staticClass;
        result.style |= SS_LEFTNOWORDWRAP | SS_CENTERIMAGE;
        break;
    case ControlKind::icon:
        result.classOrdinal = staticClass;
        result.style |= SS_ICON | SS_REALSIZECONTROL;  // the icon fills the control's rectangle
        break;
    case ControlKind::picture:
        break;  // has no window (see hasWindow)
    case ControlKind::readOnlyEdit:
        result.classOrdinal = editClass;
        // Enter stays in the box (it does not press the default button); no scroll bars.
        result.style |= ES_MULTILINE | ES_READONLY | ES_WANTRETURN | ES_AUTOHSCROLL | WS_TABSTOP;
        result.exStyle = WS_EX_CLIENTEDGE;
        break;
    case ControlKind::progressBar:
        result.classOrdinal = 0;
        result.className = PROGRESS_CLASSW;
        result.style |= WS_BORDER;
        break;
    case ControlKind::radioButton:
        result.style |= BS_RADIOBUTTON;
        break;
    case ControlKind::autoRadioButton:
        result.style |= BS_AUTORADIOBUTTON;
        break;
    case ControlKind::checkBox:
        result.style |= BS_AUTOCHECKBOX | WS_TABSTOP;
        break;
    case ControlKind::groupBox:
        result.style |= BS_GROUPBOX;
        break;
    case ControlKind::edit:
        result.classOrdinal = editClass;
        result.style |= ES_AUTOHSCROLL | WS_TABSTOP;
        result.exStyle = WS_EX_CLIENTEDGE;
        break;
    case ControlKind::comboBox:
        result.classOrdinal = comboBoxClass;
        result.style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
        break;
    case ControlKind::thumbnailGrid:
        result.classOrdinal = 0;
        result.className = WC_LISTVIEWW;
        result.style |= LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_AUTOARRANGE |
                        WS_TABSTOP | WS_VSCROLL | WS_BORDER;
        break;
    }
    if (control.pushLike)
        result.style |= BS_PUSHLIKE;
    // The first radio button of a group is the one Tab reaches.
    if ((control.kind == ControlKind::radioButton ||
         control.kind == ControlKind::autoRadioButton) &&
        (result.style & WS_GROUP))
        result.style |= WS_TABSTOP;
    return result;
}

// A drop-down list's height in a template includes its opened list: room for ten entries.
int templateHeight(const ControlTemplate& control)
{
    return control.kind == ControlKind::comboBox ? control.height * 8 : control.height;
}

}  // namespace

std::vector<std::uint16_t> buildDialogTemplate(const DialogTemplate& dialog)
{
    std::uint16_t itemCount = 0;
    for (const ControlTemplate& control : dialog.controls)
        itemCount += hasWindow(control) ? 1 : 0;

    TemplateWriter out;
    out.word(1);       // dlgVer
    out.word(0xFFFF);  // signature
    out.dword(0);      // helpID
    out.dword(dialog.systemModal ? WS_EX_TOPMOST : 0);
    out.dword(dialogStyle(dialog));
    out.word(itemCount);
    out.word(0);  // x and y: centred or placed by the program
    out.word(0);
    out.word(static_cast<std::uint16_t>(dialog.width));
    out.word(static_cast<std::uint16_t>(dialog.height));
    out.word(0);  // no menu
    out.word(0);  // the dialog class
    out.text(translate(dialog.caption));
    out.word(static_cast<std::uint16_t>(dialog.pointSize));
    out.word(FW_NORMAL);
    const std::uint8_t charset =
        win32backend::dialogTextsJapanese() ? SHIFTJIS_CHARSET : DEFAULT_CHARSET;
    out.word(static_cast<std::uint16_t>(charset << 8));  // italic 0, character set
    out.wideText(win32backend::dialogFace(dialog.fontName).c_str());

    bool first = true;
    for (const ControlTemplate& control : dialog.controls) {
        if (!hasWindow(control))
            continue;
        const ControlStyle style = controlStyle(control, first);
        first = false;
        out.alignToDword();
        out.dword(0);  // helpID
        out.dword(style.exStyle);
        out.dword(style.style);
        out.word(static_cast<std::uint16_t>(control.x));
        out.word(static_cast<std::uint16_t>(control.y));
        out.word(static_cast<std::uint16_t>(control.width));
        out.word(static_cast<std::uint16_t>(templateHeight(control)));
        out.dword(static_cast<std::uint32_t>(control.id));
        if (style.classOrdinal)
            out.ordinal(style.classOrdinal);
        else
            out.wideText(style.className);
        if (control.kind == ControlKind::icon)
            out.ordinal(static_cast<std::uint16_t>(control.resourceId));
        else
            out.text(translate(control.text));
        out.word(0);  // no creation data
    }
    return out.take();
}
