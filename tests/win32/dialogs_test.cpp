// Dialogs built in memory from every template: controls, classes, texts and positions as
// Windows lays them out, radio groups, progress bars, modal results and texts in Japanese.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/utf16.h"
#include "platform/win32/win32_window.h"

namespace {

std::intptr_t quietProcedure(Window*, unsigned message, std::uintptr_t, std::intptr_t)
{
    return message == WM_INITDIALOG ? 1 : 0;
}

std::string windowText(HWND hwnd)
{
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return utf16ToUtf8(text);
}

std::wstring className(HWND hwnd)
{
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return CharLowerW(name);
}

const wchar_t* expectedClass(ControlKind kind)
{
    switch (kind) {
    case ControlKind::staticText:
    case ControlKind::icon: return L"static";
    case ControlKind::readOnlyEdit: return L"edit";
    case ControlKind::progressBar: return L"msctls_progress32";
    case ControlKind::thumbnailGrid: return L"syslistview32";
    default: return L"button";
    }
}

// Windows converts the origin and the size each on its own, as the dialog manager places
// controls.
RECT dialogUnitsToPixels(HWND dialog, int x, int y, int width, int height)
{
    RECT rect{x, y, width, height};
    MapDialogRect(dialog, &rect);
    return RECT{rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
}

// The child's rectangle in the dialog's client coordinates.
RECT placeInDialog(HWND dialog, HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void expectSameRect(const RECT& actual, const RECT& expected, const std::string& what)
{
    EXPECT_EQ(actual.left, expected.left) << what;
    EXPECT_EQ(actual.top, expected.top) << what;
    EXPECT_EQ(actual.right, expected.right) << what;
    EXPECT_EQ(actual.bottom, expected.bottom) << what;
}

const int templateIds[] = {117, 119, 120, 127, 131, 132, 133, 142};

}  // namespace

TEST(Win32Dialogs, EveryTemplateBuildsItsControlsInOrderWithTheirClassTextAndPlace)
{
    for (const int id : templateIds) {
        const DialogTemplate* dialogTemplate = findDialogTemplate(id);
        ASSERT_NE(dialogTemplate, nullptr);
        Window* dialog = createModelessDialog(id, nullptr, quietProcedure, 0);
        ASSERT_NE(dialog, nullptr) << id;
        HWND hwnd = dialog->hwnd;
        EXPECT_EQ(windowText(hwnd), dialogTemplate->caption) << id;
        EXPECT_EQ(IsWindowVisible(hwnd) != 0, dialogTemplate->visible) << id;
        RECT client;
        GetClientRect(hwnd, &client);
        expectSameRect(client,
                       dialogUnitsToPixels(hwnd, 0, 0, dialogTemplate->width, dialogTemplate->height),
                       "client area of " + std::to_string(id));

        HWND child = GetWindow(hwnd, GW_CHILD);
        for (const ControlTemplate& control : dialogTemplate->controls) {
            const std::string what = std::to_string(id) + "/" + control.text;
            ASSERT_NE(child, nullptr) << what;
            EXPECT_EQ(GetDlgCtrlID(child), control.id) << what;
            EXPECT_EQ(className(child), expectedClass(control.kind)) << what;
            if (control.kind != ControlKind::icon && control.kind != ControlKind::readOnlyEdit) {
                EXPECT_EQ(windowText(child), control.text) << what;
            }
            expectSameRect(placeInDialog(hwnd, child),
                           dialogUnitsToPixels(hwnd, control.x, control.y, control.width,
                                               control.height),
                           what);
            const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
            if (className(child) == L"button") {
                EXPECT_EQ((style & BS_PUSHLIKE) != 0, control.pushLike) << what;
            }
            if (control.kind == ControlKind::icon) {
                EXPECT_NE(SendMessageW(child, STM_GETICON, 0, 0), 0) << what;
            }
            child = GetWindow(child, GW_HWNDNEXT);
        }
        EXPECT_EQ(child, nullptr) << "controls beyond the template in " << id;
        destroyWindow(dialog);
    }
}

TEST(Win32Dialogs, RadioGroupsEndAtGroupBoxesAndProgressBarsCount)
{
    Window* panel = createModelessDialog(133, nullptr, quietProcedure, 0);
    ASSERT_NE(panel, nullptr);
    sendDlgItemMessage(panel, 1007, BM_SETCHECK, 1, 0);
    sendDlgItemMessage(panel, 1012, BM_SETCHECK, 1, 0);
    SendDlgItemMessageW(panel->hwnd, 1015, BM_CLICK, 0, 0);
    EXPECT_EQ(sendDlgItemMessage(panel, 1007, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(sendDlgItemMessage(panel, 1015, BM_GETCHECK, 0, 0), 1);
    EXPECT_EQ(sendDlgItemMessage(panel, 1012, BM_GETCHECK, 0, 0), 1);  // the other group
    SendDlgItemMessageW(panel->hwnd, 1013, BM_CLICK, 0, 0);
    EXPECT_EQ(sendDlgItemMessage(panel, 1012, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(sendDlgItemMessage(panel, 1015, BM_GETCHECK, 0, 0), 1);
    destroyWindow(panel);

    Window* progress = createModelessDialog(127, nullptr, quietProcedure, 0);
    ASSERT_NE(progress, nullptr);
    sendDlgItemMessage(progress, 1003, PBM_SETRANGE, 0, makeRangeParam(0, 12));
    sendDlgItemMessage(progress, 1003, PBM_SETSTEP, 1, 0);
    for (int step = 0; step < 5; ++step)
        sendDlgItemMessage(progress, 1003, PBM_STEPIT, 0, 0);
    EXPECT_EQ(sendDlgItemMessage(progress, 1003, PBM_GETPOS, 0, 0), 5);
    destroyWindow(progress);
}

namespace {

std::vector<int> commandsHeard;

std::intptr_t commandRecorder(Window*, unsigned message, std::uintptr_t wParam, std::intptr_t)
{
    if (message == WM_COMMAND)
        commandsHeard.push_back(static_cast<int>(wParam & 0xFFFF));
    return message == WM_INITDIALOG ? 1 : 0;
}

}  // namespace

TEST(Win32Dialogs, JapaneseTextsAndLineBreaksReachTheControls)
{
    Window* message = createModelessDialog(120, nullptr, quietProcedure, 0);
    ASSERT_NE(message, nullptr);
    setDlgItemText(message, 1002, "柑橘の輪切り\n二行目");
    EXPECT_EQ(windowText(GetDlgItem(message->hwnd, 1002)), "柑橘の輪切り\r\n二行目");
    EXPECT_EQ(SendDlgItemMessageW(message->hwnd, 1002, EM_GETLINECOUNT, 0, 0), 2);
    // Several lines, read-only, keeps Enter, scrolls sideways; no scroll bars.
    const LONG_PTR style = GetWindowLongPtrW(GetDlgItem(message->hwnd, 1002), GWL_STYLE);
    const LONG_PTR stated = ES_MULTILINE | ES_READONLY | ES_WANTRETURN | ES_AUTOHSCROLL;
    EXPECT_EQ(style & stated, stated);
    EXPECT_EQ(style & (WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL), 0);
    destroyWindow(message);

    // Enter in the box, as the dialog manager passes it on, presses no button.
    Window* keeping = createModelessDialog(120, nullptr, commandRecorder, 0);
    ASSERT_NE(keeping, nullptr);
    HWND box = GetDlgItem(keeping->hwnd, 1002);
    SetFocus(box);
    commandsHeard.clear();
    for (const UINT keyMessage : {WM_KEYDOWN, WM_CHAR, WM_KEYUP}) {
        MSG key{box, keyMessage, keyMessage == WM_CHAR ? WPARAM{'\r'} : WPARAM{VK_RETURN}, 1, 0,
                {}};
        if (!IsDialogMessageW(keeping->hwnd, &key)) {
            TranslateMessage(&key);
            DispatchMessageW(&key);
        }
    }
    EXPECT_EQ(commandsHeard, std::vector<int>{});
    destroyWindow(keeping);
}

namespace {

std::intptr_t seenParam = 0;

std::intptr_t endingProcedure(Window* dialog, unsigned message, std::uintptr_t, std::intptr_t lParam)
{
    if (message != WM_INITDIALOG)
        return 0;
    seenParam = lParam;
    endDialog(dialog, 42);
    return 1;
}

}  // namespace

TEST(Win32Dialogs, ModalDialogGetsItsParameterAndAnswersTheEndResult)
{
    EXPECT_EQ(runModalDialog(131, nullptr, endingProcedure, 7), 42);
    EXPECT_EQ(seenParam, 7);
    EXPECT_EQ(runModalDialog(999, nullptr, endingProcedure, 0), -1);
}

TEST(Win32Dialogs, PicturePuzzleDialogTakesTypedTextListEntriesAndPlacesItsThumbnail)
{
    Window* dialog = createModelessDialog(141, nullptr, quietProcedure, 0);
    ASSERT_NE(dialog, nullptr);
    HWND title = GetDlgItem(dialog->hwnd, 1205);
    HWND sizes = GetDlgItem(dialog->hwnd, 1204);
    EXPECT_EQ(className(title), L"edit");
    EXPECT_EQ(className(sizes), L"combobox");
    SetWindowTextW(title, utf8ToUtf16("柑橘 12 ピース").c_str());
    EXPECT_EQ(getDlgItemText(dialog, 1205), "柑橘 12 ピース");

    // Entries come as UTF-8; the list drops down far enough to show several.
    for (const char* entry : {"12 ピース", "48 ピース", "108 ピース"})
        sendDlgItemMessage(dialog, 1204, CB_ADDSTRING, 0, reinterpret_cast<std::intptr_t>(entry));
    EXPECT_EQ(sendDlgItemMessage(dialog, 1204, CB_GETCURSEL, 0, 0), -1);
    sendDlgItemMessage(dialog, 1204, CB_SETCURSEL, 2, 0);
    EXPECT_EQ(sendDlgItemMessage(dialog, 1204, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(windowText(sizes), "108 ピース");
    RECT dropped;
    SendMessageW(sizes, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    RECT closed;
    GetWindowRect(sizes, &closed);
    EXPECT_GE(dropped.bottom - dropped.top, 3 * (closed.bottom - closed.top));

    // The thumbnail has no window: its place comes from the template, as the others' do.
    const Rect thumbnail = dialogItemRect(dialog, 1203);
    const RECT expected = dialogUnitsToPixels(dialog->hwnd, 7, 34, 120, 90);
    EXPECT_EQ(thumbnail.left, expected.left);
    EXPECT_EQ(thumbnail.top, expected.top);
    EXPECT_EQ(thumbnail.right, expected.right);
    EXPECT_EQ(thumbnail.bottom, expected.bottom);
    const Rect edit = dialogItemRect(dialog, 1205);
    const RECT editPlace = placeInDialog(dialog->hwnd, title);
    EXPECT_EQ(edit.top, editPlace.top);
    EXPECT_EQ(edit.right, editPlace.right);
    destroyWindow(dialog);
}
