// What follows a finished puzzle: the picture, glue and panel choices, the finished picture's
// export, then the next puzzle of the series.
#pragma once

// What follows the drop that finished the puzzle: the completion sounds, the congratulation
// and the attached message, then the completion flow.
void celebrateFinishedPuzzle();

// The choices after the completion dialogs; ends with the next puzzle built.
void runCompletionFlow();
