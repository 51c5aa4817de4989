// Keyboard state, cursors from the program's resources, pointer confinement and capture.
#include "platform/key_state.h"
#include "platform/win32/win32_window.h"

namespace {

HCURSOR wantedCursor = nullptr;
HCURSOR shownCursor = nullptr;

HCURSOR arrowCursor()
{
    static HCURSOR arrow = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    return arrow;
}

}  // namespace

namespace win32backend {

// Mouse points come in pixels of the client area, signed while the pointer is captured; the
// game takes them inside the client area only.
bool translateMousePoint(Window* window, LPARAM& lParam)
{
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    RECT client{};
    GetClientRect(window->hwnd, &client);
    if (x < 0 || y < 0 || x >= client.right || y >= client.bottom)
        return false;
    lParam = makePointParam(x, y);
    return true;
}

bool translateScreenPoint(Window* window, LPARAM& lParam)
{
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ScreenToClient(window->hwnd, &point);
    lParam = makePointParam(point.x, point.y);
    return translateMousePoint(window, lParam);
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
    keystate::read(state);
}

bool isKeyDown(int virtualKey)
{
    return keystate::isDown(virtualKey);
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
    const RECT area{screenRect->left, screenRect->top, screenRect->right, screenRect->bottom};
    ClipCursor(&area);
    if (HWND main = win32backend::mainWindowHandle())
        SetCapture(main);
}
