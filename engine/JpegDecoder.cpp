// JPEG through the libjpeg 6b interface, from bytes already in memory. Fatal
// library errors come back by longjmp; each setjmp sits in a small function
// whose frame holds nothing with a destructor.
#include <cstddef>
#include <cstdio>
// jpeglib.h expects size_t and FILE to be declared before it.
#include <jpeglib.h>
// After jpeglib.h, which it builds on.
#include <jerror.h>

#include <csetjmp>
#include <string>
#include <utility>
#include <vector>

#include "engine/Image.h"
#include "engine/ImageDecode.h"
#include "engine/Log.h"
#include "engine/Strings.h"

namespace qor {

namespace {

// A progressive file may declare any number of scans, each costing a pass over
// the whole coefficient buffer; real images use about ten.
constexpr int kMaxScans = 1000;

const JOCTET kFakeEndOfImage[2] = {0xFF, JPEG_EOI};

struct JpegError {
    jpeg_error_mgr pub;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    char warning[JMSG_LENGTH_MAX];
};

struct JpegSession {
    jpeg_decompress_struct cinfo;
    JpegError error;
    jpeg_source_mgr source;
    jpeg_progress_mgr progress;
    const uint8_t* data;
    size_t size;
    bool created;
};

[[noreturn]] void OnJpegError(j_common_ptr cinfo) {
    auto* error = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, error->message);
    longjmp(error->jump, 1);
}

// libjpeg passes on only the first warning (corrupt data, premature end); its
// text is kept and logged once when the image loads anyway.
void OnJpegMessage(j_common_ptr cinfo) {
    auto* error = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, error->warning);
}

void OnJpegProgress(j_common_ptr cinfo) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > kMaxScans) {
        auto* error = reinterpret_cast<JpegError*>(cinfo->err);
        std::snprintf(error->message, sizeof error->message, "More than %d scans", kMaxScans);
        longjmp(error->jump, 1);
    }
}

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

// The whole file is in the buffer from the start, so a refill means the data
// ran out: hand out an end-of-image marker so a truncated file ends cleanly.
boolean FillInputBuffer(j_decompress_ptr cinfo) {
    WARNMS(cinfo, JWRN_JPEG_EOF);
    cinfo->src->next_input_byte = kFakeEndOfImage;
    cinfo->src->bytes_in_buffer = sizeof kFakeEndOfImage;
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count) {
    if (count <= 0) {
        return;
    }
    jpeg_source_mgr* src = cinfo->src;
    if (static_cast<size_t>(count) > src->bytes_in_buffer) {
        // Skipping past the end of the data leaves nothing but the end marker.
        FillInputBuffer(cinfo);
        return;
    }
    src->next_input_byte += count;
    src->bytes_in_buffer -= static_cast<size_t>(count);
}

bool ReadJpegHeader(JpegSession* s) {
    if (setjmp(s->error.jump)) {
        return false;
    }
    jpeg_create_decompress(&s->cinfo);
    s->created = true;
    // Bounds libjpeg's own buffers (progressive coefficients) on top of the
    // size check done before decompression starts.
    s->cinfo.mem->max_memory_to_use = static_cast<long>(2 * kMaxImageBytes);
    s->cinfo.progress = &s->progress;

    s->source.init_source = InitSource;
    s->source.fill_input_buffer = FillInputBuffer;
    s->source.skip_input_data = SkipInputData;
    s->source.resync_to_restart = jpeg_resync_to_restart;
    s->source.term_source = TermSource;
    s->source.next_input_byte = s->data;
    s->source.bytes_in_buffer = s->size;
    s->cinfo.src = &s->source;

    jpeg_read_header(&s->cinfo, TRUE);
    return true;
}

bool StartJpeg(JpegSession* s) {
    if (setjmp(s->error.jump)) {
        return false;
    }
    jpeg_start_decompress(&s->cinfo);
    return true;
}

bool ReadJpegRows(JpegSession* s, uint8_t* pixels, size_t rowBytes) {
    if (setjmp(s->error.jump)) {
        return false;
    }
    while (s->cinfo.output_scanline < s->cinfo.output_height) {
        JSAMPROW row = pixels + size_t{s->cinfo.output_scanline} * rowBytes;
        jpeg_read_scanlines(&s->cinfo, &row, 1);
    }
    jpeg_finish_decompress(&s->cinfo);
    return true;
}

class SessionGuard {
  public:
    explicit SessionGuard(JpegSession* s) : m_s(s) {}
    ~SessionGuard() {
        if (m_s->created) {
            jpeg_destroy_decompress(&m_s->cinfo);
        }
    }

  private:
    JpegSession* m_s;
};

int Fail(const JpegSession& s, const std::u16string& name) {
    LogEntry(kLogWarning, u"Data Manager", u"Internal error in JPEG file: %s", name);
    LogEntry(kLogText, u"Data Manager", u"  %s", FromUtf8(s.error.message));
    return 4;
}

}  // namespace

int DecodeJpeg(cImage* image, const uint8_t* data, size_t size, const std::u16string& name) {
    if (!image) {
        return 4;
    }
    JpegSession s{};
    s.data = data;
    s.size = data ? size : 0;
    s.cinfo.err = jpeg_std_error(&s.error.pub);
    s.error.pub.error_exit = OnJpegError;
    s.error.pub.output_message = OnJpegMessage;
    s.progress.progress_monitor = OnJpegProgress;
    SessionGuard guard(&s);

    if (!ReadJpegHeader(&s)) {
        return Fail(s, name);
    }
    // Measured before decompression starts: that is where libjpeg allocates.
    const int components = s.cinfo.num_components;
    const int estimate = components == 1 ? kImageL8 : components == 2 ? kImageL8A8 : kImageRGBX32;
    if (!CheckDecodedSize(u"JPEG", estimate, s.cinfo.image_width, s.cinfo.image_height, name)) {
        return 3;
    }
    if (!StartJpeg(&s)) {
        return Fail(s, name);
    }

    const int outComponents = s.cinfo.output_components;
    const int formatId = outComponents == 1   ? kImageL8
                         : outComponents == 3 ? kImageRGB24
                                              : kImageNone;
    if (formatId == kImageNone) {
        // CMYK and other layouts have no image format; a format-0 image could
        // never become a texture.
        LogEntry(kLogWarning, u"Data Manager",
                 u"Invalid JPEG format: %i colour components in file %s", outComponents, name);
        return 3;
    }
    cImage decoded;
    if (!CheckDecodedSize(u"JPEG", formatId, s.cinfo.output_width, s.cinfo.output_height, name) ||
        !decoded.Create(formatId, s.cinfo.output_width, s.cinfo.output_height)) {
        return 3;
    }
    const size_t rowBytes = ImageLevelSize(formatId, s.cinfo.output_width, 1);
    if (!ReadJpegRows(&s, decoded.levels[0].data(), rowBytes)) {
        return Fail(s, name);
    }

    if (s.error.pub.num_warnings > 0) {
        LogEntry(kLogWarning, u"Data Manager", u"Damaged JPEG file %s: %s", name,
                 FromUtf8(s.error.warning));
    }
    *image = std::move(decoded);
    return 0;
}

}  // namespace qor
