// The puzzle list's thumbnail grid through the real list view: its items and pictures, the
// keyboard and the mouse moving the selection (across rows too), a double click, Delete and
// Enter reaching the dialog procedure, the focus as the dialog opens and the grid following the
// dialog's size; and the yes/no question's buttons.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/utf16.h"
#include "platform/win32/win32_window.h"

#include <commctrl.h>

namespace {

constexpr int gridId = 1401;

using Heard = std::vector<std::pair<int, unsigned>>;  // control id, notification code
Heard heard;

// Six items; the fifth picture is twice as wide, which the grid shows blank in one place.
std::intptr_t fillingProcedure(Window* dialog, unsigned message, std::uintptr_t wParam,
                               std::intptr_t)
{
    if (message == WM_INITDIALOG) {
        std::vector<ThumbnailGridItem> items(6);
        for (std::size_t i = 0; i < items.size(); ++i)
            items[i].caption = "パズル " + std::to_string(i) + "\n48 ピース";
        items[4].picture = {thumbnailGridPictureWidth * 2, thumbnailGridPictureHeight,
                            std::vector<std::uint8_t>(thumbnailGridPictureWidth * 2 *
                                                      thumbnailGridPictureHeight * 3)};
        setThumbnailGridItems(dialog, gridId, items);
    } else if (message == WM_COMMAND) {
        heard.emplace_back(static_cast<int>(wParam & 0xFFFF), static_cast<unsigned>(wParam >> 16));
    }
    return message == WM_INITDIALOG ? 1 : 0;
}

// Takes every message waiting, as the dialog's loop would.
void pump(HWND dialog)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
}

// A key pressed and released on the focused control, through the dialog manager.
void pressKey(HWND dialog, WPARAM key)
{
    for (const UINT keyMessage : {WM_KEYDOWN, WM_KEYUP}) {
        MSG message{GetFocus(), keyMessage, key, keyMessage == WM_KEYUP ? 0xC0000001 : 1, 0, {}};
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    pump(dialog);
}

// A click, or a double click, of the left button on the item's picture.
void clickItem(HWND list, int index, bool twice)
{
    RECT icon{};
    icon.left = LVIR_ICON;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&icon));
    const LPARAM point =
        MAKELPARAM((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
    if (twice) {
        SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        SendMessageW(list, WM_LBUTTONUP, 0, point);
    }
    pump(GetParent(list));
}

TEST(Win32ThumbnailGrid, ShowsItemsMovesWithKeysAndMouseAndTellsOfActivationDeleteAndEnter)
{
    Window* dialog = createModelessDialog(142, nullptr, fillingProcedure, 0);
    ASSERT_NE(dialog, nullptr);
    HWND hwnd = dialog->hwnd;
    HWND list = GetDlgItem(hwnd, gridId);
    ShowWindow(hwnd, SW_SHOW);
    SetFocus(list);
    pump(hwnd);

    // Every item, its caption's lines as Windows breaks them, one picture of the grid's size
    // each; nothing selected.
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 6);
    wchar_t caption[64] = {};
    LVITEMW item{};
    item.pszText = caption;
    item.cchTextMax = 64;
    SendMessageW(list, LVM_GETITEMTEXTW, 5, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(utf16ToUtf8(caption), "パズル 5\r\n48 ピース");
    auto images =
        reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 6);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(images, &width, &height);
    EXPECT_EQ(width, thumbnailGridPictureWidth);
    EXPECT_EQ(height, thumbnailGridPictureHeight);
    EXPECT_EQ(thumbnailGridSelection(dialog, gridId), -1);

    // The program's choice is not told; the player's keys and clicks are, each change once; a
    // double click activates, Delete is told and Enter presses the default button.
    selectThumbnailGridItem(dialog, gridId, 2);
    pump(hwnd);
    EXPECT_EQ(thumbnailGridSelection(dialog, gridId), 2);
    const struct {
        WPARAM key;  // 0 for a click on item 3, 1 for a double click
        int selected;
        Heard heard;
    } actions[] = {
        {VK_END, 5, {{gridId, TGN_SELCHANGE}}},  {VK_HOME, 0, {{gridId, TGN_SELCHANGE}}},
        {VK_RIGHT, 1, {{gridId, TGN_SELCHANGE}}}, {0, 3, {{gridId, TGN_SELCHANGE}}},
        {1, 3, {{gridId, TGN_ACTIVATE}}},         {VK_DELETE, 3, {{gridId, TGN_DELETE}}},
        {VK_RETURN, 3, {{IDOK, 0}}},
    };
    for (const auto& action : actions) {
        heard.clear();
        if (action.key <= 1)
            clickItem(list, 3, action.key == 1);
        else
            pressKey(hwnd, action.key);
        EXPECT_EQ(thumbnailGridSelection(dialog, gridId), action.selected) << action.key;
        EXPECT_EQ(heard, action.heard) << action.key;
    }

    // Refilled, the grid has nothing selected and tells nothing of it.
    heard.clear();
    setThumbnailGridItems(dialog, gridId, {});
    pump(hwnd);
    EXPECT_EQ(thumbnailGridSelection(dialog, gridId), -1);
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(heard, Heard{});
    destroyWindow(dialog);
}

// The Puzzles window as it opens with a made puzzle in play: twelve items, the tenth selected.
std::intptr_t selectingProcedure(Window* dialog, unsigned message, std::uintptr_t,
                                 std::intptr_t)
{
    if (message == WM_INITDIALOG) {
        setThumbnailGridItems(dialog, gridId, std::vector<ThumbnailGridItem>(12));
        selectThumbnailGridItem(dialog, gridId, 9);
    }
    return message == WM_INITDIALOG ? 1 : 0;
}

int itemTop(HWND list, int index)
{
    POINT position{};
    SendMessageW(list, LVM_GETITEMPOSITION, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&position));
    return position.y;
}

RECT rectIn(HWND dialog, int controlId)
{
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, controlId), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool openedChecked = false;

// Once the modal dialog runs: the grid has the focus on the selected item, in view; Right and
// Left go across rows; resized, the grid grows and the buttons keep to the bottom right.
void CALLBACK checkOpened(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND dialog = GetActiveWindow();
    HWND list = GetDlgItem(dialog, gridId);
    ASSERT_NE(list, nullptr);
    openedChecked = true;
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 9);
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 9);
    RECT item{LVIR_BOUNDS, 0, 0, 0};
    RECT client{};
    SendMessageW(list, LVM_GETITEMRECT, 9, reinterpret_cast<LPARAM>(&item));
    GetClientRect(list, &client);
    EXPECT_TRUE(item.top >= 0 && item.top < client.bottom) << item.top;

    int rowEnd = 0;
    while (itemTop(list, rowEnd + 1) == itemTop(list, 0))
        ++rowEnd;
    const struct {
        WPARAM key;
        int selected;
    } presses[] = {{VK_HOME, 0}, {VK_LEFT, 0}, {VK_END, 11}, {VK_RIGHT, 11}};
    for (const auto& press : presses) {
        pressKey(dialog, press.key);
        EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED),
                  press.selected)
            << press.key;
    }
    // From the first row's last item on to the next row's first, and back.
    pressKey(dialog, VK_HOME);
    for (int press = 0; press <= rowEnd; ++press)
        pressKey(dialog, VK_RIGHT);
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED),
              rowEnd + 1);
    pressKey(dialog, VK_LEFT);
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED),
              rowEnd);

    const RECT gridBefore = rectIn(dialog, gridId);
    const RECT closeBefore = rectIn(dialog, IDCANCEL);
    RECT outer{};
    GetWindowRect(dialog, &outer);
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left + 200,
                 outer.bottom - outer.top + 100, SWP_NOMOVE | SWP_NOZORDER);
    const RECT gridAfter = rectIn(dialog, gridId);
    const RECT closeAfter = rectIn(dialog, IDCANCEL);
    EXPECT_EQ(gridAfter.right - gridBefore.right, 200);
    EXPECT_EQ(gridAfter.bottom - gridBefore.bottom, 100);
    EXPECT_EQ(gridAfter.left, gridBefore.left);
    EXPECT_EQ(closeAfter.left - closeBefore.left, 200);
    EXPECT_EQ(closeAfter.top - closeBefore.top, 100);
    EndDialog(dialog, 0);
}

TEST(Win32ThumbnailGrid, TheModalGridHasTheFocusGoesAcrossRowsAndFollowsTheWindowsSize)
{
    SetTimer(nullptr, 0, 100, checkOpened);
    runModalDialog(142, nullptr, selectingProcedure, 0);
    EXPECT_TRUE(openedChecked);
}

// What the question showed, and how the player answers it: Yes clicked, or Enter.
struct Question {
    bool clickYes = false;
    std::string caption;
    bool yesAndNo = false;
    int defaultButton = 0;
};
Question* asked = nullptr;

BOOL CALLBACK findQuestion(HWND window, LPARAM found)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) != L"#32770" || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK answerQuestion(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findQuestion, reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    KillTimer(nullptr, timer);
    wchar_t caption[64] = {};
    GetWindowTextW(box, caption, 64);
    asked->caption = utf16ToUtf8(caption);
    HWND yes = GetDlgItem(box, IDYES);
    HWND no = GetDlgItem(box, IDNO);
    asked->yesAndNo = yes && no && IsWindowVisible(yes) && IsWindowVisible(no);
    for (HWND button : {yes, no})
        if (button && (GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            asked->defaultButton = GetDlgCtrlID(button);
    if (asked->clickYes)
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED),
                     reinterpret_cast<LPARAM>(yes));
    else
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
}

TEST(Win32YesNoQuestion, NoIsTheDefaultAndYesAnswersTrue)
{
    for (const bool clickYes : {false, true}) {
        Question question{clickYes};
        asked = &question;
        SetTimer(nullptr, 0, 50, answerQuestion);
        EXPECT_EQ(askYesNo(nullptr, "削除", "このパズルを削除しますか?"), clickYes);
        EXPECT_EQ(question.caption, "削除");
        EXPECT_TRUE(question.yesAndNo);
        EXPECT_EQ(question.defaultButton, IDNO);
    }
}

}  // namespace
