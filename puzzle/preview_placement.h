// Where the preview window goes and how large it is for the current picture.
#pragma once

// Moves the preview window to the remembered "rpleft"/"rptop" (50 when absent) with a third of
// the picture's size plus the frame allowance, without repainting during the move.
void movePreviewWindow();

// movePreviewWindow, then the preview repaints the (new) picture at once: after a build or an
// opened game.
void placePreviewWindow();
