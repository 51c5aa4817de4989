// The program at the desktop's DPI (run at 96 and at 192): the board and window sizes in device
// pixels, dialogs and the thumbnail grid's pictures grown with the DPI, and dialogs and message
// boxes opening over their owner on the screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/utf16.h"
#include "platform/win32/win32_window.h"

#include <commctrl.h>

namespace {

constexpr int gridId = 1401;
constexpr const char* longCaption = "霧の港と灯台の夜景\n713 ピース · 37%";

// The DPI the desktop is set to (the prefix's LogPixels), 96 when it sets none.
int desktopDpi()
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels",
                     RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS &&
        value > 0)
        return static_cast<int>(value);
    return 96;
}

void pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::vector<std::intptr_t> mousePoints;

std::intptr_t boardProcedure(Window* window, unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam)
{
    if (message == WM_MOUSEMOVE)
        mousePoints.push_back(lParam);
    return defWindowProc(window, message, wParam, lParam);
}

std::intptr_t gridProcedure(Window* dialog, unsigned message, std::uintptr_t, std::intptr_t)
{
    if (message == WM_INITDIALOG) {
        std::vector<ThumbnailGridItem> items(3);
        for (ThumbnailGridItem& item : items)
            item.caption = longCaption;
        setThumbnailGridItems(dialog, gridId, items);
    }
    return message == WM_INITDIALOG ? 1 : 0;
}

RECT windowRect(HWND hwnd)
{
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

RECT workAreaOf(HWND hwnd)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

// Centred on the owner where that lies on the work area; else moved just onto it.
void expectPlaced(const RECT& placed, const RECT& owner, const RECT& work, const char* what)
{
    EXPECT_GE(placed.left, work.left) << what;
    EXPECT_GE(placed.top, work.top) << what;
    EXPECT_LE(placed.right, work.right) << what;
    EXPECT_LE(placed.bottom, work.bottom) << what;
    const int centreX = (owner.left + owner.right) / 2;
    const int centreY = (owner.top + owner.bottom) / 2;
    if (centreX + (placed.right - placed.left) / 2 > work.right)
        EXPECT_EQ(placed.right, work.right) << what;
    else if (centreX - (placed.right - placed.left) / 2 < work.left)
        EXPECT_EQ(placed.left, work.left) << what;
    else
        EXPECT_NEAR(placed.left + placed.right, owner.left + owner.right, 1) << what;
    if (centreY + (placed.bottom - placed.top) / 2 > work.bottom)
        EXPECT_EQ(placed.bottom, work.bottom) << what;
    else if (centreY - (placed.bottom - placed.top) / 2 < work.top)
        EXPECT_EQ(placed.top, work.top) << what;
    else
        EXPECT_NEAR(placed.top + placed.bottom, owner.top + owner.bottom, 1) << what;
}

// The image list's picture size and count, the widest line of the caption in the grid's font
// and the label's room for it.
struct GridLook {
    int pictureWidth = 0;
    int pictureHeight = 0;
    int pictures = 0;
    int captionWidth = 0;
    int labelWidth = 0;
};

GridLook lookAt(HWND list)
{
    GridLook look;
    auto images =
        reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
    ImageList_GetIconSize(images, &look.pictureWidth, &look.pictureHeight);
    look.pictures = ImageList_GetImageCount(images);
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    const std::wstring line = utf8ToUtf16("713 ピース · 37%");
    SIZE extent{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    look.captionWidth = extent.cx;
    RECT label{};
    label.left = LVIR_LABEL;
    SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&label));
    look.labelWidth = label.right - label.left;
    return look;
}

}  // namespace

// The program's manifest makes it aware of each monitor's DPI, so the system never stretches it
// (Wine treats every program so; Windows only those that say it).
TEST(Win32HighDpi, TheProgramIsPerMonitorAwareAndSeesTheDesktopsDpi)
{
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                               SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
              DPI_AWARENESS_PER_MONITOR_AWARE);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), desktopDpi());
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(static_cast<int>(win32backend::dpiOfWindow(nullptr)), desktopDpi());
}

// One board pixel per device pixel, and a window's size in device pixels whatever the DPI, so
// a size saved at one DPI comes back the same at another.
TEST(Win32HighDpi, TheBoardAndWindowSizesAreInDevicePixels)
{
    Window* window = createMainWindow("ヴェルモラ", 40, 30, 1000, 760, 113, 118, boardProcedure);
    ASSERT_NE(window, nullptr);
    pump();
    const RECT outer = windowRect(window->hwnd);
    EXPECT_EQ(outer.right - outer.left, 1000);
    EXPECT_EQ(outer.bottom - outer.top, 760);
    const Rect saved = getWindowRect(window);
    EXPECT_EQ(saved.right - saved.left, 1000);
    EXPECT_EQ(saved.bottom - saved.top, 760);
    setWindowPos(window, saved.left, saved.top, 900, 700);
    pump();
    const RECT moved = windowRect(window->hwnd);
    EXPECT_EQ(moved.right - moved.left, 900);
    EXPECT_EQ(moved.bottom - moved.top, 700);

    RECT client{};
    GetClientRect(window->hwnd, &client);
    EXPECT_EQ(clientSurface(window).width, client.right);
    EXPECT_EQ(clientSurface(window).height, client.bottom);
    mousePoints.clear();
    SendMessageW(window->hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(301, 203));
    EXPECT_EQ(mousePoints, std::vector<std::intptr_t>{MAKELPARAM(301, 203)});
    destroyWindow(window);
    pump();
}

// The dialog font's size follows the DPI, and with it every dialog unit; the grid's pictures
// and spacing grow with it, so the caption's longest line has room under its picture. Moved to
// a monitor of another DPI, the grid makes its pictures again at that DPI.
TEST(Win32HighDpi, DialogsAndTheGridsPicturesGrowWithTheDpi)
{
    const int dpi = desktopDpi();
    Window* dialog = createModelessDialog(142, nullptr, gridProcedure, 0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog->hwnd, SW_SHOW);
    pump();
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog->hwnd, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_EQ(font.lfHeight, -MulDiv(9, dpi, 72));

    HWND list = GetDlgItem(dialog->hwnd, gridId);
    const GridLook look = lookAt(list);
    EXPECT_EQ(look.pictureWidth, MulDiv(thumbnailGridPictureWidth, dpi, 96));
    EXPECT_EQ(look.pictureHeight, MulDiv(thumbnailGridPictureHeight, dpi, 96));
    EXPECT_EQ(look.pictures, 3);
    EXPECT_GE(look.labelWidth, look.captionWidth);

    const int doubled = 2 * dpi;
    RECT suggested = windowRect(dialog->hwnd);
    SendMessageW(dialog->hwnd, WM_DPICHANGED, MAKEWPARAM(doubled, doubled),
                 reinterpret_cast<LPARAM>(&suggested));
    pump();
    const GridLook moved = lookAt(list);
    EXPECT_EQ(moved.pictureWidth, MulDiv(thumbnailGridPictureWidth, doubled, 96));
    EXPECT_EQ(moved.pictureHeight, MulDiv(thumbnailGridPictureHeight, doubled, 96));
    EXPECT_EQ(moved.pictures, 3);
    destroyWindow(dialog);
    pump();
}

namespace {

RECT messageBoxRect{};

BOOL CALLBACK findMessageBox(HWND window, LPARAM found)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) != L"#32770" || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK closeMessageBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findMessageBox, reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    KillTimer(nullptr, timer);
    messageBoxRect = windowRect(box);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

}  // namespace

// A dialog and a message box open centred on their owner, and wholly on its monitor's work area
// when the owner lies near the screen's edge.
TEST(Win32DialogPlacement, DialogsOpenOverTheirOwnerAndOnTheScreen)
{
    Window* owner = createMainWindow("ヴェルモラ", 0, 0, 800, 600, 113, 118, boardProcedure);
    ASSERT_NE(owner, nullptr);
    const RECT work = workAreaOf(owner->hwnd);
    const struct {
        const char* what;
        int left;
        int top;
    } places[] = {
        {"off the middle", work.left + 40, work.top + 30},
        {"near the bottom right", work.right - 250, work.bottom - 150},
        {"past the top left", work.left - 700, work.top - 500},
    };
    for (const auto& place : places) {
        setWindowPos(owner, place.left, place.top, 800, 600);
        pump();
        const RECT ownerRect = windowRect(owner->hwnd);
        Window* dialog = createModelessDialog(131, owner, gridProcedure, 0);
        ASSERT_NE(dialog, nullptr);
        expectPlaced(windowRect(dialog->hwnd), ownerRect, work, place.what);
        destroyWindow(dialog);
        pump();

        messageBoxRect = RECT{};
        SetTimer(nullptr, 0, 50, closeMessageBox);
        messageBox(owner, "テスト");
        expectPlaced(messageBoxRect, ownerRect, work, place.what);
    }
    destroyWindow(owner);
    pump();
}
