// What follows a finished puzzle: the picture, glue and panel choices, the finished picture's
// export, then the next puzzle of the series.
#pragma once

// Runs after the completion dialogs; ends with the next puzzle built.
void runCompletionFlow();
