// Image decoding on real files, written at test time with libpng and libjpeg
// into a temporary folder, so no binary fixture is committed.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstdio>
// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "engine/Image.h"
#include "engine/Path.h"
#include "engine/Strings.h"

namespace {

using Bytes = std::vector<uint8_t>;
using qor::cImage;
using qor::cPath;

// ---- encoders ---------------------------------------------------------------

struct PngParams {
    uint32_t width = 0;
    uint32_t height = 0;
    int colorType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    bool interlace = false;
    Bytes pixels;  // packed rows as libpng expects them for this colour type and depth
    std::vector<png_color> palette;
    Bytes paletteAlpha;        // tRNS for palette images
    int transparentGrey = -1;  // tRNS for grey images
    double fileGamma = 0.0;    // gAMA when not 0
};

PngParams PngOf(uint32_t width, uint32_t height, int colorType, int bitDepth,
                bool interlace = false) {
    PngParams params;
    params.width = width;
    params.height = height;
    params.colorType = colorType;
    params.bitDepth = bitDepth;
    params.interlace = interlace;
    return params;
}

void AppendBytes(png_structp png, png_bytep data, size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

Bytes EncodePng(const PngParams& params) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        ADD_FAILURE() << "libpng could not encode the fixture";
        return {};
    }
    png_set_write_fn(png, &out, AppendBytes, nullptr);
    png_set_IHDR(png, info, params.width, params.height, params.bitDepth, params.colorType,
                 params.interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!params.palette.empty()) {
        png_set_PLTE(png, info, params.palette.data(), static_cast<int>(params.palette.size()));
    }
    if (!params.paletteAlpha.empty()) {
        png_set_tRNS(png, info, params.paletteAlpha.data(),
                     static_cast<int>(params.paletteAlpha.size()), nullptr);
    }
    if (params.transparentGrey >= 0) {
        png_color_16 key{};
        key.gray = static_cast<png_uint_16>(params.transparentGrey);
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
    if (params.fileGamma > 0) {
        png_set_gAMA(png, info, params.fileGamma);
    }
    png_write_info(png, info);
    const size_t rowBytes = params.pixels.size() / params.height;
    std::vector<png_bytep> rows(params.height);
    for (uint32_t y = 0; y < params.height; ++y) {
        rows[y] = const_cast<png_bytep>(params.pixels.data() + y * rowBytes);
    }
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

Bytes EncodeJpeg(uint32_t width, uint32_t height, int components, const Bytes& pixels,
                 bool progressive = false) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = width;
    cinfo.image_height = height;
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    if (progressive) {
        jpeg_simple_progression(&cinfo);
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(pixels.data() + size_t{cinfo.next_scanline} * width * components);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

Bytes Uniform(uint32_t width, uint32_t height, std::initializer_list<uint8_t> pixel) {
    Bytes out;
    for (uint32_t i = 0; i < width * height; ++i) {
        out.insert(out.end(), pixel);
    }
    return out;
}

void PutBigEndian32(Bytes& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
    }
}

// Rewrites the header chunk's size (and its CRC, so libpng would accept it).
void PatchPngSize(Bytes& png, uint32_t width, uint32_t height) {
    PutBigEndian32(png, 16, width);
    PutBigEndian32(png, 20, height);
    PutBigEndian32(png, 29, static_cast<uint32_t>(crc32(0, png.data() + 12, 17)));
}

// Rewrites the frame header's size of a baseline or progressive JPEG.
void PatchJpegSize(Bytes& jpeg, uint16_t width, uint16_t height) {
    for (size_t i = 0; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
            jpeg[i + 5] = height >> 8;
            jpeg[i + 6] = height & 0xFF;
            jpeg[i + 7] = width >> 8;
            jpeg[i + 8] = width & 0xFF;
            return;
        }
    }
    ADD_FAILURE() << "no frame header in the fixture";
}

struct PvrParams {
    uint32_t flags = 25;
    uint32_t alphaMask = 0;
    uint32_t width = 32;
    uint32_t height = 32;
    const char* tag = "PVR!";
    size_t dataSize = 512;
};

Bytes MakePvr(const PvrParams& params) {
    const uint32_t fields[13] = {
        52, params.height, params.width, 0, params.flags, 0, 4, 0, 0, 0, params.alphaMask, 0, 1};
    Bytes out;
    for (uint32_t v : fields) {
        for (int i = 0; i < 4; ++i) {
            out.push_back(static_cast<uint8_t>(v >> (8 * i)));
        }
    }
    std::memcpy(out.data() + 44, params.tag, 4);
    for (size_t i = 0; i < params.dataSize; ++i) {
        out.push_back(static_cast<uint8_t>(i * 7));
    }
    return out;
}

// ---- fixture ----------------------------------------------------------------

class ImageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string tmpl = (std::filesystem::temp_directory_path() / "qor-image-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        m_dir = tmpl;
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }

    cPath Write(const std::string& name, const Bytes& bytes) {
        const std::filesystem::path file = m_dir / name;
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return PathOf(name);
    }
    cPath PathOf(const std::string& name) const {
        return cPath(qor::FromUtf8((m_dir / name).string()));
    }

    std::filesystem::path m_dir;
};

// A 4 × 4 image of format 1 that failures must leave as it was.
cImage Sentinel() {
    cImage image;
    image.Create(qor::kImageL8, 4, 4);
    image.levels[0][5] = 99;
    return image;
}

void ExpectSentinel(const cImage& image) {
    EXPECT_EQ(image.format.id, qor::kImageL8);
    EXPECT_EQ(image.width, 4u);
    ASSERT_EQ(image.levels.size(), 1u);
    EXPECT_EQ(image.levels[0][5], 99);
}

// ---- format table -----------------------------------------------------------

TEST(ImageFormatTest, LevelSizesFollowTheFormatTable) {
    struct Case {
        int id;
        uint32_t w, h;
        size_t bytes;
    };
    const Case cases[] = {
        {0, 8, 8, 0},      {1, 3, 5, 15},   {2, 3, 5, 30},     {3, 3, 5, 30},     {4, 3, 5, 45},
        {5, 3, 5, 30},     {6, 3, 5, 60},   {7, 3, 5, 60},     {8, 1, 1, 8},      {8, 16, 8, 64},
        {9, 2, 2, 16},     {9, 16, 8, 128}, {10, 16, 8, 128},  {11, 1, 1, 16},    {11, 32, 16, 128},
        {12, 32, 16, 128}, {13, 1, 1, 32},  {13, 32, 16, 256}, {14, 32, 16, 256}, {15, 8, 8, 0},
        {-1, 8, 8, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(qor::ImageLevelSize(c.id, c.w, c.h), c.bytes) << "format " << c.id;
    }
    const qor::cImageFormat pvr = qor::GetImageFormat(12);
    EXPECT_EQ(pvr.id, 12);
    EXPECT_EQ(pvr.compressed, 1);
    EXPECT_EQ(pvr.channels, 4);
    EXPECT_EQ(pvr.alpha, 1);
    EXPECT_EQ(qor::GetImageFormat(15).id, 0);
    EXPECT_EQ(qor::GetImageFormat(15).channels, 0);
    // 16-bit formats count three or four channels but walk two bytes per pixel.
    EXPECT_EQ(qor::ImageBytesPerPixel(3), 2);
    EXPECT_EQ(qor::ImageBytesPerPixel(7), 4);
    EXPECT_EQ(qor::ImageBytesPerPixel(13), 0);
}

TEST(ImageFormatTest, CreateRefusesSizesNothingShouldAllocate) {
    EXPECT_TRUE(qor::ImageSizeAllowed(qor::kImageRGBA32, 16384, 4096));  // exactly 256 MiB
    EXPECT_FALSE(qor::ImageSizeAllowed(qor::kImageRGBA32, 16384, 4097));
    EXPECT_FALSE(qor::ImageSizeAllowed(qor::kImageL8, 16385, 1));
    EXPECT_FALSE(qor::ImageSizeAllowed(qor::kImageL8, 0, 1));

    cImage image;
    ASSERT_TRUE(image.Create(qor::kImageRGBA32, 3, 2));
    EXPECT_EQ(image.levelCount, 1);
    EXPECT_EQ(image.levels[0], Bytes(24, 0));
    EXPECT_FALSE(image.Create(qor::kImageRGBA32, 16384, 16384));
    EXPECT_EQ(image.levelCount, 0);
    EXPECT_TRUE(image.levels.empty());
}

// ---- PNG --------------------------------------------------------------------

struct PngCase {
    const char* label;
    std::function<PngParams()> make;
    int format;
    std::function<Bytes()> expected;  // the loaded level, blue first
    int tolerance = 0;
};

// Packs 2-bit samples, left pixel in the high bits, rows padded to a byte.
Bytes Pack2(uint32_t w, uint32_t h, const std::function<int(uint32_t, uint32_t)>& sample) {
    const uint32_t rowBytes = (w + 3) / 4;
    Bytes out(rowBytes * h, 0);
    for (uint32_t y = 0; y < h; ++y) {
        for (uint32_t x = 0; x < w; ++x) {
            out[y * rowBytes + x / 4] |= static_cast<uint8_t>(sample(x, y) << (6 - 2 * (x % 4)));
        }
    }
    return out;
}

Bytes Pixels(uint32_t w, uint32_t h, const std::function<Bytes(uint32_t, uint32_t)>& pixel) {
    Bytes out;
    for (uint32_t y = 0; y < h; ++y) {
        for (uint32_t x = 0; x < w; ++x) {
            const Bytes p = pixel(x, y);
            out.insert(out.end(), p.begin(), p.end());
        }
    }
    return out;
}

const std::vector<png_color> kPalette = {{10, 20, 30}, {200, 100, 50}, {0, 255, 0}, {1, 2, 3}};

std::vector<PngCase> PngCases() {
    constexpr uint32_t W = 5, H = 3;  // odd width: packed rows end mid-byte
    auto index = [](uint32_t x, uint32_t y) { return static_cast<uint8_t>((x + y) % 4); };
    return {
        {"palette with transparency",
         [=] {
             PngParams s = PngOf(W, H, PNG_COLOR_TYPE_PALETTE, 8);
             s.pixels = Pixels(W, H, [=](uint32_t x, uint32_t y) { return Bytes{index(x, y)}; });
             s.palette = kPalette;
             s.paletteAlpha = {0, 128, 255};  // the fourth entry stays opaque
             return s;
         },
         qor::kImageRGBA32,
         [=] {
             const uint8_t alpha[] = {0, 128, 255, 255};
             return Pixels(W, H, [=](uint32_t x, uint32_t y) {
                 const png_color c = kPalette[index(x, y)];
                 return Bytes{c.blue, c.green, c.red, alpha[index(x, y)]};
             });
         }},
        {"2-bit palette",
         [=] {
             PngParams s = PngOf(W, H, PNG_COLOR_TYPE_PALETTE, 2);
             s.pixels = Pack2(W, H, index);
             s.palette = kPalette;
             return s;
         },
         qor::kImageRGBX32,
         [=] {
             return Pixels(W, H, [=](uint32_t x, uint32_t y) {
                 const png_color c = kPalette[index(x, y)];
                 return Bytes{c.blue, c.green, c.red, 255};
             });
         }},
        {"grey",
         [=] {
             PngParams s = PngOf(W, H, PNG_COLOR_TYPE_GRAY, 8);
             s.pixels = Pixels(W, H, [](uint32_t x, uint32_t y) {
                 return Bytes{static_cast<uint8_t>(x * 40 + y)};
             });
             return s;
         },
         qor::kImageL8,
         [=] {
             return Pixels(W, H, [](uint32_t x, uint32_t y) {
                 return Bytes{static_cast<uint8_t>(x * 40 + y)};
             });
         }},
        {"2-bit grey",
         [=] {
             PngParams s = PngOf(W, H, PNG_COLOR_TYPE_GRAY, 2);
             s.pixels = Pack2(W, H, index);
             return s;
         },
         qor::kImageL8,
         [=] {
             return Pixels(W, H, [=](uint32_t x, uint32_t y) {
                 return Bytes{static_cast<uint8_t>(index(x, y) * 85)};
             });
         }},
        {"grey with a transparent key",
         [=] {
             PngParams s = PngOf(W, H, PNG_COLOR_TYPE_GRAY, 8);
             s.pixels = Pixels(
                 W, H, [](uint32_t x, uint32_t) { return Bytes{static_cast<uint8_t>(x * 60)}; });
             s.transparentGrey = 60;
             return s;
         },
         qor::kImageL8A8,
         [=] {
             return Pixels(W, H, [](uint32_t x, uint32_t) {
                 return Bytes{static_cast<uint8_t>(x * 60), static_cast<uint8_t>(x == 1 ? 0 : 255)};
             });
         }},
        {"grey and alpha",
         [=] {
             PngParams s = PngOf(W, H, PNG_COLOR_TYPE_GRAY_ALPHA, 8);
             s.pixels = Pixels(W, H, [](uint32_t x, uint32_t y) {
                 return Bytes{static_cast<uint8_t>(x * 50), static_cast<uint8_t>(y * 100)};
             });
             return s;
         },
         qor::kImageL8A8,
         [=] {
             return Pixels(W, H, [](uint32_t x, uint32_t y) {
                 return Bytes{static_cast<uint8_t>(x * 50), static_cast<uint8_t>(y * 100)};
             });
         }},
        {"RGB",
         [=] {
             PngParams s = PngOf(W, H, PNG_COLOR_TYPE_RGB, 8);
             s.pixels = Pixels(W, H, [](uint32_t x, uint32_t y) {
                 return Bytes{static_cast<uint8_t>(x * 50), static_cast<uint8_t>(y * 100), 7};
             });
             return s;
         },
         qor::kImageRGBX32,
         [=] {
             return Pixels(W, H, [](uint32_t x, uint32_t y) {
                 return Bytes{7, static_cast<uint8_t>(y * 100), static_cast<uint8_t>(x * 50), 255};
             });
         }},
        {"16-bit RGB",
         [=] {
             PngParams s = PngOf(W, H, PNG_COLOR_TYPE_RGB, 16);
             s.pixels = Pixels(W, H, [](uint32_t x, uint32_t y) {
                 // Big-endian samples; the low bytes must be dropped.
                 return Bytes{static_cast<uint8_t>(x * 50),
                              0xCD,
                              static_cast<uint8_t>(y * 100),
                              0x12,
                              7,
                              0xFF};
             });
             return s;
         },
         qor::kImageRGBX32,
         [=] {
             return Pixels(W, H, [](uint32_t x, uint32_t y) {
                 return Bytes{7, static_cast<uint8_t>(y * 100), static_cast<uint8_t>(x * 50), 255};
             });
         }},
        {"RGBA",
         [=] {
             PngParams s = PngOf(W, H, PNG_COLOR_TYPE_RGB_ALPHA, 8);
             s.pixels = Pixels(W, H, [](uint32_t x, uint32_t y) {
                 return Bytes{1, static_cast<uint8_t>(x * 50), 3, static_cast<uint8_t>(y * 100)};
             });
             return s;
         },
         qor::kImageRGBA32,
         [=] {
             return Pixels(W, H, [](uint32_t x, uint32_t y) {
                 return Bytes{3, static_cast<uint8_t>(x * 50), 1, static_cast<uint8_t>(y * 100)};
             });
         }},
        {"interlaced RGB",
         [] {
             PngParams s = PngOf(9, 9, PNG_COLOR_TYPE_RGB, 8, true);
             s.pixels = Pixels(9, 9, [](uint32_t x, uint32_t y) {
                 return Bytes{static_cast<uint8_t>(x * 20), static_cast<uint8_t>(y * 20), 99};
             });
             return s;
         },
         qor::kImageRGBX32,
         [] {
             return Pixels(9, 9, [](uint32_t x, uint32_t y) {
                 return Bytes{99, static_cast<uint8_t>(y * 20), static_cast<uint8_t>(x * 20), 255};
             });
         }},
        // A file in linear light is corrected for the 2.2 screen: 128 shows as 186.
        {"grey with file gamma 1.0",
         [] {
             PngParams s = PngOf(2, 2, PNG_COLOR_TYPE_GRAY, 8);
             s.pixels = Bytes(4, 128);
             s.fileGamma = 1.0;
             return s;
         },
         qor::kImageL8, [] { return Bytes(4, 186); }, 1},
    };
}

TEST_F(ImageTest, PngFilesLoadInTheirFormatWithBlueFirst) {
    for (const PngCase& c : PngCases()) {
        SCOPED_TRACE(c.label);
        const PngParams params = c.make();
        const cPath path = Write("image.png", EncodePng(params));
        cImage image;
        ASSERT_EQ(qor::LoadImage(&image, path), 0);
        EXPECT_EQ(image.format.id, c.format);
        EXPECT_EQ(image.width, params.width);
        EXPECT_EQ(image.height, params.height);
        EXPECT_EQ(image.levelCount, 1);
        ASSERT_EQ(image.levels.size(), 1u);
        const Bytes expected = c.expected();
        ASSERT_EQ(image.levels[0].size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            ASSERT_NEAR(image.levels[0][i], expected[i], c.tolerance) << "byte " << i;
        }
    }
}

TEST_F(ImageTest, RgbPngPixelIsStoredBlueGreenRedOpaque) {
    PngParams params = PngOf(2, 1, PNG_COLOR_TYPE_RGB, 8);
    params.pixels = {10, 20, 30, 200, 150, 100};
    cImage image;
    ASSERT_EQ(qor::LoadImage(&image, Write("two.png", EncodePng(params))), 0);
    EXPECT_EQ(image.levels[0], (Bytes{30, 20, 10, 255, 100, 150, 200, 255}));
}

TEST_F(ImageTest, PngWithAbsurdDeclaredSizeIsRefusedBeforeDecoding) {
    PngParams params = PngOf(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8);
    params.pixels = {1, 2, 3, 4};
    const Bytes good = EncodePng(params);
    struct Case {
        uint32_t w, h;
        int result;
    } const cases[] = {
        {20000, 1, 3},      // a side above the limit
        {16000, 16000, 3},  // sides allowed, but a gigabyte of pixels
        {0, 1, 3},
    };
    for (const Case& c : cases) {
        Bytes png = good;
        PatchPngSize(png, c.w, c.h);
        cImage image = Sentinel();
        EXPECT_EQ(qor::DecodePng(&image, png.data(), png.size(), u"patched.png"), c.result)
            << c.w << "x" << c.h;
        ExpectSentinel(image);
    }
}

TEST_F(ImageTest, EveryTruncatedPngFailsCleanly) {
    PngParams params = PngOf(9, 9, PNG_COLOR_TYPE_RGB, 8, true);
    params.pixels = Pixels(9, 9, [](uint32_t x, uint32_t y) {
        return Bytes{static_cast<uint8_t>(x * 20), static_cast<uint8_t>(y * 20), 99};
    });
    const Bytes png = EncodePng(params);
    for (size_t length = 0; length < png.size(); ++length) {
        // A copy of exactly that length, so a read past it is a real overrun.
        const Bytes cut(png.begin(), png.begin() + length);
        cImage image = Sentinel();
        const int result = qor::DecodePng(&image, cut.data(), cut.size(), u"cut.png");
        ASSERT_TRUE(result == 3 || result == 4) << "length " << length << " gave " << result;
        ExpectSentinel(image);
    }
    // A damaged byte inside the image data is a decoder error.
    Bytes damaged = png;
    damaged[damaged.size() - 20] ^= 0x55;
    cImage image;
    EXPECT_EQ(qor::DecodePng(&image, damaged.data(), damaged.size(), u"damaged.png"), 4);
}

// ---- JPEG -------------------------------------------------------------------

TEST_F(ImageTest, JpegColourAndGreyLoad) {
    {
        const cPath path =
            Write("colour.jpg", EncodeJpeg(16, 8, 3, Uniform(16, 8, {200, 50, 100})));
        cImage image;
        ASSERT_EQ(qor::LoadImage(&image, path), 0);
        EXPECT_EQ(image.format.id, qor::kImageRGBX32);
        EXPECT_EQ(image.width, 16u);
        EXPECT_EQ(image.height, 8u);
        ASSERT_EQ(image.levels[0].size(), 16u * 8 * 4);
        for (size_t p = 0; p < 16 * 8; ++p) {
            const uint8_t* px = &image.levels[0][p * 4];
            ASSERT_NEAR(px[0], 100, 3) << p;  // blue first
            ASSERT_NEAR(px[1], 50, 3) << p;
            ASSERT_NEAR(px[2], 200, 3) << p;
            ASSERT_EQ(px[3], 255) << p;
        }
    }
    {
        const cPath path = Write("grey.jpg", EncodeJpeg(8, 16, 1, Uniform(8, 16, {77})));
        cImage image;
        ASSERT_EQ(qor::LoadImage(&image, path), 0);
        EXPECT_EQ(image.format.id, qor::kImageL8);
        ASSERT_EQ(image.levels[0].size(), 8u * 16);
        for (uint8_t v : image.levels[0]) {
            ASSERT_NEAR(v, 77, 1);
        }
    }
}

TEST_F(ImageTest, AlphaJpegMergesOnlyWhenSizesMatch) {
    const cPath colourPath =
        Write("tree.jpg", EncodeJpeg(16, 16, 3, Uniform(16, 16, {30, 160, 90})));
    // Left block column transparent, right one opaque; block-aligned so the
    // lossy coding keeps the edge exact enough.
    const Bytes halves = Pixels(
        16, 16, [](uint32_t x, uint32_t) { return Bytes{static_cast<uint8_t>(x < 8 ? 0 : 255)}; });
    const cPath alphaPath = Write("tree.alpha", EncodeJpeg(16, 16, 1, halves));
    const cPath smallAlpha = Write("small.alpha", EncodeJpeg(8, 8, 1, Uniform(8, 8, {0})));

    cImage colour;
    ASSERT_EQ(qor::LoadImage(&colour, colourPath), 0);
    cImage alpha;
    ASSERT_EQ(qor::LoadImage(&alpha, alphaPath), 0);
    EXPECT_EQ(alpha.format.id, qor::kImageL8);

    cImage other = colour;
    cImage small;
    ASSERT_EQ(qor::LoadImage(&small, smallAlpha), 0);
    qor::MergeAlpha(&other, small);
    EXPECT_EQ(other.format.id, qor::kImageRGBX32);
    EXPECT_EQ(other.levels, colour.levels);

    qor::MergeAlpha(&colour, alpha);
    EXPECT_EQ(colour.format.id, qor::kImageRGBA32);
    for (uint32_t y = 0; y < 16; ++y) {
        for (uint32_t x = 0; x < 16; ++x) {
            const uint8_t* px = &colour.levels[0][(y * 16 + x) * 4];
            ASSERT_NEAR(px[3], x < 8 ? 0 : 255, 2) << x << "," << y;
            ASSERT_NEAR(px[0], 90, 3);  // colour untouched, still blue first
        }
    }
}

TEST(MergeAlphaTest, WalksEachImageByItsOwnPixelSize) {
    // A 24-bit colour image widens to 32 bits; a 32-bit alpha image gives its
    // first byte; a 16-bit one is walked two bytes at a time.
    cImage colour;
    colour.Create(qor::kImageRGB24, 2, 1);
    colour.levels[0] = {1, 2, 3, 4, 5, 6};
    cImage alpha32;
    alpha32.Create(qor::kImageRGBA32, 2, 1);
    alpha32.levels[0] = {40, 0, 0, 0, 80, 0, 0, 0};
    qor::MergeAlpha(&colour, alpha32);
    EXPECT_EQ(colour.format.id, qor::kImageRGBA32);
    EXPECT_EQ(colour.levels[0], (Bytes{1, 2, 3, 40, 4, 5, 6, 80}));

    cImage alpha16;
    alpha16.Create(qor::kImageRGB16, 2, 1);
    alpha16.levels[0] = {11, 12, 13, 14};
    qor::MergeAlpha(&colour, alpha16);
    EXPECT_EQ(colour.levels[0], (Bytes{1, 2, 3, 11, 4, 5, 6, 13}));

    // No merge into a grey image, nor from compressed data.
    cImage grey;
    grey.Create(qor::kImageL8, 2, 1);
    qor::MergeAlpha(&grey, alpha32);
    EXPECT_EQ(grey.format.id, qor::kImageL8);
    cImage packed;
    packed.Create(qor::kImagePVRTC4, 2, 1);
    qor::MergeAlpha(&colour, packed);
    EXPECT_EQ(colour.levels[0], (Bytes{1, 2, 3, 11, 4, 5, 6, 13}));
}

TEST_F(ImageTest, TruncatedJpegNeverCrashesAndKeepsItsSize) {
    const Bytes pixels = Pixels(32, 16, [](uint32_t x, uint32_t y) {
        return Bytes{static_cast<uint8_t>(x * 8), static_cast<uint8_t>(y * 16), 60};
    });
    const Bytes jpeg = EncodeJpeg(32, 16, 3, pixels);
    int decodedPartly = 0;
    for (size_t length = 0; length < jpeg.size(); ++length) {
        const Bytes cut(jpeg.begin(), jpeg.begin() + length);
        cImage image = Sentinel();
        const int result = qor::DecodeJpeg(&image, cut.data(), cut.size(), u"cut.jpg");
        ASSERT_TRUE(result == 0 || result == 4) << "length " << length << " gave " << result;
        if (result == 0) {
            // The end marker supplied for the missing tail ends the scan early.
            ++decodedPartly;
            ASSERT_EQ(image.width, 32u);
            ASSERT_EQ(image.height, 16u);
            ASSERT_EQ(image.levels[0].size(), 32u * 16 * 3);
        } else {
            ExpectSentinel(image);
        }
    }
    EXPECT_GT(decodedPartly, 0);
    cImage image;
    EXPECT_EQ(qor::DecodeJpeg(&image, jpeg.data(), 40, u"header.jpg"), 4);
}

TEST_F(ImageTest, JpegWithAbsurdDeclaredSizeIsRefusedBeforeDecoding) {
    // Progressive files matter most: libjpeg sizes its coefficient buffers
    // from the header as soon as decompression starts.
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const Bytes good = EncodeJpeg(8, 8, 3, Uniform(8, 8, {1, 2, 3}), progressive);
        struct Case {
            uint16_t w, h;
        } const cases[] = {
            {20000, 20000},  // sides above the limit
            {12000, 12000},  // sides allowed, but 12000 × 12000 × 4 bytes is not
        };
        for (const Case& c : cases) {
            Bytes jpeg = good;
            PatchJpegSize(jpeg, c.w, c.h);
            cImage image = Sentinel();
            EXPECT_EQ(qor::DecodeJpeg(&image, jpeg.data(), jpeg.size(), u"patched.jpg"), 3)
                << c.w << "x" << c.h;
            ExpectSentinel(image);
        }
    }
}

// ---- PVR --------------------------------------------------------------------

TEST_F(ImageTest, PvrHeaderSelectsFormatAndChecksItsData) {
    struct Case {
        const char* label;
        PvrParams params;
        int result;
        int format;
    };
    const Case cases[] = {
        {"2 bpp", {24, 0, 32, 32, "PVR!", 256}, 0, qor::kImagePVRTC2},
        {"2 bpp with alpha", {24, 0xFF000000, 32, 32, "PVR!", 256}, 0, qor::kImagePVRTC2A},
        {"4 bpp", {25, 0, 32, 32, "PVR!", 512}, 0, qor::kImagePVRTC4},
        {"4 bpp with alpha", {25, 0xFF, 32, 32, "PVR!", 512}, 0, qor::kImagePVRTC4A},
        {"only the low flag byte counts", {0x10019, 0, 32, 32, "PVR!", 600}, 0, qor::kImagePVRTC4},
        {"small image pads to 8 x 8", {25, 0, 4, 2, "PVR!", 32}, 0, qor::kImagePVRTC4},
        {"other pixel format", {18, 0, 32, 32, "PVR!", 2048}, 3, 0},
        {"bad tag", {25, 0, 32, 32, "PVR?", 512}, 3, 0},
        {"data one byte short", {25, 0, 32, 32, "PVR!", 511}, 3, 0},
        {"zero width", {25, 0, 0, 32, "PVR!", 512}, 3, 0},
        {"huge height", {25, 0, 32, 0x80000000u, "PVR!", 512}, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const Bytes file = MakePvr(c.params);
        cImage image = Sentinel();
        ASSERT_EQ(qor::LoadImage(&image, Write("tex.pvr", file)), c.result);
        if (c.result != 0) {
            ExpectSentinel(image);
            continue;
        }
        EXPECT_EQ(image.format.id, c.format);
        EXPECT_EQ(image.width, c.params.width);
        EXPECT_EQ(image.height, c.params.height);
        EXPECT_EQ(image.levelCount, 1);
        const size_t size = qor::ImageLevelSize(c.format, c.params.width, c.params.height);
        EXPECT_EQ(image.levels[0], Bytes(file.begin() + 52, file.begin() + 52 + size));
    }
    const Bytes header = MakePvr({});
    cImage image;
    EXPECT_EQ(qor::DecodePvr(&image, header.data(), 51, u"short.pvr"), 3);
}

// ---- failures ---------------------------------------------------------------

TEST_F(ImageTest, LoadImageFailureCodes) {
    PngParams params = PngOf(1, 1, PNG_COLOR_TYPE_GRAY, 8);
    params.pixels = {5};
    const Bytes png = EncodePng(params);
    struct Case {
        const char* file;
        Bytes content;
        bool write;
        int result;
    };
    const Case cases[] = {
        {"missing.png", {}, false, 2},
        {"missing.jpg", {}, false, 2},
        {"picture.bmp", png, true, 3},  // no decoder for the extension
        {"noextension", png, true, 3},
        {"text.png", Bytes(64, 'x'), true, 3},  // not a PNG signature
        {"empty.png", {}, true, 3},
        {"png-as.jpg", png, true, 4},  // the JPEG decoder refuses it
        {"empty.jpg", {}, true, 4},
        {"empty.pvr", {}, true, 3},
        // Four components have no image format to land in.
        {"cmyk.jpg", EncodeJpeg(8, 8, 4, Uniform(8, 8, {1, 2, 3, 4})), true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const cPath path = c.write ? Write(c.file, c.content) : PathOf(c.file);
        cImage image = Sentinel();
        EXPECT_EQ(qor::LoadImage(&image, path), c.result);
        ExpectSentinel(image);
    }
    EXPECT_EQ(qor::LoadImage(nullptr, Write("ok.png", png)), 4);
}

}  // namespace
