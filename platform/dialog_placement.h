// Where a dialog opens: centred on its owner window and kept on the owner's monitor.
#pragma once

#include "platform/types.h"

// The top-left corner, in screen coordinates, of a dialog of width x height centred on the
// owner's outer rectangle and then moved wholly into the work area of the owner's monitor where
// the centred place would hang off it (right and bottom edges exclusive). A dialog larger than
// the work area keeps its top-left corner in it, so its caption stays within reach.
Point dialogPlaceOverOwner(const Rect& owner, int width, int height, const Rect& workArea);
