// The voices of the completion music, each adding one note to a stereo mix.
#include "tools/makesounds/instruments.h"

#include <algorithm>
#include <cmath>

namespace {

double frequencyOf(double midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Calls `sample(t)` for every sample of a note lasting `length` seconds from `start`, and adds
// the result to both channels with a constant-power pan.
template <typename Sample>
void renderNote(StereoMix& mix, double start, double length, double gain, double pan,
                Sample sample)
{
    const double angle = (pan + 1) * twoPi / 8;
    const double leftGain = gain * std::cos(angle);
    const double rightGain = gain * std::sin(angle);
    const auto first = static_cast<std::size_t>(std::lround(start * mix.rate));
    const auto count = static_cast<std::size_t>(length * mix.rate);
    for (std::size_t i = 0; i < count && first + i < mix.left.size(); ++i) {
        const double value = sample(static_cast<double>(i) / mix.rate);
        mix.left[first + i] += leftGain * value;
        mix.right[first + i] += rightGain * value;
    }
}

}  // namespace

void addLeadNote(StereoMix& mix, const NoteEvent& note)
{
    static const double harmonics[] = {1.0, 0.45, 0.32, 0.16, 0.10, 0.06, 0.03};
    const Envelope envelope{0.014, 0.18, 0.7, 0.07};
    const double frequency = frequencyOf(note.midi);
    double phase = 0;
    renderNote(mix, note.start, envelope.length(note.held), note.gain, note.pan, [&](double t) {
        const double vibrato = 1 + 0.005 * smoothRise(t - 0.18, 0.15) * std::sin(twoPi * 5.2 * t);
        phase += twoPi * frequency * vibrato / mix.rate;
        double value = 0;
        for (std::size_t n = 0; n < std::size(harmonics); ++n)
            value += harmonics[n] * std::sin((n + 1) * phase);
        return envelope.level(t, note.held) * value;
    });
}

void addBellNote(StereoMix& mix, const NoteEvent& note)
{
    const double frequency = frequencyOf(note.midi);
    const double length = std::max(note.held, 0.6);
    renderNote(mix, note.start, length, note.gain, note.pan, [&](double t) {
        const double modulator = 1.6 * std::exp(-t / 0.05) * std::sin(twoPi * frequency * 3.5 * t);
        const double body = std::sin(twoPi * frequency * t + modulator);
        const double fade = 1 - smoothRise(t - length + 0.05, 0.05);
        return smoothRise(t, 0.002) * std::exp(-t / 0.25) * fade * body;
    });
}

void addPianoNote(StereoMix& mix, const NoteEvent& note)
{
    const Envelope envelope{0.004, 0.7, 0.0, 0.06};
    const double frequency = frequencyOf(note.midi);
    renderNote(mix, note.start, envelope.length(note.held), note.gain, note.pan, [&](double t) {
        const double index = 0.2 + 1.3 * std::exp(-t / 0.25);
        const double modulator = index * std::sin(twoPi * frequency * t);
        const double tine = 0.15 * std::exp(-t / 0.03) * std::sin(twoPi * frequency * 7 * t);
        return envelope.level(t, note.held) * (std::sin(twoPi * frequency * t + modulator) + tine);
    });
}

void addBassNote(StereoMix& mix, const NoteEvent& note)
{
    const Envelope envelope{0.006, 0.35, 0.25, 0.05};
    const double frequency = frequencyOf(note.midi);
    renderNote(mix, note.start, envelope.length(note.held), note.gain, note.pan, [&](double t) {
        const double pluck = 0.4 * std::exp(-t / 0.06);
        const double value = std::sin(twoPi * frequency * t) +
                             (0.25 + pluck) * std::sin(twoPi * 2 * frequency * t) +
                             pluck * 0.5 * std::sin(twoPi * 3 * frequency * t);
        return envelope.level(t, note.held) * value;
    });
}

void addKick(StereoMix& mix, double start, double gain)
{
    double phase = 0;
    renderNote(mix, start, 0.3, gain, 0.0, [&](double t) {
        phase += twoPi * (48 + 70 * std::exp(-t / 0.03)) / mix.rate;
        return smoothRise(t, 0.002) * std::exp(-t / 0.09) * (1 - smoothRise(t - 0.25, 0.05)) *
               std::sin(phase);
    });
}

void addSnare(StereoMix& mix, double start, double gain, NoiseSource& noise)
{
    Biquad band = Biquad::bandPass(2200, 0.6, mix.rate);
    renderNote(mix, start, 0.25, gain, -0.1, [&](double t) {
        const double rattle = 1.2 * band.process(noise.next()) * std::exp(-t / 0.05);
        const double body = 0.6 * std::sin(twoPi * 190 * t) * std::exp(-t / 0.04);
        return smoothRise(t, 0.001) * (1 - smoothRise(t - 0.2, 0.05)) * (rattle + body);
    });
}

void addHiHat(StereoMix& mix, double start, double gain, NoiseSource& noise)
{
    Biquad high = Biquad::highPass(7000, 0.7, mix.rate);
    renderNote(mix, start, 0.08, gain, 0.35, [&](double t) {
        return smoothRise(t, 0.001) * std::exp(-t / 0.018) * (1 - smoothRise(t - 0.06, 0.02)) *
               high.process(noise.next());
    });
}

namespace {

// A feedback comb filter with a little damping in the loop, as in the classic Schroeder room.
class DampedComb {
public:
    DampedComb(std::size_t delay, double feedback) : line_(delay), feedback_(feedback) {}
    double process(double input)
    {
        const double delayed = line_[position_];
        damped_ = 0.7 * delayed + 0.3 * damped_;
        line_[position_] = input + feedback_ * damped_;
        position_ = (position_ + 1) % line_.size();
        return delayed;
    }

private:
    std::vector<double> line_;
    double feedback_;
    double damped_ = 0;
    std::size_t position_ = 0;
};

class AllPass {
public:
    explicit AllPass(std::size_t delay) : line_(delay) {}
    double process(double input)
    {
        const double delayed = line_[position_];
        line_[position_] = input + 0.5 * delayed;
        position_ = (position_ + 1) % line_.size();
        return delayed - 0.5 * input;
    }

private:
    std::vector<double> line_;
    std::size_t position_ = 0;
};

std::vector<double> reverberate(const std::vector<double>& input, std::size_t spread)
{
    static const std::size_t combDelays[] = {1116, 1188, 1277, 1356};
    std::vector<DampedComb> combs;
    for (std::size_t delay : combDelays)
        combs.emplace_back(delay + spread, 0.78);
    AllPass first(556 + spread);
    AllPass second(441 + spread);
    std::vector<double> output(input.size());
    for (std::size_t i = 0; i < input.size(); ++i) {
        double sum = 0;
        for (DampedComb& comb : combs)
            sum += comb.process(input[i]);
        output[i] = second.process(first.process(sum / 4));
    }
    return output;
}

}  // namespace

void addRoomReverb(StereoMix& mix, double wet)
{
    const std::vector<double> left = reverberate(mix.left, 0);
    const std::vector<double> right = reverberate(mix.right, 23);
    for (std::size_t i = 0; i < mix.left.size(); ++i) {
        mix.left[i] += wet * left[i];
        mix.right[i] += wet * right[i];
    }
}
