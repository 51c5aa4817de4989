// What the mouse is carrying: the clicked piece, where it was grabbed and where it was drawn.
#pragma once

#include <cstdint>

namespace carrying_detail {

struct CarryingState {
    std::uint8_t movedSinceGrab = 0;  // a mouse movement arrived since the pick-up
    int heldColumn = 0;               // home cell of the carried (clicked) piece
    int heldRow = 0;
    int grabOffsetX = 0;  // cursor minus the top-left of the carried (or turned) piece's box
    int grabOffsetY = 0;
    int dragLeft = 0;  // where the carried piece's box was last drawn on the window
    int dragTop = 0;
};

extern CarryingState carryingState;

}  // namespace carrying_detail

#define VELMORA_CARRYING_VALUE(Type, Name, name)                                        \
    inline Type get##Name() { return carrying_detail::carryingState.name; }            \
    inline void set##Name(Type value) { carrying_detail::carryingState.name = value; }

VELMORA_CARRYING_VALUE(std::uint8_t, MovedSinceGrab, movedSinceGrab)
VELMORA_CARRYING_VALUE(int, HeldColumn, heldColumn)
VELMORA_CARRYING_VALUE(int, HeldRow, heldRow)
VELMORA_CARRYING_VALUE(int, GrabOffsetX, grabOffsetX)
VELMORA_CARRYING_VALUE(int, GrabOffsetY, grabOffsetY)
VELMORA_CARRYING_VALUE(int, DragLeft, dragLeft)
VELMORA_CARRYING_VALUE(int, DragTop, dragTop)

#undef VELMORA_CARRYING_VALUE

// Piece index of the carried piece.
int heldPiece();
