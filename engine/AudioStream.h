#pragma once
// One music stream: a decoder over the file's copy in memory with its own play
// state, loop flag and volume. The device's music hook mixes every playing
// stream on the audio thread, so that two tracks can cross-fade while the main
// loop runs on; every member is used under the device's stream lock.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/AudioDecoder.h"
#include "engine/AudioVolume.h"

namespace qor {

class cAudioStream {
  public:
    enum class eState { kStopped, kPlaying, kPaused };

    // Null, with a reason, when the memory holds no playable Ogg Vorbis file.
    static std::unique_ptr<cAudioStream> Open(std::shared_ptr<const std::vector<uint8_t>> memory,
                                              std::string* error);

    // Starts or resumes. Without `restart` a stopped stream goes on where it
    // stopped, and one that played to its end starts again from the top.
    bool Play(bool restart);
    bool Pause();  // false when it was not playing
    void Stop();   // keeps the position

    eState state() const { return m_state; }
    // Frames mixed since the stream last started from its first frame.
    uint64_t playedFrames() const { return m_playedFrames; }

    // Audio thread: adds up to `frames` stereo frames to `out`, scaled by the
    // channel volume times `gain`. Gain changes are ramped across the block so
    // that volume steps made once a frame do not click.
    void MixInto(float* out, int frames, float gain);

    bool loop = false;
    cChannelVolume volume;

  private:
    cAudioStream() = default;

    std::shared_ptr<const std::vector<uint8_t>> m_memory;
    cVorbisDecoder m_decoder;
    eState m_state = eState::kStopped;
    bool m_atEnd = false;
    float m_appliedGain = 0.0f;
    uint64_t m_playedFrames = 0;
    std::vector<float> m_block;
};

}  // namespace qor
