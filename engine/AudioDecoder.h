#pragma once
// Ogg Vorbis decoding with libvorbisfile from a file's copy in memory. Every
// decoder delivers interleaved stereo float frames at the output rate, so the
// samples and the music streams mix without further conversion.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qor {

// The one rate the output runs at; everything is converted to it.
inline constexpr int kAudioRate = 44100;

class cVorbisDecoder {
  public:
    cVorbisDecoder();
    ~cVorbisDecoder();
    cVorbisDecoder(const cVorbisDecoder&) = delete;
    cVorbisDecoder& operator=(const cVorbisDecoder&) = delete;

    // The data must stay alive and unchanged while the decoder exists. False,
    // with a reason, for anything that is not a playable Ogg Vorbis file.
    bool Open(const uint8_t* data, size_t size, std::string* error);

    // Up to `frames` stereo frames into `out` (2 floats a frame). Fewer only at
    // the end of the data; a decoding error ends the data too.
    int Read(float* out, int frames);

    // Back to the first frame; false when the data cannot be sought.
    bool Rewind();

    // Every frame has been read.
    bool AtEnd() const;

  private:
    struct cState;
    std::unique_ptr<cState> m;
};

// Decodes a whole sample to interleaved stereo 16-bit frames at kAudioRate.
// A sample longer than `maxFrames` is refused: a small hostile file can expand
// to gigabytes of sound.
bool DecodeVorbisSample(const uint8_t* data, size_t size, size_t maxFrames,
                        std::vector<int16_t>* out, std::string* error);

// Float to 16-bit with clipping; NaN (possible from hostile data) is silence.
inline int16_t FloatToS16(float x) {
    if (!(x == x))
        return 0;
    x *= 32767.0f;
    if (x >= 32767.0f)
        return 32767;
    if (x <= -32768.0f)
        return -32768;
    return static_cast<int16_t>(x);
}

}  // namespace qor
