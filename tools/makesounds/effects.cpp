// The game's short sound effects, rendered as mono samples in the range ±1.
#include "tools/makesounds/effects.h"

#include <cmath>

#include "tools/makesounds/dsp.h"

namespace {

// One resonance of a small wooden body: a sine that rings down with its own time constant.
struct WoodMode {
    double frequency;
    double amplitude;
    double decayTime;
};

// A knock on wood: a band-passed noise snap for the contact, then the body's resonances.
void addKnock(std::vector<double>& out, double rate, double start, double gain, double pitch,
              NoiseSource& noise)
{
    static const WoodMode modes[] = {
        {180, 0.35, 0.025}, {640, 0.45, 0.018}, {1170, 0.8, 0.014},
        {1730, 0.35, 0.009}, {2530, 0.25, 0.006}};
    Biquad snap = Biquad::bandPass(3400 * pitch, 0.9, rate);
    const auto first = static_cast<std::size_t>(start * rate);
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / rate;
        double body = 0;
        for (const WoodMode& mode : modes)
            body += mode.amplitude * std::sin(twoPi * mode.frequency * pitch * t) *
                    std::exp(-t / mode.decayTime);
        const double contact = 1.4 * snap.process(noise.next()) * std::exp(-t / 0.0025);
        out[i] += gain * smoothRise(t, 0.0008) * (contact + body);
    }
}

// One brass note: harmonics up to just below the Nyquist limit, brighter at the onset, with
// a gentle vibrato that sets in on longer notes.
void addBrassNote(std::vector<double>& out, double rate, double start, double held, double midi,
                  double gain)
{
    const double frequency = 440.0 * std::pow(2.0, (midi - 69) / 12.0);
    const Envelope envelope{0.018, 0.10, 0.72, 0.08};
    const auto first = static_cast<std::size_t>(start * rate);
    const auto count = static_cast<std::size_t>(envelope.length(held) * rate);
    const int harmonics = static_cast<int>(0.45 * rate / frequency);
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double vibrato = 1 + 0.004 * smoothRise(t - 0.25, 0.2) * std::sin(twoPi * 5.5 * t);
        phase += twoPi * frequency * vibrato / rate;
        const double brightness = 0.42 + 0.25 * std::exp(-t / 0.07);
        double value = 0;
        double amplitude = 1;
        for (int n = 1; n <= harmonics; ++n, amplitude *= brightness)
            value += amplitude * std::sin(n * phase);
        out[first + i] += gain * envelope.level(t, held) * value;
    }
}

// A bell-like ping: a pure tone with a soft onset and a long ring.
void addSparkle(std::vector<double>& out, double rate, double start, double frequency,
                double gain)
{
    const auto first = static_cast<std::size_t>(start * rate);
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / rate;
        out[i] += gain * smoothRise(t, 0.003) * std::exp(-t / 0.22) *
                  std::sin(twoPi * frequency * t);
    }
}

}  // namespace

std::vector<double> renderJoinSound(int sampleRate, int sampleCount)
{
    std::vector<double> samples(sampleCount);
    NoiseSource noise(115);
    addKnock(samples, sampleRate, 0.002, 0.4, 1.12, noise);
    addKnock(samples, sampleRate, 0.030, 1.0, 1.0, noise);
    normalise(samples, 0.85);
    fadeOut(samples, 1, sampleRate, 0.02);
    return samples;
}

std::vector<double> renderTurnSound(int sampleRate, int sampleCount)
{
    std::vector<double> samples(sampleCount);
    NoiseSource noise(122);
    Biquad soften = Biquad::lowPass(2500, 0.7, sampleRate);
    for (int i = 0; i < sampleCount; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double tick = 0.6 * std::sin(twoPi * 2100 * t) * std::exp(-t / 0.004) +
                            0.5 * std::sin(twoPi * 1250 * t) * std::exp(-t / 0.009);
        const double rustle = 0.8 * soften.process(noise.next()) * std::exp(-t / 0.0015);
        samples[i] = smoothRise(t, 0.0006) * (tick + rustle);
    }
    normalise(samples, 0.45);
    fadeOut(samples, 1, sampleRate, 0.008);
    return samples;
}

std::vector<double> renderCompletionSound(int sampleRate, int sampleCount)
{
    struct Note {
        double start, held, midi, gain;
    };
    // G4 C5 E5 G5 - E5 - and a held C major chord topped by C6.
    static const Note notes[] = {
        {0.00, 0.08, 67, 0.8}, {0.10, 0.08, 72, 0.8}, {0.20, 0.08, 76, 0.85},
        {0.30, 0.22, 79, 0.9}, {0.55, 0.08, 76, 0.8}, {0.65, 0.52, 84, 1.0},
        {0.65, 0.52, 79, 0.5}, {0.65, 0.52, 76, 0.45}, {0.65, 0.52, 72, 0.45}};
    std::vector<double> samples(sampleCount);
    for (const Note& note : notes)
        addBrassNote(samples, sampleRate, note.start, note.held, note.midi, note.gain);
    addSparkle(samples, sampleRate, 0.65, 2093.0, 0.5);
    addSparkle(samples, sampleRate, 0.72, 3136.0, 0.3);
    normalise(samples, 0.85);
    fadeOut(samples, 1, sampleRate, 0.04);
    return samples;
}
