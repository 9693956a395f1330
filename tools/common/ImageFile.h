#pragma once
// Images as the generators hand them to the game: straight (not premultiplied)
// RGBA bytes, written as PNG, or as JPEG colour plus a greyscale JPEG ".alpha".
#include <cstdint>
#include <string>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace datakit {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // row-major from the top, 4 bytes R G B A

    RgbaImage() = default;
    RgbaImage(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h * 4, 0) {}
    uint8_t* at(int x, int y) { return &pixels[(static_cast<size_t>(y) * width + x) * 4]; }
    const uint8_t* at(int x, int y) const {
        return &pixels[(static_cast<size_t>(y) * width + x) * 4];
    }
};

// Copies a cairo ARGB32 (premultiplied) or RGB24 surface into straight RGBA.
RgbaImage FromCairo(cairo_surface_t* surface);

// Gives fully transparent pixels the colour of their visible neighbours. The
// game filters textures bilinearly; without this, edges of sprites would pick
// up the black of the empty pixels around them and show dark fringes.
void BleedIntoTransparent(RgbaImage& image, int passes);

bool WritePng(const std::string& path, const RgbaImage& image, std::string* error);
// Colour channels only; quality 0..100.
bool WriteJpeg(const std::string& path, const RgbaImage& image, int quality, std::string* error);
// The alpha channel as a greyscale JPEG (the game's separate ".alpha" image).
bool WriteJpegAlpha(const std::string& path, const RgbaImage& image, int quality,
                    std::string* error);

}  // namespace datakit
