#include "tools/soundgen/Effects.h"

#include "tools/soundgen/EffectVoices.h"

#include <cmath>
#include <functional>
#include <map>

namespace synth {

namespace {

using namespace voices;

Buffer Firework(uint32_t seed, double pitch) {
    Noise rng(seed);
    Buffer out;
    // launch whistle
    Buffer whistle =
        Tone(900 * pitch, 0.55, Wave::kSine, Adsr{0.05, 0.3, 0.6, 0.1}, 0.45, 2200 * pitch);
    MixInto(out, whistle, 0, 0.25f);
    MixInto(out, NoiseBurst(0.55, 3000, 5000, 2, 0.4, seed + 1, 0.05), 0, 0.15f);
    // burst
    Buffer boom = LowNoise(1.2, 900, 0.35, seed + 2, 0.004);
    Buffer thump = Tone(80, 0.6, Wave::kSine, Adsr{0.002, 0.25, 0.0, 0.1}, 0.3, 45);
    MixInto(out, boom, Samples(0.55), 1.0f);
    MixInto(out, thump, Samples(0.55), 0.9f);
    // crackle
    for (int i = 0; i < 26; ++i) {
        const double at = 0.75 + rng.Uniform() * 0.9;
        Buffer crack = NoiseBurst(0.03, 2500 + rng.Uniform() * 3000, 3000, 3, 0.006, seed + 10 + i);
        MixInto(out, crack, Samples(at), static_cast<float>(0.25 + 0.3 * rng.Uniform()));
    }
    return WithReverb(out, 0.8, 0.25, 0.8);
}

Buffer ForestAmbience() {
    const double seconds = 8.0;
    const int n = Samples(seconds);
    Buffer wind(n);
    Noise noise(77);
    Biquad filter = Biquad::LowPass(500, 0.7);
    // Slow swells whose period divides the length, so the loop has no seam.
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double swell =
            0.55 + 0.25 * std::sin(2 * M_PI * t / 4.0) + 0.2 * std::sin(2 * M_PI * t / 8.0 + 1);
        if (i % 64 == 0)
            filter.SetLowPass(350 + 250 * swell, 0.7);
        wind[i] = static_cast<float>(filter.Process(noise.Next()) * swell * 0.6);
    }
    Noise rng(5);
    auto chirp = [&](double at, double base) {
        const int notes = 2 + static_cast<int>(rng.Uniform() * 4);
        for (int k = 0; k < notes; ++k) {
            const double from = base * (1.0 + 0.15 * rng.Uniform());
            Buffer c = Tone(from, 0.09, Wave::kSine, Adsr{0.005, 0.04, 0.5, 0.03}, 0.06,
                            from * (1.25 + 0.3 * rng.Uniform()));
            MixInto(wind, c, Samples(at + k * 0.11), 0.16f);
        }
    };
    const double birds[][2] = {{0.6, 2800}, {1.9, 3400}, {3.1, 2500},
                               {4.4, 3900}, {5.2, 3000}, {6.6, 3600}};
    for (const auto& b : birds)
        chirp(b[0], b[1]);
    // fold anything past the end back to the start so the loop is seamless
    for (size_t i = n; i < wind.size(); ++i)
        wind[i - n] += wind[i];
    wind.resize(n);
    Normalize(wind, 0.5f);
    return wind;
}

using Maker = std::function<Buffer()>;

const std::map<std::string, std::pair<Maker, float>>& Recipes() {
    static const std::map<std::string, std::pair<Maker, float>> recipes = {
        // GUI
        {"click",
         {[] {
              Buffer b = FmTone(1700, 0.06, 1.5, 1.2, 0.01, 0.012);
              MixInto(b, NoiseBurst(0.02, 4000, 4000, 1.5, 0.004, 1), 0, 0.4f);
              return b;
          },
          0.45f}},
        {"typing",
         {[] {
              Buffer b = NoiseBurst(0.04, 2600, 2000, 2.5, 0.006, 2);
              MixInto(b, FmTone(1250, 0.03, 2.0, 0.8, 0.005, 0.007), 0, 0.5f);
              return b;
          },
          0.3f}},
        {"mouse_in",
         {[] {
              return Tone(950, 0.07, Wave::kSine, Adsr{0.004, 0.05, 0.0, 0.01}, 0.05, 1350);
          },
          0.22f}},
        // workers
        {"worker_in",
         {[] {
              return Sequence({{0, Marimba(N(79), 0.3)}, {0.09, Marimba(N(84), 0.4)}});
          },
          0.6f}},
        {"worker_out",
         {[] {
              return Sequence({{0, Marimba(N(84), 0.3)}, {0.09, Marimba(N(79), 0.4)}});
          },
          0.5f}},
        {"worker_joy",
         {[] {
              Buffer v = Voice({N(69), N(73), N(78)}, 0.13, 800, 1300, 3);
              MixInto(v, Sequence({{0.05, Bell(N(88), 0.5, 0.25)}, {0.18, Bell(N(93), 0.6, 0.3)}}),
                      0, 0.25f);
              return v;
          },
          0.6f}},
        {"worker_fear",
         {[] {
              return Voice({N(72), N(70), N(65), N(62)}, 0.12, 650, 1100, 4, 0.15);
          },
          0.8f}},
        // work
        {"build",
         {[] {
              Buffer out;
              for (int i = 0; i < 3; ++i) {
                  Buffer knock = FmTone(260 - i * 12, 0.18, 1.41, 2.5, 0.02, 0.05);
                  MixInto(knock, NoiseBurst(0.08, 900, 700, 2, 0.02, 10 + i), 0, 0.6f);
                  MixInto(out, knock, Samples(i * 0.14), 1.0f);
              }
              return out;
          },
          0.7f}},
        {"bar_tree",
         {[] {
              Buffer b = NoiseBurst(0.3, 750, 500, 3, 0.05, 11);
              MixInto(b, FmTone(190, 0.3, 2.3, 3.0, 0.02, 0.08), 0, 0.7f);
              return b;
          },
          0.7f}},
        {"bar_stone",
         {[] {
              Buffer b = Tone(95, 0.25, Wave::kSine, Adsr{0.002, 0.15, 0.0, 0.05}, 0.15, 50);
              MixInto(b, NoiseBurst(0.15, 1400, 900, 2.5, 0.025, 12), 0, 0.9f);
              MixInto(b,
                      Filtered(NoiseBurst(0.35, 4000, 2500, 1.2, 0.09, 13), Biquad::HighPass(1500)),
                      Samples(0.02), 0.3f);
              return b;
          },
          0.7f}},
        {"take",
         {[] {
              Buffer b = Tone(420, 0.08, Wave::kTriangle, Adsr{0.003, 0.05, 0.3, 0.02}, 0.06, 900);
              MixInto(b, Bell(N(91), 0.35, 0.12), Samples(0.05), 0.4f);
              return b;
          },
          0.5f}},
        {"res_income",
         {[] {
              return Sequence({{0, Bell(N(96), 0.5, 0.18)}, {0.045, Bell(N(100), 0.6, 0.22)}});
          },
          0.45f}},
        {"respawn",
         {[] {
              Buffer out;
              const double notes[] = {84, 88, 91, 96, 100};
              for (int i = 0; i < 5; ++i)
                  MixInto(out, Bell(N(notes[i]), 0.6, 0.25), Samples(i * 0.05), 0.5f);
              MixInto(out, NoiseBurst(0.6, 6000, 9000, 1, 0.25, 14, 0.1), 0, 0.08f);
              return WithReverb(out, 0.75, 0.3, 0.5);
          },
          0.55f}},
        {"counter", {[] { return Marimba(N(84), 0.08, 0.03); }, 0.4f}},
        {"sawmill",
         {[] {
              const double seconds = 1.2;
              Buffer out(Samples(seconds));
              Osc saw(Wave::kSaw);
              Noise noise(15);
              Biquad grit = Biquad::BandPass(3200, 1.5);
              for (size_t i = 0; i < out.size(); ++i) {
                  const double t = double(i) / kRate;
                  const double stroke = 0.55 + 0.45 * std::sin(2 * M_PI * 5 * t);
                  const double fade = std::min(1.0, t / 0.08) * std::min(1.0, (seconds - t) / 0.15);
                  const double v =
                      0.5 * saw.Next(115 + 20 * stroke) + grit.Process(noise.Next()) * 0.8;
                  out[i] = static_cast<float>(v * stroke * fade);
              }
              return Filtered(out, Biquad::LowPass(5000));
          },
          0.45f}},
        {"mill",
         {[] {
              const double seconds = 1.3;
              Buffer out(Samples(seconds));
              Osc creak(Wave::kSaw);
              Noise noise(16);
              Biquad body = Biquad::BandPass(420, 4), rumble = Biquad::LowPass(180);
              for (size_t i = 0; i < out.size(); ++i) {
                  const double t = double(i) / kRate;
                  const double wobble = 70 + 18 * std::sin(2 * M_PI * 1.4 * t);
                  const double fade = std::min(1.0, t / 0.1) * std::min(1.0, (seconds - t) / 0.2);
                  const double c = body.Process(static_cast<float>(creak.Next(wobble))) *
                                   (0.5 + 0.5 * std::sin(2 * M_PI * 2.8 * t));
                  const double r = rumble.Process(noise.Next()) * 2.5;
                  out[i] = static_cast<float>((c + r) * fade);
              }
              return out;
          },
          0.5f}},
        {"goldmill",
         {[] {
              Buffer out = LowNoise(1.0, 200, 0.5, 17, 0.05);
              const double pitches[] = {2350, 2790, 2500};
              for (int i = 0; i < 3; ++i) {
                  MixInto(out, FmTone(pitches[i], 0.4, 2.76, 3.0, 0.03, 0.09),
                          Samples(0.12 + i * 0.23), 0.45f);
              }
              return out;
          },
          0.5f}},
        {"well",
         {[] {
              Buffer out = LowNoise(0.7, 700, 0.18, 18, 0.01);
              const double drips[][2] = {{0.05, 700}, {0.2, 950}, {0.33, 820}, {0.5, 1100}};
              for (const auto& d : drips) {
                  Buffer drip =
                      Tone(d[1], 0.12, Wave::kSine, Adsr{0.002, 0.06, 0.0, 0.03}, 0.05, d[1] * 2.1);
                  MixInto(out, drip, Samples(d[0]), 0.6f);
              }
              return WithReverb(out, 0.7, 0.3, 0.4);
          },
          0.5f}},
        // level flow
        {"start_game",
         {[] {
              Buffer out;
              const double arp[] = {60, 64, 67, 72};
              for (int i = 0; i < 4; ++i)
                  MixInto(out, Brass(N(arp[i]), 0.4, 0.12), Samples(i * 0.12), 0.6f);
              for (double n : {60.0, 64.0, 67.0, 72.0})
                  MixInto(out, Brass(N(n), 1.4, 1.0), Samples(0.5), 0.35f);
              MixInto(out, Marimba(N(84), 0.6), Samples(0.5), 0.3f);
              return WithReverb(out, 0.8, 0.25, 0.8);
          },
          0.75f}},
        {"task_done",
         {[] {
              Buffer out;
              const double notes[] = {79, 83, 86, 91};
              for (int i = 0; i < 4; ++i)
                  MixInto(out, Bell(N(notes[i]), 0.9, 0.35), Samples(i * 0.07), 0.5f);
              return WithReverb(out, 0.75, 0.3, 0.6);
          },
          0.6f}},
        {"build_ready",
         {[] {
              Buffer out;
              const double notes[] = {72, 76, 79, 84};
              for (int i = 0; i < 4; ++i)
                  MixInto(out, Marimba(N(notes[i]), 0.5, 0.2), Samples(i * 0.08), 0.6f);
              for (double n : {72.0, 76.0, 79.0})
                  MixInto(out, Bell(N(n + 12), 0.9, 0.35), Samples(0.32), 0.2f);
              return WithReverb(out, 0.7, 0.25, 0.5);
          },
          0.6f}},
        {"level_success",
         {[] {
              Buffer out;
              const double melody[][3] = {{0, 72, 0.15},   {0.16, 76, 0.15}, {0.32, 79, 0.15},
                                          {0.48, 84, 0.5}, {1.0, 81, 0.15},  {1.16, 84, 0.15},
                                          {1.32, 88, 1.0}};
              for (const auto& m : melody)
                  MixInto(out, Brass(N(m[1]), m[2] + 0.4, m[2]), Samples(m[0]), 0.55f);
              for (double n : {60.0, 64.0, 67.0})
                  MixInto(out, Brass(N(n), 2.0, 1.5, 1500), Samples(1.32), 0.25f);
              for (int i = 0; i < 6; ++i)
                  MixInto(out, Bell(N(96 + (i % 3) * 4), 0.6, 0.25), Samples(1.32 + i * 0.09),
                          0.15f);
              return WithReverb(out, 0.82, 0.3, 1.0);
          },
          0.8f}},
        {"bonus_start",
         {[] {
              Buffer b =
                  Tone(300, 0.55, Wave::kTriangle, Adsr{0.02, 0.3, 0.5, 0.15}, 0.4, 1300, 9, 0.02);
              for (int i = 0; i < 4; ++i)
                  MixInto(b, Bell(N(84 + i * 4), 0.5, 0.2), Samples(0.1 + i * 0.1), 0.3f);
              return WithReverb(b, 0.7, 0.25, 0.4);
          },
          0.55f}},
        {"bonus_stop",
         {[] {
              Buffer b =
                  Tone(1100, 0.6, Wave::kTriangle, Adsr{0.02, 0.3, 0.5, 0.2}, 0.4, 260, 7, 0.02);
              MixInto(b, Bell(N(67), 0.8, 0.3), Samples(0.35), 0.3f);
              return WithReverb(b, 0.7, 0.25, 0.4);
          },
          0.5f}},
        {"hint",
         {[] {
              return WithReverb(
                  Sequence({{0, Bell(N(88), 0.8, 0.3)}, {0.12, Bell(N(93), 0.9, 0.4)}}), 0.75, 0.3,
                  0.6);
          },
          0.45f}},
        {"alarm",
         {[] {
              Buffer out;
              for (int i = 0; i < 3; ++i) {
                  Buffer clang = FmTone(880, 0.6, 1.41, 3.5, 0.15, 0.25);
                  MixInto(clang, FmTone(1320, 0.4, 1.0, 0.5, 0.1, 0.15), 0, 0.3f);
                  MixInto(out, clang, Samples(i * 0.32), 1.0f);
              }
              return WithReverb(out, 0.7, 0.2, 0.5);
          },
          0.6f}},
        {"salute00", {[] { return Firework(100, 1.0); }, 0.7f}},
        {"salute01", {[] { return Firework(200, 1.2); }, 0.7f}},
        {"salute02", {[] { return Firework(300, 0.85); }, 0.7f}},
        // hero and enemies
        {"hero_out0",
         {[] {
              return WithReverb(
                  Sequence({{0, Brass(N(67), 0.4, 0.14)}, {0.16, Brass(N(72), 0.8, 0.5)}}), 0.7,
                  0.2, 0.4);
          },
          0.65f}},
        {"hero_out1",
         {[] {
              return WithReverb(Sequence({{0, Brass(N(72), 0.3, 0.1)},
                                          {0.11, Brass(N(76), 0.3, 0.1)},
                                          {0.22, Brass(N(79), 0.8, 0.45)}}),
                                0.7, 0.2, 0.4);
          },
          0.65f}},
        {"strike",
         {[] {
              Buffer b = NoiseBurst(0.18, 2400, 600, 1.5, 0.08, 19, 0.03);
              Buffer hit = Tone(160, 0.2, Wave::kSine, Adsr{0.002, 0.1, 0.0, 0.05}, 0.08, 90);
              MixInto(hit, NoiseBurst(0.1, 1200, 800, 2, 0.02, 20), 0, 0.7f);
              MixInto(b, hit, Samples(0.12), 1.0f);
              return b;
          },
          0.65f}},
        {"shot",
         {[] {
              Buffer b = Tone(130, 0.2, Wave::kSine, Adsr{0.002, 0.12, 0.0, 0.05}, 0.1, 55);
              MixInto(b, NoiseBurst(0.35, 900, 3200, 1.5, 0.15, 21, 0.02), Samples(0.03), 0.5f);
              return b;
          },
          0.6f}},
        {"explosion",
         {[] {
              Buffer b = LowNoise(1.3, 700, 0.35, 22, 0.003);
              MixInto(b, Tone(70, 0.8, Wave::kSine, Adsr{0.002, 0.4, 0.0, 0.1}, 0.4, 35), 0, 0.9f);
              MixInto(b, Filtered(NoiseBurst(0.6, 3000, 1500, 1, 0.12, 23), Biquad::HighPass(1200)),
                      0, 0.3f);
              return WithReverb(b, 0.8, 0.2, 0.8);
          },
          0.8f}},
        {"spirit_scream",
         {[] {
              Buffer b =
                  Tone(320, 0.9, Wave::kTriangle, Adsr{0.1, 0.3, 0.8, 0.3}, 0.6, 720, 7, 0.03);
              MixInto(b,
                      Filtered(NoiseBurst(0.9, 900, 1800, 3, 0.5, 24, 0.1), Biquad::LowPass(3000)),
                      0, 0.25f);
              return WithReverb(b, 0.85, 0.45, 1.0);
          },
          0.5f}},
        {"spirit_death",
         {[] {
              Buffer b = Tone(900, 1.1, Wave::kSine, Adsr{0.05, 0.4, 0.7, 0.4}, 0.7, 240, 6, 0.04);
              MixInto(b,
                      Tone(905, 1.1, Wave::kTriangle, Adsr{0.05, 0.4, 0.5, 0.4}, 0.7, 250, 5, 0.03),
                      0, 0.3f);
              MixInto(b, NoiseBurst(1.0, 1500, 400, 2, 0.5, 25, 0.05), 0, 0.2f);
              return WithReverb(b, 0.85, 0.45, 1.0);
          },
          0.5f}},
        {"bandit_scream0",
         {[] {
              return Voice({N(50), N(47)}, 0.18, 650, 1100, 26, 0.3);
          },
          0.9f}},
        {"bandit_scream1",
         {[] {
              return Voice({N(45), N(43), N(40)}, 0.14, 550, 950, 27, 0.35);
          },
          0.9f}},
        {"ban",
         {[] {
              Buffer b = Filtered(
                  Sequence(
                      {{0, Tone(N(55), 0.16, Wave::kSquare, Adsr{0.005, 0.05, 0.7, 0.04}, 0.12)},
                       {0.15,
                        Tone(N(50), 0.25, Wave::kSquare, Adsr{0.005, 0.05, 0.7, 0.08}, 0.18)}}),
                  Biquad::LowPass(1400));
              return b;
          },
          0.45f}},
        {"ambi_forest", {[] { return ForestAmbience(); }, 0.5f}},
    };
    return recipes;
}

}  // namespace

std::vector<std::string> EffectNames() {
    std::vector<std::string> names;
    for (const auto& [name, recipe] : Recipes())
        names.push_back(name);
    return names;
}

bool MakeEffect(const std::string& name, Buffer* out) {
    const auto it = Recipes().find(name);
    if (it == Recipes().end())
        return false;
    *out = it->second.first();
    if (name == "ambi_forest") {
        Normalize(*out, it->second.second);  // a loop: no fades at its ends
    } else {
        Finish(*out, it->second.second);
    }
    return true;
}

}  // namespace synth
