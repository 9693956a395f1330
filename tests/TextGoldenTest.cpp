// Coloured text on screen: a bitmap font made at run time from DejaVu Sans
// with FreeType, drawn with both colour codes and compared with a golden image.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "engine/Font.h"
#include "engine/Render.h"
#include "engine/SpriteBatch.h"
#include "engine/TextureCache.h"
#include "tests/GLTestContext.h"
#include "tests/GoldenImage.h"

namespace qor::test {
namespace {

constexpr int kPixelSize = 18;
constexpr int kCellHeight = 24;
constexpr int kBaseline = 19;  // rows from the top of a cell down to the baseline
constexpr uint32_t kAtlasSize = 256;

// Rasterises printable ASCII into a white-on-transparent atlas texture and
// describes each glyph to the font the way a font script would: pixel cells
// from the top-left of the image.
bool BuildDejaVuFont(cFont* font, std::string* why) {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        *why = "FreeType did not start";
        return false;
    }
    if (FT_New_Face(library, QOR_TEST_FONT, 0, &face) != 0) {
        FT_Done_FreeType(library);
        *why = std::string("no font at ") + QOR_TEST_FONT;
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, kPixelSize);

    cImage image;
    image.Create(kImageRGBA32, kAtlasSize, kAtlasSize);
    uint8_t* pixels = image.levels[0].data();
    struct cCell {
        char16_t ch;
        int x, y, w;
        float bearing, advance;
    };
    std::vector<cCell> cells;
    int penX = 1, penY = 1;
    for (char c = 32; c < 127; ++c) {
        if (FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_RENDER) != 0)
            continue;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        const int w = std::max<int>(static_cast<int>(bitmap.width), 1);
        if (penX + w + 1 > static_cast<int>(kAtlasSize)) {
            penX = 1;
            penY += kCellHeight + 2;
        }
        const int top = kBaseline - slot->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            const int y = penY + top + static_cast<int>(row);
            if (y < penY || y >= penY + kCellHeight)
                continue;
            for (unsigned col = 0; col < bitmap.width; ++col) {
                uint8_t* p = pixels + (static_cast<size_t>(y) * kAtlasSize + penX + col) * 4;
                p[0] = p[1] = p[2] = 255;  // blue, green, red
                p[3] = bitmap.buffer[row * bitmap.pitch + col];
            }
        }
        cells.push_back({static_cast<char16_t>(c), penX, penY, w,
                         static_cast<float>(slot->bitmap_left),
                         static_cast<float>(slot->advance.x >> 6)});
        penX += w + 2;
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);

    AddTexture(u"dejavu18", std::move(image));
    SetFontTexture(font, u"dejavu18", 0, 0);
    font->cellHeight = kCellHeight;
    for (const cCell& cell : cells) {
        const char16_t ch[] = {cell.ch, 0};
        AddGlyph(font, ch, static_cast<float>(cell.x), static_cast<float>(cell.y),
                 static_cast<float>(cell.w), kCellHeight, static_cast<float>(cell.w), cell.bearing,
                 cell.advance);
    }
    return true;
}

class TextGoldenTest : public GLTest {
  protected:
    TextGoldenTest() : GLTest(320, 72) {}
    void TearDown() override {
        ClearFontCache();
        GLTest::TearDown();
    }
};

// The brightest pixel between two x positions, as (r, g, b).
std::array<int, 3> Brightest(const cRgbaImage& frame, int x0, int x1, int y0, int y1) {
    std::array<int, 3> best{0, 0, 0};
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const uint8_t* p = frame.AtUp(x, y);
            if (p[0] + p[1] + p[2] > best[0] + best[1] + best[2])
                best = {p[0], p[1], p[2]};
        }
    }
    return best;
}

TEST_F(TextGoldenTest, ColourCodesChangeAndRestoreTheColour) {
    cFontRef font = CreateOrResetFont(u"dejavu18");
    std::string why;
    if (!BuildDejaVuFont(font.get(), &why))
        GTEST_SKIP() << why;

    const std::u16string line1 = u"^FF4040FFRed ^^plain ^40A0FFFFblue^^ again";
    const std::u16string line2 = u"^40E040A0Half green^^, ^^^FFD000FFgold";
    ASSERT_TRUE(g_render->Begin());
    g_render->SetClearColor(0.12f, 0.1f, 0.16f, 1.0f);
    g_render->Clear();
    g_render->Begin2D(320, 72, false);
    g_render->SetBlend(kBlendAlpha, 0.0f);
    g_render->SetColor(0xFFFFFFFFu);
    cSpriteBatch batch;
    DrawColoredText(&batch, line1, 8.6f, 40.3f, font.get(), 0xFFF0F0E0u);
    DrawColoredText(&batch, line2, 8, 8, font.get());
    FlushBatch(&batch);
    batch.Clear();
    g_render->End2D();
    g_render->End();

    cRgbaImage frame;
    ASSERT_TRUE(CaptureFrame(&frame));
    // The words carry their colours: "Red" is red, "blue" blue, "plain" the
    // call's near-white, and the codes take no room.
    const int redEnd = 8 + static_cast<int>(MeasureText(u"Red", font.get()).x);
    const int blueStart = 8 + static_cast<int>(MeasureColoredText(u"Red plain ", font.get()).x);
    const int blueEnd = blueStart + static_cast<int>(MeasureText(u"blue", font.get()).x);
    const auto red = Brightest(frame, 8, redEnd, 40, 40 + kCellHeight);
    EXPECT_GT(red[0], 200);
    EXPECT_LT(red[1], 100);
    const auto blue = Brightest(frame, blueStart, blueEnd, 40, 40 + kCellHeight);
    EXPECT_GT(blue[2], 200);
    EXPECT_LT(blue[0], 100);
    const auto plain = Brightest(frame, redEnd + 8, blueStart - 8, 40, 40 + kCellHeight);
    EXPECT_GT(plain[1], 200);
    EXPECT_GT(plain[0], 200);

    EXPECT_TRUE(MatchesGolden("text_colored"));
}

}  // namespace
}  // namespace qor::test
