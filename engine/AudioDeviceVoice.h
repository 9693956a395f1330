#pragma once
// Inside the audio device: the output's fixed shape and the records behind
// loaded samples and their channels ("voices"), shared by the device's own
// source files only.
#include <SDL_mixer.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/AudioDevice.h"

namespace qor {

namespace audio_output {
inline constexpr int kChannels = 2;
inline constexpr int kFrameBytes = kChannels * static_cast<int>(sizeof(int16_t));
// About 23 ms a mixing round: short enough for clicks to answer at once.
inline constexpr int kBufferFrames = 1024;
inline constexpr int kFirstMixerChannels = 32;
// Twenty sounds with the full budget of twenty channels each would still fit.
inline constexpr int kMaxMixerChannels = 512;
}  // namespace audio_output

struct cAudioDevice::cSample {
    Mix_Chunk* chunk = nullptr;
    std::vector<int16_t> pcm;  // the chunk plays straight from here
    uint64_t frames = 0;
    int budget = 1;                    // channels that may play it at once
    std::vector<cAudioHandle> voices;  // every channel of it that exists
};

// A channel of a sample, held by one holder. It is on a mixer channel only
// while it plays (or is paused on its own).
struct cAudioDevice::cVoice {
    cAudioHandle handle = 0;
    cAudioHandle sample = 0;
    int mixChannel = -1;
    bool paused = false;  // paused on its own, not by the pause of all output
    bool loop = false;
    bool looping = false;  // the mixer repeats it: it was started with the loop flag
    cChannelVolume volume;
    uint64_t startedAt = 0;  // mixed-frames clock when it last began running
    uint64_t played = 0;     // frames played before that
    uint64_t serial = 0;     // order of starts, to break ties
    bool freed = false;      // given back by its holder; goes when it ends
    std::function<void()> onLost;
};

}  // namespace qor
