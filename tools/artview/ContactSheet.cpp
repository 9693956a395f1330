#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>

#include "tools/artview/Views.h"

namespace artview {

namespace {

constexpr double kPad = 10, kTitle = 18, kMaxWidth = 1500;

struct Layout {
    const Sprite* sprite;
    double left = 0, right = 0, above = 0, below = 0;  // extents around the anchor
    int perLine = 1, lines = 1;
    int only = -1;  // the one frame to show, or -1 for all
    double CellWidth() const { return left + right + kPad; }
    double LineHeight() const { return above + below + kPad; }
    double Height() const { return kTitle + lines * LineHeight(); }
};

Layout Measure(const Sprite& sprite) {
    Layout l{&sprite};
    for (const SpriteFrame& f : sprite.frames) {
        l.left = std::max(l.left, f.dx);
        l.right = std::max(l.right, f.w - f.dx);
        l.above = std::max(l.above, f.h - f.dy);
        l.below = std::max(l.below, f.dy);
    }
    l.perLine = std::max(1, static_cast<int>((kMaxWidth - kPad) / l.CellWidth()));
    const int count = static_cast<int>(sprite.frames.size());
    l.perLine = std::min(l.perLine, std::max(1, count));
    l.lines = (count + l.perLine - 1) / l.perLine;
    return l;
}

FT_Library g_fonts = nullptr;

// The face for the names, or null. Cairo may keep it cached after the sheet
// is drawn, so the FreeType face goes with the cairo face.
cairo_font_face_t* LabelFont(const std::string& file) {
    static const cairo_user_data_key_t key{};
    FT_Face face = nullptr;
    if ((!g_fonts && FT_Init_FreeType(&g_fonts) != 0) ||
        FT_New_Face(g_fonts, file.c_str(), 0, &face) != 0)
        return nullptr;
    cairo_font_face_t* font = cairo_ft_font_face_create_for_ft_face(face, 0);
    cairo_font_face_set_user_data(font, &key, face,
                                  [](void* p) { FT_Done_Face(static_cast<FT_Face>(p)); });
    return font;
}

void Cross(cairo_t* cr, double x, double y) {
    cairo_move_to(cr, x - 4, y);
    cairo_line_to(cr, x + 4, y);
    cairo_move_to(cr, x, y - 4);
    cairo_line_to(cr, x, y + 4);
    cairo_set_source_rgba(cr, 0.85, 0.1, 0.1, 0.9);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

}  // namespace

cairo_surface_t* ContactSheet(const SpriteAtlases& atlases, const std::vector<std::string>& only,
                              bool marks, const std::string& fontFile) {
    std::vector<Layout> rows;
    double width = 200, height = kPad;
    for (const Sprite& sprite : atlases.sprites()) {
        const auto listed = [&](const std::string& name) {
            return std::find(only.begin(), only.end(), name) != only.end();
        };
        int frame = -1;
        for (size_t k = 0; k < sprite.frames.size(); ++k) {
            if (listed(sprite.name + ":" + std::to_string(k)))
                frame = static_cast<int>(k);
        }
        if (!only.empty() && !listed(sprite.name) && !listed(sprite.texture) && frame < 0)
            continue;
        rows.push_back(Measure(sprite));
        if (frame >= 0) {
            rows.back().only = frame;
            rows.back().perLine = rows.back().lines = 1;
        }
        width = std::max(width, kPad + rows.back().perLine * rows.back().CellWidth());
        height += rows.back().Height();
    }
    cairo_surface_t* surface = cairo_image_surface_create(
        CAIRO_FORMAT_RGB24, static_cast<int>(width + kPad), static_cast<int>(height + kPad));
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 0x8C / 255.0, 0xC6 / 255.0, 0x5A / 255.0);
    cairo_paint(cr);
    cairo_font_face_t* font = LabelFont(fontFile);
    if (font) {
        cairo_set_font_face(cr, font);
        cairo_set_font_size(cr, 12);
    }
    double y = kPad;
    for (const Layout& row : rows) {
        char title[256];
        std::snprintf(title, sizeof title, "%s   (%s, %zu frames, %g fps)",
                      row.sprite->name.c_str(), row.sprite->texture.c_str(),
                      row.sprite->frames.size(), row.sprite->fps);
        if (font) {
            cairo_set_source_rgb(cr, 0.15, 0.2, 0.08);
            cairo_move_to(cr, kPad, y + 13);
            cairo_show_text(cr, title);
        }
        for (size_t k = 0; k < row.sprite->frames.size(); ++k) {
            if (row.only >= 0 && static_cast<int>(k) != row.only)
                continue;
            const int slot = row.only >= 0 ? 0 : static_cast<int>(k);
            const int line = slot / row.perLine;
            const int column = slot % row.perLine;
            const double ax = kPad + column * row.CellWidth() + row.left;
            const double ay = y + kTitle + line * row.LineHeight() + row.above;
            atlases.DrawFrame(cr, *row.sprite, static_cast<int>(k), ax, ay);
            if (marks)
                Cross(cr, ax, ay);
        }
        y += row.Height();
    }
    cairo_destroy(cr);
    if (font)
        cairo_font_face_destroy(font);
    return surface;
}

void ReleaseFonts() {
    cairo_debug_reset_static_data();
    if (g_fonts)
        FT_Done_FreeType(g_fonts);
    g_fonts = nullptr;
}

cairo_surface_t* Zoomed(cairo_surface_t* picture, int zoom) {
    const int w = cairo_image_surface_get_width(picture),
              h = cairo_image_surface_get_height(picture);
    cairo_surface_t* big = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w * zoom, h * zoom);
    cairo_t* cr = cairo_create(big);
    cairo_scale(cr, zoom, zoom);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_destroy(cr);
    return big;
}

}  // namespace artview
