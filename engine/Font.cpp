#include "engine/Font.h"

#include <map>

#include "engine/LiveHandles.h"

namespace qor {

namespace {

std::map<std::u16string, cFontRef>& Fonts() {
    static std::map<std::u16string, cFontRef> cache;
    return cache;
}

const cGlyph kDefaultGlyph;

}  // namespace

cFont::cFont() {
    cLiveHandles<cFont>::Add(this);
}

cFont::~cFont() {
    cLiveHandles<cFont>::Remove(this);
}

const cGlyph& cFont::Glyph(char16_t ch) const {
    if (ch == kLiteralCaret && !m_defined.test(ch))
        ch = u'^';
    const cPage* page = m_pages[ch >> 8].get();
    return page && m_defined.test(ch) ? (*page)[ch & 0xFF] : kDefaultGlyph;
}

bool cFont::SetGlyph(char16_t ch, const cGlyph& glyph) {
    if (m_defined.test(ch))
        return false;
    std::unique_ptr<cPage>& page = m_pages[ch >> 8];
    if (!page)
        page = std::make_unique<cPage>();
    (*page)[ch & 0xFF] = glyph;
    m_defined.set(ch);
    return true;
}

void cFont::Reset() {
    texture.reset();
    cellHeight = 0;
    spacing = 0;
    for (auto& page : m_pages)
        page.reset();
    m_defined.reset();
    faceName.clear();
    styleName.clear();
    size = 0;
    textureName.clear();
    textureWidth = 0;
    textureHeight = 0;
}

cFontRef FindFont(const std::u16string& name) {
    return Fonts()[name];
}

cFontRef CreateOrResetFont(const std::u16string& name) {
    cFontRef& entry = Fonts()[name];
    if (entry) {
        entry->Reset();
    } else {
        entry = std::make_shared<cFont>();
    }
    return entry;
}

size_t FontCacheSize() {
    return Fonts().size();
}

void ClearFontCache() {
    Fonts().clear();
}

void SetFontTexture(cFont* font, const std::u16string& name, float width, float height) {
    if (!font)
        return;
    font->textureName = name;
    font->texture = FindTexture(name);
    if (font->texture) {
        font->textureWidth = static_cast<float>(font->texture->GetWidth());
        font->textureHeight = static_cast<float>(font->texture->GetHeight());
    } else {
        font->textureWidth = width;
        font->textureHeight = height;
    }
}

void AddGlyph(cFont* font, std::u16string_view ch, float u, float v, float cu, float cv,
              float fWidth, float fBearingX, float dx) {
    if (!font || ch.empty() || font->HasGlyph(ch.front()))
        return;
    cGlyph glyph;
    glyph.fWidth = fWidth;
    glyph.fBearingX = fBearingX;
    glyph.dx = dx;
    const float w = font->textureWidth;
    const float h = font->textureHeight;
    if (w != 0 && h != 0) {
        // Cells are given from the top-left corner of the image; texture v
        // counts from the bottom.
        glyph.u = u / w;
        glyph.v = 1.0f - v / h - cv / h;
        glyph.cu = cu / w;
        glyph.cv = cv / h;
    } else {
        glyph.u = u;
        glyph.v = v;
        glyph.cu = cu;
        glyph.cv = cv;
    }
    font->SetGlyph(ch.front(), glyph);
}

}  // namespace qor
