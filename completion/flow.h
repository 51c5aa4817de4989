// What follows a finished puzzle: on to the next puzzle of the series.
#pragma once

// Runs after the completion dialogs; ends with the next puzzle built.
void runCompletionFlow();
