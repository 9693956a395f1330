#include "engine/AudioStream.h"

namespace qor {

std::unique_ptr<cAudioStream> cAudioStream::Open(std::shared_ptr<const std::vector<uint8_t>> memory,
                                                 std::string* error) {
    if (!memory || memory->empty()) {
        if (error)
            *error = "no data";
        return nullptr;
    }
    std::unique_ptr<cAudioStream> stream(new cAudioStream());
    stream->m_memory = std::move(memory);
    if (!stream->m_decoder.Open(stream->m_memory->data(), stream->m_memory->size(), error)) {
        return nullptr;
    }
    return stream;
}

bool cAudioStream::Play(bool restart) {
    if (restart || (m_state == eState::kStopped && m_atEnd)) {
        if (!m_decoder.Rewind())
            return false;
        m_atEnd = false;
        m_playedFrames = 0;
    }
    m_state = eState::kPlaying;
    return true;
}

bool cAudioStream::Pause() {
    if (m_state != eState::kPlaying)
        return false;
    m_state = eState::kPaused;
    return true;
}

void cAudioStream::Stop() {
    m_state = eState::kStopped;
}

void cAudioStream::MixInto(float* out, int frames, float gain) {
    if (m_state != eState::kPlaying || frames <= 0)
        return;
    m_block.resize(static_cast<size_t>(frames) * 2);
    int got = m_decoder.Read(m_block.data(), frames);
    while (got < frames && loop) {
        // A pass that yields nothing would spin here for ever.
        if (!m_decoder.Rewind())
            break;
        const int n = m_decoder.Read(m_block.data() + static_cast<size_t>(got) * 2, frames - got);
        if (n <= 0)
            break;
        got += n;
    }
    if (got < frames) {
        m_state = eState::kStopped;
        m_atEnd = true;
    }
    const float target = volume.value() * gain;
    const float start = m_appliedGain;
    for (int i = 0; i < got; ++i) {
        const float g =
            start + (target - start) * static_cast<float>(i + 1) / static_cast<float>(got);
        out[i * 2] += m_block[static_cast<size_t>(i) * 2] * g;
        out[i * 2 + 1] += m_block[static_cast<size_t>(i) * 2 + 1] * g;
    }
    m_appliedGain = target;
    m_playedFrames += static_cast<uint64_t>(got);
}

}  // namespace qor
