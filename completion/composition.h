// Composing the finished picture: glued or laid from the pieces, then framed in a panel.
#pragma once

#include "platform/surface.h"

constexpr int brownPanelBitmap = 128;
constexpr int blackPanelBitmap = 129;
constexpr int goldPanelBitmap = 130;
constexpr int panelMaskBitmap = 134;

// Size of the finished picture: the cells of every piece.
int finishedWidth();
int finishedHeight();
// Left and top of the puzzle area (the finished picture) on a picture-sized canvas.
int puzzleAreaOffset();

// Makes both canvases picture-sized and composes the finished picture into the puzzle area of
// `finishedCanvas` after glueChoice (the whole picture shrunk into the area, or the unturned
// pieces at their home places) and panelChoice (no panel, brown, black or gold frame).
void composeFinishedCanvas(Surface& finishedCanvas, Surface& assemblyCanvas);
