// Each colour mode, the texture alone and the alpha test are programs of their
// own, each holding its own copy of the tint and the alpha reference. Drawing
// them in turn within one frame must give every draw the combination and the
// test that SetColor and SetBlend asked for, whichever program drew last.
#include <gtest/gtest.h>

#include <iterator>
#include <memory>

#include "engine/Render.h"
#include "engine/SpriteBatch.h"
#include "engine/TextureCache.h"
#include "tests/GLTestContext.h"
#include "tests/GoldenImage.h"

namespace qor::test {
namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kTranslucent = Argb(200, 255, 128, 64);
constexpr uint32_t kOpaque = Argb(255, 60, 200, 120);
constexpr uint32_t kVertex = Argb(160, 128, 255, 255);
constexpr int kCell = 64;  // 64 × 64 quads: large enough to be drawn opaque where they may

uint32_t Channel(uint32_t argb, int shift) {
    return (argb >> shift) & 0xFF;
}
int Times(uint32_t a, uint32_t b, int shift) {
    return static_cast<int>((Channel(a, shift) * Channel(b, shift) + 127) / 255);
}

struct cModeCase {
    const char* what;
    uint32_t texel, vertex, tint;
    int mode;
    bool colorFromTint, alphaFromTint;
};

// What the draw should leave: colour and alpha as the mode combines them.
void Expected(const cModeCase& c, int rgb[3], int* alpha) {
    const uint32_t colorSource = c.colorFromTint ? c.tint : c.vertex;
    for (int i = 0; i < 3; ++i)
        rgb[i] = Times(c.texel, colorSource, 16 - 8 * i);
    *alpha = Times(c.texel, c.alphaFromTint ? c.tint : c.vertex, 24);
}

class ProgramTest : public GLTest {
  protected:
    ProgramTest() : GLTest(6 * kCell, 4 * kCell) {}
};

TEST_F(ProgramTest, EveryModeAndAlphaTestDrawsWithItsOwnProgramAndUniforms) {
    const cModeCase cases[] = {
        {"texture x vertex", kTranslucent, kVertex, kWhite, kColorTexVertex, false, false},
        {"texture alone", kTranslucent, kWhite, kWhite, kColorTexVertex, false, false},
        // White vertices, but the tint counts: never the texture alone.
        {"texture x tint", kTranslucent, kWhite, Argb(128, 64, 255, 255), kColorTexFactor, true,
         true},
        {"alpha from tint", kTranslucent, kVertex, Argb(64, 255, 255, 255), kColorVertexAlphaFactor,
         false, true},
        {"colour from tint", kTranslucent, kVertex, Argb(255, 0, 255, 128), kColorFactorAlphaVertex,
         true, false},
        // The same program as above with another tint, after others drew.
        {"texture x other tint", kTranslucent, kWhite, Argb(192, 255, 128, 255), kColorTexFactor,
         true, true},
        // Opaque texels and vertices, yet the tint fades them: the alpha test still decides.
        {"opaque texture, tint alpha", kOpaque, kWhite, Argb(64, 255, 255, 255),
         kColorVertexAlphaFactor, false, true},
    };
    cTextureRef translucent =
        AddTexture(u"translucent", MakeSolidImage(kImageRGBA32, 4, 4, kTranslucent));
    cTextureRef opaque = AddTexture(u"opaque", MakeSolidImage(kImageRGBA32, 4, 4, kOpaque));
    // Alpha test off, with the reference a little below the draw's alpha, and a little above.
    const int offsets[] = {0, -4, 4};
    constexpr int kCount = static_cast<int>(std::size(cases));

    ASSERT_TRUE(g_render->Begin());
    g_render->SetClearColor(10 / 255.0f, 20 / 255.0f, 30 / 255.0f, 1.0f);
    g_render->Clear();
    g_render->Begin2D(static_cast<float>(m_width), static_cast<float>(m_height), false);
    auto batch = std::make_unique<cSpriteBatch>();
    // Variant by variant, so that the program changes between any two draws
    // and each comes back later with another reference.
    for (int v = 0; v < 3; ++v) {
        for (int i = 0; i < kCount; ++i) {
            const cModeCase& c = cases[i];
            int rgb[3], alpha = 0;
            Expected(c, rgb, &alpha);
            g_render->SetBlend(kBlendOff, offsets[v] ? (alpha + offsets[v]) / 255.0f : 0.0f);
            g_render->SetColor(c.tint);
            ASSERT_EQ(g_render->colorMode(), c.mode) << c.what;
            const int n = v * kCount + i;
            const float x = static_cast<float>(n % 6 * kCell);
            const float y = static_cast<float>(n / 6 * kCell);
            DrawSprite(batch.get(), c.texel == kOpaque ? opaque : translucent, {0, 0, 1, 1},
                       {x, y, kCell, kCell}, c.vertex);
            FlushBatch(batch.get());
            batch->Clear();
        }
    }
    g_render->SetBlend(kBlendOff, 0.0f);
    g_render->SetColor(kWhite);
    g_render->End2D();
    g_render->End();
    cRgbaImage frame;
    ASSERT_TRUE(CaptureFrame(&frame));
    for (int v = 0; v < 3; ++v) {
        for (int i = 0; i < kCount; ++i) {
            int rgb[3], alpha = 0;
            Expected(cases[i], rgb, &alpha);
            const bool drawn = offsets[v] <= 0;
            const int n = v * kCount + i;
            const int x = n % 6 * kCell + kCell / 2;
            const int y = n / 6 * kCell + kCell / 2;
            EXPECT_TRUE(drawn ? PixelNear(frame, x, y, rgb[0], rgb[1], rgb[2])
                              : PixelNear(frame, x, y, 10, 20, 30))
                << cases[i].what << ", alpha test " << offsets[v];
        }
    }
}

}  // namespace
}  // namespace qor::test
