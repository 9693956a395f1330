#pragma once
// Ogg Vorbis files made at test time with libvorbisenc: a sine tone of a given
// length, rate and channel count.
#include <cstdint>
#include <vector>

namespace qor::test {

struct cTone {
    double seconds = 1.0;
    double frequency = 440.0;
    int rate = 44100;
    int channels = 1;
    float amplitude = 0.5f;
};

std::vector<uint8_t> EncodeToneOgg(const cTone& tone);

}  // namespace qor::test
