// Feeds arbitrary bytes to the sound loaders: the whole-sample decoder and the
// music stream with its loop. They must refuse or play what they can, never
// crash, read out of bounds, spin for ever or allocate without bound.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/AudioDecoder.h"
#include "engine/AudioStream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr size_t kMaxFrames = 4 * qor::kAudioRate;
    std::vector<int16_t> pcm;
    std::string error;
    if (qor::DecodeVorbisSample(data, size, kMaxFrames, &pcm, &error)) {
        if (pcm.empty() || pcm.size() % 2 != 0 || pcm.size() / 2 > kMaxFrames)
            __builtin_trap();
    } else if (error.empty() || !pcm.empty()) {
        __builtin_trap();
    }

    auto memory = std::make_shared<std::vector<uint8_t>>(data, data + size);
    std::unique_ptr<qor::cAudioStream> stream = qor::cAudioStream::Open(memory, &error);
    if (!stream)
        return 0;
    stream->loop = true;
    stream->Play(false);
    std::vector<float> out(2 * 1024);
    // A few mixing rounds, looping over the end of short data.
    for (int round = 0; round < 64 && stream->state() == qor::cAudioStream::eState::kPlaying;
         ++round) {
        stream->MixInto(out.data(), 1024, 1.0f);
    }
    return 0;
}
