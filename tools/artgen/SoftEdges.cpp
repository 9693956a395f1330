#include "tools/artgen/SoftEdges.h"

#include <cstdint>
#include <vector>

namespace artgen {

namespace {

// One pass of a running-sum box blur along a line of `count` pixels, `step`
// apart; edges count as transparent.
void BlurLine(uint8_t* first, int count, int step, int radius, std::vector<int>* scratch) {
    std::vector<int>& sums = *scratch;
    sums.assign(static_cast<size_t>(count + 1) * 4, 0);
    for (int i = 0; i < count; ++i) {
        for (int c = 0; c < 4; ++c) {
            sums[(i + 1) * 4 + c] = sums[i * 4 + c] + first[i * step + c];
        }
    }
    const int width = 2 * radius + 1;
    for (int i = 0; i < count; ++i) {
        const int lo = i - radius < 0 ? 0 : i - radius;
        const int hi = i + radius + 1 > count ? count : i + radius + 1;
        for (int c = 0; c < 4; ++c) {
            first[i * step + c] =
                static_cast<uint8_t>((sums[hi * 4 + c] - sums[lo * 4 + c]) / width);
        }
    }
}

}  // namespace

void BlurSurface(cairo_surface_t* surface, int radius, int passes) {
    if (radius <= 0)
        return;
    cairo_surface_flush(surface);
    uint8_t* data = cairo_image_surface_get_data(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<int> scratch;
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < h; ++y)
            BlurLine(data + y * stride, w, 4, radius, &scratch);
        for (int x = 0; x < w; ++x)
            BlurLine(data + x * 4, h, stride, radius, &scratch);
    }
    cairo_surface_mark_dirty(surface);
}

void PaintBlurred(cairo_t* cr, double x, double y, int w, int h, int radius, double alpha,
                  const std::function<void(cairo_t*)>& draw) {
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* sc = cairo_create(scratch);
    draw(sc);
    cairo_destroy(sc);
    BlurSurface(scratch, radius);
    cairo_set_source_surface(cr, scratch, x, y);
    cairo_paint_with_alpha(cr, alpha);
    cairo_surface_destroy(scratch);
}

}  // namespace artgen
