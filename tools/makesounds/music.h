// The completion music: a cheerful tune with melody, bass, chords and light drums.
#pragma once

#include <vector>

// Renders the tune as interleaved stereo samples (left, right) in the range ±1, `frameCount`
// frames long, ending in a fade to silence.
std::vector<double> renderMusic(int sampleRate, int frameCount);
