// The renderer, the sprite batch and what reaches the screen: golden images for
// the drawing primitives, pixel checks for the colour and blending rules, and
// the run logic of the batch.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "engine/Render.h"
#include "engine/SpriteBatch.h"
#include "engine/Texture.h"
#include "engine/TextureCache.h"
#include "tests/GLTestContext.h"
#include "tests/GoldenImage.h"

namespace qor::test {
namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;

// Draws into a window of the fixture's size with a virtual screen of the same
// size, so one virtual unit is one pixel.
class DrawTest : public GLTest {
  protected:
    explicit DrawTest(int width = 256, int height = 256) : GLTest(width, height) {}

    void BeginFrame(float r, float g, float b) {
        ASSERT_TRUE(g_render->Begin());
        g_render->SetClearColor(r, g, b, 1.0f);
        g_render->Clear();
        g_render->Begin2D(static_cast<float>(m_width), static_cast<float>(m_height), false);
    }
    void Flush() {
        FlushBatch(m_batch.get());
        m_batch->Clear();
    }
    cRgbaImage Capture() {
        g_render->End2D();
        g_render->End();
        cRgbaImage frame;
        EXPECT_TRUE(CaptureFrame(&frame));
        return frame;
    }
    cTextureRef Texture(const std::u16string& name, const cImage& image,
                        int filter = kFilterLinear) {
        cTextureRef texture = AddTexture(name, image);
        texture->filterKind = filter;
        return texture;
    }

    std::unique_ptr<cSpriteBatch> m_batch = std::make_unique<cSpriteBatch>();
};

// A soft disc, alpha falling off towards the rim. Additive blending ignores
// alpha, so its glow texture has the colour fall off as well (premultiplied).
cImage Disc(uint32_t rgb, bool premultiplied) {
    return MakeImage(kImageRGBA32, 64, 64, [rgb, premultiplied](uint32_t x, uint32_t y) {
        const float dx = (static_cast<float>(x) - 31.5f) / 32.0f;
        const float dy = (static_cast<float>(y) - 31.5f) / 32.0f;
        const float d = std::sqrt(dx * dx + dy * dy);
        const float a = d >= 1.0f ? 0.0f : (d < 0.6f ? 1.0f : (1.0f - d) / 0.4f);
        uint32_t colour = rgb;
        if (premultiplied) {
            auto scale = [a](uint32_t c) {
                return static_cast<uint32_t>(static_cast<float>(c) * a);
            };
            colour = (scale(rgb >> 16) << 16) | (scale((rgb >> 8) & 0xFF) << 8) | scale(rgb & 0xFF);
        }
        return (static_cast<uint32_t>(a * 255.0f) << 24) | colour;
    });
}

cImage Checker() {
    return MakeImage(kImageRGBX32, 8, 8, [](uint32_t x, uint32_t y) {
        return ((x / 2 + y / 2) % 2) ? Argb(255, 90, 90, 100) : Argb(255, 60, 60, 70);
    });
}

TEST_F(DrawTest, SpritesWithAlphaAndAdditiveBlending) {
    cTextureRef checker = Texture(u"checker", Checker(), kFilterPoint);
    cTextureRef orange = Texture(u"orange", Disc(0xF08020, false));
    cTextureRef blue = Texture(u"blue", Disc(0x3060C0, true));
    BeginFrame(0.1f, 0.1f, 0.2f);

    g_render->SetBlend(kBlendOff, 0.0f);
    DrawSprite(m_batch.get(), checker, {0, 0, 4, 4}, {0, 0, 256, 256}, kWhite);
    Flush();

    // Upper half: two alpha-blended discs overlapping.
    g_render->SetBlend(kBlendAlpha, 0.0f);
    DrawSprite(m_batch.get(), orange, {0, 0, 1, 1}, {24, 136, 96, 96}, kWhite);
    DrawSprite(m_batch.get(), orange, {0, 0, 1, 1}, {88, 136, 96, 96}, Argb(128, 255, 255, 255));
    Flush();
    // Lower half: three additive discs; their overlaps get brighter.
    g_render->SetBlend(kBlendAdd, 0.0f);
    DrawSprite(m_batch.get(), blue, {0, 0, 1, 1}, {40, 24, 96, 96}, kWhite);
    DrawSprite(m_batch.get(), blue, {0, 0, 1, 1}, {100, 24, 96, 96}, kWhite);
    DrawSprite(m_batch.get(), blue, {0, 0, 1, 1}, {70, 64, 96, 96}, kWhite);
    Flush();
    g_render->SetBlend(kBlendOff, 0.0f);

    const cRgbaImage frame = Capture();
    EXPECT_TRUE(MatchesGolden("sprites_alpha_additive"));
    // Opaque centre of the first orange disc covers the checker completely.
    EXPECT_TRUE(PixelNear(frame, 50, 184, 0xF0, 0x80, 0x20));
    // The second disc, at half alpha, lets the checker (red 60 or 90) show through.
    const uint8_t* half = frame.AtUp(146, 184);
    EXPECT_GE(half[0], 145);
    EXPECT_LE(half[0], 170);
    // Additive: one disc adds its green (96) to the checker, two add it twice.
    const uint8_t* single = frame.AtUp(64, 72);
    const uint8_t* twice = frame.AtUp(118, 60);
    EXPECT_GE(single[1], 150);
    EXPECT_LT(single[1], 195);
    EXPECT_GE(twice[1], 210);
}

TEST_F(DrawTest, ScreenYGoesUpAndTextureVFromTheBottom) {
    // Decoded images have their top row first: the top row here is red.
    cTextureRef marked =
        Texture(u"marked",
                MakeImage(kImageRGBA32, 4, 4,
                          [](uint32_t, uint32_t y) {
                              return y == 0 ? Argb(255, 255, 0, 0) : Argb(255, 0, 0, 255);
                          }),
                kFilterPoint);
    BeginFrame(0, 0, 0);
    DrawSprite(m_batch.get(), marked, {0, 0, 1, 1}, {0, 128, 256, 128}, kWhite);
    // Upper quarter of the texture only (v from 0.75 to 1): all red.
    DrawSprite(m_batch.get(), marked, {0, 0.75f, 1, 0.25f}, {0, 0, 16, 16}, kWhite);
    Flush();
    const cRgbaImage frame = Capture();
    EXPECT_TRUE(PixelNear(frame, 100, 250, 255, 0, 0));  // top of the screen: top of the image
    EXPECT_TRUE(PixelNear(frame, 100, 140, 0, 0, 255));
    EXPECT_TRUE(PixelNear(frame, 8, 8, 255, 0, 0));  // y 0 is the bottom of the window
    EXPECT_TRUE(PixelNear(frame, 8, 20, 0, 0, 0));
}

struct cTintCase {
    uint32_t tint;
    int mode;
    int r, g, b;  // white opaque texture, vertex colour blue at half alpha, over black
};

TEST_F(DrawTest, SetColorSelectsTheModulation) {
    const cTintCase cases[] = {
        {0xFFFFFFFFu, kColorTexVertex, 0, 0, 128},           // texture × vertex
        {Argb(128, 255, 0, 0), kColorTexFactor, 128, 0, 0},  // both from the tint
        {Argb(64, 255, 255, 255), kColorVertexAlphaFactor, 0, 0, 64},
        {Argb(255, 0, 255, 0), kColorFactorAlphaVertex, 0, 128, 0},
    };
    cTextureRef white = Texture(u"white", MakeSolidImage(kImageRGBA32, 4, 4, kWhite));
    cTextureRef gradient =
        Texture(u"gradient", MakeImage(kImageRGBA32, 64, 64, [](uint32_t x, uint32_t y) {
                    return Argb(x * 4 + 3, 255 - y * 2, 128, y * 4);
                }));
    BeginFrame(0, 0, 0);
    g_render->SetBlend(kBlendAlpha, 0.0f);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const float x = 8.0f + 62.0f * i;
        g_render->SetColor(cases[i].tint);
        EXPECT_EQ(g_render->colorMode(), cases[i].mode);
        EXPECT_EQ(ColorModeFor(cases[i].tint), cases[i].mode);
        DrawSprite(m_batch.get(), white, {0, 0, 1, 1}, {x, 160, 56, 56}, Argb(128, 0, 0, 255));
        DrawSprite(m_batch.get(), gradient, {0, 0, 1, 1}, {x, 40, 56, 100},
                   Argb(200, 255, 200, 80));
        Flush();
    }
    g_render->SetColor(kWhite);
    g_render->SetBlend(kBlendOff, 0.0f);
    const cRgbaImage frame = Capture();
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(PixelNear(frame, 36 + 62 * i, 188, cases[i].r, cases[i].g, cases[i].b));
    }
    EXPECT_TRUE(MatchesGolden("set_color_cases"));
}

struct cAlphaRefCase {
    float alphaRef;
    uint32_t alpha;
    bool drawn;
};

TEST_F(DrawTest, AlphaTestPassesOnlyAboveTheTruncatedReference) {
    const cAlphaRefCase cases[] = {
        {0.05f, 12, false}, {0.05f, 13, true},                   // 0.05 × 255 = 12.75 → 12
        {0.5f, 127, false}, {0.5f, 128, true}, {0.0f, 0, true},  // 0: test off
    };
    BeginFrame(0, 0, 0);
    for (int i = 0; i < 5; ++i) {
        const cAlphaRefCase& c = cases[i];
        cTextureRef t =
            Texture(u"alpha", MakeSolidImage(kImageRGBA32, 2, 2, (c.alpha << 24) | 0x00FF00u));
        g_render->SetBlend(kBlendOff, c.alphaRef);
        DrawSprite(m_batch.get(), t, {0, 0, 1, 1}, {8.0f + 48 * i, 8, 40, 40}, kWhite);
        Flush();
    }
    g_render->SetBlend(kBlendOff, 0.0f);
    EXPECT_EQ(g_render->alphaRef(), -1);
    const cRgbaImage frame = Capture();
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(PixelNear(frame, 28 + 48 * i, 28, 0, cases[i].drawn ? 255 : 0, 0));
    }
}

struct cSamplingCase {
    int filter;
    bool clamped;
    int x;  // pixel column of a 64-wide quad drawn with u from 0 to 2
    int r, b;
};

TEST_F(DrawTest, FilterKindAndAddressModeFollowTheTexture) {
    // Two texels, red then blue, stretched over 32 pixels for each repeat.
    const cSamplingCase cases[] = {
        {kFilterPoint, false, 12, 255, 0},    // point: hard red
        {kFilterLinear, false, 12, 183, 72},  // linear: red blending into blue
        {kFilterPoint, false, 40, 255, 0},    // u 1.25 wraps onto the red texel
        {kFilterPoint, true, 40, 0, 255},     // clamped: stays on the blue edge
    };
    BeginFrame(0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        const cSamplingCase& c = cases[i];
        cTextureRef t = Texture(u"two", MakeImage(kImageRGBA32, 2, 1, [](uint32_t x, uint32_t) {
                                    return x == 0 ? Argb(255, 255, 0, 0) : Argb(255, 0, 0, 255);
                                }));
        if (c.clamped)
            SetTextureClamped(t.get());
        t->filterKind = c.filter;
        DrawSprite(m_batch.get(), t, {0, 0, 2, 1}, {0, 8.0f + 20 * i, 64, 16}, kWhite);
        Flush();
    }
    const cRgbaImage frame = Capture();
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(PixelNear(frame, cases[i].x, 16 + 20 * i, cases[i].r, 0, cases[i].b, 16));
    }
}

cImage FrameTexture() {
    // 32 × 32 cut at 8: red corners, yellow edges, blue centre, each with a
    // dark one-pixel outline so stretching shows.
    return MakeImage(kImageRGBA32, 32, 32, [](uint32_t x, uint32_t y) {
        const bool edgeX = x < 8 || x >= 24;
        const bool edgeY = y < 8 || y >= 24;
        if (x == 0 || y == 0 || x == 31 || y == 31)
            return Argb(255, 40, 20, 10);
        if (edgeX && edgeY)
            return Argb(255, 220, 40, 40);
        if (edgeX || edgeY)
            return Argb(255, 240, 200, 60);
        return Argb(200, 60, 110, 220);
    });
}

TEST_F(DrawTest, NinePatchFrameWithAndWithoutCentre) {
    cTextureRef frameTexture = Texture(u"frame", FrameTexture(), kFilterPoint);
    BeginFrame(0.15f, 0.3f, 0.15f);
    g_render->SetBlend(kBlendAlpha, 0.0f);
    const cVec2 border{16, 16};
    const cVec2 uvBorder{0.25f, 0.25f};
    DrawBorderFrame(m_batch.get(), frameTexture, {16, 144, 224, 96}, {0, 0, 1, 1}, border, uvBorder,
                    true, kWhite);
    EXPECT_EQ(m_batch->VertexEnd(), 54);
    DrawBorderFrame(m_batch.get(), frameTexture, {16, 16, 224, 96}, {0, 0, 1, 1}, border, uvBorder,
                    false, kWhite);
    EXPECT_EQ(m_batch->VertexEnd(), 54 + 48);
    EXPECT_EQ(m_batch->runCount, 1);
    Flush();
    g_render->SetBlend(kBlendOff, 0.0f);
    const cRgbaImage frame = Capture();
    EXPECT_TRUE(MatchesGolden("nine_patch"));
    // Corners keep their 16 units, edges stretch, the centre only where asked.
    EXPECT_TRUE(PixelNear(frame, 24, 152, 220, 40, 40));
    EXPECT_TRUE(PixelNear(frame, 128, 152, 240, 200, 60));
    EXPECT_TRUE(PixelNear(frame, 232, 232, 220, 40, 40));
    EXPECT_TRUE(PixelNear(frame, 128, 192, 55, 103, 181, 3));  // centre blended over green
    EXPECT_TRUE(PixelNear(frame, 128, 64, 38, 76, 38, 1));     // no centre: background
    EXPECT_TRUE(PixelNear(frame, 24, 24, 220, 40, 40));
}

TEST_F(DrawTest, BandAndSector) {
    // Band texture: the image's width runs along the band (stripes across it),
    // its top half (v above 0.5) lies to the left of the direction of travel.
    cTextureRef stripes = Texture(u"stripes",
                                  MakeImage(kImageRGBA32, 16, 16,
                                            [](uint32_t x, uint32_t y) {
                                                const uint32_t shade = (x / 4) % 2 ? 255 : 150;
                                                return y < 8 ? Argb(255, shade, shade, 0)
                                                             : Argb(255, 0, shade, shade);
                                            }),
                                  kFilterPoint);
    // Sector texture: one colour per quadrant, so the mapping onto the circle shows.
    cTextureRef quadrants =
        Texture(u"quadrants",
                MakeImage(kImageRGBA32, 16, 16,
                          [](uint32_t x, uint32_t y) {
                              if (y < 8)
                                  return x < 8 ? Argb(255, 230, 60, 60) : Argb(255, 60, 200, 60);
                              return x < 8 ? Argb(255, 60, 60, 230) : Argb(255, 230, 230, 60);
                          }),
                kFilterPoint);
    BeginFrame(0.1f, 0.1f, 0.1f);
    DrawBand(m_batch.get(), stripes, {20, 20}, {236, 116}, 24, {0, 0, 4, 1}, kWhite);
    // Three quarters of a turn ending at twelve o'clock, as a progress wedge draws it.
    const float half = std::numbers::pi_v<float> / 2;
    const float turn = 0.75f * 2 * std::numbers::pi_v<float>;
    DrawSector(m_batch.get(), quadrants, {160, 190}, 56, 48, half - turn, half, {0, 0, 1, 1},
               kWhite);
    // Degenerate input: no band for a zero-length line, fewer than 3 segments become 3.
    const int before = m_batch->VertexEnd();
    DrawBand(m_batch.get(), stripes, {5, 5}, {5, 5}, 10, {0, 0, 1, 1}, kWhite);
    EXPECT_EQ(m_batch->VertexEnd(), before);
    DrawSector(m_batch.get(), quadrants, {40, 220}, 20, 1, 0, half, {0, 0, 1, 1}, kWhite);
    EXPECT_EQ(m_batch->VertexEnd(), before + 9);
    Flush();
    const cRgbaImage frame = Capture();
    EXPECT_TRUE(MatchesGolden("band_and_sector"));
    // Band: left of the line from (20,20) to (236,116) shows the image's top half (yellow).
    EXPECT_EQ(frame.AtUp(128, 68 + 6)[2], 0);
    EXPECT_EQ(frame.AtUp(128, 68 - 6)[0], 0);
    // Sector: the upper-left quarter is missing, the other three are drawn.
    EXPECT_TRUE(PixelNear(frame, 160 - 25, 190 + 25, 25, 25, 25));
    EXPECT_TRUE(PixelNear(frame, 160 + 25, 190 + 25, 60, 200, 60));   // top right of the image
    EXPECT_TRUE(PixelNear(frame, 160 - 25, 190 - 25, 60, 60, 230));   // bottom left
    EXPECT_TRUE(PixelNear(frame, 160 + 25, 190 - 25, 230, 230, 60));  // bottom right
}

class WideWindowTest : public DrawTest {
  protected:
    WideWindowTest() : DrawTest(1280, 720) {}
};

TEST_F(WideWindowTest, VirtualScreenSitsInTheCentredFourThreeBand) {
    cTextureRef checker = Texture(u"checker", Checker(), kFilterPoint);
    cTextureRef frameTexture = Texture(u"frame", FrameTexture(), kFilterPoint);
    ASSERT_TRUE(g_render->Begin());
    g_render->SetClearColor(0, 0, 0, 1);
    g_render->Clear();
    g_render->Begin2D(1024, 768, true);
    const cViewport band = g_render->viewport();
    EXPECT_EQ(band.x, 160);
    EXPECT_EQ(band.y, 0);
    EXPECT_EQ(band.w, 960);
    EXPECT_EQ(band.h, 720);
    DrawSprite(m_batch.get(), checker, {0, 0, 16, 12}, {0, 0, 1024, 768}, kWhite);
    DrawBorderFrame(m_batch.get(), frameTexture, {0, 0, 1024, 768}, {0, 0, 1, 1}, {48, 48},
                    {0.25f, 0.25f}, false, kWhite);
    Flush();
    const cRgbaImage frame = Capture();
    EXPECT_EQ(g_render->viewport().w, 1280);  // End2D gave the whole window back
    EXPECT_TRUE(MatchesGolden("widescreen_band_1280x720"));
    for (int y : {5, 360, 714}) {
        SCOPED_TRACE(y);
        EXPECT_TRUE(PixelNear(frame, 159, y, 0, 0, 0));
        EXPECT_TRUE(PixelNear(frame, 1120, y, 0, 0, 0));
        EXPECT_TRUE(PixelNear(frame, 160, y, 40, 20, 10, 4));  // the frame's outline at both edges
        EXPECT_TRUE(PixelNear(frame, 1119, y, 40, 20, 10, 4));
    }
}

struct cBandCase {
    int w, h;
    cViewport expected;
};

TEST_F(DrawTest, KeepAspectLetterboxesOnlyWiderWindows) {
    const cBandCase cases[] = {
        {1280, 720, {160, 0, 960, 720}},
        {1280, 768, {128, 0, 1024, 768}},
        {1024, 768, {0, 0, 1024, 768}},
        {800, 1000, {0, 0, 800, 1000}},
    };
    for (const cBandCase& c : cases) {
        SCOPED_TRACE(c.w);
        g_render->SetWindowViewport(0, 0, c.w, c.h);
        g_render->Begin2D(1024, 768, true);
        EXPECT_EQ(g_render->viewport().x, c.expected.x);
        EXPECT_EQ(g_render->viewport().w, c.expected.w);
        EXPECT_EQ(g_render->viewport().h, c.expected.h);
        g_render->End2D();
        EXPECT_EQ(g_render->viewport().w, c.w);
        g_render->Begin2D(1024, 768, false);
        EXPECT_EQ(g_render->viewport().w, c.w);
        g_render->End2D();
    }
    // A viewport below 1 × 1 restores the window's.
    g_render->SetViewport(10, 10, 20, 20);
    EXPECT_EQ(g_render->viewport().w, 20);
    g_render->SetViewport(0, 0, 0, 5);
    EXPECT_EQ(g_render->viewport().w, 800);
}

// --- batch runs -----------------------------------------------------------

struct BatchRuns : ::testing::Test {
    std::unique_ptr<cSpriteBatch> batch = std::make_unique<cSpriteBatch>();
    cTextureRef a = std::make_shared<cTexture>(u"a");
    cTextureRef b = std::make_shared<cTexture>(u"b");
};

TEST_F(BatchRuns, SameTextureSharesARunAndAlternatingStartsOneEach) {
    for (int i = 0; i < 3; ++i)
        DrawSprite(batch.get(), a, {0, 0, 1, 1}, {0, 0, 1, 1}, kWhite);
    EXPECT_EQ(batch->runCount, 1);
    EXPECT_EQ(batch->runs[0].count, 18);
    batch->Clear();
    for (int i = 0; i < 4; ++i)
        DrawSprite(batch.get(), i % 2 ? b : a, {0, 0, 1, 1}, {0, 0, 1, 1}, kWhite);
    ASSERT_EQ(batch->runCount, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(batch->runs[i].first, 6 * i);
        EXPECT_EQ(batch->runs[i].count, 6);
        EXPECT_EQ(batch->runs[i].texture, i % 2 ? b : a);
    }
    // An empty texture is a texture of its own.
    DrawSprite(batch.get(), nullptr, {0, 0, 1, 1}, {0, 0, 1, 1}, kWhite);
    DrawSprite(batch.get(), nullptr, {0, 0, 1, 1}, {0, 0, 1, 1}, kWhite);
    EXPECT_EQ(batch->runCount, 5);
    batch->Clear();
    EXPECT_EQ(a.use_count(), 1);  // cleared runs let go of their textures
}

TEST_F(BatchRuns, SpriteWritesTwoTrianglesWithUpwardV) {
    DrawSprite(batch.get(), a, {0.25f, 0.5f, 0.5f, 0.25f}, {10, 20, 30, 40}, 0x80402010u);
    const float expected[6][4] = {{10, 20, 0.25f, 0.5f},  {40, 20, 0.75f, 0.5f},
                                  {10, 60, 0.25f, 0.75f}, {10, 60, 0.25f, 0.75f},
                                  {40, 20, 0.75f, 0.5f},  {40, 60, 0.75f, 0.75f}};
    for (int i = 0; i < 6; ++i) {
        const cVertex& v = batch->vertices[i];
        EXPECT_EQ(v.x, expected[i][0]);
        EXPECT_EQ(v.y, expected[i][1]);
        EXPECT_EQ(v.u, expected[i][2]);
        EXPECT_EQ(v.v, expected[i][3]);
        EXPECT_EQ(v.z, 0.0f);
        EXPECT_EQ(v.color, 0x80402010u);
    }
}

TEST_F(BatchRuns, The501stRunRestartsTheLastRun) {
    for (int i = 0; i < 501; ++i) {
        DrawSprite(batch.get(), i % 2 ? b : a, {0, 0, 1, 1}, {static_cast<float>(i), 0, 1, 1},
                   kWhite);
    }
    ASSERT_EQ(batch->runCount, 500);
    const cBatchRun& last = batch->runs[499];
    EXPECT_EQ(last.texture, a);  // the 501st sprite's texture
    EXPECT_EQ(last.first, 499 * 6);
    EXPECT_EQ(last.count, 6);
    EXPECT_EQ(batch->vertices[last.first].x, 500.0f);  // the 500th sprite was overwritten
    EXPECT_EQ(batch->runs[498].texture, a);
    EXPECT_EQ(batch->runs[498].first, 498 * 6);
}

struct cFillCase {
    int first;  // vertices reserved before
    int more;
    bool fits;
};

TEST_F(BatchRuns, VerticesMayNotReachTheEndOfTheArray) {
    const cFillCase cases[] = {
        {65530, 5, true}, {65530, 6, false}, {0, 65535, true}, {0, 65536, false}, {65529, 6, true}};
    for (const cFillCase& c : cases) {
        SCOPED_TRACE(c.first);
        batch->Clear();
        if (c.first) {
            ASSERT_NE(AllocVertices(batch.get(), c.first, a), nullptr);
        }
        cVertex* v = AllocVertices(batch.get(), c.more, a);
        EXPECT_EQ(v != nullptr, c.fits);
        if (v) {
            EXPECT_EQ(v, &batch->vertices[c.first]);
        }
        EXPECT_EQ(batch->VertexEnd(), c.fits ? c.first + c.more : c.first);
    }
}

class SmallDrawTest : public DrawTest {
  protected:
    SmallDrawTest() : DrawTest(64, 64) {}
};

TEST_F(SmallDrawTest, FiveHundredOneAlternatingSpritesLoseTheFiveHundredth) {
    cTextureRef a = Texture(u"a", MakeSolidImage(kImageRGBA32, 1, 1, kWhite), kFilterPoint);
    cTextureRef b = Texture(u"b", MakeSolidImage(kImageRGBA32, 1, 1, kWhite), kFilterPoint);
    BeginFrame(0, 0, 0);
    g_render->ResetFrameStats();
    for (int i = 0; i < 501; ++i) {
        const float x = static_cast<float>(i % 32), y = static_cast<float>(i / 32);
        DrawSprite(m_batch.get(), i % 2 ? b : a, {0, 0, 1, 1}, {x, y, 1, 1}, kWhite);
    }
    Flush();
    EXPECT_EQ(g_render->frameStats().drawCalls, 500);
    EXPECT_EQ(g_render->frameStats().vertices, 3000);
    EXPECT_EQ(g_render->frameStats().primitives, 1000);
    g_render->EndFrameStats();
    EXPECT_EQ(g_render->lastFrameStats().drawCalls, 500);
    const cRgbaImage frame = Capture();
    auto drawn = [&](int i) { return frame.AtUp(i % 32, i / 32)[0] == 255; };
    EXPECT_TRUE(drawn(0));
    EXPECT_TRUE(drawn(498));   // the 499th
    EXPECT_FALSE(drawn(499));  // the 500th, lost with the restarted run
    EXPECT_TRUE(drawn(500));   // the 501st
}

TEST_F(SmallDrawTest, EmptyRunIsReportedAndSkipped) {
    cTextureRef a = Texture(u"a", MakeSolidImage(kImageRGBA32, 1, 1, kWhite));
    cTextureRef b = Texture(u"b", MakeSolidImage(kImageRGBA32, 1, 1, kWhite));
    BeginFrame(0, 0, 0);
    g_render->ResetFrameStats();
    ASSERT_NE(AllocVertices(m_batch.get(), 65532, a), nullptr);
    // No room for another quad: the run started for b stays empty.
    DrawSprite(m_batch.get(), b, {0, 0, 1, 1}, {0, 0, 64, 64}, kWhite);
    EXPECT_EQ(m_batch->runCount, 2);
    const int before = m_gl.CountLog(u"Trying to draw empty primitive.");
    Flush();
    EXPECT_EQ(m_gl.CountLog(u"Trying to draw empty primitive."), before + 1);
    EXPECT_EQ(g_render->frameStats().drawCalls, 1);
}

TEST_F(SmallDrawTest, NoTextureDrawsVertexColourAndAFailedTextureNothing) {
    cImage pvr;
    pvr.Create(kImagePVRTC4, 8, 8);
    cTextureRef failed = AddTexture(u"pvr", pvr);
    EXPECT_FALSE(failed->HasDeviceTexture());
    BeginFrame(0, 0, 0);
    DrawSprite(m_batch.get(), nullptr, {0, 0, 1, 1}, {0, 0, 32, 64}, Argb(255, 10, 200, 30));
    DrawSprite(m_batch.get(), failed, {0, 0, 1, 1}, {32, 0, 32, 64}, kWhite);
    Flush();
    const cRgbaImage frame = Capture();
    EXPECT_TRUE(PixelNear(frame, 16, 32, 10, 200, 30));
    EXPECT_TRUE(PixelNear(frame, 48, 32, 0, 0, 0));
}

// --- clear colour ---------------------------------------------------------

struct cClearCase {
    float r, g, b, a;
    uint32_t argb;
};

TEST(ClearColor, ComponentsAreTruncatedIntoArgb) {
    const cClearCase cases[] = {
        {0.0f, 0.25f, 0.25f, 1.0f, 0xFF003F3Fu}, {1, 1, 1, 1, 0xFFFFFFFFu},
        {0.5f, 0.5f, 0.5f, 0.5f, 0x7F7F7F7Fu},   {0.999f, 0.004f, 0.0039f, 0.0f, 0x00FE0100u},
        {2.0f, -1.0f, 0.0f, 1.0f, 0xFFFF0000u},  // out of range is clamped, not wrapped
    };
    cRender render;
    for (const cClearCase& c : cases) {
        render.SetClearColor(c.r, c.g, c.b, c.a);
        EXPECT_EQ(render.clearColor(), c.argb) << c.r << " " << c.g << " " << c.b << " " << c.a;
    }
}

TEST_F(SmallDrawTest, ClearUsesTheTruncatedBytes) {
    BeginFrame(0.0f, 0.25f, 0.25f);
    const cRgbaImage frame = Capture();
    EXPECT_TRUE(PixelNear(frame, 10, 10, 0, 63, 63, 0));  // 63, not the rounded 64
}

TEST(RenderWithoutDevice, EverythingIsHarmless) {
    cRender render;
    EXPECT_FALSE(render.HasDevice());
    EXPECT_FALSE(render.Begin());
    render.SetBlend(kBlendAlpha, 0.5f);
    render.SetColor(0x80808080u);
    render.Clear();
    render.End();
    render.SwapBuffers();
    std::vector<uint8_t> pixels;
    int w = 0, h = 0;
    EXPECT_FALSE(render.ReadPixels(&pixels, &w, &h));
    render.ReleaseDevice();
}

}  // namespace
}  // namespace qor::test
