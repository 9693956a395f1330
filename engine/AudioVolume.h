#pragma once
// The volume of one playing channel, set at once or slid over time. Slides are
// stepped by the game's own clock (cAudioDevice::Update), never by the wall
// clock, so that pausing all output while the window is inactive also holds
// every fade where it is.
#include <algorithm>
#include <cstdint>

namespace qor {

class cChannelVolume {
  public:
    // A slide to this target fades out and then stops the channel.
    static constexpr float kFadeOutAndStop = -1.0f;

    float value() const { return m_value; }
    bool sliding() const { return m_remaining > 0.0f; }
    float target() const { return m_target; }

    // Sets the volume now, and it holds: a slide to a level under way ends
    // here. A fade-out goes on from the new value and still stops its channel
    // in its remaining time, so that a cross-fade never leaves the old track
    // playing under the new one.
    void Set(float volume) {
        m_value = Clamp(volume);
        if (!m_stopAtEnd)
            m_remaining = 0.0f;
    }

    // Starts a slide to `target` (0..1, or kFadeOutAndStop) over `ms`
    // milliseconds, replacing a slide in progress. Returns true when the
    // channel must stop at once (a fade-out of no length).
    bool Slide(float target, uint32_t ms) {
        m_stopAtEnd = target == kFadeOutAndStop;
        m_target = m_stopAtEnd ? 0.0f : Clamp(target);
        m_remaining = static_cast<float>(ms) / 1000.0f;
        if (m_remaining > 0.0f)
            return false;
        return Finish();
    }

    // Advances a slide by `seconds`; true when a fade-out just ended and the
    // channel must stop.
    bool Step(float seconds) {
        if (m_remaining <= 0.0f || !(seconds > 0.0f))
            return false;
        if (seconds >= m_remaining)
            return Finish();
        m_value += (m_target - m_value) * (seconds / m_remaining);
        m_remaining -= seconds;
        return false;
    }

  private:
    static float Clamp(float v) { return v > 0.0f ? std::min(v, 1.0f) : 0.0f; }  // NaN gives 0

    bool Finish() {
        m_value = m_target;
        m_remaining = 0.0f;
        const bool stop = m_stopAtEnd;
        m_stopAtEnd = false;
        return stop;
    }

    float m_value = 1.0f;
    float m_target = 0.0f;
    float m_remaining = 0.0f;  // seconds
    bool m_stopAtEnd = false;
};

}  // namespace qor
