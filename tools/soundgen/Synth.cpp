#include "tools/soundgen/Synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

double MidiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

namespace {

double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

}  // namespace

float Osc::Next(double hz) {
    const double dt = hz / kRate;
    double value = 0;
    switch (m_wave) {
        case Wave::kSine:
            value = std::sin(2 * M_PI * m_phase);
            break;
        case Wave::kTriangle:
            value = 1.0 - 4.0 * std::fabs(m_phase - 0.5);
            break;
        case Wave::kSaw:
            value = 2.0 * m_phase - 1.0 - PolyBlep(m_phase, dt);
            break;
        case Wave::kSquare: {
            value = m_phase < 0.5 ? 1.0 : -1.0;
            value += PolyBlep(m_phase, dt);
            value -= PolyBlep(std::fmod(m_phase + 0.5, 1.0), dt);
            break;
        }
    }
    m_phase += dt;
    if (m_phase >= 1.0)
        m_phase -= std::floor(m_phase);
    return static_cast<float>(value);
}

double Adsr::Level(double t, double gate) const {
    auto held = [&](double u) {
        if (u < attack)
            return u / attack;
        u -= attack;
        if (u < decay)
            return 1.0 - (1.0 - sustain) * (u / decay);
        return sustain;
    };
    if (t < 0)
        return 0;
    if (t < gate)
        return held(t);
    const double from = held(gate);
    const double r = (t - gate) / std::max(release, 1e-4);
    return r >= 1 ? 0 : from * (1 - r) * (1 - r);
}

Biquad Biquad::LowPass(double hz, double q) {
    Biquad f;
    f.SetLowPass(hz, q);
    return f;
}

void Biquad::SetLowPass(double hz, double q) {
    hz = std::clamp(hz, 10.0, kRate * 0.45);
    const double w = 2 * M_PI * hz / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    const double a0 = 1 + alpha;
    b0 = (1 - c) / 2 / a0;
    b1 = (1 - c) / a0;
    b2 = (1 - c) / 2 / a0;
    a1 = -2 * c / a0;
    a2 = (1 - alpha) / a0;
}

Biquad Biquad::HighPass(double hz, double q) {
    Biquad f;
    hz = std::clamp(hz, 10.0, kRate * 0.45);
    const double w = 2 * M_PI * hz / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    const double a0 = 1 + alpha;
    f.b0 = (1 + c) / 2 / a0;
    f.b1 = -(1 + c) / a0;
    f.b2 = (1 + c) / 2 / a0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::BandPass(double hz, double q) {
    Biquad f;
    f.SetBandPass(hz, q);
    return f;
}

void Biquad::SetBandPass(double hz, double q) {
    hz = std::clamp(hz, 10.0, kRate * 0.45);
    const double w = 2 * M_PI * hz / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    const double a0 = 1 + alpha;
    b0 = alpha / a0;
    b1 = 0;
    b2 = -alpha / a0;
    a1 = -2 * c / a0;
    a2 = (1 - alpha) / a0;
}

float Biquad::Process(float x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return static_cast<float>(y);
}

OnePoleLowPass::OnePoleLowPass(double hz) : m_a(1.0 - std::exp(-2 * M_PI * hz / kRate)) {}

float OnePoleLowPass::Process(float x) {
    m_y += m_a * (x - m_y);
    return static_cast<float>(m_y);
}

Buffer Pluck(double hz, double seconds, double brightness, double decay, uint32_t seed) {
    const int n = Samples(seconds);
    const int period = std::max(2, static_cast<int>(kRate / hz + 0.5));
    std::vector<double> line(period);
    Noise noise(seed);
    OnePoleLowPass shape(200 + brightness * 8000);
    for (int i = 0; i < period; ++i)
        line[i] = shape.Process(noise.Next());
    // remove the excitation's DC so the string does not thump
    double mean = 0;
    for (double v : line)
        mean += v;
    mean /= period;
    for (double& v : line)
        v -= mean;
    Buffer out(n);
    int index = 0;
    double previous = 0;
    for (int i = 0; i < n; ++i) {
        const double current = line[index];
        const double averaged = decay * (0.5 * (current + previous));
        previous = current;
        line[index] = averaged;
        out[i] = static_cast<float>(current);
        index = (index + 1) % period;
    }
    return out;
}

Buffer FmTone(double hz, double seconds, double ratio, double index, double indexDecay,
              double ampDecay, double attack) {
    const int n = Samples(seconds);
    Buffer out(n);
    double carrier = 0, modulator = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double env = std::min(1.0, t / attack) * std::exp(-t / ampDecay);
        const double idx = index * std::exp(-t / indexDecay);
        const double mod = std::sin(2 * M_PI * modulator) * idx;
        out[i] = static_cast<float>(std::sin(2 * M_PI * carrier + mod) * env);
        carrier += hz / kRate;
        modulator += hz * ratio / kRate;
        carrier -= std::floor(carrier);
        modulator -= std::floor(modulator);
    }
    return out;
}

Buffer Reverb(const Buffer& dry, double roomSize, double damping, double tailSeconds) {
    static const int kCombs[4] = {1557, 1617, 1491, 1422};
    static const int kAllpasses[2] = {556, 441};
    const int n = static_cast<int>(dry.size()) + Samples(tailSeconds);
    Buffer wet(n, 0.0f);
    for (int c = 0; c < 4; ++c) {
        std::vector<double> line(kCombs[c], 0.0);
        double filter = 0;
        int index = 0;
        for (int i = 0; i < n; ++i) {
            const double in = i < static_cast<int>(dry.size()) ? dry[i] : 0.0;
            const double out = line[index];
            filter = out * (1 - damping) + filter * damping;
            line[index] = in + filter * roomSize;
            index = (index + 1) % kCombs[c];
            wet[i] += static_cast<float>(out * 0.25);
        }
    }
    for (int a = 0; a < 2; ++a) {
        std::vector<double> line(kAllpasses[a], 0.0);
        int index = 0;
        for (int i = 0; i < n; ++i) {
            const double buffered = line[index];
            const double in = wet[i];
            line[index] = in + buffered * 0.5;
            wet[i] = static_cast<float>(buffered - in);
            index = (index + 1) % kAllpasses[a];
        }
    }
    return wet;
}

void MixInto(Buffer& target, const Buffer& source, int at, float gain) {
    if (at < 0)
        return;
    if (target.size() < source.size() + at)
        target.resize(source.size() + at, 0.0f);
    for (size_t i = 0; i < source.size(); ++i)
        target[at + i] += source[i] * gain;
}

void Normalize(Buffer& buffer, float peak) {
    float max = 0;
    for (float v : buffer)
        max = std::max(max, std::fabs(v));
    if (max <= 1e-9f)
        return;
    const float scale = peak / max;
    for (float& v : buffer)
        v *= scale;
}

void Finish(Buffer& buffer, float peak, double fadeIn, double fadeOut) {
    // gentle DC blocker
    double x1 = 0, y1 = 0;
    for (float& v : buffer) {
        const double y = v - x1 + 0.9995 * y1;
        x1 = v;
        y1 = y;
        v = static_cast<float>(y);
    }
    const int in = std::min<int>(Samples(fadeIn), static_cast<int>(buffer.size()));
    for (int i = 0; i < in; ++i)
        buffer[i] *= static_cast<float>(i) / in;
    const int out = std::min<int>(Samples(fadeOut), static_cast<int>(buffer.size()));
    for (int i = 0; i < out; ++i) {
        buffer[buffer.size() - 1 - i] *= static_cast<float>(i) / out;
    }
    Normalize(buffer, peak);
}

}  // namespace synth
