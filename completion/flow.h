// What follows a finished puzzle: the picture, glue and panel choices, the finished picture's
// export, then the next puzzle of the series.
#pragma once

#include "puzzle/construction.h"

// What follows the drop that finished the puzzle: the completion sounds, the congratulation
// and the attached message, then the completion flow.
void celebrateFinishedPuzzle(void (*startNextPuzzle)() = buildPuzzle);

// The choices after the completion dialogs; ends with the next puzzle of the series chosen
// and started by `startNextPuzzle`.
void runCompletionFlow(void (*startNextPuzzle)() = buildPuzzle);
