#include "engine/AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

#include "engine/AudioDecoder.h"
#include "engine/AudioDeviceVoice.h"
#include "engine/AudioStream.h"

namespace qor {

using namespace audio_output;

namespace {

// Handles are never reused, not even by a later device, so a stale handle can
// never reach somebody else's channel.
cAudioHandle g_lastHandle = 0;
bool g_deviceOpen = false;

float ClampVolume(float v) {
    return v > 0.0f ? std::min(v, 1.0f) : 0.0f;
}

}  // namespace

cAudioDevice::cAudioDevice() = default;

cAudioDevice::~cAudioDevice() {
    Free();
}

bool cAudioDevice::Init() {
    if (m_open || g_deviceOpen) {
        m_error = "an audio device is already open";
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        m_error = SDL_GetError();
        return false;
    }
    m_sdlAudio = true;
    // No format changes allowed: SDL converts for the hardware, and our music
    // hook can rely on 16-bit stereo at 44100 Hz.
    if (Mix_OpenAudioDevice(kAudioRate, AUDIO_S16SYS, kChannels, kBufferFrames, nullptr, 0) != 0) {
        m_error = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_sdlAudio = false;
        return false;
    }
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0 || rate != kAudioRate ||
        format != AUDIO_S16SYS || channels != kChannels) {
        m_error = "the output did not open as 16-bit stereo at 44100 Hz";
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_sdlAudio = false;
        return false;
    }
    m_channelOwner.assign(static_cast<size_t>(Mix_AllocateChannels(kFirstMixerChannels)), 0);
    if (m_paused)
        Mix_Pause(-1);
    Mix_HookMusic(&cAudioDevice::MusicHook, this);
    m_open = true;
    g_deviceOpen = true;
    m_error.clear();
    return true;
}

bool cAudioDevice::Free() {
    if (!m_open)
        return false;
    Mix_HookMusic(nullptr, nullptr);  // waits for a mixing round in progress
    Mix_HaltChannel(-1);
    FreeEverything();
    Mix_CloseAudio();
    if (m_sdlAudio)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_sdlAudio = false;
    m_open = false;
    g_deviceOpen = false;
    return true;
}

void cAudioDevice::FreeEverything() {
    std::unordered_map<cAudioHandle, std::unique_ptr<cAudioStream>> streams;
    {
        std::lock_guard lock(m_streamLock);
        streams.swap(m_streams);
    }
    streams.clear();
    m_voices.clear();
    m_voicesFreed = false;
    for (auto& [handle, sample] : m_samples)
        Mix_FreeChunk(sample->chunk);
    m_samples.clear();
    m_channelOwner.clear();
}

void cAudioDevice::Pause() {
    m_paused = true;
    if (m_open)
        Mix_Pause(-1);
}

void cAudioDevice::Start() {
    m_paused = false;
    if (!m_open)
        return;
    // Channels paused on their own stay paused; Mix_Resume(-1) would wake them.
    for (auto& [handle, voice] : m_voices) {
        if (voice->paused)
            continue;
        if (VoiceOnChannel(*voice))
            Mix_Resume(voice->mixChannel);
    }
}

void cAudioDevice::Update(float seconds) {
    if (!m_open || m_paused || !(seconds > 0.0f))
        return;
    ForgetFreedVoices();
    for (auto& [handle, voice] : m_voices) {
        if (!voice->volume.sliding())
            continue;
        const bool stop = voice->volume.Step(seconds);
        ApplyVoiceVolume(*voice);
        if (stop)
            StopVoice(*voice);
    }
    std::lock_guard lock(m_streamLock);
    for (auto& [handle, stream] : m_streams) {
        if (stream->volume.sliding() && stream->volume.Step(seconds))
            stream->Stop();
    }
}

void cAudioDevice::SetSampleVolume(float volume) {
    m_sampleVolume = ClampVolume(volume);
    for (auto& [handle, voice] : m_voices)
        ApplyVoiceVolume(*voice);
}

void cAudioDevice::SetMusicVolume(float volume) {
    m_musicVolume = ClampVolume(volume);
}

cAudioHandle cAudioDevice::NewHandle() {
    if (++g_lastHandle == 0)
        ++g_lastHandle;
    return g_lastHandle;
}

// --- streams ---------------------------------------------------------------

cAudioHandle cAudioDevice::StreamCreate(std::shared_ptr<const std::vector<uint8_t>> memory) {
    if (!m_open) {
        m_error = "no audio output";
        return 0;
    }
    std::unique_ptr<cAudioStream> stream = cAudioStream::Open(std::move(memory), &m_error);
    if (!stream)
        return 0;
    const cAudioHandle handle = NewHandle();
    std::lock_guard lock(m_streamLock);
    m_streams.emplace(handle, std::move(stream));
    return handle;
}

bool cAudioDevice::StreamFree(cAudioHandle handle) {
    std::unique_ptr<cAudioStream> gone;
    {
        std::lock_guard lock(m_streamLock);
        auto it = m_streams.find(handle);
        if (it == m_streams.end())
            return false;
        gone = std::move(it->second);
        m_streams.erase(it);
    }
    return true;
}

template <class R, class F>
R cAudioDevice::WithStream(cAudioHandle handle, R none, F&& use) const {
    std::lock_guard lock(m_streamLock);
    auto it = m_streams.find(handle);
    return it == m_streams.end() ? none : use(*it->second);
}

void cAudioDevice::MusicHook(void* device, uint8_t* stream, int bytes) {
    static_cast<cAudioDevice*>(device)->MixMusic(stream, bytes);
}

void cAudioDevice::MixMusic(uint8_t* stream, int bytes) {
    if (m_paused)
        return;  // SDL_mixer calls the hook even while everything is paused
    const int frames = bytes / kFrameBytes;
    if (frames <= 0)
        return;
    m_mixedFrames += static_cast<uint64_t>(frames);
    std::lock_guard lock(m_streamLock);
    bool any = false;
    for (auto& [handle, s] : m_streams)
        any = any || s->state() == cAudioStream::eState::kPlaying;
    if (!any)
        return;
    m_mix.assign(static_cast<size_t>(frames) * kChannels, 0.0f);
    const float gain = m_musicVolume.load();
    for (auto& [handle, s] : m_streams)
        s->MixInto(m_mix.data(), frames, gain);
    auto* out = reinterpret_cast<int16_t*>(stream);
    for (size_t i = 0; i < m_mix.size(); ++i) {
        out[i] = FloatToS16(static_cast<float>(out[i]) / 32768.0f + m_mix[i]);
    }
}

// --- channels --------------------------------------------------------------

bool cAudioDevice::ChannelPlay(cAudioHandle handle, bool restart) {
    if (cVoice* voice = FindVoice(handle)) {
        // An effect of a moment while the window is inactive is dropped, not
        // saved up to sound all at once on activation.
        if (m_paused) {
            m_error = "output paused";
            return false;
        }
        if (restart)
            StopVoice(*voice);
        if (VoiceOnChannel(*voice)) {
            if (voice->paused) {
                voice->paused = false;
                voice->startedAt = m_mixedFrames.load();
                Mix_Resume(voice->mixChannel);
            }
            return true;
        }
        MakeRoom(voice->sample, handle);
        voice = FindVoice(handle);  // making room told other holders
        if (!voice)
            return false;
        voice->paused = false;
        voice->played = 0;
        voice->serial = ++m_playSerial;
        return StartVoice(*voice);
    }
    std::lock_guard lock(m_streamLock);
    auto it = m_streams.find(handle);
    if (it == m_streams.end()) {
        m_error = "invalid channel";
        return false;
    }
    return it->second->Play(restart);
}

bool cAudioDevice::ChannelPause(cAudioHandle handle) {
    if (cVoice* voice = FindVoice(handle)) {
        const eChannelState state = VoiceState(*voice);
        if (state == eChannelState::kStopped)
            return false;
        if (state == eChannelState::kPaused)
            return true;
        voice->played += m_mixedFrames.load() - voice->startedAt;
        Mix_Pause(voice->mixChannel);
        voice->paused = true;
        return true;
    }
    return WithStream(handle, false, [](cAudioStream& s) { return s.Pause(); });
}

bool cAudioDevice::ChannelStop(cAudioHandle handle) {
    if (cVoice* voice = FindVoice(handle)) {
        StopVoice(*voice);
        return true;
    }
    return WithStream(handle, false, [](cAudioStream& s) {
        s.Stop();
        return true;
    });
}

bool cAudioDevice::ChannelFree(cAudioHandle handle) {
    cVoice* voice = FindVoice(handle);
    if (!voice)
        return false;
    voice->freed = true;
    voice->onLost = nullptr;
    // Nobody can resume a stopped or paused channel any more, nor stop one
    // that repeats (clearing its loop flag does not end the running pass).
    if (VoiceState(*voice) != eChannelState::kPlaying || voice->looping) {
        DropVoice(handle);
    } else {
        m_voicesFreed = true;
    }
    return true;
}

eChannelState cAudioDevice::ChannelIsActive(cAudioHandle handle) const {
    if (const cVoice* voice = FindVoice(handle))
        return VoiceState(*voice);
    return WithStream(handle, eChannelState::kStopped, [](cAudioStream& s) {
        switch (s.state()) {
            case cAudioStream::eState::kPlaying:
                return eChannelState::kPlaying;
            case cAudioStream::eState::kPaused:
                return eChannelState::kPaused;
            default:
                return eChannelState::kStopped;
        }
    });
}

bool cAudioDevice::ChannelSetLoop(cAudioHandle handle, bool loop) {
    if (cVoice* voice = FindVoice(handle)) {
        voice->loop = loop;
        return true;
    }
    return WithStream(handle, false, [loop](cAudioStream& s) {
        s.loop = loop;
        return true;
    });
}

bool cAudioDevice::ChannelGetLoop(cAudioHandle handle, bool* loop) const {
    if (!loop)
        return false;
    if (const cVoice* voice = FindVoice(handle)) {
        *loop = voice->loop;
        return true;
    }
    return WithStream(handle, false, [loop](cAudioStream& s) {
        *loop = s.loop;
        return true;
    });
}

bool cAudioDevice::ChannelSetVolume(cAudioHandle handle, float volume) {
    if (cVoice* voice = FindVoice(handle)) {
        voice->volume.Set(volume);
        ApplyVoiceVolume(*voice);
        return true;
    }
    return WithStream(handle, false, [volume](cAudioStream& s) {
        s.volume.Set(volume);
        return true;
    });
}

bool cAudioDevice::ChannelGetVolume(cAudioHandle handle, float* volume) const {
    if (!volume)
        return false;
    if (const cVoice* voice = FindVoice(handle)) {
        *volume = voice->volume.value();
        return true;
    }
    return WithStream(handle, false, [volume](cAudioStream& s) {
        *volume = s.volume.value();
        return true;
    });
}

bool cAudioDevice::ChannelSlideVolume(cAudioHandle handle, float target, uint32_t ms) {
    if (cVoice* voice = FindVoice(handle)) {
        const bool stop = voice->volume.Slide(target, ms);
        ApplyVoiceVolume(*voice);
        if (stop)
            StopVoice(*voice);
        return true;
    }
    return WithStream(handle, false, [target, ms](cAudioStream& s) {
        if (s.volume.Slide(target, ms))
            s.Stop();
        return true;
    });
}

bool cAudioDevice::ChannelIsSliding(cAudioHandle handle) const {
    if (const cVoice* voice = FindVoice(handle))
        return voice->volume.sliding();
    return WithStream(handle, false, [](cAudioStream& s) { return s.volume.sliding(); });
}

double cAudioDevice::ChannelGetPosition(cAudioHandle handle) const {
    if (const cVoice* voice = FindVoice(handle)) {
        return static_cast<double>(VoicePosition(*voice)) / kAudioRate;
    }
    return WithStream(handle, 0.0, [](cAudioStream& s) {
        return static_cast<double>(s.playedFrames()) / kAudioRate;
    });
}

}  // namespace qor
