#include "tools/common/ImageFile.h"

#include <cairo.h>
#include <jpeglib.h>
#include <png.h>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include "tools/common/Utf16Text.h"

namespace datakit {

RgbaImage FromCairo(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const bool hasAlpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
    const unsigned char* data = cairo_image_surface_get_data(surface);
    RgbaImage image(w, h);
    for (int y = 0; y < h; ++y) {
        const uint32_t* row =
            reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            const uint32_t p = row[x];
            uint32_t a = hasAlpha ? (p >> 24) : 255;
            uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            uint8_t* out = image.at(x, y);
            if (a == 0) {
                out[0] = out[1] = out[2] = out[3] = 0;
                continue;
            }
            if (a < 255) {
                r = (r * 255 + a / 2) / a;
                g = (g * 255 + a / 2) / a;
                b = (b * 255 + a / 2) / a;
            }
            out[0] = static_cast<uint8_t>(r > 255 ? 255 : r);
            out[1] = static_cast<uint8_t>(g > 255 ? 255 : g);
            out[2] = static_cast<uint8_t>(b > 255 ? 255 : b);
            out[3] = static_cast<uint8_t>(a);
        }
    }
    return image;
}

void BleedIntoTransparent(RgbaImage& image, int passes) {
    const int w = image.width, h = image.height;
    // known[i]: the pixel has a colour worth spreading (visible, or filled in an
    // earlier pass). Fills of one pass only read colours known before it, so
    // the result does not depend on the scan order.
    std::vector<uint8_t> known(static_cast<size_t>(w) * h);
    for (int i = 0; i < w * h; ++i)
        known[i] = image.pixels[static_cast<size_t>(i) * 4 + 3] != 0;
    for (int pass = 0; pass < passes; ++pass) {
        std::vector<uint8_t> next = known;
        bool changed = false;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (known[static_cast<size_t>(y) * w + x])
                    continue;
                int sum[3] = {0, 0, 0}, count = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                            continue;
                        if (!known[static_cast<size_t>(ny) * w + nx])
                            continue;
                        const uint8_t* p = image.at(nx, ny);
                        sum[0] += p[0];
                        sum[1] += p[1];
                        sum[2] += p[2];
                        ++count;
                    }
                }
                if (count == 0)
                    continue;
                uint8_t* p = image.at(x, y);
                for (int c = 0; c < 3; ++c)
                    p[c] = static_cast<uint8_t>((sum[c] + count / 2) / count);
                next[static_cast<size_t>(y) * w + x] = 1;
                changed = true;
            }
        }
        known.swap(next);
        if (!changed)
            break;
    }
}

namespace {

void PngToString(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void PngFlush(png_structp) {}

bool IsOpaque(const RgbaImage& image) {
    for (size_t i = 3; i < image.pixels.size(); i += 4) {
        if (image.pixels[i] != 255)
            return false;
    }
    return true;
}

}  // namespace

bool WritePng(const std::string& path, const RgbaImage& image, std::string* error) {
    volatile const bool opaque = IsOpaque(image);
    std::string bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        *error = "libpng: cannot create the write structures";
        return false;
    }
    std::vector<uint8_t> row(static_cast<size_t>(image.width) * 4);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        *error = "libpng: error while encoding " + path;
        return false;
    }
    png_set_write_fn(png, &bytes, PngToString, PngFlush);
    png_set_IHDR(png, info, image.width, image.height, 8,
                 opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* src = image.at(0, y);
        if (opaque) {
            for (int x = 0; x < image.width; ++x) {
                row[x * 3 + 0] = src[x * 4 + 0];
                row[x * 3 + 1] = src[x * 4 + 1];
                row[x * 3 + 2] = src[x * 4 + 2];
            }
        } else {
            std::copy(src, src + image.width * 4, row.begin());
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return WriteBinaryFile(path, bytes, error);
}

namespace {

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void JpegFail(j_common_ptr info) {
    auto* err = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

bool EncodeJpeg(const std::string& path, const RgbaImage& image, int quality, bool alphaOnly,
                std::string* error) {
    jpeg_compress_struct info;
    JpegError err;
    info.err = jpeg_std_error(&err.manager);
    err.manager.error_exit = JpegFail;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<uint8_t> row(static_cast<size_t>(image.width) * 3);
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        *error = std::string("libjpeg: ") + err.message;
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = alphaOnly ? 1 : 3;
    info.in_color_space = alphaOnly ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const uint8_t* src = image.at(0, static_cast<int>(info.next_scanline));
        for (int x = 0; x < image.width; ++x) {
            if (alphaOnly) {
                row[x] = src[x * 4 + 3];
            } else {
                row[x * 3 + 0] = src[x * 4 + 0];
                row[x * 3 + 1] = src[x * 4 + 1];
                row[x * 3 + 2] = src[x * 4 + 2];
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const bool ok =
        WriteBinaryFile(path, std::string_view(reinterpret_cast<const char*>(buffer), size), error);
    std::free(buffer);
    return ok;
}

}  // namespace

bool WriteJpeg(const std::string& path, const RgbaImage& image, int quality, std::string* error) {
    return EncodeJpeg(path, image, quality, false, error);
}

bool WriteJpegAlpha(const std::string& path, const RgbaImage& image, int quality,
                    std::string* error) {
    return EncodeJpeg(path, image, quality, true, error);
}

}  // namespace datakit
