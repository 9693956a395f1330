#include "tests/AudioTestOutput.h"

#include <SDL.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace qor::test {

namespace {
constexpr size_t kFrameBytes = 4;  // 16-bit stereo
// What may be put out but not yet be in the file: a stdio buffer of up to two
// output blocks and the block being written.
constexpr size_t kUnseenFrames = 3 * 1024;
}  // namespace

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

cScopedEnv::cScopedEnv(const char* name, const std::string& value) : m_name(name) {
    if (const char* old = std::getenv(name))
        m_old = old;
    setenv(name, value.c_str(), 1);
}

cScopedEnv::~cScopedEnv() {
    if (m_old) {
        setenv(m_name, m_old->c_str(), 1);
    } else {
        unsetenv(m_name);
    }
}

cDiskOutput::cDiskOutput()
    : m_file((m_dir.path() / "mixed.raw").string()),
      m_driver("SDL_AUDIODRIVER", "disk"),
      m_output("SDL_DISKAUDIOFILE", m_file) {}

bool cDiskOutput::InUse() {
    const char* driver = SDL_GetCurrentAudioDriver();
    return driver && std::string(driver) == "disk";
}

size_t cDiskOutput::FileFrames() const {
    std::error_code error;
    const auto size = std::filesystem::file_size(m_file, error);
    return error ? 0 : static_cast<size_t>(size) / kFrameBytes;
}

bool cDiskOutput::WaitForFrames(size_t frames) const {
    const size_t goal = FileFrames() + frames + kUnseenFrames;
    return WaitFor([&] { return FileFrames() >= goal; }, std::chrono::milliseconds(5000));
}

std::vector<int16_t> cDiskOutput::Left() const {
    const std::vector<uint8_t> bytes = ReadBytes(m_file);
    std::vector<int16_t> left(bytes.size() / kFrameBytes);
    for (size_t i = 0; i < left.size(); ++i) {
        left[i] = static_cast<int16_t>(bytes[i * kFrameBytes] | (bytes[i * kFrameBytes + 1] << 8));
    }
    return left;
}

double Rms(const std::vector<int16_t>& samples, size_t begin, size_t end) {
    end = std::min(end, samples.size());
    if (begin >= end)
        return 0.0;
    double sum = 0.0;
    for (size_t i = begin; i < end; ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(end - begin));
}

std::vector<double> WindowLevels(const std::vector<int16_t>& samples, size_t frames) {
    std::vector<double> levels;
    for (size_t start = 0; start + frames <= samples.size(); start += frames)
        levels.push_back(Rms(samples, start, start + frames));
    return levels;
}

std::vector<cSoundSpan> SoundSpans(const std::vector<int16_t>& samples, size_t minSilence) {
    std::vector<cSoundSpan> spans;
    size_t i = 0;
    while (i < samples.size()) {
        while (i < samples.size() && samples[i] == 0)
            ++i;
        if (i == samples.size())
            break;
        cSoundSpan span{i, i};
        size_t zeros = 0;
        for (; i < samples.size() && zeros < minSilence; ++i) {
            zeros = samples[i] == 0 ? zeros + 1 : 0;
            if (samples[i] != 0)
                span.end = i + 1;
        }
        spans.push_back(span);
    }
    return spans;
}

}  // namespace qor::test
