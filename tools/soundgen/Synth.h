#pragma once
// A tiny synthesiser for the game's sound effects and music: oscillators,
// envelopes, filters, a plucked string, an FM bell and a small reverb, all on
// mono float buffers. Everything is deterministic (no clocks, no global
// random state), so the same sources always give the same sounds.
#include <cstdint>
#include <vector>

namespace synth {

constexpr int kRate = 44100;
using Buffer = std::vector<float>;

inline int Samples(double seconds) {
    return static_cast<int>(seconds * kRate + 0.5);
}
double MidiToHz(double note);

// Linear congruential noise with its own state.
class Noise {
  public:
    explicit Noise(uint32_t seed) : m_state(seed * 2654435761u + 1) {}
    float Next() {  // -1..1
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<float>(static_cast<int32_t>(m_state) / 2147483648.0);
    }
    double Uniform() { return (Next() + 1.0) * 0.5; }

  private:
    uint32_t m_state;
};

enum class Wave { kSine, kTriangle, kSaw, kSquare };

// Band-limited-enough oscillator (polyBLEP for the saw and square) with a
// frequency that may change every sample.
class Osc {
  public:
    explicit Osc(Wave wave, double phase = 0) : m_wave(wave), m_phase(phase) {}
    float Next(double hz);

  private:
    Wave m_wave;
    double m_phase;
};

// Attack, decay to sustain, release; times in seconds. `gate` is the time the
// note is held; Level(t) is 0 after gate + release.
struct Adsr {
    double attack = 0.005, decay = 0.1, sustain = 0.7, release = 0.1;
    double Level(double t, double gate) const;
};

// RBJ biquad.
class Biquad {
  public:
    static Biquad LowPass(double hz, double q = 0.707);
    static Biquad HighPass(double hz, double q = 0.707);
    static Biquad BandPass(double hz, double q = 1.0);
    float Process(float x);
    // Changing the coefficients keeps the filter's state: sweeps do not click.
    void SetLowPass(double hz, double q = 0.707);
    void SetBandPass(double hz, double q = 1.0);

  private:
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

class OnePoleLowPass {
  public:
    explicit OnePoleLowPass(double hz);
    float Process(float x);

  private:
    double m_a, m_y = 0;
};

// Karplus-Strong plucked string; `brightness` 0..1 shapes the excitation.
Buffer Pluck(double hz, double seconds, double brightness, double decay, uint32_t seed);
// Two-operator FM: a bell or mallet depending on ratio and index.
Buffer FmTone(double hz, double seconds, double ratio, double index, double indexDecay,
              double ampDecay, double attack = 0.002);

// Schroeder reverb: returns the wet signal (same length plus the tail).
Buffer Reverb(const Buffer& dry, double roomSize, double damping, double tailSeconds);

// Mixes `source` into `target` starting at sample `at` with gain; grows target.
void MixInto(Buffer& target, const Buffer& source, int at, float gain);
// Removes DC, fades the very ends (no clicks), scales the peak to `peak`.
void Finish(Buffer& buffer, float peak, double fadeIn = 0.002, double fadeOut = 0.01);
void Normalize(Buffer& buffer, float peak);

}  // namespace synth
