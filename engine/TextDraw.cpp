// Measuring and drawing text with a bitmap font (see engine/Font.h).
#include <cmath>
#include <cstring>

#include "engine/Font.h"

namespace qor {

namespace {

// A colour code is "^" and eight more characters; "^^" restores the colour.
constexpr char16_t kCodeMark = u'^';
constexpr size_t kCodeDigits = 8;

int HexValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return 0;  // a stray character reads as 0 rather than stopping the text
}

// "RRGGBBAA" → ARGB.
uint32_t ParseColorCode(std::u16string_view digits) {
    uint32_t rgba = 0;
    for (size_t i = 0; i < kCodeDigits; ++i)
        rgba = (rgba << 4) | HexValue(digits[i]);
    return (rgba >> 8) | (rgba << 24);
}

// The game's fonts draw the resource icons (wood, food, gold, mana) as
// pictures in their own colours: the text's colour only fades them, or a
// dark label would turn them into silhouettes.
uint32_t GlyphColor(char16_t ch, uint32_t color) {
    const bool picture = ch == u'\u00BD' || ch == u'\u00BC' || ch == u'\u00BE' || ch == u'\u2030';
    return picture ? (color | 0x00FFFFFFu) : color;
}

// Sums the advances; the last character counts its quad width instead.
class cTextMeasure {
  public:
    explicit cTextMeasure(const cFont& font) : m_font(font) {}
    void Add(char16_t ch) {
        if (m_last)
            m_width += m_last->dx + m_font.spacing;
        m_last = &m_font.Glyph(ch);
    }
    cVec2 Result() const { return {m_width + (m_last ? m_last->fWidth : 0.0f), m_font.cellHeight}; }

  private:
    const cFont& m_font;
    const cGlyph* m_last = nullptr;
    float m_width = 0;
};

// Two triangles in the vertex order of DrawSprite.
void WriteGlyphQuad(cVertex* v, float x, float y, const cGlyph& g, float height, uint32_t color) {
    const float x1 = x + g.fWidth, y1 = y + height;
    const float u1 = g.u + g.cu, v1 = g.v + g.cv;
    v[0] = {x, y, 0, color, g.u, g.v};
    v[1] = {x1, y, 0, color, u1, g.v};
    v[2] = {x, y1, 0, color, g.u, v1};
    v[3] = {x, y1, 0, color, g.u, v1};
    v[4] = {x1, y, 0, color, u1, g.v};
    v[5] = {x1, y1, 0, color, u1, v1};
}

// Six vertices per character for the font's texture, or null when nothing can be drawn.
cVertex* ReserveText(cSpriteBatch* batch, std::u16string_view text, const cFont* font) {
    if (!batch || !font || text.empty())
        return nullptr;
    if (text.size() > static_cast<size_t>(cSpriteBatch::kMaxVertices) / 6)
        return nullptr;
    return AllocVertices(batch, static_cast<int>(text.size()) * 6, font->texture);
}

}  // namespace

cVec2 MeasureText(std::u16string_view text, const cFont* font) {
    if (!font)
        return {0, 0};
    cTextMeasure measure(*font);
    for (char16_t ch : text)
        measure.Add(ch);
    return measure.Result();
}

cVec2 MeasureColoredText(std::u16string_view text, const cFont* font) {
    if (!font)
        return {0, 0};
    cTextMeasure measure(*font);
    for (size_t i = 0; i < text.size();) {
        if (text[i] != kCodeMark) {
            measure.Add(text[i++]);
        } else if (i + 1 < text.size() && text[i + 1] == kCodeMark) {
            i += 2;
        } else {
            i += 1 + kCodeDigits;  // a cut-off code swallows the rest of the text
        }
    }
    return measure.Result();
}

void DrawText(cSpriteBatch* batch, std::u16string_view text, float x, float y, const cFont* font,
              uint32_t color) {
    cVertex* v = ReserveText(batch, text, font);
    if (!v)
        return;
    // Text is snapped to whole pixels so glyphs are not resampled.
    float penX = std::floor(x);
    const float penY = std::floor(y);
    for (char16_t ch : text) {
        const cGlyph& glyph = font->Glyph(ch);
        WriteGlyphQuad(v, penX + glyph.fBearingX, penY, glyph, font->cellHeight,
                       GlyphColor(ch, color));
        v += 6;
        penX += glyph.dx + font->spacing;
    }
}

void DrawColoredText(cSpriteBatch* batch, std::u16string_view text, float x, float y,
                     const cFont* font, uint32_t color) {
    cVertex* v = ReserveText(batch, text, font);
    if (!v)
        return;
    float penX = std::floor(x);
    const float penY = std::floor(y);
    uint32_t current = color;
    for (size_t i = 0; i < text.size();) {
        size_t codeLength = 0;
        if (text[i] == kCodeMark && i + 1 < text.size() && text[i + 1] == kCodeMark) {
            current = color;
            codeLength = 2;
        } else if (text[i] == kCodeMark && text.size() - i > kCodeDigits) {
            current = ParseColorCode(text.substr(i + 1, kCodeDigits));
            codeLength = 1 + kCodeDigits;
        }
        if (codeLength > 0) {
            // The code's characters keep their reserved vertices, zeroed.
            std::memset(static_cast<void*>(v), 0, sizeof(cVertex) * 6 * codeLength);
            v += 6 * codeLength;
            i += codeLength;
            continue;
        }
        const cGlyph& glyph = font->Glyph(text[i]);
        WriteGlyphQuad(v, penX + glyph.fBearingX, penY, glyph, font->cellHeight,
                       GlyphColor(text[i], current));
        v += 6;
        penX += glyph.dx + font->spacing;
        ++i;
    }
}

}  // namespace qor
