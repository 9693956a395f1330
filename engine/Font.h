#pragma once
// Bitmap fonts: a texture holding the glyph images and, per UTF-16 code unit, a
// glyph record with the glyph's cell in the texture and its metrics. Font
// scripts describe them (createFont, initFont, setFontTexture, fillFont) and
// the process-wide font cache keeps them by name. Text is drawn as one quad
// per character into the sprite batch (engine/TextDraw.cpp).
#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/SpriteBatch.h"
#include "engine/TextureCache.h"

namespace qor {

// Cell u, v, cu, cv in texture coordinates (left, bottom, width, height).
struct cGlyph {
    float fWidth = 0;  // quad width in pixels
    float u = 0, v = 0, cu = 0, cv = 0;
    float fBearingX = 0;  // offset of the quad from the pen
    float dx = 0;         // advance
};

class cFont {
  public:
    cFont();
    ~cFont();
    cFont(const cFont&) = delete;
    cFont& operator=(const cFont&) = delete;

    // The character's glyph, or the all-zero default glyph when it has none.
    const cGlyph& Glyph(char16_t ch) const;
    bool HasGlyph(char16_t ch) const { return m_defined.test(ch); }
    // Stores the glyph unless the character already has one (the first
    // definition wins). False when it was kept out.
    bool SetGlyph(char16_t ch, const cGlyph& glyph);
    // Back to an empty font: no texture, no glyphs, all sizes and names cleared.
    void Reset();

    cTextureRef texture;
    float cellHeight = 0;  // glyph quad height and line height, in pixels
    float spacing = 0;     // extra advance after every character
    std::u16string faceName;
    std::u16string styleName;
    int size = 0;
    std::u16string textureName;
    float textureWidth = 0;
    float textureHeight = 0;

  private:
    // Glyphs live in pages of 256 code units made on first use: one table
    // entry per UTF-16 code unit without 65536 records per font.
    using cPage = std::array<cGlyph, 256>;
    std::array<std::unique_ptr<cPage>, 256> m_pages;
    std::bitset<65536> m_defined;
};

using cFontRef = std::shared_ptr<cFont>;

// The font cached under `name`; empty when there is none. Like the texture
// cache, a lookup leaves an empty entry under a name that had none.
cFontRef FindFont(const std::u16string& name);
// The cached font, emptied when it existed (holders keep the same object and
// see it refilled); otherwise a new empty font stored under the name.
cFontRef CreateOrResetFont(const std::u16string& name);
size_t FontCacheSize();
// Empties the font cache; cGame does this when it goes.
void ClearFontCache();

// Binds the cached texture of that name; the font's texture size becomes the
// texture's size when the texture exists, otherwise `width` and `height`.
void SetFontTexture(cFont* font, const std::u16string& name, float width, float height);
// Adds a glyph for the first character of `ch` with its cell given in pixels
// from the top-left of the texture (left, top, width, height). Nothing for an
// empty string or a character that already has a glyph.
void AddGlyph(cFont* font, std::u16string_view ch, float u, float v, float cu, float cv,
              float fWidth, float fBearingX, float dx);

// A character of the private use area that every font draws as "^" and that
// the colour codes do not see: how a text shows a caret typed by a player.
inline constexpr char16_t kLiteralCaret = u'\uE05E';

// Opaque white: what DrawColoredText uses without a colour.
inline constexpr uint32_t kTextWhite = 0xFFFFFFFFu;

// (width, height): every character but the last advances by dx + spacing, the
// last adds its quad width; the height is the cell height. (0, 0) without font.
cVec2 MeasureText(std::u16string_view text, const cFont* font);
// The same with the colour codes of DrawColoredText taking no room.
cVec2 MeasureColoredText(std::u16string_view text, const cFont* font);

// One quad per character from the pen at (floor(x), floor(y)); nothing for an
// empty text, without font, or when the batch is full.
void DrawText(cSpriteBatch* batch, std::u16string_view text, float x, float y, const cFont* font,
              uint32_t color);
// As DrawText, with inline colour codes: "^RRGGBBAA" (hexadecimal) colours the
// following characters, "^^" returns to `color`. Codes draw nothing.
void DrawColoredText(cSpriteBatch* batch, std::u16string_view text, float x, float y,
                     const cFont* font, uint32_t color = kTextWhite);

}  // namespace qor
