// The custom colours of the colour dialog, filled first-free, then oldest first.
#include "platform/gtk/colour_slots.h"

int keepCustomColour(Colour customColours[16], Colour chosen, int& oldestSlot)
{
    for (int slot = 0; slot < 16; ++slot)
        if (customColours[slot] == chosen)
            return -1;
    int slot = oldestSlot % 16;
    for (int free = 0; free < 16; ++free) {
        if (customColours[free] == 0) {
            slot = free;
            break;
        }
    }
    customColours[slot] = chosen;
    oldestSlot = (slot + 1) % 16;
    return slot;
}
