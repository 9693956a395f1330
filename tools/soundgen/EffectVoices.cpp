#include "tools/soundgen/EffectVoices.h"

#include <algorithm>
#include <cmath>

namespace synth::voices {

// A note with an envelope; `glideTo` bends the pitch linearly over the note.
Buffer Tone(double hz, double seconds, Wave wave, Adsr env, double gate, double glideTo,
            double vibratoHz, double vibratoDepth) {
    Buffer out(Samples(seconds));
    Osc osc(wave);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        double f = glideTo > 0 ? hz + (glideTo - hz) * std::min(1.0, t / seconds) : hz;
        if (vibratoHz > 0)
            f *= 1.0 + vibratoDepth * std::sin(2 * M_PI * vibratoHz * t);
        out[i] = static_cast<float>(osc.Next(f) * env.Level(t, gate));
    }
    return out;
}

Buffer Filtered(Buffer in, Biquad filter) {
    for (float& v : in)
        v = filter.Process(v);
    return in;
}

// Noise through a band-pass whose centre slides from `hz` to `hzEnd`, with
// an exponential decay.
Buffer NoiseBurst(double seconds, double hz, double hzEnd, double q, double decay, uint32_t seed,
                  double attack) {
    Buffer out(Samples(seconds));
    Noise noise(seed);
    Biquad filter = Biquad::BandPass(hz, q);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        if (i % 64 == 0) {
            const double f = hz * std::pow(hzEnd / hz, std::min(1.0, t / seconds));
            filter.SetBandPass(f, q);
        }
        const double env = std::min(1.0, t / attack) * std::exp(-t / decay);
        out[i] = static_cast<float>(filter.Process(noise.Next()) * env);
    }
    return out;
}

Buffer LowNoise(double seconds, double hz, double decay, uint32_t seed, double attack) {
    Buffer out(Samples(seconds));
    Noise noise(seed);
    Biquad filter = Biquad::LowPass(hz, 0.8);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double env = std::min(1.0, t / attack) * std::exp(-t / decay);
        out[i] = static_cast<float>(filter.Process(noise.Next()) * env);
    }
    return out;
}

Buffer Bell(double hz, double seconds, double decay) {
    Buffer a = FmTone(hz, seconds, 3.5, 2.2, 0.08, decay);
    Buffer b = FmTone(hz * 2.0, seconds, 1.0, 0.0, 1.0, decay * 0.4);
    MixInto(a, b, 0, 0.3f);
    return a;
}

Buffer Marimba(double hz, double seconds, double decay) {
    Buffer a = FmTone(hz, seconds, 4.0, 1.6, 0.015, decay);
    Buffer b = FmTone(hz, seconds, 1.0, 0.0, 1.0, decay * 1.3);
    MixInto(a, b, 0, 0.8f);
    return a;
}

// A soft brass-like voice: a saw through a low-pass that opens with the attack.
Buffer Brass(double hz, double seconds, double gate, double bright) {
    Buffer out(Samples(seconds));
    Osc a(Wave::kSaw), b(Wave::kSaw, 0.3);
    Biquad filter = Biquad::LowPass(bright, 0.9);
    Adsr env{0.03, 0.15, 0.75, 0.18};
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double level = env.Level(t, gate);
        if (i % 32 == 0)
            filter.SetLowPass(300 + bright * std::min(1.0, t / 0.06) * (0.4 + 0.6 * level), 0.9);
        const double vib = 1.0 + 0.004 * std::sin(2 * M_PI * 5.2 * t) * std::min(1.0, t / 0.3);
        const double v = 0.5 * (a.Next(hz * vib) + b.Next(hz * 1.004 * vib));
        out[i] = static_cast<float>(filter.Process(static_cast<float>(v)) * level);
    }
    return out;
}

// A little voice for the villagers: a buzzy source through two formant
// filters, gliding between pitches.
Buffer Voice(const std::vector<double>& pitches, double noteSeconds, double f1, double f2,
             uint32_t seed, double breath) {
    const double seconds = pitches.size() * noteSeconds + 0.1;
    Buffer out(Samples(seconds));
    Osc osc(Wave::kSaw);
    Noise noise(seed);
    Biquad formant1 = Biquad::BandPass(f1, 5), formant2 = Biquad::BandPass(f2, 6);
    double hz = pitches.front();
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const size_t k = std::min(pitches.size() - 1, static_cast<size_t>(t / noteSeconds));
        hz += (pitches[k] - hz) * 0.002;
        const double local = std::fmod(t, noteSeconds);
        const double env =
            (k == pitches.size() - 1 && t > (k + 1) * noteSeconds)
                ? 0
                : std::min(1.0, local / 0.02) * std::min(1.0, (noteSeconds - local) / 0.05);
        const double src =
            osc.Next(hz * (1 + 0.01 * std::sin(2 * M_PI * 6 * t))) + breath * noise.Next();
        const double v = formant1.Process(static_cast<float>(src)) +
                         0.6 * formant2.Process(static_cast<float>(src));
        out[i] = static_cast<float>(v * env);
    }
    return out;
}

Buffer WithReverb(const Buffer& dry, double room, double wet, double tail) {
    Buffer out = dry;
    Buffer reverb = Reverb(dry, room, 0.35, tail);
    MixInto(out, reverb, 0, static_cast<float>(wet));
    return out;
}

double N(double midi) {
    return MidiToHz(midi);
}

Buffer Sequence(const std::vector<std::pair<double, Buffer>>& parts) {
    Buffer out;
    for (const auto& [at, sound] : parts)
        MixInto(out, sound, Samples(at), 1.0f);
    return out;
}

}  // namespace synth::voices
