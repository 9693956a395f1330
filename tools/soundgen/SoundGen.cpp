// Synthesises one sound effect or music track of the game into Ogg Vorbis.
//
//   bm_soundgen --effect NAME --out FILE.ogg
//   bm_soundgen --music NAME --out FILE.ogg
//   bm_soundgen --list
#include <cstdio>
#include <string>

#include "tools/soundgen/Effects.h"
#include "tools/soundgen/Music.h"
#include "tools/soundgen/OggWriter.h"

namespace {

// A stream serial number derived from the name: stable across builds.
uint32_t Serial(const std::string& name) {
    uint32_t hash = 2166136261u;
    for (unsigned char c : name)
        hash = (hash ^ c) * 16777619u;
    return hash;
}

}  // namespace

int main(int argc, char** argv) {
    std::string effect, music, out;
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (arg == "--effect") {
            effect = next();
        } else if (arg == "--music") {
            music = next();
        } else if (arg == "--out") {
            out = next();
        } else if (arg == "--list") {
            list = true;
        } else {
            std::fprintf(stderr, "bm_soundgen: unknown argument %s\n", arg.c_str());
            return 2;
        }
    }
    if (list) {
        for (const auto& name : synth::EffectNames())
            std::printf("effect %s\n", name.c_str());
        for (const auto& name : synth::MusicNames())
            std::printf("music %s\n", name.c_str());
        return 0;
    }
    if (out.empty() || effect.empty() == music.empty()) {
        std::fprintf(stderr, "usage: bm_soundgen (--effect NAME | --music NAME) --out FILE.ogg\n");
        return 2;
    }
    synth::Buffer samples;
    const std::string name = effect.empty() ? music : effect;
    const bool made =
        effect.empty() ? synth::MakeMusic(music, &samples) : synth::MakeEffect(effect, &samples);
    if (!made) {
        std::fprintf(stderr, "bm_soundgen: no sound named %s\n", name.c_str());
        return 1;
    }
    std::string error;
    // Music is long: a lower quality keeps the files small; effects are short.
    const float quality = effect.empty() ? 0.3f : 0.4f;
    if (!synth::WriteOgg(out, samples, quality, Serial(name), &error)) {
        std::fprintf(stderr, "bm_soundgen: %s: %s\n", name.c_str(), error.c_str());
        return 1;
    }
    return 0;
}
