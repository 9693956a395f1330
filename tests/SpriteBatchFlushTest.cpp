// The sprite batch draws opaque stretches without blending, white vertices
// with the texture alone and texel-for-pixel quads with point sampling. Each
// of these must leave exactly the pixels that the plain path (blending, alpha
// test, bilinear filtering, texture × vertex colour) leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "engine/TextureCache.h"
#include "tests/FlushCompare.h"

namespace qor::test {
namespace {

// A 64 × 64 panel: a soft rim 16 texels wide (alpha falling to the edge) around
// an opaque middle; colours are noise so that any resampling shows.
cImage Panel() {
    return MakeImage(kImageRGBA32, 64, 64, [](uint32_t x, uint32_t y) {
        const uint32_t edge = std::min(std::min(x, 63 - x), std::min(y, 63 - y));
        const uint32_t alpha = edge >= 16 ? 255 : 40 + edge * 12;
        return (alpha << 24) | (Noise(x, y) & 0x00FFFFFFu);
    });
}

class ShortcutTest : public FlushCompareTest {};

// The picture drawn and flushed as a background, then the state the draws
// under test are flushed with.
void PictureThenState(cSpriteBatch* batch, const cTextureRef& picture, int blend, float alphaRef,
                      uint32_t tint) {
    DrawSprite(batch, picture, {0, 0, 1, 1}, {0, 0, 256, 256}, kWhite);
    FlushBatch(batch);
    batch->Clear();
    g_render->SetBlend(blend, alphaRef);
    g_render->SetColor(tint);
}

TEST_F(ShortcutTest, PanelMiddleDrawnOpaqueLeavesTheSamePixels) {
    cTextureRef picture = AddTexture(u"picture", Picture());
    cTextureRef panel = AddTexture(u"panel", Panel());
    struct cCase {
        const char* what;
        uint32_t color;
        bool centre;
        int draws;  // with the middle on its own
    } cases[] = {
        {"white", kWhite, true, 3},
        {"tinted", 0xFF80C0FFu, true, 3},
        {"without middle", kWhite, false, 1},
        {"translucent vertices", 0xC0FFFFFFu, true, 1},
    };
    for (const cCase& c : cases) {
        auto draw = [&](cSpriteBatch* batch) {
            // Behind the panel a picture, stretched and so filtered.
            DrawSprite(batch, picture, {0, 0, 1, 1}, {0, 0, 256, 200}, kWhite);
            // The middle's texels start 3 texels inside the opaque part.
            DrawBorderFrame(batch, panel, {20.5f, 30, 211, 190}, {0, 0, 1, 1}, {24, 24},
                            {0.3f, 0.3f}, c.centre, c.color);
        };
        EXPECT_EQ(Differences(draw), 0) << c.what;
        // The picture (opaque, one draw) and the panel's rim before and after its middle.
        EXPECT_EQ(m_drawCalls, 1 + c.draws) << c.what;
    }
}

TEST_F(ShortcutTest, TexelForPixelQuadsArePointSampledOnlyWhereThatChangesNothing) {
    cTextureRef picture = AddTexture(u"picture", Picture());
    cTextureRef panel = AddTexture(u"panel", Panel());
    struct cCase {
        const char* what;
        cRectF uv, pos;
        bool texelSampling;
    } cases[] = {
        {"one to one", {0, 0, 1, 1}, {40, 100, 128, 64}, true},
        {"part of the texture", {0.25f, 0.5f, 0.5f, 0.25f}, {3, 7, 64, 16}, true},
        {"mirrored", {1, 1, -1, -1}, {40, 100, 128, 64}, true},
        {"half a pixel off", {0, 0, 1, 1}, {40.5f, 100, 128, 64}, false},
        {"stretched by one pixel", {0, 0, 1, 1}, {40, 100, 129, 64}, false},
        {"half a texel off", {0.5f / 128, 0, 1, 1}, {40, 100, 128, 64}, false},
        // Twice across the window, a fiftieth of a texel too long: a slope off
        // by less than 1e-4, but the far end samples between texels.
        {"a fiftieth of a texel longer", {0, 0, 2 + 0.02f / 128, 1}, {0, 100, 256, 64}, false},
    };
    for (const cCase& c : cases) {
        auto draw = [&](cSpriteBatch* batch) {
            DrawSprite(batch, panel, {0, 0, 1, 1}, {0, 0, 256, 256}, kWhite);
            DrawSprite(batch, picture, c.uv, c.pos, 0xFFE0F0FFu);
        };
        EXPECT_EQ(Differences(draw), 0) << c.what;
        EXPECT_EQ(m_texelSampling, c.texelSampling) << c.what;
    }
}

TEST_F(ShortcutTest, TexelForPixelFollowsTheVirtualScreenAndViewport) {
    cTextureRef picture = AddTexture(u"picture", Picture());
    cTextureRef panel = AddTexture(u"panel", Panel());
    struct cCase {
        const char* what;
        cViewport viewport;  // none: the window
        float virtualWidth, virtualHeight;
        cRectF pos;
        bool texelSampling;
    } cases[] = {
        {"twice the window, twice the size", {}, 512, 512, {80, 200, 256, 128}, true},
        {"twice the window, minified", {}, 512, 512, {80, 200, 128, 64}, false},
        {"twice the window, a quarter pixel off", {}, 512, 512, {80.5f, 200, 256, 128}, false},
        // Half a pixel per unit in a viewport of 200 × 150 pixels, not the window's 256.
        {"in a viewport", {16, 40, 200, 150}, 400, 300, {10, 20, 256, 128}, true},
        {"in a viewport, a pixel wider", {16, 40, 200, 150}, 400, 300, {10, 20, 258, 128}, false},
    };
    for (const cCase& c : cases) {
        m_viewport = c.viewport;
        m_virtualWidth = c.virtualWidth;
        m_virtualHeight = c.virtualHeight;
        auto draw = [&](cSpriteBatch* batch) {
            DrawSprite(batch, panel, {0, 0, 1, 1}, {0, 0, 512, 512}, kWhite);
            DrawSprite(batch, picture, {0, 0, 1, 1}, c.pos, kWhite);
        };
        EXPECT_EQ(Differences(draw), 0) << c.what;
        EXPECT_EQ(m_texelSampling, c.texelSampling) << c.what;
    }
}

// A 128 × 128 sheet of four 64 × 64 frames: opaque (top left), soft rim (top
// right), opaque but for one clear texel (bottom left), opaque (bottom right).
cImage Sheet() {
    return MakeImage(kImageRGBA32, 128, 128, [](uint32_t x, uint32_t y) {
        const uint32_t lx = x % 64, ly = y % 64;
        uint32_t alpha = 255;
        if (x >= 64 && y < 64) {
            const uint32_t edge = std::min(std::min(lx, 63 - lx), std::min(ly, 63 - ly));
            alpha = edge >= 12 ? 255 : 30 + edge * 18;
        } else if (x < 64 && y >= 64 && lx == 37 && ly == 21) {
            alpha = 0;
        }
        return (alpha << 24) | (Noise(x, y) & 0x00FFFFFFu);
    });
}

TEST_F(ShortcutTest, SpritesOfAMixedSheetAreDrawnOpaqueFrameByFrame) {
    cTextureRef picture = AddTexture(u"picture", Picture());
    cTextureRef sheet = AddTexture(u"sheet", Sheet());
    // Each frame inset by 2 texels, as a sheet's sprites keep clear of their
    // neighbours; v counts from the bottom, so row 0 of frames is at v 0.5.
    auto frame = [](int column, int row) {
        constexpr float inset = 2.0f / 128.0f;
        return cRectF{column * 0.5f + inset, (1 - row) * 0.5f + inset, 0.5f - 2 * inset,
                      0.5f - 2 * inset};
    };
    const cRectF sprites[] = {frame(0, 0), frame(1, 0), frame(1, 1), frame(0, 1), frame(0, 0)};
    auto draw = [&](cSpriteBatch* batch) {
        DrawSprite(batch, picture, {0, 0, 1, 1}, {0, 0, 256, 256}, kWhite);
        // 72 × 72 each, stretched (so filtered), overlapping the one before.
        for (int i = 0; i < 5; ++i) {
            const float at = 8.0f + 40.0f * i;
            DrawSprite(batch, sheet, sprites[i], {at, at * 0.6f + 20, 72, 72}, kWhite);
        }
    };
    EXPECT_EQ(Differences(draw), 0);
    // The picture, then each sprite on its own: opaque, blended, opaque, blended, opaque.
    EXPECT_EQ(m_drawCalls, 6);
}

TEST_F(ShortcutTest, AdditiveAndTintedAlphaDrawsStayBlended) {
    cTextureRef picture = AddTexture(u"picture", Picture());
    for (int blend : {kBlendAdd, kBlendAlphaAdd}) {
        auto draw = [&](cSpriteBatch* batch) {
            g_render->SetBlend(blend, 0.0f);
            DrawSprite(batch, picture, {0, 0, 1, 1}, {0, 0, 256, 256}, kWhite);
        };
        // Dropping the blending here would lose the clear colour added below.
        EXPECT_EQ(Differences(draw), 0) << blend;
    }
    // A tint with alpha below 1 fades even an opaque texture.
    auto faded = [&](cSpriteBatch* batch) {
        g_render->SetColor(PackColor(1, 1, 1, 0.5f));
        DrawSprite(batch, picture, {0, 0, 1, 1}, {0, 0, 256, 256}, kWhite);
    };
    EXPECT_EQ(Differences(faded), 0);
    g_render->SetColor(kWhite);
}

TEST_F(ShortcutTest, TexturesOfOneColourAreSampledNearestHoweverStretched) {
    // A shade to dim the screen, as the GUI stretches it over everything.
    cTextureRef shade =
        AddTexture(u"shade", MakeSolidImage(kImageRGBA32, 16, 16, Argb(128, 40, 22, 10)));
    cTextureRef speckled =
        AddTexture(u"speckled", MakeImage(kImageRGBA32, 16, 16, [](uint32_t x, uint32_t y) {
                       return x == 5 && y == 9 ? Argb(128, 41, 22, 10) : Argb(128, 40, 22, 10);
                   }));
    cTextureRef picture = AddTexture(u"picture", Picture());
    for (const cTextureRef& texture : {shade, speckled}) {
        for (int addressMode : {kAddressWrap, kAddressClamp}) {
            texture->device->addressMode = addressMode;
            auto draw = [&](cSpriteBatch* batch) {
                DrawSprite(batch, picture, {0, 0, 1, 1}, {0, 0, 256, 256}, kWhite);
                DrawSprite(batch, texture, {0.1f, 0, 1.7f, 1}, {-3.3f, 1.6f, 262.2f, 250}, kWhite);
            };
            EXPECT_EQ(Differences(draw), 0);
            EXPECT_EQ(m_texelSampling, texture == shade);
        }
    }
}

TEST_F(ShortcutTest, RunsOfOneColourATriangleAreDrawnWithoutReadingTheTexture) {
    // A shade as the GUI stretches it over everything, half transparent.
    cTextureRef shade =
        AddTexture(u"shade", MakeSolidImage(kImageRGBA32, 16, 16, Argb(128, 40, 22, 10)));
    cTextureRef picture = AddTexture(u"picture", Picture());
    // Two triangles with no texture, as the level's ground is drawn: of one
    // colour each, or (gradient) of three colours and alphas.
    auto untextured = [](cSpriteBatch* batch, bool gradient) {
        cVertex* v = AllocVertices(batch, 6, nullptr);
        ASSERT_NE(v, nullptr);
        const uint32_t a = Argb(255, 250, 10, 90), b = Argb(70, 20, 200, 30);
        v[0] = {10.5f, 7, 0, a, 0, 0};
        v[1] = {250, 30.25f, 0, gradient ? b : a, 1, 0};
        v[2] = {60, 240, 0, gradient ? Argb(140, 90, 60, 255) : a, 0, 1};
        v[3] = {40, 20, 0, b, 0, 0};
        v[4] = {200, 250, 0, b, 1, 1};
        v[5] = {20, 250.5f, 0, b, 0, 1};
    };
    struct cDrawn {
        const char* what;
        std::function<void(cSpriteBatch*)> draw;
        bool flat;  // of one colour over each triangle, texel included
    } drawn[] = {
        {"untextured, a colour a triangle", [&](cSpriteBatch* b) { untextured(b, false); }, true},
        {"untextured gradient", [&](cSpriteBatch* b) { untextured(b, true); }, false},
        {"shade",
         [&](cSpriteBatch* b) {
             DrawSprite(b, shade, {0.1f, 0, 1.7f, 1}, {-3.3f, 1.6f, 262.2f, 250}, kWhite);
         },
         true},
        {"shade under coloured vertices",
         [&](cSpriteBatch* b) {
             DrawSprite(b, shade, {0.1f, 0, 1.7f, 1}, {-3.3f, 1.6f, 262.2f, 250}, 0xC0FF8020u);
         },
         false},
    };
    struct cState {
        const char* what;
        int blend;
        float alphaRef;
        uint32_t tint;
    } states[] = {
        {"alpha blended", kBlendAlpha, 0.05f, kWhite},
        {"below a high alpha test", kBlendAlpha, 0.6f, kWhite},
        {"light added", kBlendAdd, 0.0f, kWhite},
        {"light added by alpha", kBlendAlphaAdd, 0.0f, kWhite},
        {"unblended", kBlendOff, 0.0f, kWhite},
        // A tint takes colour or alpha from elsewhere than the vertices: the
        // texel cannot be moved into them.
        {"faded by the tint", kBlendAlpha, 0.05f, 0x80FFFFFFu},
        {"tinted", kBlendAlpha, 0.0f, 0xFF4080C0u},
        {"tinted and faded", kBlendAlpha, 0.0f, 0x7F4080C0u},
    };
    for (const cState& state : states) {
        for (const cDrawn& d : drawn) {
            auto draw = [&](cSpriteBatch* batch) {
                PictureThenState(batch, picture, state.blend, state.alphaRef, state.tint);
                d.draw(batch);
            };
            EXPECT_EQ(Differences(draw), 0) << d.what << ", " << state.what;
            EXPECT_EQ(m_readsTexture, !d.flat || state.tint != kWhite)
                << d.what << ", " << state.what;
            g_render->SetColor(kWhite);
        }
    }
}

TEST_F(ShortcutTest, WindowsFadedToNothingAreNotDrawn) {
    cTextureRef picture = AddTexture(u"picture", Picture());
    cTextureRef panel = AddTexture(u"panel", Panel());
    struct cCase {
        const char* what;
        int blend;
        float alphaRef;
        uint32_t tint;
        bool drawn;
    } cases[] = {
        {"fading in from nothing", kBlendAlpha, 0.05f, 0x00FFFFFFu, false},
        {"faded below the alpha test", kBlendAlpha, 0.05f, 0x0CFFFFFFu, false},
        {"faded just above the alpha test", kBlendAlpha, 0.05f, 0x0DFFFFFFu, true},
        {"tinted and faded to nothing", kBlendAlpha, 0.0f, 0x00808080u, false},
        {"faded out, alpha test alone", kBlendOff, 0.05f, 0x0AFFFFFFu, false},
        // Added light does not depend on alpha; unblended pixels are written.
        {"added light faded out", kBlendAdd, 0.0f, 0x00FFFFFFu, true},
        {"unblended, faded out", kBlendOff, 0.0f, 0x00FFFFFFu, true},
    };
    for (const cCase& c : cases) {
        auto draw = [&](cSpriteBatch* batch) {
            PictureThenState(batch, picture, c.blend, c.alphaRef, c.tint);
            DrawBorderFrame(batch, panel, {20.5f, 30, 211, 190}, {0, 0, 1, 1}, {24, 24},
                            {0.3f, 0.3f}, true, kWhite);
        };
        EXPECT_EQ(Differences(draw), 0) << c.what;
        EXPECT_EQ(m_drawCalls > 0, c.drawn) << c.what;
        g_render->SetColor(kWhite);
    }
}

}  // namespace
}  // namespace qor::test
