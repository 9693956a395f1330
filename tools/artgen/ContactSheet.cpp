// A contact sheet: every sprite of the packed textures with its frames side by
// side on a line of grass, at game scale, the anchor marked, so a person can
// judge the animations together.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/artgen/Lettering.h"
#include "tools/artgen/SpriteLibrary.h"
#include "tools/common/ImageFile.h"
#include "tools/common/Palette.h"

namespace artgen {

using namespace datakit;

namespace {

constexpr double kLabelWidth = 200, kGap = 10, kRowPad = 12;

struct RowLayout {
    const ExSprite* sprite;
    double above, below, left, right, height, width;
};

RowLayout Measure(const ExSprite* sprite) {
    RowLayout r{sprite, 0, 0, 0, 0, 0, 0};
    for (const ExFrame& f : sprite->frames) {
        r.above = std::max(r.above, f.h - f.dy);
        r.below = std::max(r.below, f.dy);
        r.left = std::max(r.left, f.dx);
        r.right = std::max(r.right, f.w - f.dx);
    }
    r.height = std::max(r.above + r.below, 30.0) + 2 * kRowPad;
    r.width = kLabelWidth + sprite->frames.size() * (r.left + r.right + kGap);
    return r;
}

std::string Describe(const ExSprite& s) {
    char text[64];
    std::snprintf(text, sizeof text, "%zu x %.4g fps", s.frames.size(), s.fps);
    return text;
}

}  // namespace

bool WriteContactSheet(const SpriteLibrary& library, const PaintContext& context,
                       const std::string& path, double zoom, const std::string& only,
                       std::string* error) {
    Lettering font(context, "DejaVuSans.ttf");
    if (!font.ok()) {
        *error = "no label font in " + context.fontDir;
        return false;
    }
    std::vector<RowLayout> rows;
    double width = 0, height = 0;
    for (const ExSprite* sprite : library.All()) {
        if (sprite->name.rfind(only, 0) != 0)
            continue;
        rows.push_back(Measure(sprite));
        width = std::max(width, rows.back().width);
        height += rows.back().height;
    }
    if (rows.empty()) {
        *error = "no sprite's name begins with " + only;
        return false;
    }
    const int pw = static_cast<int>(std::ceil(width * zoom)),
              ph = static_cast<int>(std::ceil(height * zoom));
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, pw, ph);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, zoom, zoom);
    double y = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const RowLayout& r = rows[i];
        cairo_rectangle(cr, 0, y, width, r.height);
        SetColor(cr, i % 2 ? Hex(0x93C85E) : Hex(0x8BC157));
        cairo_fill(cr);
        const double base = y + kRowPad + r.above;
        cairo_move_to(cr, kLabelWidth - 4, base + 0.5);
        cairo_line_to(cr, r.width, base + 0.5);
        Stroke(cr, Hex(0x6E9E43), 1);
        font.TextPath(cr, r.sprite->name, 8, y + r.height / 2 - 2, 14, 0);
        SetColor(cr, palette::kInk);
        cairo_fill(cr);
        font.TextPath(cr, Describe(*r.sprite), 8, y + r.height / 2 + 14, 11, 0);
        SetColor(cr, Hex(0x3E5E22));
        cairo_fill(cr);
        for (size_t f = 0; f < r.sprite->frames.size(); ++f) {
            const double ax = kLabelWidth + f * (r.left + r.right + kGap) + r.left;
            library.Draw(cr, r.sprite->name, static_cast<int>(f), ax, base, 1.0, zoom > 1);
            // the anchor
            cairo_move_to(cr, ax - 2, base);
            cairo_line_to(cr, ax + 2, base);
            cairo_move_to(cr, ax, base - 2);
            cairo_line_to(cr, ax, base + 2);
            Stroke(cr, Hex(0xE0302A), 0.8, 0.9);
        }
        y += r.height;
    }
    cairo_destroy(cr);
    const bool ok = WritePng(path, FromCairo(surface), error);
    cairo_surface_destroy(surface);
    return ok;
}

}  // namespace artgen
