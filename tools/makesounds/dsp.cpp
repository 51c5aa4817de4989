// Small signal-processing helpers shared by the sound effects and the music.
#include "tools/makesounds/dsp.h"

#include <algorithm>
#include <cmath>

double NoiseSource::next()
{
    // xorshift32: tiny, fast and the same everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

namespace {

// The two terms every cookbook filter is made of.
struct CookbookTerms {
    double cosW;
    double alpha;
};

CookbookTerms cookbookTerms(double frequency, double q, double sampleRate)
{
    const double w = twoPi * frequency / sampleRate;
    return {std::cos(w), std::sin(w) / (2.0 * q)};
}

}  // namespace

Biquad Biquad::lowPass(double cutoff, double q, double sampleRate)
{
    const auto [cosW, alpha] = cookbookTerms(cutoff, q, sampleRate);
    const double a0 = 1 + alpha;
    Biquad filter;
    filter.b0_ = (1 - cosW) / 2 / a0;
    filter.b1_ = (1 - cosW) / a0;
    filter.b2_ = (1 - cosW) / 2 / a0;
    filter.a1_ = -2 * cosW / a0;
    filter.a2_ = (1 - alpha) / a0;
    return filter;
}

Biquad Biquad::highPass(double cutoff, double q, double sampleRate)
{
    const auto [cosW, alpha] = cookbookTerms(cutoff, q, sampleRate);
    const double a0 = 1 + alpha;
    Biquad filter;
    filter.b0_ = (1 + cosW) / 2 / a0;
    filter.b1_ = -(1 + cosW) / a0;
    filter.b2_ = (1 + cosW) / 2 / a0;
    filter.a1_ = -2 * cosW / a0;
    filter.a2_ = (1 - alpha) / a0;
    return filter;
}

Biquad Biquad::bandPass(double centre, double q, double sampleRate)
{
    const auto [cosW, alpha] = cookbookTerms(centre, q, sampleRate);
    const double a0 = 1 + alpha;
    Biquad filter;
    filter.b0_ = alpha / a0;
    filter.b1_ = 0;
    filter.b2_ = -alpha / a0;
    filter.a1_ = -2 * cosW / a0;
    filter.a2_ = (1 - alpha) / a0;
    return filter;
}

double Biquad::process(double input)
{
    const double output = b0_ * input + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = input;
    y2_ = y1_;
    y1_ = output;
    return output;
}

double smoothRise(double t, double length)
{
    if (t <= 0)
        return 0;
    if (t >= length)
        return 1;
    return 0.5 - 0.5 * std::cos(t / length * twoPi / 2);
}

double Envelope::level(double t, double held) const
{
    if (t < 0 || t >= length(held))
        return 0;
    const auto sustained = [this](double at) {
        return smoothRise(at, attack) *
               (sustain + (1 - sustain) * std::exp(-std::max(0.0, at - attack) / decayTime));
    };
    if (t < held)
        return sustained(t);
    return sustained(held) * (1 - smoothRise(t - held, release));
}

void normalise(std::vector<double>& samples, double peak)
{
    double largest = 0;
    for (double sample : samples)
        largest = std::max(largest, std::abs(sample));
    if (largest == 0)
        return;
    for (double& sample : samples)
        sample *= peak / largest;
}

void fadeOut(std::vector<double>& samples, int channels, double sampleRate, double seconds)
{
    const std::size_t frames = samples.size() / channels;
    const auto fadeFrames = std::min(frames, static_cast<std::size_t>(seconds * sampleRate));
    for (std::size_t i = 0; i < fadeFrames; ++i) {
        const std::size_t frame = frames - fadeFrames + i;
        // A raised-cosine curve: no corner at either end, so the fade starts and ends softly.
        const double remaining = 1 - static_cast<double>(i + 1) / fadeFrames;
        const double gain = smoothRise(remaining, 1.0);
        for (int c = 0; c < channels; ++c)
            samples[frame * channels + c] *= gain;
    }
}
