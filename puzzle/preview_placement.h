// Where the preview window goes and how large it is for the current picture.
#pragma once

// Moves the preview window to the remembered "rpleft"/"rptop" (50 when absent), fitted onto a
// monitor, its client area the picture at a third of its size, without repainting meanwhile.
void movePreviewWindow();

// movePreviewWindow, then the preview repaints the (new) picture at once: after a build or an
// opened game.
void placePreviewWindow();
