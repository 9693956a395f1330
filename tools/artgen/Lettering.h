#pragma once
// Lettering painted into pictures (title cards, badges): outlines of glyphs of
// a TrueType face loaded from a fixed file, so the result never depends on
// the fonts a machine happens to have configured.
#include <cairo.h>
#include <string>

#include "tools/artgen/TextureBook.h"
#include "tools/common/Palette.h"

namespace artgen {

class Lettering {
  public:
    // `faceFile` is a file name inside the context's font folder.
    Lettering(const PaintContext& context, const std::string& faceFile);
    ~Lettering();
    Lettering(const Lettering&) = delete;
    Lettering& operator=(const Lettering&) = delete;

    bool ok() const { return m_face != nullptr; }
    double Width(cairo_t* cr, const std::string& text, double size) const;
    // Appends the glyph outlines of `text` to the current path, its baseline at
    // y and its left edge at x - align * width (align 0.5 centres it).
    void TextPath(cairo_t* cr, const std::string& text, double x, double y, double size,
                  double align) const;
    // Glyphs set on an arc of the circle (cx, cy, radius), centred on the top
    // of the circle, letters upright along it.
    void ArcTextPath(cairo_t* cr, const std::string& text, double cx, double cy, double radius,
                     double size) const;

  private:
    void Select(cairo_t* cr, double size) const;
    cairo_font_face_t* m_face = nullptr;
};

// Paints the current path (and consumes it) as a title: a soft drop shadow, a
// thick ink outline, a fill shaded from `top` to `bottom` between y0 and y1, and
// a light sheen over the upper half.
void PaintTitle(cairo_t* cr, datakit::Rgb top, datakit::Rgb bottom, double y0, double y1,
                double outline, double shadow);

}  // namespace artgen
