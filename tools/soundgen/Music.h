#pragma once
#include <string>
#include <vector>

#include "tools/soundgen/Synth.h"

namespace synth {

// The four music tracks: "music0" (menu) and "music1" to "music3" (levels).
std::vector<std::string> MusicNames();
// Renders a whole track; its length is a whole number of bars and the end
// runs seamlessly into the start (the game loops it). False for unknown names.
bool MakeMusic(const std::string& name, Buffer* out);

}  // namespace synth
