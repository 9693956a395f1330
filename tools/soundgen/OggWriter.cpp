#include "tools/soundgen/OggWriter.h"

#include <vorbis/vorbisenc.h>
#include <algorithm>

#include "tools/common/Utf16Text.h"

namespace synth {

namespace {

void Append(std::string& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header), page.header_len);
    out.append(reinterpret_cast<const char*>(page.body), page.body_len);
}

}  // namespace

bool WriteOgg(const std::string& path, const Buffer& samples, float quality, uint32_t serial,
              std::string* error) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, kRate, quality) != 0) {
        vorbis_info_clear(&info);
        *error = "vorbis_encode_init_vbr failed";
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "bm_soundgen");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, static_cast<int>(serial & 0x7FFFFFFF));

    std::string out;
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0)
        Append(out, page);

    const size_t kChunk = 4096;
    size_t position = 0;
    bool done = false;
    while (!done) {
        const size_t count = std::min(kChunk, samples.size() - position);
        if (count == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            for (size_t i = 0; i < count; ++i) {
                buffer[0][i] = std::clamp(samples[position + i], -1.0f, 1.0f);
            }
            vorbis_analysis_wrote(&dsp, static_cast<int>(count));
            position += count;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    Append(out, page);
                    if (ogg_page_eos(&page))
                        done = true;
                }
            }
        }
        if (count == 0)
            done = true;
    }
    while (ogg_stream_flush(&stream, &page) != 0)
        Append(out, page);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return datakit::WriteBinaryFile(path, out, error);
}

}  // namespace synth
