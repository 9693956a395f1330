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
    if (!manager || static_cast<size_t>(index) >= manager->soundBuffers.size())
        return;
    const cSoundManager::cSoundBuffer& buffer = *manager->soundBuffers[static_cast<size_t>(index)];
    channel = manager->device().SampleGetChannel(buffer.sample);
    if (channel == 0) {
        LogEntry(kLogWarning, kSender, u"Init: BASS_SampleGetChannel '%s'", buffer.name);
    }
}

cSound::~cSound() {
    if (!channel || !g_soundManager)
        return;
    bool loop = false;
    if (g_soundManager->device().ChannelGetLoop(channel, &loop) && loop) {
        g_soundManager->device().ChannelStop(channel);
    }
}

bool cSound::Play() {
    if (channel && g_soundManager)
        return g_soundManager->device().ChannelPlay(channel, false);
    if (!channel && !reported) {
        LogEntry(kLogWarning, kSender, u"Play: invalid sound (id = %i)", bufferIndex);
        reported = true;
    }
    return false;
}

bool cSound::SetLoop(bool loop) {
    return channel && g_soundManager && g_soundManager->device().ChannelSetLoop(channel, loop);
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
