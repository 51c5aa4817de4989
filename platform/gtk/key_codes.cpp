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

int shortcutCommand(unsigned keyval, bool control, bool shift, bool alt)
{
    if (shift || alt)
        return 0;
    if (!control)
        return keyval == GDK_KEY_F2 ? 40001 : 0;
    switch (keyval) {
    case GDK_KEY_n:
    case GDK_KEY_N: return 40020;
    case GDK_KEY_o:
    case GDK_KEY_O: return 40006;
    case GDK_KEY_s:
    case GDK_KEY_S: return 40007;
    case GDK_KEY_p:
    case GDK_KEY_P: return 40005;
    case GDK_KEY_m:
    case GDK_KEY_M: return 40009;
    default: return 0;
    }
}
