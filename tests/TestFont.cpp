#include "tests/TestFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <vector>

#include "engine/Font.h"
#include "engine/Image.h"
#include "engine/TextureCache.h"

namespace qor::test {

namespace {
constexpr uint32_t kAtlasSize = 256;

struct cCell {
    char16_t ch;
    int x, y, w;
    float bearing, advance;
};
}  // namespace

bool RasteriseTestFont(const cTestFontSpec& spec, std::string* why) {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        *why = "FreeType did not start";
        return false;
    }
    if (FT_New_Face(library, spec.fontFile, 0, &face) != 0) {
        FT_Done_FreeType(library);
        *why = std::string("no font at ") + spec.fontFile;
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, spec.pixelSize);
    const int ascender = static_cast<int>(face->size->metrics.ascender >> 6);
    const int cellHeight =
        spec.cellHeight > 0
            ? spec.cellHeight
            : static_cast<int>((face->size->metrics.ascender - face->size->metrics.descender) >> 6);
    const int baseline = spec.baseline >= 0 ? spec.baseline : ascender;

    cImage image;
    image.Create(kImageRGBA32, kAtlasSize, kAtlasSize);
    uint8_t* pixels = image.levels[0].data();
    std::vector<cCell> cells;
    int penX = 1, penY = 1;
    for (char16_t c = 32; c < 127; ++c) {
        if (FT_Load_Char(face, c, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        const int w = std::max(static_cast<int>(bitmap.width), 1);
        if (penX + w + 1 > static_cast<int>(kAtlasSize)) {
            penX = 1;
            penY += cellHeight + 2;
        }
        const int top = baseline - slot->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            const int y = penY + top + static_cast<int>(row);
            if (y < penY || y >= penY + cellHeight || y >= static_cast<int>(kAtlasSize)) continue;
            for (unsigned col = 0; col < bitmap.width; ++col) {
                uint8_t* p = pixels + (static_cast<size_t>(y) * kAtlasSize + penX + col) * 4;
                p[0] = p[1] = p[2] = 255;  // blue, green, red
                p[3] = bitmap.buffer[row * bitmap.pitch + col];
            }
        }
        cells.push_back({c, penX, penY, w, static_cast<float>(slot->bitmap_left),
                         static_cast<float>(slot->advance.x >> 6)});
        penX += w + 2;
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);

    cFontRef font = CreateOrResetFont(spec.fontName);
    AddTexture(spec.textureName, std::move(image));
    SetFontTexture(font.get(), spec.textureName, 0, 0);
    font->cellHeight = static_cast<float>(cellHeight);
    for (const cCell& cell : cells) {
        const char16_t ch[] = {cell.ch, 0};
        AddGlyph(font.get(), ch, static_cast<float>(cell.x), static_cast<float>(cell.y),
                 static_cast<float>(cell.w), static_cast<float>(cellHeight),
                 static_cast<float>(cell.w), cell.bearing, cell.advance);
    }
    return true;
}

}  // namespace qor::test
