#include "engine/Music.h"

#include <algorithm>
#include <cmath>

#include "engine/Log.h"
#include "engine/SoundManager.h"

namespace qor {

namespace {

constexpr std::u16string_view kSender = u"cMusic";

uint32_t ToMilliseconds(float seconds) {
    if (!(seconds > 0.0f))
        return 0;
    return static_cast<uint32_t>(std::min(seconds, 3600.0f) * 1000.0f);
}

}  // namespace

cMusic::cMusic(cSoundManager* manager, std::u16string musicName)
    : name(std::move(musicName)), m_manager(manager) {
    bufferIndex = manager->FindStreamBuffer(name);
}

cMusic::~cMusic() = default;

cAudioHandle cMusic::Channel() const {
    const size_t index = static_cast<size_t>(bufferIndex);
    if (kind == kStreamBuffer) {
        const auto& buffers = m_manager->streamBuffers;
        return index < buffers.size() ? buffers[index]->stream : 0;
    }
    const auto& buffers = m_manager->musicBuffers;
    return index < buffers.size() ? buffers[index]->music : 0;
}

bool cMusic::Play() {
    const cAudioHandle channel = Channel();
    if (channel == 0) {
        // Without output every track is missing; Init said so once already.
        if (m_manager->device().IsOpen()) {
            LogEntry(kLogWarning, kSender, u"Play: invalid music '%s'", name);
        }
        return false;
    }
    // The output takes a play while it is paused and holds the track until it
    // resumes: music started while the window is inactive begins on activation.
    return m_manager->device().ChannelPlay(channel, false);
}

bool cMusic::Pause() {
    return m_manager->device().ChannelPause(Channel());
}

bool cMusic::IsActive() const {
    const cAudioHandle channel = Channel();
    return channel && m_manager->device().ChannelIsActive(channel) == eChannelState::kPlaying;
}

bool cMusic::SetVolume(float volume) {
    return m_manager->device().ChannelSetVolume(Channel(), volume);
}

bool cMusic::Fade(bool fadeIn, float seconds) {
    const cAudioHandle channel = Channel();
    cAudioDevice& device = m_manager->device();
    if (!channel)
        return false;
    if (fadeIn) {
        // Up to the track's own full volume: the music setting scales every
        // track in the mix, so it must not be part of the fade's target too.
        device.ChannelSetVolume(channel, 0.0f);
        return device.ChannelSlideVolume(channel, 1.0f, ToMilliseconds(seconds));
    }
    return device.ChannelSlideVolume(channel, cChannelVolume::kFadeOutAndStop,
                                     ToMilliseconds(seconds));
}

bool cMusic::SetLoop() {
    return m_manager->device().ChannelSetLoop(Channel(), true);
}

}  // namespace qor
