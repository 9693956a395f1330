#include "tools/artgen/Lettering.h"

#include <cairo-ft.h>
#include <cmath>
#include <vector>

namespace artgen {

namespace {

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        FT_Init_FreeType(&lib);
        return lib;
    }();
    return library;
}

const cairo_user_data_key_t kFaceKey{};

void DoneFace(void* face) {
    FT_Done_Face(static_cast<FT_Face>(face));
}

}  // namespace

Lettering::Lettering(const PaintContext& context, const std::string& faceFile) {
    FT_Face face = nullptr;
    const std::string path = context.fontDir + "/" + faceFile;
    if (!Library() || FT_New_Face(Library(), path.c_str(), 0, &face) != 0)
        return;
    m_face = cairo_ft_font_face_create_for_ft_face(face, 0);
    cairo_font_face_set_user_data(m_face, &kFaceKey, face, DoneFace);
}

Lettering::~Lettering() {
    if (m_face)
        cairo_font_face_destroy(m_face);
}

void Lettering::Select(cairo_t* cr, double size) const {
    cairo_set_font_face(cr, m_face);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

double Lettering::Width(cairo_t* cr, const std::string& text, double size) const {
    if (!m_face)
        return 0;
    Select(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

void Lettering::TextPath(cairo_t* cr, const std::string& text, double x, double y, double size,
                         double align) const {
    if (!m_face)
        return;
    const double width = Width(cr, text, size);
    cairo_move_to(cr, x - align * width, y);
    cairo_text_path(cr, text.c_str());
}

void Lettering::ArcTextPath(cairo_t* cr, const std::string& text, double cx, double cy,
                            double radius, double size) const {
    if (!m_face)
        return;
    Select(cr, size);
    cairo_scaled_font_t* font = cairo_get_scaled_font(cr);
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    if (cairo_scaled_font_text_to_glyphs(font, 0, 0, text.c_str(), -1, &glyphs, &count, nullptr,
                                         nullptr, nullptr) != CAIRO_STATUS_SUCCESS) {
        return;
    }
    cairo_text_extents_t total;
    cairo_text_extents(cr, text.c_str(), &total);
    const double arcLength = total.x_advance;
    for (int i = 0; i < count; ++i) {
        cairo_text_extents_t one;
        cairo_scaled_font_glyph_extents(font, &glyphs[i], 1, &one);
        // Position of the glyph's centre along the arc, measured from the middle.
        const double along = glyphs[i].x + one.x_advance / 2 - arcLength / 2;
        const double angle = along / radius;  // 0 at the top of the circle
        cairo_save(cr);
        cairo_translate(cr, cx + radius * std::sin(angle), cy - radius * std::cos(angle));
        cairo_rotate(cr, angle);
        cairo_glyph_t g = glyphs[i];
        g.x = -one.x_advance / 2;
        g.y = 0;
        cairo_glyph_path(cr, &g, 1);
        cairo_restore(cr);
    }
    cairo_glyph_free(glyphs);
}

void PaintTitle(cairo_t* cr, datakit::Rgb top, datakit::Rgb bottom, double y0, double y1,
                double outline, double shadow) {
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_new_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // shadow: the outlined shape, offset down and blurred by widening strokes
    if (shadow > 0) {
        cairo_save(cr);
        cairo_translate(cr, shadow * 0.4, shadow);
        for (int i = 4; i >= 1; --i) {
            cairo_append_path(cr, path);
            cairo_set_line_width(cr, outline * 2 + i * shadow * 0.5);
            cairo_set_source_rgba(cr, 0.2, 0.1, 0.04, 0.12);
            cairo_stroke_preserve(cr);
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }
    cairo_append_path(cr, path);
    cairo_set_line_width(cr, outline * 2);
    datakit::SetColor(cr, datakit::palette::kInk);
    cairo_stroke(cr);
    cairo_append_path(cr, path);
    datakit::SetVerticalGradient(cr, y0, y1 - y0, top, bottom);
    cairo_fill(cr);
    // sheen over the upper half of the letters
    cairo_save(cr);
    cairo_append_path(cr, path);
    cairo_clip(cr);
    cairo_rectangle(cr, -1e5, y0 - 1e5, 2e5, 1e5 + (y1 - y0) * 0.45);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.28);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_path_destroy(path);
}

}  // namespace artgen
