#include "engine/SoundManager.h"

#include <algorithm>

#include "engine/Log.h"
#include "engine/Music.h"
#include "engine/Strings.h"

namespace qor {

cSoundManager* g_soundManager = nullptr;

namespace {

constexpr std::u16string_view kSender = u"cSoundManager";

std::unique_ptr<cSoundManager> g_ownedManager;

template <typename Buffers>
int FindByName(const Buffers& buffers, std::u16string_view name) {
    for (size_t i = 0; i < buffers.size(); ++i) {
        if (buffers[i]->name == name)
            return static_cast<int>(i);
    }
    return 0;
}

}  // namespace

cSoundManager::cSoundBuffer::cSoundBuffer(cAudioDevice* device, cAudioHandle sampleHandle,
                                          std::u16string bufferName)
    : sample(sampleHandle), name(std::move(bufferName)), m_device(device) {}

cSoundManager::cSoundBuffer::~cSoundBuffer() {
    if (m_device && sample)
        m_device->SampleFree(sample);
}

cSoundManager::cStreamBuffer::cStreamBuffer(cAudioDevice* device, cAudioHandle streamHandle,
                                            std::u16string bufferName,
                                            std::shared_ptr<const std::vector<uint8_t>> copy)
    : stream(streamHandle),
      name(std::move(bufferName)),
      memory(std::move(copy)),
      m_device(device) {}

cSoundManager::cStreamBuffer::~cStreamBuffer() {
    // The stream goes first: it reads from the memory until then.
    if (m_device && stream)
        m_device->StreamFree(stream);
}

cSoundManager::cSoundManager() = default;

cSoundManager::~cSoundManager() {
    Free();
}

bool cSoundManager::Init() {
    if (soundBuffers.empty())
        soundBuffers.push_back(std::make_unique<cSoundBuffer>(nullptr, 0, u""));
    if (musicBuffers.empty())
        musicBuffers.push_back(std::make_unique<cMusicBuffer>());
    if (streamBuffers.empty()) {
        streamBuffers.push_back(std::make_unique<cStreamBuffer>(nullptr, 0, u"", nullptr));
    }
    if (musics.empty()) {
        cMusic* placeholder = CreateMusic(u"unnamed");
        placeholder->kind = cMusic::kMusicBuffer;
        placeholder->bufferIndex = 0;
    }
    if (!m_device.Init()) {
        LogEntry(kLogWarning, kSender, u"Init: BASS_Init");
        LogEntry(kLogText, kSender, u"  no audio output (%s): the game goes on without sound",
                 FromUtf8(m_device.error()));
        return false;
    }
    paused = false;
    m_device.Start();
    return true;
}

bool cSoundManager::Free() {
    musics.clear();
    musicBuffers.clear();
    soundBuffers.clear();
    streamBuffers.clear();
    m_missingSounds.clear();
    // An output that never opened was reported by Init already.
    if (!m_device.IsOpen())
        return false;
    if (!m_device.Free()) {
        LogEntry(kLogWarning, kSender, u"Free: BASS_Free");
        return false;
    }
    return true;
}

void cSoundManager::SetVolume(int kind, float volume) {
    if (!(volume >= 0.0f && volume <= 1.0f)) {
        LogEntry(kLogWarning, kSender, u"SetVolume: volume invalid");
        return;
    }
    // Stored in steps of 1/10000, truncated, as the settings read it back.
    const float stored = static_cast<float>(static_cast<int>(volume * 10000.0f)) / 10000.0f;
    if (kind == kVolumeSounds) {
        m_device.SetSampleVolume(stored);
    } else if (kind == kVolumeMusic) {
        // The mix scales every track by this, playing ones at once; setting it
        // as the tracks' own volume too would square it (0.5 heard as 0.25)
        // and a fade-in under way would end at the old setting.
        m_device.SetMusicVolume(stored);
    }
}

float cSoundManager::GetVolume(int kind) const {
    if (kind == kVolumeSounds)
        return m_device.GetSampleVolume();
    if (kind == kVolumeMusic)
        return m_device.GetMusicVolume();
    return 0.0f;
}

void cSoundManager::PauseOutput() {
    paused = true;
    m_device.Pause();
}

void cSoundManager::ResumeOutput() {
    paused = false;
    m_device.Start();
}

void cSoundManager::Update(float seconds) {
    m_device.Update(seconds);
}

int cSoundManager::FindSoundBuffer(std::u16string_view name) const {
    return FindByName(soundBuffers, name);
}

int cSoundManager::FindMusicBuffer(std::u16string_view name) const {
    return FindByName(musicBuffers, name);
}

int cSoundManager::FindStreamBuffer(std::u16string_view name) const {
    return FindByName(streamBuffers, name);
}

cMusic* cSoundManager::FindMusic(std::u16string_view name) const {
    if (musics.empty())
        return nullptr;
    return musics[static_cast<size_t>(FindByName(musics, name))].get();
}

int cSoundManager::AddSoundBuffer(std::u16string name, cAudioHandle sample) {
    soundBuffers.push_back(std::make_unique<cSoundBuffer>(&m_device, sample, std::move(name)));
    return static_cast<int>(soundBuffers.size()) - 1;
}

int cSoundManager::AddStreamBuffer(std::u16string name, cAudioHandle stream,
                                   std::shared_ptr<const std::vector<uint8_t>> memory) {
    streamBuffers.push_back(
        std::make_unique<cStreamBuffer>(&m_device, stream, std::move(name), std::move(memory)));
    return static_cast<int>(streamBuffers.size()) - 1;
}

cMusic* cSoundManager::CreateMusic(std::u16string name) {
    musics.push_back(std::unique_ptr<cMusic>(new cMusic(this, std::move(name))));
    return musics.back().get();
}

bool cSoundManager::NoteMissingSound(std::u16string_view name) {
    if (std::find(m_missingSounds.begin(), m_missingSounds.end(), name) != m_missingSounds.end()) {
        return false;
    }
    m_missingSounds.emplace_back(name);
    return true;
}

bool CreateSoundManager() {
    constexpr std::u16string_view kCreate = u"CreateSoundManager";
    if (g_soundManager) {
        LogEntry(kLogWarning, kCreate, u"Manager already exists");
        return false;
    }
    g_ownedManager = std::make_unique<cSoundManager>();
    g_soundManager = g_ownedManager.get();
    // Without output the manager stays: lookups and sounds work, silently.
    if (!g_soundManager->Init()) {
        LogEntry(kLogWarning, kCreate, u"Init");
        return false;
    }
    LogEntry(kLogText, kCreate, u"Ok");
    return true;
}

bool DestroySoundManager() {
    constexpr std::u16string_view kDestroy = u"DestroySoundManager";
    if (!g_soundManager) {
        LogEntry(kLogWarning, kDestroy, u"Manager does not exist");
        return false;
    }
    g_ownedManager.reset();
    g_soundManager = nullptr;
    LogEntry(kLogText, kDestroy, u"Ok");
    return true;
}

}  // namespace qor
