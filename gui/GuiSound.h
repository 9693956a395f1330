#pragma once
// Every sound the GUI controls make ("click", "typing", "mouse_in") goes out
// through PlayGuiSound to the sound manager, by name; tests can listen instead.
#include <functional>
#include <string_view>

namespace qor {

void PlayGuiSound(std::u16string_view name);

// Replaces where the sounds go (tests listen here). An empty function
// restores the default.
using cGuiSoundSink = std::function<void(std::u16string_view)>;
void SetGuiSoundSink(cGuiSoundSink sink);

}  // namespace qor
