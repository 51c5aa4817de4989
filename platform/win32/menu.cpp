// The main window's menu built from a menu template, its check marks and keyboard shortcuts.
#include "platform/language.h"
#include "platform/utf16.h"
#include "platform/win32/win32_window.h"

namespace {

void appendEntries(HMENU menu, std::span<const MenuTemplate> entries)
{
    for (const MenuTemplate& entry : entries) {
        if (!entry.text) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring text = utf8ToUtf16(translate(entry.text));
        if (!entry.children.empty()) {
            HMENU popup = CreatePopupMenu();
            appendEntries(popup, entry.children);
            AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), text.c_str());
        } else {
            AppendMenuW(menu, MF_STRING | (entry.checked ? MF_CHECKED : MF_UNCHECKED),
                        static_cast<UINT_PTR>(entry.commandId), text.c_str());
        }
    }
}

}  // namespace

namespace win32backend {

HMENU buildMenu(int menuId)
{
    std::size_t count = 0;
    const MenuTemplate* entries = findMenuTemplate(menuId, &count);
    if (!entries)
        return nullptr;
    HMENU menu = CreateMenu();
    appendEntries(menu, std::span(entries, count));
    return menu;
}

// F2 starts afresh, F3 and F4 are the view's; Ctrl+N makes a puzzle of a picture, Ctrl+O
// opens, Ctrl+S saves, Ctrl+L shows the kept puzzles, Ctrl+P the preview, Ctrl+M the message.
// Ctrl with plus (the =/+ key, Shift or not; the ;/+ key of a Japanese keyboard is the same
// virtual key) or the keypad's + zooms in, with minus out, with 0 back to 100 %.
HACCEL shortcutTable()
{
    static HACCEL table = [] {
        ACCEL keys[] = {
            {FVIRTKEY, VK_F2, 40001},
            {FVIRTKEY, VK_F3, 40034},
            {FVIRTKEY, VK_F4, 40035},
            {FVIRTKEY | FCONTROL, 'N', 40020},
            {FVIRTKEY | FCONTROL, 'O', 40006},
            {FVIRTKEY | FCONTROL, 'S', 40007},
            {FVIRTKEY | FCONTROL, 'P', 40005},
            {FVIRTKEY | FCONTROL, 'M', 40009},
            {FVIRTKEY | FCONTROL, 'L', 40042},
            {FVIRTKEY | FCONTROL, VK_OEM_PLUS, 40030},
            {FVIRTKEY | FCONTROL | FSHIFT, VK_OEM_PLUS, 40030},
            {FVIRTKEY | FCONTROL, VK_ADD, 40030},
            {FVIRTKEY | FCONTROL, VK_OEM_MINUS, 40031},
            {FVIRTKEY | FCONTROL, VK_SUBTRACT, 40031},
            {FVIRTKEY | FCONTROL, '0', 40032},
            {FVIRTKEY | FCONTROL, VK_NUMPAD0, 40032},
        };
        return CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
    }();
    return table;
}

// Ctrl with the keypad's 0 while Num Lock is off: VK_INSERT like the Insert key, but without
// the extended-key bit (24) of lParam.
int keypadShortcut(const MSG& key)
{
    const bool onlyControl =
        GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
    if (key.message == WM_KEYDOWN && key.wParam == VK_INSERT && !(key.lParam & (1 << 24)) &&
        onlyControl)
        return 40032;
    return 0;
}

}  // namespace win32backend

void checkMenuItem(Window* window, int commandId, bool checked)
{
    if (win32backend::isLive(window) && window->menu)
        CheckMenuItem(window->menu, static_cast<UINT>(commandId),
                      MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void enableMenuItem(Window* window, int commandId, bool enabled)
{
    if (win32backend::isLive(window) && window->menu)
        EnableMenuItem(window->menu, static_cast<UINT>(commandId),
                       MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}
