// The drag scene and its step, shared by the drag benchmark and the standalone drag measurement
// built for Windows.
#pragma once

// Sets the benchmark board up for a drag of piece 0 at (100, 60), with every piece joined to it
// when `wholePuzzle`; answers the seconds that copying the group's boxes with memcpy takes, the
// baseline of a drag step.
double setUpDragScene(bool wholePuzzle);

// The next step of the drag: the group swings between two places 7 pixels apart, as a mouse
// move would carry it; its boxes are restored at the old place and it is drawn at the new one.
void nextDragStep();
