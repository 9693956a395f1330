#pragma once
// Sound files into playable resources: a sample (an effect, decoded whole) or
// a music stream (decoded while it plays from the file's copy in memory). The
// loading queue fills these records and hands them to the sound manager.
// Result codes: 0 success, 2 file not opened, 3 file empty, 4 no record given
// or the data could not be used (logged).
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/AudioDevice.h"
#include "engine/Path.h"

namespace qor {

struct cSampleRecord {
    cAudioHandle sample = 0;
    int maxChannels = 1;  // channels that may play it at once
};

struct cStreamRecord {
    cAudioHandle stream = 0;
    std::shared_ptr<const std::vector<uint8_t>> memory;  // what the stream plays from
};

// The channel budget a sample gets for a requested count: 0 (or less) is 1,
// anything above 19 is 20.
int SampleChannelBudget(int requested);

int ReadSoundBuffer(cSampleRecord* sample, const cPath& path);
int ReadStreamBuffer(cStreamRecord* stream, const cPath& path);

}  // namespace qor
