#pragma once
// Rasterises a font face into one glyph texture: every glyph in a cell of the
// full line height (the game draws each character as one quad of that height,
// its bottom edge on the pen line), optionally with a baked outline and drop
// shadow, plus the resource icons drawn as coloured glyphs.
#include <string>
#include <vector>

#include "tools/common/ImageFile.h"

namespace fontgen {

struct Style {
    int pixelSize = 16;
    double outline = 0;            // outline radius in pixels (0: none)
    int shadowX = 0, shadowY = 0;  // drop shadow offset in pixels (0, 0: none)
    double shadowAlpha = 0.55;
};

struct Glyph {
    char32_t ch = 0;
    int u = 0, v = 0, cu = 0, cv = 0;  // cell in the texture, pixels from the top-left
    int bearingX = 0;                  // quad left edge relative to the pen
    int advance = 0;                   // pen movement
};

struct Sheet {
    datakit::RgbaImage image;
    int cellHeight = 0;
    std::vector<Glyph> glyphs;  // in character order
    std::string familyName, styleName;
};

// The characters every game font carries: printable Latin-1 (with the three
// fraction characters replaced by resource icons), the per-mille sign as the
// mana icon, and the common typographic quotes and dashes.
std::vector<char32_t> GameCharacterSet();

bool BuildSheet(const std::string& fontFile, const Style& style, Sheet* sheet, std::string* error);

}  // namespace fontgen
