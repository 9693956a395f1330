#pragma once
// The voices of the music tracks, one note at a time.
#include <vector>

#include "tools/soundgen/Synth.h"

namespace synth::instrument {

Buffer Flute(double hz, double seconds, uint32_t seed);
Buffer PluckNote(double hz, double seconds, uint32_t seed);
Buffer MarimbaNote(double hz, double seconds);
Buffer BellNote(double hz, double seconds);
Buffer PadChord(const std::vector<double>& hz, double seconds);
Buffer Bass(double hz, double seconds);
Buffer Kick();
Buffer Shaker(uint32_t seed);
Buffer Brush(uint32_t seed);
Buffer Tom(double hz);

}  // namespace synth::instrument
