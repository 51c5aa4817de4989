// The completion music: a cheerful tune with melody, bass, chords and light drums.
#include "tools/makesounds/music.h"

#include <array>
#include <cstddef>

#include "tools/makesounds/instruments.h"

namespace {

constexpr double beatSeconds = 0.5;  // 120 beats a minute, four beats a bar
constexpr double eighth = beatSeconds / 2;
constexpr int barCount = 10;

// A melody note: MIDI pitch (0 for a rest) and length in eighths.
struct MelodyNote {
    int midi;
    int eighths;
};

// Ten bars in C major, eight eighths each; the last note is held into the fade.
constexpr MelodyNote melody[] = {
    {76, 2}, {79, 1}, {76, 1}, {84, 2}, {79, 2},          // C
    {74, 1}, {76, 1}, {77, 1}, {74, 1}, {71, 2}, {67, 2},  // G
    {72, 1}, {76, 1}, {81, 2}, {79, 1}, {81, 1}, {76, 2},  // Am
    {77, 3}, {76, 1}, {74, 1}, {72, 1}, {69, 2},          // F
    {76, 1}, {79, 1}, {84, 2}, {83, 1}, {84, 1}, {79, 2},  // C
    {81, 2}, {77, 1}, {81, 1}, {84, 2}, {81, 2},          // F
    {77, 1}, {76, 1}, {74, 2}, {79, 1}, {77, 1}, {74, 2},  // Dm G7
    {76, 3}, {74, 1}, {72, 4},                            // C
    {81, 1}, {79, 1}, {77, 1}, {81, 1}, {79, 1}, {77, 1}, {74, 1}, {71, 1},  // F G
    {72, 8}};                                                               // C

// The harmony of each half bar: the bass root and a three-note chord.
struct HalfBar {
    int bassRoot;
    std::array<int, 3> chord;
};

constexpr HalfBar C{48, {60, 64, 67}};
constexpr HalfBar G{43, {59, 62, 67}};
constexpr HalfBar Am{45, {60, 64, 69}};
constexpr HalfBar F{41, {60, 65, 69}};
constexpr HalfBar Dm{50, {62, 65, 69}};
constexpr HalfBar G7{43, {59, 65, 67}};

constexpr HalfBar harmony[barCount * 2] = {C, C, G, G, Am, Am, F, F, C, C,
                                           F, F, Dm, G7, C, C, F, G, C, C};

void addMelody(StereoMix& mix)
{
    double time = 0;
    for (const MelodyNote& note : melody) {
        const double length = note.eighths * eighth;
        const bool last = &note == std::end(melody) - 1;
        const double held = last ? 2.2 : length * 0.85;
        addLeadNote(mix, {time, held, static_cast<double>(note.midi), 0.30, 0.15});
        addBellNote(mix, {time, held, note.midi + 12.0, 0.07, 0.45});
        time += length;
    }
}

void addAccompaniment(StereoMix& mix)
{
    for (int half = 0; half < barCount * 2; ++half) {
        const HalfBar& chord = harmony[half];
        const double start = half * 2 * beatSeconds;
        const bool finalBar = half >= (barCount - 1) * 2;
        if (finalBar) {
            if (half % 2 == 0) {
                addBassNote(mix, {start, 2.2, static_cast<double>(chord.bassRoot), 0.5, 0.0});
                for (int tone : chord.chord)
                    addPianoNote(mix, {start, 2.2, static_cast<double>(tone), 0.09, -0.35});
            }
            continue;
        }
        // Bass: root on the beat, the octave on the off-beat, the fifth on the next beat.
        const int bassLine[] = {chord.bassRoot, chord.bassRoot + 12, chord.bassRoot + 7,
                                chord.bassRoot + 12};
        for (int step = 0; step < 4; ++step)
            addBassNote(mix, {start + step * eighth, eighth * 0.8,
                              static_cast<double>(bassLine[step]), step % 2 ? 0.32 : 0.45, 0.0});
        // Piano: a held chord on the beat and a short stab on the next off-beat.
        for (int tone : chord.chord) {
            addPianoNote(mix, {start, beatSeconds * 0.9, static_cast<double>(tone), 0.09, -0.35});
            addPianoNote(mix, {start + 3 * eighth, eighth * 0.6, static_cast<double>(tone), 0.07,
                               -0.35});
        }
    }
}

void addDrums(StereoMix& mix)
{
    NoiseSource noise(146);
    const int beats = (barCount - 1) * 4;
    for (int beat = 0; beat < beats; ++beat) {
        const double start = beat * beatSeconds;
        if (beat % 2 == 0)
            addKick(mix, start, 0.55);
        else
            addSnare(mix, start, 0.16, noise);
        addHiHat(mix, start, 0.05, noise);
        addHiHat(mix, start + eighth, 0.09, noise);
    }
    addKick(mix, beats * beatSeconds, 0.55);
}

}  // namespace

std::vector<double> renderMusic(int sampleRate, int frameCount)
{
    StereoMix mix;
    mix.rate = sampleRate;
    mix.left.assign(frameCount, 0.0);
    mix.right.assign(frameCount, 0.0);
    addMelody(mix);
    addAccompaniment(mix);
    addDrums(mix);
    addRoomReverb(mix, 0.22);

    std::vector<double> interleaved(2 * static_cast<std::size_t>(frameCount));
    for (int i = 0; i < frameCount; ++i) {
        interleaved[2 * i] = mix.left[i];
        interleaved[2 * i + 1] = mix.right[i];
    }
    normalise(interleaved, 0.89);
    fadeOut(interleaved, 2, sampleRate, 3.0);
    return interleaved;
}
