// PNG through libpng, from bytes already in memory. libpng reports errors by
// longjmp; every setjmp lives in a small function whose frame holds nothing
// with a destructor, so a jump never skips C++ clean-up.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "engine/Image.h"
#include "engine/ImageDecode.h"
#include "engine/Log.h"
#include "engine/Strings.h"

namespace qor {

namespace {

constexpr size_t kSignatureSize = 8;
constexpr double kScreenGamma = 2.2;
constexpr double kDefaultFileGamma = 0.45455;

struct PngSource {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
    char error[256] = {};
};

void ReadFromMemory(png_structp png, png_bytep out, size_t length) {
    auto* src = static_cast<PngSource*>(png_get_io_ptr(png));
    if (length > src->size - src->pos) {
        png_error(png, "unexpected end of data");
    }
    std::memcpy(out, src->data + src->pos, length);
    src->pos += length;
}

void OnPngError(png_structp png, png_const_charp message) {
    auto* src = static_cast<PngSource*>(png_get_error_ptr(png));
    std::snprintf(src->error, sizeof src->error, "%s", message ? message : "unknown error");
    png_longjmp(png, 1);
}

// Ancillary-chunk complaints (odd profiles, bad text chunks) do not stop a
// load and would only flood the log.
void OnPngWarning(png_structp, png_const_charp) {}

struct PngHeader {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    size_t rowBytes = 0;
    int colorType = 0;
};

// Header, transformations and the resulting layout.
bool ReadPngHeader(png_structp png, png_infop info, PngHeader* header) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_sig_bytes(png, kSignatureSize);
    png_read_info(png, info);

    const int colorType = png_get_color_type(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    if (bitDepth == 16) {
        png_set_strip_16(png);
    }
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        png_set_palette_to_rgb(png);
    }
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) {
        png_set_expand_gray_1_2_4_to_8(png);
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS)) {
        png_set_tRNS_to_alpha(png);
    }

    png_fixed_point fileGamma = 0;
    if (png_get_gAMA_fixed(png, info, &fileGamma) && fileGamma > 0) {
        png_set_gamma(png, kScreenGamma, fileGamma * 0.00001);
    } else {
        png_set_gamma(png, kScreenGamma, kDefaultFileGamma);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    header->width = png_get_image_width(png, info);
    header->height = png_get_image_height(png, info);
    header->rowBytes = png_get_rowbytes(png, info);
    header->colorType = png_get_color_type(png, info);
    return true;
}

bool ReadPngRows(png_structp png, png_infop info, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_read_image(png, rows);
    png_read_end(png, info);
    return true;
}

int FormatOfColorType(int colorType) {
    switch (colorType) {
        case PNG_COLOR_TYPE_GRAY:
            return kImageL8;
        case PNG_COLOR_TYPE_GRAY_ALPHA:
            return kImageL8A8;
        case PNG_COLOR_TYPE_RGB:
            return kImageRGB24;
        case PNG_COLOR_TYPE_RGB_ALPHA:
            return kImageRGBA32;
        default:
            return kImageNone;
    }
}

uint32_t BigEndian32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

struct PngReader {
    ~PngReader() {
        if (png) {
            png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        }
    }
    png_structp png = nullptr;
    png_infop info = nullptr;
};

void LogPngError(const PngSource& src, const std::u16string& name) {
    LogEntry(kLogWarning, u"Data Manager", u"Invalid PNG format: %s in file %s",
             FromUtf8(src.error), name);
}

}  // namespace

int DecodePng(cImage* image, const uint8_t* data, size_t size, const std::u16string& name) {
    if (!image) {
        return 4;
    }
    if (!data || size < kSignatureSize || png_sig_cmp(data, 0, kSignatureSize) != 0) {
        LogEntry(kLogWarning, u"Data Manager", u"Invalid PNG format: Unknown signature in file %s",
                 name);
        return 3;
    }
    // The first chunk is always the header: refuse absurd sides before
    // libpng allocates anything for them.
    if (size >= 24 && std::memcmp(data + 12, "IHDR", 4) == 0 &&
        !CheckDecodedSize(u"PNG", kImageL8, BigEndian32(data + 16), BigEndian32(data + 20), name)) {
        return 3;
    }

    PngSource src;
    src.data = data;
    src.size = size;
    src.pos = kSignatureSize;

    PngReader reader;
    reader.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &src, OnPngError, OnPngWarning);
    if (!reader.png) {
        LogEntry(kLogWarning, u"Data Manager", u"Create 'png_struct' - failed");
        return 4;
    }
    reader.info = png_create_info_struct(reader.png);
    if (!reader.info) {
        LogEntry(kLogWarning, u"Data Manager", u"Create 'png_info' - failed");
        return 4;
    }
    png_set_read_fn(reader.png, &src, ReadFromMemory);

    PngHeader header;
    if (!ReadPngHeader(reader.png, reader.info, &header)) {
        LogPngError(src, name);
        return 4;
    }
    const int formatId = FormatOfColorType(header.colorType);
    if (formatId == kImageNone) {
        LogEntry(kLogWarning, u"Data Manager", u"Invalid PNG format: colour type %i in file %s",
                 header.colorType, name);
        return 3;
    }
    if (!CheckDecodedSize(u"PNG", formatId, header.width, header.height, name)) {
        return 3;
    }
    const size_t rowBytes = ImageLevelSize(formatId, header.width, 1);
    if (header.rowBytes != rowBytes) {
        // The transformations above always end at 8 bits per sample; anything
        // else would overrun the rows.
        LogEntry(kLogWarning, u"Data Manager",
                 u"Invalid PNG format: unexpected row size in file %s", name);
        return 3;
    }

    cImage decoded;
    if (!decoded.Create(formatId, header.width, header.height)) {
        return 3;
    }
    std::vector<png_bytep> rows(header.height);
    for (png_uint_32 y = 0; y < header.height; ++y) {
        rows[y] = decoded.levels[0].data() + size_t{y} * rowBytes;
    }
    if (!ReadPngRows(reader.png, reader.info, rows.data())) {
        LogPngError(src, name);
        return 4;
    }
    *image = std::move(decoded);
    return 0;
}

}  // namespace qor
