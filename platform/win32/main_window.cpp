// The main window: its class, creation, and the native procedure that hands the game its
// messages in the classic packing.
#include "platform/key_state.h"
#include "platform/messages.h"
#include "platform/utf16.h"
#include "platform/win32/win32_window.h"
#include "platform/window.h"

namespace {

// Messages the game's procedure takes with client-pixel mouse points; a point off the client
// area (possible while the pointer is captured) is not delivered, as without capture.
bool isMouseMessage(UINT message)
{
    return message >= WM_MOUSEMOVE && message <= WM_MBUTTONUP;
}

LRESULT CALLBACK mainWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        win32backend::attachHandle(static_cast<Window*>(create->lpCreateParams), hwnd);
    }
    Window* window = win32backend::windowOf(hwnd);
    if (!window)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_NCDESTROY:
        win32backend::retireWindowRecord(window);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;  // the client surface covers the whole client area
    case WM_SIZE:
        win32backend::fitSurfaceToClient(window);
        break;
    case WM_DPICHANGED: {
        // The window keeps its size on the new monitor as the player sees it; the board stays
        // at one board pixel per device pixel, so more or less of it shows.
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        win32backend::fitSurfaceToClient(window);
        return 0;
    }
    case WM_PAINT:
        win32backend::paintWindow(window, [&] {
            window->proc(window, WM_PAINT, 0, 0);
        });
        return 0;
    case WM_SETCURSOR:
        // Over the client area the game chooses; elsewhere (frame, menu) Windows does.
        if (LOWORD(lParam) != HTCLIENT)
            return DefWindowProcW(hwnd, message, wParam, lParam);
        return window->proc(window, message, wParam, lParam);
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        keystate::record(static_cast<int>(wParam & 0xFF),
                         message == WM_KEYDOWN || message == WM_SYSKEYDOWN, true);
        break;
    case WM_KILLFOCUS:
        // Keys released while another program has the focus never come back.
        keystate::forgetAll();
        break;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        // Windows gives the wheel's point on the screen; the game takes it in client pixels.
        if (!win32backend::translateScreenPoint(window, lParam))
            return 0;
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        wParam = win32backend::withTrackPosition(window, message == WM_HSCROLL ? SB_HORZ : SB_VERT,
                                                 wParam);
        break;
    case WM_ENDSESSION:
        return win32backend::endSession(window, wParam, lParam);
    default:
        if (isMouseMessage(message) && !win32backend::translateMousePoint(window, lParam))
            return 0;
        break;
    }
    return win32backend::callGameProcedure(window, message, wParam, lParam);
}

void registerMainClass(int iconId)
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = mainWindowProcedure;
    windowClass.hInstance = win32backend::programInstance();
    windowClass.hIcon = static_cast<HICON>(LoadImageW(windowClass.hInstance,
                                                      MAKEINTRESOURCEW(iconId), IMAGE_ICON, 0, 0,
                                                      LR_DEFAULTSIZE | LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(windowClass.hInstance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = win32backend::mainWindowClass;
    registered = RegisterClassExW(&windowClass) != 0;
}

}  // namespace

namespace win32backend {

std::intptr_t callGameProcedure(Window* window, unsigned message, WPARAM wParam, LPARAM lParam)
{
    const std::intptr_t answer = window->proc(window, message, wParam, lParam);
    flushDrawing();
    applyWantedCursor();
    return answer;
}

HWND mainWindowHandle()
{
    for (const auto& window : allWindows())
        if (!window->isDialog && window->hwnd)
            return window->hwnd;
    return nullptr;
}

}  // namespace win32backend

Window* createMainWindow(const char* title, int x, int y, int width, int height, int menuId,
                         int iconId, WindowProc proc)
{
    registerMainClass(iconId);
    Window* window = win32backend::newWindowRecord();
    window->proc = proc;
    window->backgroundFill = makeColour(0, 0, 0);
    window->menu = win32backend::buildMenu(menuId);
    HWND hwnd = CreateWindowExW(0, win32backend::mainWindowClass, utf8ToUtf16(title).c_str(),
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width, height, nullptr,
                                window->menu, win32backend::programInstance(), window);
    if (!hwnd)
        return nullptr;
    SetFocus(hwnd);
    return window;
}
