#include "tools/backgen/GroundFields.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "tools/artgen/SoftEdges.h"
#include "tools/backgen/GroundPicture.h"

namespace backgen {

namespace {

// A grid point on the picture: world units with y turned downwards.
void PictureCorner(cairo_t* cr, float i, float j, bool first) {
    const qor::cVec2 p = GridToWorld({i, j});
    const double x = p.x, y = kPictureHeight - p.y;
    if (first)
        cairo_move_to(cr, x, y);
    else
        cairo_line_to(cr, x, y);
}

}  // namespace

cField::cField(const cGroundMap& map, const std::function<bool(eGround)>& pick, int radius)
    : m_width(kPictureWidth), m_height(kPictureHeight) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, m_width, m_height);
    cairo_t* cr = cairo_create(surface);
    // One path for all the cells, so that neighbours meet without a seam.
    for (int i = 0; i < kGridColumns; ++i) {
        for (int j = 0; j < kGridRows; ++j) {
            if (!pick(map.At({i, j})))
                continue;
            const float fi = static_cast<float>(i), fj = static_cast<float>(j);
            PictureCorner(cr, fi, fj, true);
            PictureCorner(cr, fi + 1, fj, false);
            PictureCorner(cr, fi + 1, fj + 1, false);
            PictureCorner(cr, fi, fj + 1, false);
            cairo_close_path(cr);
        }
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
    cairo_destroy(cr);
    artgen::BlurSurface(surface, radius);
    m_values.resize(static_cast<size_t>(m_width) * m_height);
    const uint8_t* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            // Premultiplied white: every channel holds the coverage; the blur
            // rounds the four a little differently, so take their mean.
            const uint8_t* p = data + y * stride + x * 4;
            m_values[static_cast<size_t>(y) * m_width + x] = (p[0] + p[1] + p[2] + p[3]) / 1020.0f;
        }
    }
    cairo_surface_destroy(surface);
}

float cField::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0.0f;
    return m_values[static_cast<size_t>(y) * m_width + x];
}

float cField::Slope(int x, int y) const {
    const float dx = (At(x + 1, y) - At(x - 1, y)) * 0.5f;
    const float dy = (At(x, y + 1) - At(x, y - 1)) * 0.5f;
    // A flat field has no outline nearby; a floor keeps the division sane.
    return std::max(std::sqrt(dx * dx + dy * dy), 1e-4f);
}

float cField::Inside(int x, int y, float threshold) const {
    return std::clamp((At(x, y) - threshold) / Slope(x, y) + 0.5f, 0.0f, 1.0f);
}

float cField::Line(int x, int y, float threshold, float halfWidth) const {
    return std::clamp(halfWidth + 0.5f - std::fabs(At(x, y) - threshold) / Slope(x, y), 0.0f, 1.0f);
}

}  // namespace backgen
