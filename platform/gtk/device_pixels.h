// GTK's logical pixels and the X server's device pixels on a scaled (HiDPI) display.
#pragma once

#include "platform/types.h"

// The device-pixel rectangle that covers a logical one at an integer window scale: every
// logical pixel is scale x scale device pixels, and a pointer at device pixel d lies in logical
// pixel d / scale, so the pointer stays inside exactly when its logical point does.
constexpr Rect devicePixels(const Rect& logical, int scale)
{
    return Rect{logical.left * scale, logical.top * scale, logical.right * scale,
                logical.bottom * scale};
}
