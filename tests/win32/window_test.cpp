// The main window: menu texts and marks, shortcuts, the message queue, keys, mouse and wheel
// points, scroll bars, timers, the surface shown through StretchDIBits, and Japanese texts and
// paths crossing as UTF-16.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/profile.h"
#include "platform/system.h"
#include "platform/utf16.h"
#include "platform/win32/win32_window.h"

namespace {

std::vector<Message> received;

std::intptr_t recordingProcedure(Window* window, unsigned message, std::uintptr_t wParam,
                                 std::intptr_t lParam)
{
    if (message == WM_COMMAND || message == WM_TIMER || message == WM_HSCROLL ||
        message == WM_VSCROLL || (message >= WM_MOUSEMOVE && message <= WM_MOUSEHWHEEL))
        received.push_back(Message{window, message, wParam, lParam});
    return defWindowProc(window, message, wParam, lParam);
}

void drainQueue()
{
    Message message;
    while (peekMessage(message) && message.message != WM_QUIT)
        dispatchMessage(message);
}

class Win32MainWindow : public testing::Test {
protected:
    void SetUp() override
    {
        received.clear();
        window = createMainWindow("ヴェルモラ", 0, 0, 400, 300, 113, 118, recordingProcedure);
        ASSERT_NE(window, nullptr);
        drainQueue();
        received.clear();
    }
    void TearDown() override { destroyWindow(window); drainQueue(); }

    Window* window = nullptr;
};

std::string menuText(HMENU menu, UINT position)
{
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return utf16ToUtf8(text);
}

}  // namespace

TEST_F(Win32MainWindow, TitleAndMenuCarryTheTemplateTextsMarksAndCommands)
{
    wchar_t title[64] = {};
    GetWindowTextW(window->hwnd, title, 64);
    EXPECT_EQ(utf16ToUtf8(title), "ヴェルモラ");

    std::size_t count = 0;
    const MenuTemplate* entries = findMenuTemplate(113, &count);
    HMENU bar = GetMenu(window->hwnd);
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(count));
    for (UINT i = 0; i < count; ++i)
        EXPECT_EQ(menuText(bar, i), entries[i].text);
    HMENU file = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(file), static_cast<int>(entries[0].children.size()));
    for (UINT i = 0; i < entries[0].children.size(); ++i) {
        const MenuTemplate& entry = entries[0].children[i];
        if (entry.text)
            EXPECT_EQ(GetMenuItemID(file, static_cast<int>(i)), static_cast<UINT>(entry.commandId));
        else
            EXPECT_TRUE(GetMenuState(file, i, MF_BYPOSITION) & MF_SEPARATOR);
    }

    EXPECT_TRUE(GetMenuState(bar, 40012, MF_BYCOMMAND) & MF_CHECKED);
    checkMenuItem(window, 40012, false);
    EXPECT_FALSE(GetMenuState(bar, 40012, MF_BYCOMMAND) & MF_CHECKED);
    checkMenuItem(window, 40015, true);
    EXPECT_TRUE(GetMenuState(bar, 40015, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(Win32MainWindow, ClientSizeIsMetWithTheFrameAndMenuAroundIt)
{
    moveWindowToClientSize(window, 30, 40, 320, 180, true);
    const Rect client = getClientRect(window);
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 180);
    EXPECT_EQ(getWindowRect(window).left, 30);
    EXPECT_EQ(getWindowRect(window).top, 40);
}

TEST_F(Win32MainWindow, F2ReachesTheProcedureAsTheRestartCommand)
{
    MSG key{window->hwnd, WM_KEYDOWN, VK_F2, 0x003C0001, 0, {}};
    ASSERT_TRUE(TranslateAcceleratorW(window->hwnd, win32backend::shortcutTable(), &key));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message, static_cast<unsigned>(WM_COMMAND));
    EXPECT_EQ(received[0].wParam & 0xFFFF, 40001u);
}

TEST_F(Win32MainWindow, PostedMessagesComeBackInOrderThenTheQuitMessage)
{
    postMessage(window, WM_COMMAND, 40013, 0);
    postMessage(window, WM_COMMAND, 40008, 0);
    postQuitMessage(3);
    Message message;
    std::vector<unsigned> order;
    while (peekMessage(message)) {
        if (message.message == WM_QUIT) {
            EXPECT_EQ(message.wParam, 3u);
            break;
        }
        if (message.message == WM_COMMAND) {
            EXPECT_EQ(message.window, window);
        }
        dispatchMessage(message);
    }
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].wParam, 40013u);
    EXPECT_EQ(received[1].wParam, 40008u);
}

TEST_F(Win32MainWindow, ATappedKeyReadsAsDownOnceAndPointsOffTheClientAreaAreDropped)
{
    postMessage(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    postMessage(window, WM_KEYUP, VK_ESCAPE, static_cast<std::intptr_t>(0xC0010001u));
    drainQueue();
    std::uint8_t keys[256];
    getKeyboardState(keys);
    EXPECT_TRUE(keys[VK_ESCAPE] & 0x80);
    getKeyboardState(keys);
    EXPECT_FALSE(keys[VK_ESCAPE] & 0x80);

    sendMessage(window, WM_MOUSEMOVE, 0, makePointParam(-3, 10));
    sendMessage(window, WM_LBUTTONDOWN, 0, makePointParam(10, 5000));
    sendMessage(window, WM_MOUSEMOVE, 0, makePointParam(25, 40));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].lParam, makePointParam(25, 40));
}

TEST_F(Win32MainWindow, ScrollBarsShrinkTheClientAreaAndHideAgainWithTheFrameInPlace)
{
    const Rect outer = getWindowRect(window);
    const Rect client = getClientRect(window);
    setScrollBar(window, ScrollBarAxis::vertical, 1000, client.bottom, 10);
    setScrollBar(window, ScrollBarAxis::horizontal, 2000, 300, 40);
    const Rect withBars = getClientRect(window);
    EXPECT_EQ(withBars.right, client.right - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(withBars.bottom, client.bottom - GetSystemMetrics(SM_CYHSCROLL));
    EXPECT_EQ(window->surface.width, withBars.right);
    EXPECT_EQ(window->surface.height, withBars.bottom);
    const Rect outerWithBars = getWindowRect(window);
    EXPECT_EQ(outerWithBars.right - outerWithBars.left, outer.right - outer.left);
    EXPECT_EQ(outerWithBars.bottom - outerWithBars.top, outer.bottom - outer.top);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(window->hwnd, SB_VERT, &info));
    EXPECT_EQ(info.nMax, 999);
    EXPECT_EQ(info.nPage, static_cast<UINT>(client.bottom));
    EXPECT_EQ(info.nPos, 10);
    RECT invalid{};
    EXPECT_TRUE(GetUpdateRect(window->hwnd, &invalid, FALSE)) << "a new client size is painted";

    setScrollBar(window, ScrollBarAxis::vertical, 700, 700, 0);  // range == page: hidden
    setScrollBar(window, ScrollBarAxis::horizontal, 0, 300, 0);
    const Rect again = getClientRect(window);
    EXPECT_EQ(again.right, client.right);
    EXPECT_EQ(again.bottom, client.bottom);
    EXPECT_EQ(window->surface.width, client.right);
    EXPECT_FALSE(GetWindowLongPtrW(window->hwnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
}

TEST_F(Win32MainWindow, TheWheelsPointArrivesInClientPixelsAndOnlyOverTheClientArea)
{
    const Point inside = clientToScreen(window, Point{25, 40});
    const Point outside = clientToScreen(window, Point{-5, 40});
    const std::uintptr_t down = makeWheelParam(-WHEEL_DELTA, MK_SHIFT);
    sendMessage(window, WM_MOUSEWHEEL, down, makePointParam(outside.x, outside.y));
    sendMessage(window, WM_MOUSEWHEEL, down, makePointParam(inside.x, inside.y));
    sendMessage(window, WM_MOUSEHWHEEL, makeWheelParam(WHEEL_DELTA, 0),
                makePointParam(inside.x, inside.y));
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].message, static_cast<unsigned>(WM_MOUSEWHEEL));
    EXPECT_EQ(received[0].lParam, makePointParam(25, 40));
    EXPECT_EQ(wheelDelta(received[0].wParam), -WHEEL_DELTA);
    EXPECT_EQ(received[0].wParam & 0xFFFF, MK_SHIFT);
    EXPECT_EQ(received[1].message, static_cast<unsigned>(WM_MOUSEHWHEEL));
    EXPECT_EQ(received[1].lParam, makePointParam(25, 40));
}

TEST_F(Win32MainWindow, ViewKeysMapToTheirCommandsWithExactlyTheirModifiers)
{
    struct Press {
        WPARAM key;
        bool control, shift;
        LPARAM flags;  // bit 24: an extended key
        int command;
    };
    const Press presses[] = {
        {VK_F3, false, false, 0, 40034},
        {VK_F4, false, false, 0, 40035},
        {VK_F3, true, false, 0, 0},
        {VK_OEM_PLUS, true, false, 0, 40030},
        {VK_OEM_PLUS, true, true, 0, 40030},
        {VK_ADD, true, false, 0, 40030},
        {VK_OEM_PLUS, false, false, 0, 0},
        {VK_OEM_MINUS, true, false, 0, 40031},
        {VK_SUBTRACT, true, false, 0, 40031},
        {VK_OEM_MINUS, true, true, 0, 0},
        {'0', true, false, 0, 40032},
        {VK_NUMPAD0, true, false, 0, 40032},
        {VK_INSERT, true, false, 0, 40032},          // the keypad's 0 with Num Lock off
        {VK_INSERT, true, false, 1 << 24, 0},        // the Insert key
        {VK_INSERT, false, false, 0, 0},
        {'0', false, false, 0, 0},
    };
    for (const Press& press : presses) {
        BYTE keys[256] = {};
        keys[VK_CONTROL] = press.control ? 0x80 : 0;
        keys[VK_SHIFT] = press.shift ? 0x80 : 0;
        SetKeyboardState(keys);
        received.clear();
        postMessage(window, WM_KEYDOWN, press.key, 0x00000001 | press.flags);
        drainQueue();
        const std::vector<Message> commands = [] {
            std::vector<Message> found;
            for (const Message& message : received)
                if (message.message == WM_COMMAND)
                    found.push_back(message);
            return found;
        }();
        if (press.command == 0) {
            EXPECT_TRUE(commands.empty()) << "key " << press.key;
        } else {
            ASSERT_EQ(commands.size(), 1u) << "key " << press.key;
            EXPECT_EQ(commands[0].wParam & 0xFFFF, static_cast<std::uintptr_t>(press.command))
                << "key " << press.key;
        }
    }
    BYTE none[256] = {};
    SetKeyboardState(none);
}

TEST_F(Win32MainWindow, ATimerSendsItsIdUntilKilled)
{
    setTimer(window, 9, 10);
    Message message;
    for (int round = 0; round < 500 && received.empty(); ++round) {
        waitMessage();
        while (peekMessage(message))
            dispatchMessage(message);
    }
    killTimer(window, 9);
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received[0].message, static_cast<unsigned>(WM_TIMER));
    EXPECT_EQ(received[0].wParam, 9u);
    Sleep(30);
    received.clear();
    drainQueue();
    EXPECT_TRUE(received.empty());
}

namespace {

// A 32-bit top-down DIB section on a memory device context, every pixel zero at first.
struct MemoryCanvas {
    HDC dc = CreateCompatibleDC(nullptr);
    std::uint32_t* pixels = nullptr;
    HBITMAP bitmap = nullptr;
    int width;
    MemoryCanvas(int w, int h) : width(w)
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels = static_cast<std::uint32_t*>(bits);
        SelectObject(dc, bitmap);
    }
    ~MemoryCanvas()
    {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    std::uint32_t at(int x, int y) const { return pixels[y * width + x] & 0xFFFFFF; }
};

Window surfaceWindow(int width, int height)
{
    Window window;
    window.surface.width = width;
    window.surface.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            window.surface.pixels.push_back(0x010000u * (10 + x) + 0x100u * (100 + y) + 7u);
    return window;
}

// Shows `area` of a 16 x 12 surface on a 16 x 12 canvas: inside the area each device pixel has
// the colour of the surface pixel at the same place, outside it stays untouched.
void expectPresented(const Rect& area)
{
    const Window window = surfaceWindow(16, 12);
    MemoryCanvas canvas(16, 12);
    win32backend::presentRect(canvas.dc, &window, area);
    GdiFlush();
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool inside = x >= area.left && x < area.right && y >= area.top &&
                                y < area.bottom;
            EXPECT_EQ(canvas.at(x, y), inside ? window.surface.pixels[y * 16 + x] : 0u)
                << "at " << x << "," << y;
        }
}

}  // namespace

TEST(Win32Presentation, ADrawnRectangleLandsWhereItLiesWithItsColours)
{
    expectPresented(Rect{3, 5, 9, 11});
    expectPresented(Rect{0, 0, 16, 12});
}

TEST(Win32Texts, JapanesePathsRoundTripThroughTheProfileFileAndTheSystem)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"ヴェルモラ設定";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::string path = utf16ToUtf8(folder + L"\\velmora.ini");
    DeleteFileW(utf8ToUtf16(path).c_str());
    EXPECT_EQ(utf8ToUtf16(path), folder + L"\\velmora.ini");

    ASSERT_TRUE(writeProfileString("Quorin_Section", "Red  ", "12", path));
    ASSERT_TRUE(writeProfileString("Quorin_Section", "last", "C:\\遊び\\途中.jps", path));
    EXPECT_EQ(readProfileString("quorin_section", "red", "0", 16, path), "12");
    EXPECT_EQ(readProfileString("Quorin_Section", "last", "", 260, path), "C:\\遊び\\途中.jps");
    EXPECT_EQ(settingsLocation(path), path);

    std::FILE* file = _wfopen(utf8ToUtf16(path).c_str(), L"rb");
    ASSERT_NE(file, nullptr);
    char bytes[256] = {};
    const std::size_t size = std::fread(bytes, 1, sizeof bytes, file);
    std::fclose(file);
    EXPECT_EQ(std::string(bytes, size),
              "[Quorin_Section]\r\nRed  =12\r\nlast=C:\\遊び\\途中.jps\r\n");

    EXPECT_EQ(win32backend::shellTarget("file:///Z:/tmp/ヴェルモラ/help/index.html"),
              L"Z:\\tmp\\ヴェルモラ\\help\\index.html");
    EXPECT_EQ(win32backend::shellTarget("https://example.org/a"), L"https://example.org/a");
    // A page nothing can show is answered as not shown, so the player is told where it is.
    EXPECT_FALSE(openUrl("file:///Z:/velmora-no-such-folder/help/index.html"));
    EXPECT_EQ(utf8ToUtf16(modulePath()).find(L'\uFFFD'), std::wstring::npos);
    EXPECT_TRUE(modulePath().ends_with(".exe"));
}
