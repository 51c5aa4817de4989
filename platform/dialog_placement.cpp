// Where a dialog opens: centred on its owner window and kept on the owner's monitor.
#include "platform/dialog_placement.h"

#include <algorithm>

namespace {

// The start of a span of `size` centred on [ownerStart, ownerEnd), moved into
// [areaStart, areaEnd); the start edge wins when the span is longer than the area.
int placeSpan(int ownerStart, int ownerEnd, int size, int areaStart, int areaEnd)
{
    const int centred = ownerStart + (ownerEnd - ownerStart - size) / 2;
    return std::max(std::min(centred, areaEnd - size), areaStart);
}

}  // namespace

Point dialogPlaceOverOwner(const Rect& owner, int width, int height, const Rect& workArea)
{
    return Point{placeSpan(owner.left, owner.right, width, workArea.left, workArea.right),
                 placeSpan(owner.top, owner.bottom, height, workArea.top, workArea.bottom)};
}
