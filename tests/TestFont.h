#pragma once
// A bitmap font made at run time from a system TrueType font with FreeType,
// for tests that draw text: printable ASCII, white glyphs on transparency,
// described to the engine the way a font script would (pixel cells from the
// top-left of the texture).
#include <string>

namespace qor::test {

struct cTestFontSpec {
    std::u16string fontName;     // the font cache entry to (re)fill
    std::u16string textureName;  // the texture cache entry of its glyphs
    int pixelSize = 18;
    int cellHeight = 0;  // 0: the face's ascender minus descender
    int baseline = -1;   // rows from a cell's top to the baseline; -1: the ascender
    const char* fontFile = QOR_TEST_FONT;
};

// False, with the reason, when FreeType or the font file is not there.
bool RasteriseTestFont(const cTestFontSpec& spec, std::string* why);

}  // namespace qor::test
