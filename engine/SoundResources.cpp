#include "engine/SoundResources.h"

#include <algorithm>

#include "engine/FileSystem.h"
#include "engine/Log.h"
#include "engine/SoundManager.h"
#include "engine/Strings.h"

namespace qor {

namespace {

constexpr std::u16string_view kSender = u"cDataManager";

// 2 and 3 as the whole-file read gives them; nothing else reaches the caller.
int ReadSoundFile(const cPath& path, std::vector<uint8_t>* bytes) {
    const int rc = ReadWholeFile(path, bytes);
    if (rc == 0 || rc == 2)
        return rc;
    return 3;
}

// The open output, or null: without one nothing can load, and Init has said
// so once already.
cAudioDevice* OpenDevice() {
    return g_soundManager && g_soundManager->device().IsOpen() ? &g_soundManager->device()
                                                               : nullptr;
}

}  // namespace

int SampleChannelBudget(int requested) {
    if (requested <= 0)
        return 1;
    return std::min(requested, cAudioDevice::kMaxSampleChannels);
}

int ReadSoundBuffer(cSampleRecord* sample, const cPath& path) {
    if (!sample)
        return 4;
    std::vector<uint8_t> bytes;
    const int rc = ReadSoundFile(path, &bytes);
    if (rc != 0)
        return rc;
    const int channels = SampleChannelBudget(sample->maxChannels);
    cAudioDevice* device = OpenDevice();
    if (!device)
        return 4;
    const cAudioHandle handle = device->SampleLoad(bytes.data(), bytes.size(), channels);
    if (!handle) {
        LogEntry(kLogWarning, kSender, u"ReadSoundBuffer: BASS_SampleLoad %s", path.full);
        LogEntry(kLogText, kSender, u"  %s", FromUtf8(device->error()));
        return 4;
    }
    sample->sample = handle;
    return 0;
}

int ReadStreamBuffer(cStreamRecord* stream, const cPath& path) {
    if (!stream)
        return 4;
    auto bytes = std::make_shared<std::vector<uint8_t>>();
    const int rc = ReadSoundFile(path, bytes.get());
    if (rc != 0)
        return rc;
    cAudioDevice* device = OpenDevice();
    if (!device)
        return 4;
    const cAudioHandle handle = device->StreamCreate(bytes);
    if (!handle) {
        LogEntry(kLogWarning, kSender, u"ReadStreamBuffer: %s", path.full);
        LogEntry(kLogText, kSender, u"  %s", FromUtf8(device->error()));
        return 4;
    }
    stream->stream = handle;
    stream->memory = std::move(bytes);
    return 0;
}

}  // namespace qor
