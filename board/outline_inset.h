// How far the pieces' outlines keep from the sides of their boxes, read from the silhouettes.
#pragma once

// The least distance, over every piece of the puzzle in play and its four rotations, from a
// side of the piece's box to the piece's outline: every outline lies inside its box shrunk by
// this much on each side, so boxes whose shrunk parts do not meet hold outlines that do not
// touch. 0 when the silhouettes reach the box's sides or hold nothing.
int outlineInset();
