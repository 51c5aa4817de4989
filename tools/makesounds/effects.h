// The game's short sound effects, rendered as mono samples in the range ±1.
#pragma once

#include <vector>

// Two wooden pieces snapping together: a light tap and the firmer knock of the fit.
std::vector<double> renderJoinSound(int sampleRate, int sampleCount);

// A soft, short click for a quarter turn.
std::vector<double> renderTurnSound(int sampleRate, int sampleCount);

// A short, bright brass fanfare for a finished puzzle.
std::vector<double> renderCompletionSound(int sampleRate, int sampleCount);
