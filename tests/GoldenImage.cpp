#include "tests/GoldenImage.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#include "engine/Render.h"

namespace qor::test {

namespace {

std::filesystem::path GoldenFolder() {
    return std::filesystem::path(QOR_SOURCE_DIR) / "tests" / "golden";
}

std::filesystem::path FailureFolder() {
    return std::filesystem::path(QOR_GAME_BINARY).parent_path() / "golden-failures";
}

bool UpdateRequested() {
    const char* value = std::getenv("QOR_UPDATE_GOLDEN");
    return value && std::strcmp(value, "1") == 0;
}

struct cFileCloser {
    void operator()(FILE* f) const {
        if (f)
            std::fclose(f);
    }
};

}  // namespace

bool WritePng(const std::string& path, const cRgbaImage& image) {
    if (image.width <= 0 || image.height <= 0)
        return false;
    std::unique_ptr<FILE, cFileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        png_write_row(png, const_cast<png_bytep>(image.At(0, y)));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool ReadPng(const std::string& path, cRgbaImage* image) {
    png_image reader;
    std::memset(&reader, 0, sizeof(reader));
    reader.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&reader, path.c_str()))
        return false;
    reader.format = PNG_FORMAT_RGBA;
    image->width = static_cast<int>(reader.width);
    image->height = static_cast<int>(reader.height);
    image->pixels.resize(PNG_IMAGE_SIZE(reader));
    if (!png_image_finish_read(&reader, nullptr, image->pixels.data(), 0, nullptr)) {
        png_image_free(&reader);
        return false;
    }
    return true;
}

::testing::AssertionResult PixelNear(const cRgbaImage& frame, int x, int yUp, int r, int g, int b,
                                     int tolerance) {
    if (x < 0 || yUp < 0 || x >= frame.width || yUp >= frame.height) {
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << yUp << ") is off the frame";
    }
    const uint8_t* p = frame.AtUp(x, yUp);
    if (std::abs(p[0] - r) <= tolerance && std::abs(p[1] - g) <= tolerance &&
        std::abs(p[2] - b) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "pixel (" << x << ", " << yUp << ") is " << int{p[0]} << "," << int{p[1]} << ","
           << int{p[2]} << ", expected " << r << "," << g << "," << b;
}

bool CaptureFrame(cRgbaImage* image) {
    return g_render && g_render->ReadPixels(&image->pixels, &image->width, &image->height);
}

::testing::AssertionResult MatchesGolden(const std::string& name, const cGoldenOptions& options) {
    cRgbaImage actual;
    if (!CaptureFrame(&actual))
        return ::testing::AssertionFailure() << "no frame to read back";
    const std::filesystem::path goldenPath = GoldenFolder() / (name + ".png");

    if (UpdateRequested()) {
        std::error_code ec;
        std::filesystem::create_directories(GoldenFolder(), ec);
        if (!WritePng(goldenPath.string(), actual)) {
            return ::testing::AssertionFailure() << "cannot write " << goldenPath;
        }
        return ::testing::AssertionSuccess() << "updated " << goldenPath;
    }

    std::error_code ec;
    std::filesystem::create_directories(FailureFolder(), ec);
    const std::string actualPath = (FailureFolder() / (name + ".actual.png")).string();
    const std::string diffPath = (FailureFolder() / (name + ".diff.png")).string();

    cRgbaImage golden;
    if (!ReadPng(goldenPath.string(), &golden)) {
        WritePng(actualPath, actual);
        return ::testing::AssertionFailure()
               << "no golden image " << goldenPath << " (frame written to " << actualPath
               << "; run with QOR_UPDATE_GOLDEN=1 to accept it)";
    }
    if (golden.width != actual.width || golden.height != actual.height) {
        WritePng(actualPath, actual);
        return ::testing::AssertionFailure()
               << name << ": size " << actual.width << "x" << actual.height << ", golden "
               << golden.width << "x" << golden.height << " (frame written to " << actualPath
               << ")";
    }

    cRgbaImage diff = actual;
    size_t bad = 0;
    int worst = 0;
    for (int y = 0; y < actual.height; ++y) {
        for (int x = 0; x < actual.width; ++x) {
            const uint8_t* a = actual.At(x, y);
            const uint8_t* g = golden.At(x, y);
            int delta = 0;
            for (int c = 0; c < 4; ++c)
                delta = std::max(delta, std::abs(a[c] - g[c]));
            worst = std::max(worst, delta);
            uint8_t* d = &diff.pixels[(static_cast<size_t>(y) * diff.width + x) * 4];
            if (delta > options.tolerance) {
                ++bad;
                d[0] = 255;
                d[1] = d[2] = 0;
            } else {
                // Matching pixels stay visible, dimmed, for orientation.
                d[0] = d[1] = d[2] = static_cast<uint8_t>((a[0] + a[1] + a[2]) / 12);
            }
            d[3] = 255;
        }
    }
    const size_t total = static_cast<size_t>(actual.width) * actual.height;
    if (static_cast<double>(bad) <= options.maxBadFraction * static_cast<double>(total)) {
        return ::testing::AssertionSuccess();
    }
    WritePng(actualPath, actual);
    WritePng(diffPath, diff);
    return ::testing::AssertionFailure()
           << name << ": " << bad << " of " << total << " pixels differ by more than "
           << options.tolerance << " (worst " << worst << "); see " << actualPath << " and "
           << diffPath;
}

}  // namespace qor::test
