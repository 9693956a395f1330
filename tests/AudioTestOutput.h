#pragma once
// Hearing what the mixer produced: SDL's disk driver writes every block the
// output mixes to a file, which a test reads back once the output closed.
// Waits poll the real-time output with a generous limit; nothing here asserts
// on time.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/TestUtil.h"

namespace qor::test {

// Polls until `done` holds or `limit` passed (the output runs in real time).
bool WaitFor(const std::function<bool()>& done,
             std::chrono::milliseconds limit = std::chrono::milliseconds(2000));

// Sets an environment variable for one scope and puts the old value back.
class cScopedEnv {
  public:
    cScopedEnv(const char* name, const std::string& value);
    ~cScopedEnv();
    cScopedEnv(const cScopedEnv&) = delete;
    cScopedEnv& operator=(const cScopedEnv&) = delete;

  private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// While alive, an output opened in this process goes to a file of its own.
class cDiskOutput {
  public:
    cDiskOutput();

    // The open output really is the disk driver (audio opened earlier in the
    // same process may still hold another driver).
    static bool InUse();
    // Waits until at least `frames` more frames have been put out after the
    // call: the file grows by that much beyond what stdio may still buffer
    // and the block being mixed. False when the output stalled.
    bool WaitForFrames(size_t frames) const;
    // The left channel of everything put out; complete once the output closed.
    std::vector<int16_t> Left() const;

  private:
    size_t FileFrames() const;

    cTempFolder m_dir;
    std::string m_file;
    cScopedEnv m_driver;
    cScopedEnv m_output;
};

// Root mean square of frames [begin, end) of one channel.
double Rms(const std::vector<int16_t>& samples, size_t begin, size_t end);
// RMS over consecutive windows of `frames` frames.
std::vector<double> WindowLevels(const std::vector<int16_t>& samples, size_t frames);

// A stretch of sound in the output: frames [begin, end).
struct cSoundSpan {
    size_t begin = 0;
    size_t end = 0;
};
// The stretches of sound separated by at least `minSilence` frames of exact
// silence (what the mixer puts out when nothing plays or all is paused).
std::vector<cSoundSpan> SoundSpans(const std::vector<int16_t>& samples, size_t minSilence);

}  // namespace qor::test
