#pragma once
#include <string>
#include <vector>

#include "tools/soundgen/Synth.h"

namespace synth {

// Every sound effect by its name in the game's sound table, plus the GUI
// sounds "click", "typing" and "mouse_in".
std::vector<std::string> EffectNames();
// False when the name is unknown.
bool MakeEffect(const std::string& name, Buffer* out);

}  // namespace synth
