#include "engine/Sound.h"

#include "engine/Log.h"
#include "engine/SoundManager.h"

namespace qor {

namespace {
constexpr std::u16string_view kSender = u"cSound";
}

cSound::cSound(std::u16string_view bufferName) {
    cSoundManager* manager = g_soundManager;
    const int index = manager ? manager->FindSoundBuffer(bufferName) : 0;
    if (index == 0 && !bufferName.empty()) {
        LogEntry(kLogWarning, kSender, u"constructor: sound buffer not found '%s'", bufferName);
        return;
    }
    bufferIndex = index;
    TakeChannel(true);
}

bool cSound::TakeChannel(bool logFailure) {
    cSoundManager* manager = g_soundManager;
    if (!manager || bufferIndex < 0 ||
        static_cast<size_t>(bufferIndex) >= manager->soundBuffers.size()) {
        return false;
    }
    const cSoundManager::cSoundBuffer& buffer =
        *manager->soundBuffers[static_cast<size_t>(bufferIndex)];
    cAudioDevice& device = manager->device();
    // Told when a newer sound takes the channel, or the sample goes.
    channel = device.SampleGetChannel(buffer.sample, [this] { channel = 0; });
    if (channel == 0) {
        if (logFailure)
            LogEntry(kLogWarning, kSender, u"Init: BASS_SampleGetChannel '%s'", buffer.name);
        return false;
    }
    if (loop)
        device.ChannelSetLoop(channel, true);
    return true;
}

cSound::~cSound() {
    if (!channel || !g_soundManager)
        return;
    cAudioDevice& device = g_soundManager->device();
    if (loop)
        device.ChannelStop(channel);
    device.ChannelFree(channel);
}

bool cSound::Play() {
    if (!channel)
        TakeChannel(false);  // the failure is the invalid-play warning below
    if (channel && g_soundManager)
        return g_soundManager->device().ChannelPlay(channel, false);
    if (!channel && !reported) {
        LogEntry(kLogWarning, kSender, u"Play: invalid sound (id = %i)", bufferIndex);
        reported = true;
    }
    return false;
}

bool cSound::SetLoop(bool looping) {
    if (!g_soundManager || (!channel && !TakeChannel(false)))
        return false;
    loop = looping;
    return g_soundManager->device().ChannelSetLoop(channel, looping);
}

bool cSound::IsPlaying() const {
    return channel && g_soundManager &&
           g_soundManager->device().ChannelIsActive(channel) == eChannelState::kPlaying;
}

bool PlayNamedSound(std::u16string_view name) {
    cSoundManager* manager = g_soundManager;
    // Without output nothing can play; Init said so once already.
    if (!manager || !manager->device().IsOpen())
        return false;
    if (manager->FindSoundBuffer(name) == 0 && !manager->NoteMissingSound(name))
        return false;
    cSound sound(name);
    return sound.Play();
}

}  // namespace qor
