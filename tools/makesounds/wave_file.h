// Writes PCM WAVE files (RIFF) from floating-point samples.
#pragma once

#include <string>
#include <vector>

struct WaveFormat {
    int sampleRate = 0;
    int channels = 1;
    int bitsPerSample = 8;  // 8 (unsigned) or 16 (signed, little-endian)
};

// Number of samples per channel of a sound lasting `milliseconds` at `sampleRate`, rounded
// to the nearest sample (halves away from zero).
int sampleCountFor(int milliseconds, int sampleRate);

// Quantises `samples` (interleaved, full scale ±1.0) and writes them as a WAVE file;
// answers false when the file cannot be written.
bool writeWaveFile(const std::string& path, const WaveFormat& format,
                   const std::vector<double>& samples);
