#pragma once
// A music track: a name bound to the stream buffer of that name when made.
// Music objects belong to the sound manager (cSoundManager::CreateMusic).
// Several objects of one name share the stream, and so its play state.
#include <string>

#include "engine/AudioDevice.h"

namespace qor {

class cSoundManager;

class cMusic {
  public:
    static constexpr int kMusicBuffer = 0;
    static constexpr int kStreamBuffer = 1;

    virtual ~cMusic();
    cMusic(const cMusic&) = delete;
    cMusic& operator=(const cMusic&) = delete;

    // Starts or resumes without restart. While the output is paused (window
    // inactive) the track is set playing but sounds only after activation.
    bool Play();
    bool Pause();
    bool IsActive() const;
    // The track's own volume, which the music setting scales in the mix.
    bool SetVolume(float volume);
    // Fade in: volume 0, then a slide up to full (the music setting applies on
    // top, in the mix). Fade out: a slide down after which the track stops.
    // Neither call waits.
    bool Fade(bool fadeIn, float seconds);
    bool SetLoop();

    // The channel playing this track, 0 when its buffer has none.
    cAudioHandle Channel() const;

    std::u16string name;
    int bufferIndex = 0;
    int kind = kStreamBuffer;
    int order = 0;  // order position of tracker music; unused by streams

  private:
    friend class cSoundManager;
    cMusic(cSoundManager* manager, std::u16string musicName);

    cSoundManager* m_manager;
};

}  // namespace qor
