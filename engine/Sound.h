#pragma once
// A sound effect instance: a channel of a loaded sample that belongs to this
// object alone. A name without buffer gives a silent sound that says so once
// when made and once at its first Play.
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
    // When newer sounds of the sample took this one's channel (its budget was
    // full), this takes a channel again and starts from the top.
    bool Play();
    // Loop flag for effects that repeat until their object goes; takes effect
    // at the next start and is kept when the channel changes.
    bool SetLoop(bool loop);
    // The channel exists and is playing.
    bool IsPlaying() const;

    cAudioHandle channel = 0;  // 0 when none, or after losing it to a newer sound
    int bufferIndex = 0;
    bool reported = false;  // the invalid-play warning was logged
    bool loop = false;

  private:
    // A channel of this sound's sample, with the loop flag; false when none
    // can be had.
    bool TakeChannel(bool logFailure);
};

// Plays a loaded sound by name, for the GUI controls ("click", "typing",
// "mouse_in"). Does nothing without a sound manager or output; a missing name
// is logged the first time only.
bool PlayNamedSound(std::u16string_view name);

}  // namespace qor
