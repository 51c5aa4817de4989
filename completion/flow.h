// What follows a finished puzzle: the picture, glue and panel choices, the finished picture's
// export, then the next puzzle of the series.
#pragma once

#include "puzzle/construction.h"

// Which series puzzle follows a finished one: after a puzzle of the series the next one; after a
// made puzzle or an opened play file the series puzzle last in play, as the player left it.
enum class SeriesStep { next, same };

// What follows the drop that finished the puzzle: the completion sounds, the congratulation
// and the attached message, then the completion flow.
void celebrateFinishedPuzzle(void (*startNextPuzzle)() = buildPuzzle,
                             SeriesStep step = SeriesStep::next);

// The choices after the completion dialogs; ends with the series puzzle that follows chosen
// and started by `startNextPuzzle`.
void runCompletionFlow(void (*startNextPuzzle)() = buildPuzzle,
                       SeriesStep step = SeriesStep::next);
