// Wheel deltas of GDK scroll events in Windows' units.
#pragma once

#include <algorithm>
#include <cmath>

#include "platform/messages.h"

// The WM_MOUSEWHEEL delta of a smooth scroll of `notches` (GDK's delta, one per wheel notch,
// fractions from touchpads): WHEEL_DELTA a notch, rounded, never 0 for a movement however
// small, and within the 16 bits of the message.
inline int wheelDeltaOfNotches(double notches)
{
    if (notches == 0 || std::isnan(notches))
        return 0;
    const double delta = std::clamp(std::round(notches * WHEEL_DELTA), -32768.0, 32767.0);
    if (delta == 0)
        return notches > 0 ? 1 : -1;
    return static_cast<int>(delta);
}
