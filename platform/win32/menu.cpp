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

// F2 starts afresh; Ctrl+N makes a puzzle of a picture, Ctrl+O opens, Ctrl+S saves, Ctrl+P shows the preview, Ctrl+M the message.
HACCEL shortcutTable()
{
    static HACCEL table = [] {
        ACCEL keys[] = {
            {FVIRTKEY, VK_F2, 40001},
            {FVIRTKEY | FCONTROL, 'N', 40020},
            {FVIRTKEY | FCONTROL, 'O', 40006},
            {FVIRTKEY | FCONTROL, 'S', 40007},
            {FVIRTKEY | FCONTROL, 'P', 40005},
            {FVIRTKEY | FCONTROL, 'M', 40009},
        };
        return CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
    }();
    return table;
}

}  // namespace win32backend

void checkMenuItem(Window* window, int commandId, bool checked)
{
    if (win32backend::isLive(window) && window->menu)
        CheckMenuItem(window->menu, static_cast<UINT>(commandId),
                      MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}
