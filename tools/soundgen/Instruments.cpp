#include "tools/soundgen/Instruments.h"

#include <algorithm>
#include <cmath>

namespace synth::instrument {

Buffer Flute(double hz, double seconds, uint32_t seed) {
    const double release = 0.14;
    Buffer out(Samples(seconds + release));
    Noise noise(seed);
    Biquad breath = Biquad::BandPass(hz * 2, 2.0);
    Adsr env{0.05, 0.2, 0.8, release};
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double vibrato =
            1.0 + 0.006 * std::sin(2 * M_PI * 5.0 * t) * std::clamp((t - 0.15) / 0.3, 0.0, 1.0);
        phase += hz * vibrato / kRate;
        phase -= std::floor(phase);
        const double tone = std::sin(2 * M_PI * phase) + 0.22 * std::sin(4 * M_PI * phase) +
                            0.07 * std::sin(6 * M_PI * phase);
        const double level = env.Level(t, seconds);
        out[i] = static_cast<float>((tone + 0.35 * breath.Process(noise.Next())) * level);
    }
    return out;
}

Buffer PluckNote(double hz, double seconds, uint32_t seed) {
    Buffer out = Pluck(hz, seconds + 0.6, 0.55, 0.996, seed);
    Biquad soft = Biquad::LowPass(3200, 0.7);
    for (float& v : out)
        v = soft.Process(v);
    // damp after the note's length, like a hand on the string
    const int from = Samples(seconds);
    for (size_t i = from; i < out.size(); ++i) {
        out[i] *= static_cast<float>(std::exp(-double(i - from) / (0.12 * kRate)));
    }
    return out;
}

Buffer MarimbaNote(double hz, double seconds) {
    const double length = std::max(0.4, seconds + 0.2);
    Buffer a = FmTone(hz, length, 4.0, 1.4, 0.02, 0.22);
    Buffer b = FmTone(hz, length, 1.0, 0.0, 1.0, 0.3);
    MixInto(a, b, 0, 0.9f);
    return a;
}

Buffer BellNote(double hz, double seconds) {
    Buffer a = FmTone(hz, seconds + 1.0, 3.5, 1.8, 0.1, 0.5);
    Buffer b = FmTone(hz, seconds + 1.0, 1.0, 0.0, 1.0, 0.7);
    MixInto(a, b, 0, 0.7f);
    return a;
}

Buffer PadChord(const std::vector<double>& hz, double seconds) {
    const double release = 0.6;
    Buffer out(Samples(seconds + release));
    Adsr env{0.35, 0.4, 0.8, release};
    for (size_t k = 0; k < hz.size(); ++k) {
        Osc a(Wave::kSaw, 0.1 * k), b(Wave::kSaw, 0.37 + 0.1 * k);
        Biquad filter = Biquad::LowPass(1100, 0.6);
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = double(i) / kRate;
            const double v = 0.5 * (a.Next(hz[k] * 0.997) + b.Next(hz[k] * 1.003));
            out[i] +=
                static_cast<float>(filter.Process(static_cast<float>(v)) * env.Level(t, seconds));
        }
    }
    return out;
}

Buffer Bass(double hz, double seconds) {
    const double release = 0.08;
    Buffer out(Samples(seconds + release));
    Osc tri(Wave::kTriangle), sub(Wave::kSine);
    Biquad filter = Biquad::LowPass(700, 0.7);
    Adsr env{0.01, 0.25, 0.6, release};
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double v = 0.6 * tri.Next(hz) + 0.6 * sub.Next(hz);
        out[i] = static_cast<float>(filter.Process(static_cast<float>(v)) * env.Level(t, seconds));
    }
    return out;
}

Buffer Kick() {
    Buffer out(Samples(0.3));
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double hz = 45 + 80 * std::exp(-t / 0.03);
        phase += hz / kRate;
        out[i] = static_cast<float>(std::sin(2 * M_PI * phase) * std::exp(-t / 0.12) *
                                    std::min(1.0, t / 0.002));
    }
    return out;
}

Buffer Shaker(uint32_t seed) {
    Buffer out(Samples(0.08));
    Noise noise(seed);
    Biquad filter = Biquad::HighPass(6000, 0.7);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        out[i] = static_cast<float>(filter.Process(noise.Next()) * std::min(1.0, t / 0.004) *
                                    std::exp(-t / 0.02));
    }
    return out;
}

Buffer Brush(uint32_t seed) {
    Buffer out(Samples(0.2));
    Noise noise(seed);
    Biquad filter = Biquad::BandPass(2200, 0.8);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        out[i] = static_cast<float>(filter.Process(noise.Next()) * std::min(1.0, t / 0.003) *
                                    std::exp(-t / 0.06));
    }
    return out;
}

Buffer Tom(double hz) {
    Buffer out(Samples(0.4));
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        phase += hz * (1.0 + 0.5 * std::exp(-t / 0.04)) / kRate;
        out[i] = static_cast<float>(std::sin(2 * M_PI * phase) * std::exp(-t / 0.18) *
                                    std::min(1.0, t / 0.002));
    }
    return out;
}

}  // namespace synth::instrument
