#include "engine/AudioDecoder.h"

#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace qor {

namespace {

// Rates outside this range are no music we made and would only make the
// resampler allocate oddly.
constexpr long kMinRate = 8000;
constexpr long kMaxRate = 192000;
// Frames asked of libvorbisfile at a time.
constexpr int kDecodeBlock = 1024;
// A run of this many holes in a row ends the data: damaged files must not keep
// the audio thread decoding garbage.
constexpr int kMaxHoles = 64;
constexpr int kFrameBytes = 2 * static_cast<int>(sizeof(float));

struct cMemoryReader {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
};

size_t ReadMemory(void* ptr, size_t size, size_t count, void* source) {
    auto* r = static_cast<cMemoryReader*>(source);
    if (size == 0 || r->pos >= r->size)
        return 0;
    const size_t whole = std::min(count, (r->size - r->pos) / size);
    std::memcpy(ptr, r->data + r->pos, whole * size);
    r->pos += whole * size;
    return whole;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
    auto* r = static_cast<cMemoryReader*>(source);
    ogg_int64_t base = 0;
    switch (whence) {
        case SEEK_SET:
            base = 0;
            break;
        case SEEK_CUR:
            base = static_cast<ogg_int64_t>(r->pos);
            break;
        case SEEK_END:
            base = static_cast<ogg_int64_t>(r->size);
            break;
        default:
            return -1;
    }
    if ((offset < 0 && -offset > base) ||
        (offset > 0 && offset > static_cast<ogg_int64_t>(r->size) - base)) {
        return -1;
    }
    r->pos = static_cast<size_t>(base + offset);
    return 0;
}

long TellMemory(void* source) {
    return static_cast<long>(static_cast<cMemoryReader*>(source)->pos);
}

const char* OpenError(int code) {
    switch (code) {
        case OV_EREAD:
            return "read error";
        case OV_ENOTVORBIS:
            return "not Ogg Vorbis data";
        case OV_EVERSION:
            return "unsupported Vorbis version";
        case OV_EBADHEADER:
            return "bad Vorbis header";
        case OV_EFAULT:
            return "decoder fault";
        default:
            return "not a readable Ogg Vorbis file";
    }
}

bool PlayableInfo(const vorbis_info* info) {
    return info && info->channels >= 1 && info->rate >= kMinRate && info->rate <= kMaxRate;
}

}  // namespace

struct cVorbisDecoder::cState {
    cMemoryReader reader;
    OggVorbis_File file{};
    bool open = false;
    SDL_AudioStream* convert = nullptr;
    long rate = 0;         // source rate the converter was made for
    int link = -1;         // logical stream of a chained file being decoded
    bool drained = false;  // no more source data; the converter was flushed
    int holes = 0;
    std::vector<float> scratch;

    ~cState() {
        if (convert)
            SDL_FreeAudioStream(convert);
        if (open)
            ov_clear(&file);
    }

    bool MakeConverter(long newRate) {
        if (convert && rate == newRate)
            return true;
        // A chained file may change its rate between links; the few frames
        // still inside the old converter are dropped.
        if (convert)
            SDL_FreeAudioStream(convert);
        convert = SDL_NewAudioStream(AUDIO_F32SYS, 2, static_cast<int>(newRate), AUDIO_F32SYS, 2,
                                     kAudioRate);
        rate = convert ? newRate : 0;
        return convert != nullptr;
    }

    // Feeds one block of source frames to the converter; false at the end of
    // the data or on an error that ends it.
    bool DecodeMore() {
        float** pcm = nullptr;
        int current = 0;
        const long n = ov_read_float(&file, &pcm, kDecodeBlock, &current);
        if (n == OV_HOLE)
            return ++holes <= kMaxHoles;
        if (n <= 0)
            return false;
        holes = 0;
        const vorbis_info* info = ov_info(&file, current);
        if (!PlayableInfo(info))
            return false;
        if (current != link || !convert) {
            if (!MakeConverter(info->rate))
                return false;
            link = current;
        }
        const int channels = info->channels;
        scratch.resize(static_cast<size_t>(n) * 2);
        for (long i = 0; i < n; ++i) {
            const float left = pcm[0][i];
            scratch[static_cast<size_t>(i) * 2] = left;
            scratch[static_cast<size_t>(i) * 2 + 1] = channels > 1 ? pcm[1][i] : left;
        }
        return SDL_AudioStreamPut(convert, scratch.data(), static_cast<int>(n) * kFrameBytes) == 0;
    }
};

cVorbisDecoder::cVorbisDecoder() : m(std::make_unique<cState>()) {}
cVorbisDecoder::~cVorbisDecoder() = default;

bool cVorbisDecoder::Open(const uint8_t* data, size_t size, std::string* error) {
    m = std::make_unique<cState>();
    std::string ignored;
    std::string& why = error ? *error : ignored;
    if (!data || size == 0) {
        why = "no data";
        return false;
    }
    m->reader = {data, size, 0};
    const ov_callbacks callbacks = {ReadMemory, SeekMemory, nullptr, TellMemory};
    // With a seek callback libvorbisfile scans the whole file once here, so
    // links and length are known before the first frame plays.
    const int rc = ov_open_callbacks(&m->reader, &m->file, nullptr, 0, callbacks);
    if (rc < 0) {
        why = OpenError(rc);
        return false;
    }
    m->open = true;
    const long links = ov_streams(&m->file);
    for (long i = 0; i < links; ++i) {
        if (!PlayableInfo(ov_info(&m->file, static_cast<int>(i)))) {
            why = "unsupported channel count or sample rate";
            return false;
        }
    }
    const vorbis_info* first = ov_info(&m->file, 0);
    if (!PlayableInfo(first)) {
        why = "unsupported channel count or sample rate";
        return false;
    }
    if (!m->MakeConverter(first->rate)) {
        why = SDL_GetError();
        return false;
    }
    m->link = 0;
    return true;
}

int cVorbisDecoder::Read(float* out, int frames) {
    if (!m->open || !m->convert || frames <= 0)
        return 0;
    int got = 0;
    while (got < frames) {
        const int available = SDL_AudioStreamAvailable(m->convert) / kFrameBytes;
        if (available > 0) {
            const int take = std::min(available, frames - got);
            const int bytes = SDL_AudioStreamGet(m->convert, out + static_cast<size_t>(got) * 2,
                                                 take * kFrameBytes);
            if (bytes <= 0)
                break;
            got += bytes / kFrameBytes;
            continue;
        }
        if (m->drained)
            break;
        if (!m->DecodeMore()) {
            // Let the resampler hand out what it still holds.
            SDL_AudioStreamFlush(m->convert);
            m->drained = true;
        }
    }
    return got;
}

bool cVorbisDecoder::Rewind() {
    if (!m->open || !m->convert)
        return false;
    if (ov_pcm_seek(&m->file, 0) != 0)
        return false;
    SDL_AudioStreamClear(m->convert);
    m->drained = false;
    m->holes = 0;
    return true;
}

bool cVorbisDecoder::AtEnd() const {
    return !m->open || !m->convert ||
           (m->drained && SDL_AudioStreamAvailable(m->convert) < kFrameBytes);
}

bool DecodeVorbisSample(const uint8_t* data, size_t size, size_t maxFrames,
                        std::vector<int16_t>* out, std::string* error) {
    std::string ignored;
    std::string& why = error ? *error : ignored;
    if (!out) {
        why = "no output";
        return false;
    }
    out->clear();
    cVorbisDecoder decoder;
    if (!decoder.Open(data, size, &why))
        return false;
    std::vector<float> block(static_cast<size_t>(kDecodeBlock) * 2);
    for (;;) {
        const int n = decoder.Read(block.data(), kDecodeBlock);
        if (n <= 0)
            break;
        if (out->size() / 2 + static_cast<size_t>(n) > maxFrames) {
            out->clear();
            why = "sound too long";
            return false;
        }
        for (int i = 0; i < n * 2; ++i)
            out->push_back(FloatToS16(block[static_cast<size_t>(i)]));
    }
    if (out->empty()) {
        why = "no sound in the file";
        return false;
    }
    return true;
}

}  // namespace qor
