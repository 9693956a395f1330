#pragma once
// A sound effect instance: a channel of a loaded sample, taken when the sound
// is made. A name without buffer gives a silent sound that says so once when
// made and once at its first Play.
#include <string_view>

#include "engine/AudioDevice.h"

namespace qor {

class cSound {
  public:
    explicit cSound(std::u16string_view bufferName);
    // A looping sound stops with its object; a one-shot plays to its end.
    virtual ~cSound();
    cSound(const cSound&) = delete;
    cSound& operator=(const cSound&) = delete;

    // Starts, or resumes without restart; false when it cannot play, which
    // includes while the window is inactive: effects of that moment are lost.
    bool Play();
    // Loop flag for effects that repeat until their object goes; takes effect
    // at the next Play.
    bool SetLoop(bool loop);
    // The channel exists and is playing.
    bool IsPlaying() const;

    cAudioHandle channel = 0;
    int bufferIndex = 0;
    bool reported = false;  // the invalid-play warning was logged
};

// Plays a loaded sound by name, for the GUI controls ("click", "typing",
// "mouse_in"). Does nothing without a sound manager or output; a missing name
// is logged the first time only.
bool PlayNamedSound(std::u16string_view name);

}  // namespace qor
