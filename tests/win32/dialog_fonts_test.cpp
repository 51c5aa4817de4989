// Every text of every dialog fits its control in the face the dialogs are built with: each
// static text, button, radio button and group box caption has all its letters in the
// control's font and, measured with it, fits the control's width.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/language.h"
#include "platform/utf16.h"
#include "platform/win32/dialog_font.h"
#include "platform/win32/win32_window.h"

namespace {

const int everyTemplate[] = {117, 119, 120, 127, 131, 132, 133, 141, 142};

std::intptr_t quietProcedure(Window*, unsigned message, std::uintptr_t, std::intptr_t)
{
    return message == WM_INITDIALOG ? 1 : 0;
}

// The pixels of a control's width that its text may take: a button keeps its edges, a radio
// button its round box, a group box its frame either side of the caption.
int textRoom(const ControlTemplate& control, int width)
{
    switch (control.kind) {
    case ControlKind::staticText: return width;
    case ControlKind::radioButton:
    case ControlKind::autoRadioButton:
    case ControlKind::checkBox:
        return control.pushLike ? width - 6 : width - GetSystemMetrics(SM_CXMENUCHECK) - 4;
    case ControlKind::groupBox: return width - 16;
    default: return width - 6;
    }
}

bool measured(ControlKind kind)
{
    switch (kind) {
    case ControlKind::staticText:
    case ControlKind::pushButton:
    case ControlKind::defaultPushButton:
    case ControlKind::radioButton:
    case ControlKind::autoRadioButton:
    case ControlKind::checkBox:
    case ControlKind::groupBox: return true;
    default: return false;
    }
}

// "id/text: N pixels in M" for every text wider than the room its control gives it.
std::vector<std::string> cutTexts()
{
    std::vector<std::string> cut;
    for (const int id : everyTemplate) {
        const DialogTemplate* layout = findDialogTemplate(id);
        Window* dialog = createModelessDialog(id, nullptr, quietProcedure, 0);
        if (!layout || !dialog) {
            cut.push_back(std::to_string(id) + ": not built");
            continue;
        }
        // The children come in the template's order; pictures have none.
        HWND next = GetWindow(dialog->hwnd, GW_CHILD);
        for (const ControlTemplate& control : layout->controls) {
            if (control.kind == ControlKind::picture)
                continue;
            HWND item = next;
            next = item ? GetWindow(item, GW_HWNDNEXT) : nullptr;
            if (!measured(control.kind))
                continue;
            const std::wstring text = utf8ToUtf16(translate(control.text));
            if (!item || text.empty())
                continue;
            HDC dc = GetDC(item);
            HGDIOBJ old =
                SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(item, WM_GETFONT, 0, 0)));
            // Every letter from the face itself: letters Windows borrows from a linked face
            // are drawn wider than the face's dialog units allow for.
            std::vector<WORD> glyphs(text.size());
            GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                             GGI_MARK_NONEXISTING_GLYPHS);
            const bool allGlyphs =
                std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
            SIZE size{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            SelectObject(dc, old);
            ReleaseDC(item, dc);
            RECT client;
            GetClientRect(item, &client);
            const int room = textRoom(control, client.right);
            if (!allGlyphs)
                cut.push_back(std::to_string(id) + "/" + utf16ToUtf8(text) +
                              ": letters missing from the face");
            else if (size.cx > room)
                cut.push_back(std::to_string(id) + "/" + utf16ToUtf8(text) + ": " +
                              std::to_string(size.cx) + " pixels in " + std::to_string(room));
        }
        destroyWindow(dialog);
    }
    return cut;
}

std::string faceName()
{
    return utf16ToUtf8(win32backend::dialogFace(findDialogTemplate(131)->fontName));
}

TEST(Win32DialogFonts, JapaneseTextsFitTheirControls)
{
    ASSERT_EQ(languageCode(), "");
    EXPECT_EQ(cutTexts(), std::vector<std::string>{}) << "face " << faceName();
}

// Run on its own (the catalog stays loaded), with an English display language.
TEST(Win32DialogFontsEnglish, EnglishTextsFitTheirControls)
{
    initialiseLanguage(VELMORA_BINARY_DIR "/velmora.exe");
    ASSERT_EQ(languageCode(), "en");
    EXPECT_EQ(cutTexts(), std::vector<std::string>{}) << "face " << faceName();
}

}  // namespace
