#include "tools/soundgen/Music.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "tools/soundgen/Instruments.h"

namespace synth {

namespace {

namespace ins = instrument;

enum class Style { kWaltz, kPop, kPastoral, kAdventure };

// One song: a key, a pulse, two eight-bar chord progressions (A and B) and a
// melody for each. Melody bars are written as "step/beats" tokens where the
// step counts scale degrees above the bar's chord root (0 root, 2 third,
// 4 fifth, 7 octave) and "r/beats" is a rest; the melody follows the chords
// diatonically, so it always fits the harmony.
struct Song {
    const char* name;
    Style style;
    double bpm;  // beats per minute (eighth notes for the 6/8 pastoral)
    int beatsPerBar;
    int root;  // MIDI note of the key's tonic in the melody octave
    std::vector<int> scale;
    std::vector<int> chordsA, chordsB;
    std::vector<const char*> melodyA, melodyB;
};

const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kMinor = {0, 2, 3, 5, 7, 8, 10};

const std::vector<Song>& Songs() {
    static const std::vector<Song> songs = {
        {"music0",
         Style::kWaltz,
         92,
         3,
         65,
         kMajor,
         {0, 5, 3, 4, 0, 5, 4, 0},
         {3, 4, 2, 5, 3, 4, 1, 4},
         {"4/2 2/1", "2/1 4/1 7/1", "4/2 2/1", "6/1 4/1 2/1", "4/2 7/1", "6/1 4/1 2/1",
          "3/1 2/1 1/1", "0/3"},
         {"2/1 4/1 5/1", "4/2 2/1", "4/1 2/1 0/1", "2/3", "4/1 5/1 7/1", "6/2 4/1", "4/1 2/1 1/1",
          "2/2 r/1"}},
        {"music1",
         Style::kPop,
         116,
         4,
         67,
         kMajor,
         {0, 4, 5, 3, 0, 4, 3, 0},
         {5, 3, 0, 4, 5, 3, 1, 4},
         {"4/1 4/0.5 5/0.5 4/1 2/1", "2/1.5 1/0.5 0/1 2/1", "4/1 2/0.5 4/0.5 7/2", "6/1 4/1 2/2",
          "4/1 4/0.5 5/0.5 4/1 7/1", "6/1.5 4/0.5 2/2", "2/1 4/1 5/1 4/1", "0/3 r/1"},
         {"0/1 2/1 4/1 2/1", "4/2 2/1 0/1", "2/1 4/1 7/2", "6/2 4/2", "0/0.5 2/0.5 4/1 5/1 4/1",
          "4/1 2/1 4/2", "4/1 2/1 1/1 0/1", "1/2 r/2"}},
        {"music2",
         Style::kPastoral,
         210,
         6,
         62,
         kMajor,
         {0, 3, 0, 4, 0, 3, 4, 0},
         {3, 0, 3, 4, 5, 3, 1, 4},
         {"2/2 4/1 7/2 4/1", "2/3 0/2 2/1", "4/2 2/1 4/2 5/1", "4/4 2/2", "2/2 4/1 7/2 8/1",
          "7/3 4/2 2/1", "1/2 2/1 3/2 1/1", "0/6"},
         {"4/2 5/1 4/2 2/1", "4/3 2/3", "2/2 4/1 7/3", "6/3 4/3", "4/2 2/1 0/2 2/1", "4/3 5/3",
          "4/2 2/1 1/2 0/1", "2/4 r/2"}},
        {"music3",
         Style::kAdventure,
         108,
         4,
         69,
         kMinor,
         {0, 6, 5, 6, 0, 6, 5, 4},
         {5, 2, 6, 0, 5, 2, 3, 4},
         {"0/1 2/0.5 4/0.5 7/1.5 4/0.5", "2/2 1/1 0/1", "4/1 2/1 4/1 5/1", "4/3 r/1",
          "0/1 2/0.5 4/0.5 7/1 9/1", "7/1 6/1 4/2", "2/1 4/1 3/1 2/1", "4/1 2/1 1/2"},
         {"4/1.5 2/0.5 4/2", "2/1 4/1 7/2", "6/1.5 4/0.5 2/2", "4/3 r/1", "7/1 6/1 4/1 2/1",
          "4/2 5/1 4/1", "2/1 4/1 5/1 4/1", "4/2 6/2"}},
    };
    return songs;
}

struct Renderer {
    const Song& song;
    Buffer mix;
    double beat;  // seconds
    uint32_t seed = 1;

    explicit Renderer(const Song& s) : song(s), beat(60.0 / s.bpm) {}

    int Pitch(int degree, int octaveBase) const {
        const int n = static_cast<int>(song.scale.size());
        int octave = degree >= 0 ? degree / n : -((-degree + n - 1) / n);
        int index = degree - octave * n;
        return octaveBase + song.scale[index] + 12 * octave;
    }
    std::vector<int> Triad(int chord, int octaveBase) const {
        return {Pitch(chord, octaveBase), Pitch(chord + 2, octaveBase),
                Pitch(chord + 4, octaveBase)};
    }
    void Put(const Buffer& b, double at, float gain) { MixInto(mix, b, Samples(at), gain); }

    void Accompany(int bar, int chord) {
        const double start = bar * song.beatsPerBar * beat;
        const int bassBase = song.root - 24;
        const int chordBase = song.root - 12;
        const auto triad = Triad(chord, chordBase);
        const int bass = Pitch(chord, bassBase);
        switch (song.style) {
            case Style::kWaltz: {
                Put(ins::Bass(MidiToHz(bass), beat * 0.9), start, 0.55f);
                for (int b = 1; b < 3; ++b) {
                    for (int k = 0; k < 3; ++k) {
                        Put(ins::PluckNote(MidiToHz(triad[k] + 12), beat * 0.6, ++seed),
                            start + b * beat + k * 0.012, 0.22f);
                    }
                }
                std::vector<double> pad;
                for (int p : triad)
                    pad.push_back(MidiToHz(p));
                Put(ins::PadChord(pad, song.beatsPerBar * beat * 0.95), start, 0.05f);
                break;
            }
            case Style::kPop: {
                Put(ins::Bass(MidiToHz(bass), beat * 1.4), start, 0.55f);
                Put(ins::Bass(MidiToHz(Pitch(chord + 4, bassBase)), beat * 0.9), start + 2 * beat,
                    0.45f);
                Put(ins::Bass(MidiToHz(bass), beat * 0.45), start + 3.5 * beat, 0.4f);
                const int pattern[8] = {0, 1, 2, 1, 0, 1, 2, 3};
                for (int e = 0; e < 8; ++e) {
                    const int note = pattern[e] < 3 ? triad[pattern[e]] + 12 : triad[0] + 24;
                    Put(ins::MarimbaNote(MidiToHz(note), beat * 0.4), start + e * beat / 2, 0.2f);
                }
                Put(ins::Kick(), start, 0.5f);
                Put(ins::Kick(), start + 2 * beat, 0.45f);
                Put(ins::Brush(++seed), start + beat, 0.18f);
                Put(ins::Brush(++seed), start + 3 * beat, 0.18f);
                for (int e = 0; e < 8; ++e)
                    Put(ins::Shaker(++seed), start + e * beat / 2, e % 2 ? 0.06f : 0.1f);
                break;
            }
            case Style::kPastoral: {
                Put(ins::Bass(MidiToHz(bass), beat * 2.6), start, 0.5f);
                Put(ins::Bass(MidiToHz(Pitch(chord + 4, bassBase)), beat * 2.6), start + 3 * beat,
                    0.42f);
                const int pattern[6] = {0, 1, 2, 3, 2, 1};
                for (int e = 0; e < 6; ++e) {
                    const int note = pattern[e] < 3 ? triad[pattern[e]] + 12 : triad[0] + 24;
                    Put(ins::PluckNote(MidiToHz(note), beat * 1.5, ++seed), start + e * beat,
                        0.24f);
                }
                std::vector<double> pad;
                for (int p : triad)
                    pad.push_back(MidiToHz(p));
                Put(ins::PadChord(pad, song.beatsPerBar * beat * 0.95), start, 0.045f);
                Put(ins::Shaker(++seed), start + 3 * beat, 0.05f);
                break;
            }
            case Style::kAdventure: {
                for (int e = 0; e < 8; ++e) {
                    Put(ins::Bass(MidiToHz(bass), beat * 0.4), start + e * beat / 2,
                        e % 2 ? 0.32f : 0.45f);
                }
                for (int e = 1; e < 8; e += 2) {
                    for (int k = 0; k < 3; ++k) {
                        Put(ins::PluckNote(MidiToHz(triad[k] + 12), beat * 0.3, ++seed),
                            start + e * beat / 2 + k * 0.008, 0.16f);
                    }
                }
                Put(ins::Tom(98), start, 0.5f);
                Put(ins::Tom(110), start + 1.5 * beat, 0.35f);
                Put(ins::Tom(82), start + 2 * beat, 0.45f);
                Put(ins::Brush(++seed), start + 3 * beat, 0.2f);
                std::vector<double> pad;
                for (int p : triad)
                    pad.push_back(MidiToHz(p));
                Put(ins::PadChord(pad, song.beatsPerBar * beat * 0.95), start, 0.04f);
                break;
            }
        }
    }

    enum class Lead { kFlute, kBells, kPluck };

    void Melody(int bar, int chord, const char* line, Lead lead, int octaveShift) {
        const double start = bar * song.beatsPerBar * beat;
        std::istringstream tokens(line);
        std::string token;
        double at = 0;
        while (tokens >> token) {
            const size_t slash = token.find('/');
            const double beats = std::atof(token.c_str() + slash + 1);
            if (token[0] != 'r') {
                int pitch = Pitch(chord + std::atoi(token.c_str()), song.root) + octaveShift;
                while (pitch > song.root + 16 + octaveShift)
                    pitch -= 12;  // keep the line singable
                const double hz = MidiToHz(pitch), length = beats * beat * 0.92;
                const double when = start + at * beat;
                switch (lead) {
                    case Lead::kFlute:
                        Put(ins::Flute(hz, length, ++seed), when, 0.32f);
                        break;
                    case Lead::kBells:
                        Put(ins::BellNote(hz, length), when, 0.2f);
                        Put(ins::MarimbaNote(hz / 2, length), when, 0.16f);
                        break;
                    case Lead::kPluck:
                        Put(ins::PluckNote(hz, length, ++seed), when, 0.38f);
                        break;
                }
            }
            at += beats;
        }
    }
};

}  // namespace

std::vector<std::string> MusicNames() {
    std::vector<std::string> names;
    for (const auto& song : Songs())
        names.push_back(song.name);
    return names;
}

bool MakeMusic(const std::string& name, Buffer* out) {
    const Song* song = nullptr;
    for (const auto& candidate : Songs()) {
        if (name == candidate.name)
            song = &candidate;
    }
    if (!song)
        return false;
    Renderer r(*song);
    using Lead = Renderer::Lead;
    // Form: intro (4 bars), A, A with bells, B, A, outro (4 bars) = 40 bars.
    int bar = 0;
    for (int i = 0; i < 4; ++i)
        r.Accompany(bar++, song->chordsA[i]);
    const Lead leads[3] = {Lead::kFlute, Lead::kBells, Lead::kFlute};
    for (int section = 0; section < 4; ++section) {
        const bool isB = section == 2;
        const auto& chords = isB ? song->chordsB : song->chordsA;
        const auto& melody = isB ? song->melodyB : song->melodyA;
        const Lead lead = section == 1 ? leads[1] : (section == 3 ? Lead::kPluck : leads[0]);
        for (int i = 0; i < 8; ++i) {
            r.Accompany(bar, chords[i]);
            r.Melody(bar, chords[i], melody[i], lead, section == 1 ? 12 : 0);
            if (section == 3)
                r.Melody(bar, chords[i], melody[i], Lead::kFlute, 0);
            ++bar;
        }
    }
    for (int i = 4; i < 8; ++i)
        r.Accompany(bar++, song->chordsA[i]);

    const int length = Samples(bar * song->beatsPerBar * r.beat);
    Buffer wet = Reverb(r.mix, 0.8, 0.4, 2.0);
    Buffer mix = r.mix;
    MixInto(mix, wet, 0, 0.22f);
    // The track loops: whatever rings past the last bar sounds again at the start.
    for (size_t i = length; i < mix.size(); ++i)
        mix[i % length] += mix[i];
    mix.resize(length);
    Normalize(mix, 0.85f);
    *out = std::move(mix);
    return true;
}

}  // namespace synth
