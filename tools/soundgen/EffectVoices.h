#pragma once
// Building blocks of the sound effects: notes, noise bursts, struck and blown
// voices, and small helpers to layer them in time.
#include <utility>
#include <vector>

#include "tools/soundgen/Synth.h"

namespace synth::voices {

// A note with an envelope; `glideTo` bends the pitch linearly over the note.
Buffer Tone(double hz, double seconds, Wave wave, Adsr env, double gate, double glideTo = 0,
            double vibratoHz = 0, double vibratoDepth = 0);
Buffer Filtered(Buffer in, Biquad filter);
// Noise through a band-pass sliding from `hz` to `hzEnd`, decaying.
Buffer NoiseBurst(double seconds, double hz, double hzEnd, double q, double decay, uint32_t seed,
                  double attack = 0.002);
Buffer LowNoise(double seconds, double hz, double decay, uint32_t seed, double attack = 0.003);
Buffer Bell(double hz, double seconds, double decay = 0.4);
Buffer Marimba(double hz, double seconds, double decay = 0.18);
Buffer Brass(double hz, double seconds, double gate, double bright = 2500);
// A little voice: a buzzy source through two formant filters, gliding.
Buffer Voice(const std::vector<double>& pitches, double noteSeconds, double f1, double f2,
             uint32_t seed, double breath = 0.1);
Buffer WithReverb(const Buffer& dry, double room, double wet, double tail);
double N(double midi);
Buffer Sequence(const std::vector<std::pair<double, Buffer>>& parts);

}  // namespace synth::voices
