// Where a newly chosen colour goes among the colour dialog's 16 custom colours.
#pragma once

#include "platform/types.h"

// Keeps `chosen` among the custom colours: nothing changes when it is there already,
// otherwise it takes the first free (zero) slot, or else the oldest one (`oldestSlot` turns
// round the sixteen slots). Answers the slot written, or -1.
int keepCustomColour(Colour customColours[16], Colour chosen, int& oldestSlot);
