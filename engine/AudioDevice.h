#pragma once
// The audio output behind the sound manager, over SDL2_mixer: samples played on
// mixer channels with a channel budget per sample, music streams decoded by
// libvorbisfile and mixed by our one music hook, per-channel volumes that can
// slide, two global volumes, and pause of all output.
//
// Everything is addressed by handles, 0 meaning none. A handle is never
// reused, so a handle kept after its sample, stream or channel went away only
// makes the calls fail. Slides advance only in Update(), on the game's clock,
// and not at all while the output is paused.
//
// Only one device can be open in a process (SDL_mixer is process-wide).
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/AudioVolume.h"

namespace qor {

class cAudioStream;

using cAudioHandle = uint32_t;

// What a channel is doing. The values are fixed (2 is left unused): keep them
// when adding a state.
enum class eChannelState : int { kStopped = 0, kPlaying = 1, kPaused = 3 };

class cAudioDevice {
  public:
    // Samples longer than this are refused (about 10 MB of sound each).
    static constexpr size_t kMaxSampleFrames = static_cast<size_t>(60) * 44100;
    // Channel budget of a sample, as the loader clamps it.
    static constexpr int kMaxSampleChannels = 20;

    cAudioDevice();
    ~cAudioDevice();
    cAudioDevice(const cAudioDevice&) = delete;
    cAudioDevice& operator=(const cAudioDevice&) = delete;

    // Opens the output at 44100 Hz, 16-bit stereo. False when there is no
    // device (or another device is open); error() says why.
    bool Init();
    // Frees every sample, channel and stream and closes the output; false when
    // it was not open.
    bool Free();
    bool IsOpen() const { return m_open; }
    const std::string& error() const { return m_error; }

    // Pause and resume of all output: channels, streams and slides hold still.
    void Pause();
    void Start();
    bool IsPaused() const { return m_paused.load(); }

    // Steps every volume slide by `seconds` of the game's clock.
    void Update(float seconds);

    // Global volumes 0..1 (kept when set before Init). The sample volume scales
    // every sample channel, the music volume every stream.
    void SetSampleVolume(float volume);
    void SetMusicVolume(float volume);
    float GetSampleVolume() const { return m_sampleVolume; }
    float GetMusicVolume() const { return m_musicVolume.load(); }

    // --- samples ---
    // An Ogg Vorbis file from memory (the memory may go afterwards), playable
    // on at most `maxChannels` channels at once (clamped to 1..20).
    cAudioHandle SampleLoad(const uint8_t* data, size_t size, int maxChannels);
    bool SampleFree(cAudioHandle sample);
    // A new channel of the sample that belongs to the caller alone until it
    // gives it back with ChannelFree: no two holders ever share a channel.
    // The sample's budget limits how many of its channels play at once, and
    // starting one more takes the place of the one furthest along: that
    // channel stops, its handle dies and `onLost` of its holder is called.
    cAudioHandle SampleGetChannel(cAudioHandle sample, std::function<void()> onLost = {});

    // --- streams ---
    // A music stream playing from `memory`, which the stream shares.
    cAudioHandle StreamCreate(std::shared_ptr<const std::vector<uint8_t>> memory);
    bool StreamFree(cAudioHandle stream);

    // --- channels: sample channels and streams alike ---
    // Starts, or resumes a paused channel. Without `restart` a playing channel
    // goes on undisturbed. While the output is paused a sample channel refuses
    // (the effect is dropped), while a stream is set playing and sounds when
    // the output resumes.
    bool ChannelPlay(cAudioHandle channel, bool restart);
    bool ChannelPause(cAudioHandle channel);
    bool ChannelStop(cAudioHandle channel);
    // Gives a sample channel back. A one-shot that is playing plays to its end
    // (or until its place is taken) and goes then; a repeating one stops at
    // once. Its holder hears no more of it.
    bool ChannelFree(cAudioHandle channel);
    // A channel's own state; pausing all output does not change it.
    eChannelState ChannelIsActive(cAudioHandle channel) const;
    // A sample channel's loop flag takes effect at its next start; a stream's
    // at once.
    bool ChannelSetLoop(cAudioHandle channel, bool loop);
    bool ChannelGetLoop(cAudioHandle channel, bool* loop) const;
    bool ChannelSetVolume(cAudioHandle channel, float volume);
    bool ChannelGetVolume(cAudioHandle channel, float* volume) const;
    // Slides the volume to `target` (0..1, or -1: fade out, then stop) over `ms`.
    bool ChannelSlideVolume(cAudioHandle channel, float target, uint32_t ms);
    bool ChannelIsSliding(cAudioHandle channel) const;
    // Seconds played since the channel last started from its beginning.
    double ChannelGetPosition(cAudioHandle channel) const;

  private:
    struct cSample;
    struct cVoice;

    cAudioHandle NewHandle();
    cVoice* FindVoice(cAudioHandle channel);
    const cVoice* FindVoice(cAudioHandle channel) const;
    // Calls `use` with the music stream of `channel` under the stream lock and
    // returns its result; `none` when the channel is no stream.
    template <class R, class F>
    R WithStream(cAudioHandle channel, R none, F&& use) const;
    cSample* FindSample(cAudioHandle sample);
    bool VoiceOnChannel(const cVoice& voice) const;
    eChannelState VoiceState(const cVoice& voice) const;
    uint64_t VoicePosition(const cVoice& voice) const;
    bool StartVoice(cVoice& voice);
    void StopVoice(cVoice& voice);
    // Frees a place in the sample's budget for `starting`, if it is full.
    void MakeRoom(cAudioHandle sample, cAudioHandle starting);
    // Stops and forgets a voice; its holder, if any, is told.
    void DropVoice(cAudioHandle handle);
    void ForgetFreedVoices();
    void ApplyVoiceVolume(const cVoice& voice);
    void FreeEverything();
    static void MusicHook(void* device, uint8_t* stream, int bytes);
    void MixMusic(uint8_t* stream, int bytes);

    bool m_open = false;
    bool m_voicesFreed = false;  // some freed voice may still be waiting to end
    bool m_sdlAudio = false;
    std::string m_error;
    std::atomic<bool> m_paused{false};
    float m_sampleVolume = 1.0f;
    std::atomic<float> m_musicVolume{1.0f};
    // Frames the output has played while not paused: the clock that tells how
    // far along each sample channel is.
    std::atomic<uint64_t> m_mixedFrames{0};

    std::unordered_map<cAudioHandle, std::unique_ptr<cSample>> m_samples;
    std::unordered_map<cAudioHandle, std::unique_ptr<cVoice>> m_voices;
    std::vector<cAudioHandle> m_channelOwner;  // voice on each mixer channel
    uint64_t m_playSerial = 0;

    // The streams and the hook's buffer belong to the audio thread while it
    // mixes. Never call into SDL_mixer while holding this lock: the hook runs
    // under SDL's audio lock and takes this one.
    mutable std::mutex m_streamLock;
    std::unordered_map<cAudioHandle, std::unique_ptr<cAudioStream>> m_streams;
    std::vector<float> m_mix;
};

}  // namespace qor
