// The samples of the audio device and their channels: each channel belongs to
// one holder, and a sample's budget limits how many of them play at once.
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

#include "engine/AudioDecoder.h"
#include "engine/AudioDevice.h"
#include "engine/AudioDeviceVoice.h"

namespace qor {

using namespace audio_output;

cAudioHandle cAudioDevice::SampleLoad(const uint8_t* data, size_t size, int maxChannels) {
    if (!m_open) {
        m_error = "no audio output";
        return 0;
    }
    auto sample = std::make_unique<cSample>();
    if (!DecodeVorbisSample(data, size, kMaxSampleFrames, &sample->pcm, &m_error))
        return 0;
    sample->frames = sample->pcm.size() / kChannels;
    sample->chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(sample->pcm.data()),
                                      static_cast<Uint32>(sample->pcm.size() * sizeof(int16_t)));
    if (!sample->chunk) {
        m_error = Mix_GetError();
        return 0;
    }
    sample->budget = std::clamp(maxChannels, 1, kMaxSampleChannels);
    const cAudioHandle handle = NewHandle();
    m_samples.emplace(handle, std::move(sample));
    return handle;
}

bool cAudioDevice::SampleFree(cAudioHandle handle) {
    cSample* sample = FindSample(handle);
    if (!sample)
        return false;
    const std::vector<cAudioHandle> voices = sample->voices;
    for (cAudioHandle voice : voices)
        DropVoice(voice);
    if ((sample = FindSample(handle)) == nullptr)
        return true;  // a holder told of its loss freed it meanwhile
    Mix_FreeChunk(sample->chunk);
    m_samples.erase(handle);
    return true;
}

cAudioHandle cAudioDevice::SampleGetChannel(cAudioHandle handle, std::function<void()> onLost) {
    if (!FindSample(handle)) {
        m_error = "invalid sample";
        return 0;
    }
    ForgetFreedVoices();
    auto voice = std::make_unique<cVoice>();
    voice->handle = NewHandle();
    voice->sample = handle;
    voice->onLost = std::move(onLost);
    const cAudioHandle channel = voice->handle;
    m_voices.emplace(channel, std::move(voice));
    FindSample(handle)->voices.push_back(channel);
    return channel;
}

void cAudioDevice::MakeRoom(cAudioHandle sampleHandle, cAudioHandle starting) {
    for (;;) {
        const cSample* sample = FindSample(sampleHandle);
        if (!sample)
            return;
        int busy = 0;
        const cVoice* furthest = nullptr;
        uint64_t furthestAt = 0;
        for (cAudioHandle handle : sample->voices) {
            const cVoice* voice = FindVoice(handle);
            if (!voice || handle == starting || !VoiceOnChannel(*voice))
                continue;
            ++busy;
            // Furthest along, not oldest: a channel paused early in the sound
            // outlives a younger one that is nearly done. Ties go to the older.
            const uint64_t at = VoicePosition(*voice);
            if (!furthest || at > furthestAt ||
                (at == furthestAt && voice->serial < furthest->serial)) {
                furthest = voice;
                furthestAt = at;
            }
        }
        if (busy < sample->budget || !furthest)
            return;
        DropVoice(furthest->handle);
    }
}

void cAudioDevice::DropVoice(cAudioHandle handle) {
    auto it = m_voices.find(handle);
    if (it == m_voices.end())
        return;
    std::unique_ptr<cVoice> voice = std::move(it->second);
    m_voices.erase(it);
    StopVoice(*voice);
    if (cSample* sample = FindSample(voice->sample)) {
        auto& voices = sample->voices;
        voices.erase(std::remove(voices.begin(), voices.end(), handle), voices.end());
    }
    // Told last: the holder may call back into the device.
    if (voice->onLost && !voice->freed)
        voice->onLost();
}

void cAudioDevice::ForgetFreedVoices() {
    if (!m_voicesFreed)
        return;
    m_voicesFreed = false;
    std::vector<cAudioHandle> ended;
    for (const auto& [handle, voice] : m_voices) {
        if (!voice->freed)
            continue;
        if (VoiceState(*voice) == eChannelState::kPlaying) {
            m_voicesFreed = true;
        } else {
            ended.push_back(handle);
        }
    }
    for (cAudioHandle handle : ended)
        DropVoice(handle);
}

cAudioDevice::cSample* cAudioDevice::FindSample(cAudioHandle handle) {
    auto it = m_samples.find(handle);
    return it == m_samples.end() ? nullptr : it->second.get();
}

cAudioDevice::cVoice* cAudioDevice::FindVoice(cAudioHandle handle) {
    auto it = m_voices.find(handle);
    return it == m_voices.end() ? nullptr : it->second.get();
}

const cAudioDevice::cVoice* cAudioDevice::FindVoice(cAudioHandle handle) const {
    auto it = m_voices.find(handle);
    return it == m_voices.end() ? nullptr : it->second.get();
}

bool cAudioDevice::VoiceOnChannel(const cVoice& voice) const {
    const int ch = voice.mixChannel;
    return ch >= 0 && static_cast<size_t>(ch) < m_channelOwner.size() &&
           m_channelOwner[static_cast<size_t>(ch)] == voice.handle && Mix_Playing(ch) != 0;
}

eChannelState cAudioDevice::VoiceState(const cVoice& voice) const {
    if (!VoiceOnChannel(voice))
        return eChannelState::kStopped;
    return voice.paused ? eChannelState::kPaused : eChannelState::kPlaying;
}

uint64_t cAudioDevice::VoicePosition(const cVoice& voice) const {
    if (!VoiceOnChannel(voice))
        return voice.played;
    uint64_t position = voice.played;
    // The clock stands still while all output is paused, so no correction is
    // needed for that.
    if (!voice.paused)
        position += m_mixedFrames.load() - voice.startedAt;
    auto it = m_samples.find(voice.sample);
    const uint64_t frames = it == m_samples.end() ? 0 : it->second->frames;
    if (frames == 0)
        return position;
    return voice.loop ? position % frames : std::min(position, frames);
}

bool cAudioDevice::StartVoice(cVoice& voice) {
    cSample* sample = FindSample(voice.sample);
    if (!sample)
        return false;
    // Pick the channel ourselves so that its volume is right before the first
    // sample of the sound is mixed.
    int ch = -1;
    for (size_t i = 0; i < m_channelOwner.size() && ch < 0; ++i) {
        if (Mix_Playing(static_cast<int>(i)) == 0)
            ch = static_cast<int>(i);
    }
    if (ch < 0) {
        const int count = static_cast<int>(m_channelOwner.size());
        if (count >= kMaxMixerChannels) {
            m_error = "no free mixer channel";
            return false;
        }
        m_channelOwner.resize(
            static_cast<size_t>(Mix_AllocateChannels(std::min(count * 2, kMaxMixerChannels))), 0);
        if (static_cast<int>(m_channelOwner.size()) <= count) {
            m_error = "no free mixer channel";
            return false;
        }
        ch = count;
    }
    m_channelOwner[static_cast<size_t>(ch)] = voice.handle;
    voice.mixChannel = ch;
    ApplyVoiceVolume(voice);
    if (Mix_PlayChannel(ch, sample->chunk, voice.loop ? -1 : 0) < 0) {
        m_error = Mix_GetError();
        m_channelOwner[static_cast<size_t>(ch)] = 0;
        voice.mixChannel = -1;
        return false;
    }
    voice.startedAt = m_mixedFrames.load();
    voice.looping = voice.loop;
    return true;
}

void cAudioDevice::StopVoice(cVoice& voice) {
    if (VoiceOnChannel(voice))
        Mix_HaltChannel(voice.mixChannel);
    if (voice.mixChannel >= 0 && static_cast<size_t>(voice.mixChannel) < m_channelOwner.size() &&
        m_channelOwner[static_cast<size_t>(voice.mixChannel)] == voice.handle) {
        m_channelOwner[static_cast<size_t>(voice.mixChannel)] = 0;
    }
    voice.mixChannel = -1;
    voice.paused = false;
    voice.played = 0;
}

void cAudioDevice::ApplyVoiceVolume(const cVoice& voice) {
    if (voice.mixChannel < 0 || static_cast<size_t>(voice.mixChannel) >= m_channelOwner.size() ||
        m_channelOwner[static_cast<size_t>(voice.mixChannel)] != voice.handle) {
        return;
    }
    const float v = voice.volume.value() * m_sampleVolume * MIX_MAX_VOLUME;
    Mix_Volume(voice.mixChannel, static_cast<int>(std::lround(v)));
}

}  // namespace qor
