// The voices of the completion music, each adding one note to a stereo mix.
#pragma once

#include <vector>

#include "tools/makesounds/dsp.h"

// Two channels of samples at one rate, mixed into by the instruments.
struct StereoMix {
    double rate = 44100;
    std::vector<double> left;
    std::vector<double> right;
};

// A note to play: when it starts, how long it is held (seconds), its pitch as a MIDI note
// number, its loudness and its place between left (-1) and right (+1).
struct NoteEvent {
    double start;
    double held;
    double midi;
    double gain;
    double pan;
};

// A mellow reed-like lead with a delayed vibrato.
void addLeadNote(StereoMix& mix, const NoteEvent& note);
// A glockenspiel doubling: a struck, slightly inharmonic bell tone.
void addBellNote(StereoMix& mix, const NoteEvent& note);
// An electric-piano chord tone (two-operator FM whose brightness dies away).
void addPianoNote(StereoMix& mix, const NoteEvent& note);
// A round plucked bass.
void addBassNote(StereoMix& mix, const NoteEvent& note);

// Drums, made from noise and swept sines.
void addKick(StereoMix& mix, double start, double gain);
void addSnare(StereoMix& mix, double start, double gain, NoiseSource& noise);
void addHiHat(StereoMix& mix, double start, double gain, NoiseSource& noise);

// A small room: a few comb and all-pass filters per channel, mixed in at `wet`.
void addRoomReverb(StereoMix& mix, double wet);
