// Maps GDK key values to the virtual-key codes GetKeyboardState reports.
#include "platform/gtk/key_codes.h"

#include <gdk/gdkkeysyms.h>

int virtualKeyOf(unsigned keyval)
{
    if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z)
        return static_cast<int>('A' + (keyval - GDK_KEY_a));
    if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z)
        return static_cast<int>('A' + (keyval - GDK_KEY_A));
    if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9)
        return static_cast<int>('0' + (keyval - GDK_KEY_0));
    if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F24)
        return static_cast<int>(0x70 + (keyval - GDK_KEY_F1));
    switch (keyval) {
    case GDK_KEY_Escape: return 0x1B;
    case GDK_KEY_BackSpace: return 0x08;
    case GDK_KEY_Tab:
    case GDK_KEY_ISO_Left_Tab: return 0x09;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter: return 0x0D;
    case GDK_KEY_space: return 0x20;
    case GDK_KEY_Left: return 0x25;
    case GDK_KEY_Up: return 0x26;
    case GDK_KEY_Right: return 0x27;
    case GDK_KEY_Down: return 0x28;
    case GDK_KEY_Shift_L: return 0xA0;
    case GDK_KEY_Shift_R: return 0xA1;
    case GDK_KEY_Control_L: return 0xA2;
    case GDK_KEY_Control_R: return 0xA3;
    case GDK_KEY_Alt_L: return 0xA4;
    case GDK_KEY_Alt_R: return 0xA5;
    default: return 0;
    }
}

namespace {

enum Modifiers : unsigned { none = 0, control = 1, shift = 2 };

struct Shortcut {
    unsigned keyval;
    unsigned modifiers;
    int command;
};

// Key values as GDK gives them, Shift already applied: Ctrl+Shift+= arrives as plus on a US
// keyboard, Ctrl+Shift+; as plus on a Japanese one (as semicolon where a layout does not
// shift it).
constexpr Shortcut shortcuts[] = {
    {GDK_KEY_F2, none, 40001},
    {GDK_KEY_F3, none, 40034},
    {GDK_KEY_F4, none, 40035},
    {GDK_KEY_n, control, 40020},
    {GDK_KEY_N, control, 40020},
    {GDK_KEY_o, control, 40006},
    {GDK_KEY_O, control, 40006},
    {GDK_KEY_s, control, 40007},
    {GDK_KEY_S, control, 40007},
    {GDK_KEY_p, control, 40005},
    {GDK_KEY_P, control, 40005},
    {GDK_KEY_m, control, 40009},
    {GDK_KEY_M, control, 40009},
    {GDK_KEY_l, control, 40042},
    {GDK_KEY_L, control, 40042},
    // Zoom in, zoom out, 100 %.
    {GDK_KEY_plus, control, 40030},
    {GDK_KEY_plus, control | shift, 40030},
    {GDK_KEY_equal, control, 40030},
    {GDK_KEY_KP_Add, control, 40030},
    {GDK_KEY_semicolon, control | shift, 40030},
    {GDK_KEY_minus, control, 40031},
    {GDK_KEY_KP_Subtract, control, 40031},
    {GDK_KEY_0, control, 40032},
    {GDK_KEY_KP_0, control, 40032},
    {GDK_KEY_KP_Insert, control, 40032},
};

}  // namespace

int shortcutCommand(unsigned keyval, bool control, bool shift, bool alt)
{
    if (alt)
        return 0;
    const unsigned held = (control ? Modifiers::control : 0u) | (shift ? Modifiers::shift : 0u);
    for (const Shortcut& shortcut : shortcuts)
        if (shortcut.keyval == keyval && shortcut.modifiers == held)
            return shortcut.command;
    return 0;
}
