// Small signal-processing helpers shared by the sound effects and the music.
#pragma once

#include <cstdint>
#include <vector>

constexpr double twoPi = 6.283185307179586;

// A fixed-seed noise source, so every build writes the same bytes.
class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed) : state_(seed) {}
    // White noise in [-1, 1).
    double next();

private:
    std::uint32_t state_;
};

// A second-order filter (the usual audio-cookbook forms).
class Biquad {
public:
    static Biquad lowPass(double cutoff, double q, double sampleRate);
    static Biquad highPass(double cutoff, double q, double sampleRate);
    static Biquad bandPass(double centre, double q, double sampleRate);
    double process(double input);

private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A smooth rise from 0 to 1 over `length` seconds (raised cosine), 1 afterwards.
double smoothRise(double t, double length);

// Attack, exponential decay towards `sustain`, and a smooth release after `held` seconds.
struct Envelope {
    double attack = 0.005;
    double decayTime = 0.2;  // time constant of the decay
    double sustain = 0.0;
    double release = 0.05;
    // Level at `t` seconds after the note starts, for a note held `held` seconds.
    double level(double t, double held) const;
    // How long the note sounds in all, release included.
    double length(double held) const { return held + release; }
};

// Scales `samples` so that the largest magnitude is `peak`.
void normalise(std::vector<double>& samples, double peak);

// Fades the last `seconds` of interleaved `samples` smoothly down to silence.
void fadeOut(std::vector<double>& samples, int channels, double sampleRate, double seconds);
