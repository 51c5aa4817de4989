// The carrying state of the mouse.
#include "board/carrying.h"

#include "puzzle/state.h"

namespace carrying_detail {
CarryingState carryingState;
}

int heldPiece()
{
    return getHeldRow() * getColumns() + getHeldColumn();
}
