// Coloured text on screen: a bitmap font made at run time from DejaVu Sans
// with FreeType, drawn with both colour codes and compared with a golden image.
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
#include "tests/TestFont.h"

namespace qor::test {
namespace {

constexpr int kCellHeight = 24;

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
    std::string why;
    if (!RasteriseTestFont({u"dejavu18", u"dejavu18", 18, kCellHeight, 19}, &why))
        GTEST_SKIP() << why;
    cFontRef font = FindFont(u"dejavu18");

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
