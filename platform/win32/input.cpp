// Keyboard state, cursors from the program's resources, pointer confinement and capture.
#include <cstring>

#include "platform/win32/win32_window.h"

namespace {

std::uint8_t keyState[256];
// A key pressed on the main window and released before the game looked reads as down once,
// so that a short tap of Escape still reaches the game's keyboard poll.
bool unseenPress[256];
bool releasedUnseen[256];

HCURSOR wantedCursor = nullptr;
HCURSOR shownCursor = nullptr;

void setKey(int key, bool down)
{
    keyState[key] = down ? 0x80 : 0;
}

HCURSOR arrowCursor()
{
    static HCURSOR arrow = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    return arrow;
}

}  // namespace

namespace win32backend {

// Mouse points come in screen pixels of the client area, signed while the pointer is
// captured; the game takes surface pixels inside the client area only.
bool translateMousePoint(Window* window, LPARAM& lParam)
{
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    RECT client{};
    GetClientRect(window->hwnd, &client);
    if (x < 0 || y < 0 || x >= client.right || y >= client.bottom)
        return false;
    lParam = makePointParam(x / window->scale, y / window->scale);
    return true;
}

void recordKeyMessage(const MSG& message)
{
    const int key = static_cast<int>(message.wParam & 0xFF);
    const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (down) {
        unseenPress[key] = true;
        releasedUnseen[key] = false;
        setKey(key, true);
    } else if (unseenPress[key]) {
        releasedUnseen[key] = true;
    } else {
        setKey(key, false);
    }
}

// Keys released while another program has the focus never come back: forget them all.
void forgetKeys()
{
    std::memset(keyState, 0, sizeof keyState);
    std::memset(unseenPress, 0, sizeof unseenPress);
    std::memset(releasedUnseen, 0, sizeof releasedUnseen);
}

// Windows may have shown another cursor meanwhile (over the frame), so the next one is set
// whatever it is.
void wantArrowCursor()
{
    wantedCursor = arrowCursor();
    shownCursor = nullptr;
}

// The cursor changes once per message; the arrow that WM_SETCURSOR asks for before a mouse
// message waits for that message, so it never flickers over the hand the game then sets.
void applyWantedCursor()
{
    if (wantedCursor && wantedCursor != shownCursor) {
        SetCursor(wantedCursor);
        shownCursor = wantedCursor;
    }
}

}  // namespace win32backend

void getKeyboardState(std::uint8_t state[256])
{
    std::memcpy(state, keyState, sizeof keyState);
    for (int key = 0; key < 256; ++key) {
        unseenPress[key] = false;
        if (releasedUnseen[key]) {
            releasedUnseen[key] = false;
            setKey(key, false);
        }
    }
}

void setCursorResource(int cursorId)
{
    HCURSOR cursor =
        LoadCursorW(win32backend::programInstance(), MAKEINTRESOURCEW(cursorId));
    wantedCursor = cursor ? cursor : arrowCursor();
}

// ClipCursor, with the pointer captured by the main window meanwhile, as the Linux build grabs
// it: the carried piece follows the pointer wherever the confinement lets it go.
void confineCursor(const Rect* screenRect)
{
    if (!screenRect) {
        ClipCursor(nullptr);
        if (GetCapture())
            ReleaseCapture();
        return;
    }
    const int s = win32backend::screenScale();
    const RECT area{screenRect->left * s, screenRect->top * s, screenRect->right * s,
                    screenRect->bottom * s};
    ClipCursor(&area);
    if (HWND main = win32backend::mainWindowHandle())
        SetCapture(main);
}
