// Big quads are drawn as strips that leave out their texture's clear cells.
// The strip must leave the pixels of the whole quad, however the quad is
// placed: a strip too tight cuts a sliver off the sprite, a seam between its
// trapezoids shows as a line of pixels drawn twice or not at all. The
// rasteriser interpolates texture coordinates over each triangle from its own
// corners, so the filter's weights at a pixel may come out a step of rounding
// apart on each axis from the whole quad's; nothing more may differ.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/TextureCache.h"
#include "tests/FlushCompare.h"

namespace qor::test {
namespace {

// A step of rounding in the filter's weights on each of the two axes.
constexpr int kRounding = 2;

// A 128 × 128 tree over clear ground (rows from the top): a round crown with
// a soft rim and a solid middle, a trunk with soft sides, a bush apart from it
// in the lower right corner, and a hard-edged sign in the upper left whose
// edges fall on the texture's cells; colours are noise.
uint8_t TreeAlpha(uint32_t x, uint32_t y) {
    if (x >= 4 && x < 20 && y >= 8 && y < 16)
        return 255;
    const double crown = std::hypot(x + 0.5 - 64.0, y + 0.5 - 44.0);
    if (crown < 38.0)
        return crown < 34.0 ? 255 : static_cast<uint8_t>(30 + (38.0 - crown) * 55);
    if (y >= 80 && y < 118 && x >= 57 && x <= 70)
        return x == 57 || x == 70 ? 128 : 255;
    const double bush = std::hypot(x + 0.5 - 110.0, y + 0.5 - 110.0);
    if (bush < 9.0)
        return static_cast<uint8_t>(255 - bush * 20);
    return 0;
}

// The tree on `side` texels a side.
cImage Tree(uint32_t side = 128) {
    return MakeImage(kImageRGBA32, side, side, [side](uint32_t x, uint32_t y) {
        return (uint32_t{TreeAlpha(x * 128 / side, y * 128 / side)} << 24) |
               (Noise(x + 7, y) & 0x00FFFFFFu);
    });
}

// A quad as DrawSprite writes one, from any four corners: lower left, lower
// right, upper left, upper right (a parallelogram).
void DrawCorners(cSpriteBatch* batch, const cTextureRef& texture, const cVec2 (&c)[4],
                 const cRectF& uv, uint32_t color) {
    cVertex* v = AllocVertices(batch, 6, texture);
    ASSERT_NE(v, nullptr);
    const float us[4] = {uv.x, uv.x + uv.w, uv.x, uv.x + uv.w};
    const float vs[4] = {uv.y, uv.y, uv.y + uv.h, uv.y + uv.h};
    const int order[6] = {0, 1, 2, 2, 1, 3};
    for (int k = 0; k < 6; ++k)
        v[k] = {c[order[k]].x, c[order[k]].y, 0.0f, color, us[order[k]], vs[order[k]]};
}

// The corners of a w × h rectangle centred on (cx, cy), turned by `angle`.
void Turned(float cx, float cy, float w, float h, float angle, cVec2 (&c)[4]) {
    const float cs = std::cos(angle), sn = std::sin(angle);
    const float xs[4] = {-w / 2, w / 2, -w / 2, w / 2}, ys[4] = {-h / 2, -h / 2, h / 2, h / 2};
    for (int k = 0; k < 4; ++k)
        c[k] = {cx + xs[k] * cs - ys[k] * sn, cy + xs[k] * sn + ys[k] * cs};
}

class TrimTest : public FlushCompareTest {
  protected:
    void SetUp() override {
        FlushCompareTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        m_picture = AddTexture(u"picture", Picture());
        m_tree = AddTexture(u"tree", Tree());
        m_bigTree = AddTexture(u"big_tree", Tree(256));
    }

    // The picture behind, stretched over the window and so filtered.
    void Background(cSpriteBatch* batch) {
        DrawSprite(batch, m_picture, {0, 0, 1, 1}, {0, 0, 256, 256}, kWhite);
    }

    cTextureRef m_picture, m_tree, m_bigTree;
};

TEST_F(TrimTest, StripsLeaveThePixelsOfTheWholeQuadHoweverItIsPlaced) {
    constexpr float kQuarter = 1.5707964f;
    struct cCase {
        const char* what;
        cVec2 centre, size;
        float angle = 0, lean = 0;
        cRectF uv = {0, 0, 1, 1};
        uint32_t color = kWhite;
        bool trimmed = true;
        bool exactQuarter = false;  // corners on the axes, not where cos and sin put them
        bool bigTree = false;       // drawn from the tree on 256 texels a side
    } cases[] = {
        {"upright, a texel on each pixel", {104, 94}, {128, 128}},
        {"stretched off the pixel grid", {125.3f, 128.9f}, {230.5f, 240.25f}},
        {"shrunk", {120.6f, 118.7f}, {200, 190}, 0, 0, {0, 0, 1, 1}, kWhite, true, false, true},
        {"mirrored", {128, 128}, {200, 190}, 0, 0, {1, 0, -1, 1}},
        {"upside down", {128.2f, 127.6f}, {200, 190}, 0, 0, {0, 1, 1, -1}},
        {"leaning like a swaying tree", {120.4f, 125}, {180, 210}, 0, 23.7f},
        {"leaning the other way, mirrored", {130, 125}, {180, 210}, 0, -31.1f, {1, 0, -1, 1}},
        {"turned a quarter",
         {128.5f, 127.5f},
         {170, 180},
         kQuarter,
         0,
         {0, 0, 1, 1},
         kWhite,
         true,
         true},
        // Turned quads are drawn whole.
        {"turned", {128, 128}, {170, 180}, 0.52f, 0, {0, 0, 1, 1}, kWhite, false},
        {"turned a quarter and a bit",
         {128, 128},
         {150, 150},
         kQuarter + 0.01f,
         0,
         {0, 0, 1, 1},
         kWhite,
         false},
        {"magnified round the sign", {128, 128}, {256, 256}, 0, 0, {0, 0.75f, 0.25f, 0.25f}},
        {"tinted", {126, 130}, {200, 210}, 0, 0, {0, 0, 1, 1}, 0xFF80C0FFu},
        {"translucent", {126, 130}, {200, 210}, 0, 9.5f, {0, 0, 1, 1}, 0x90FFFFFFu},
        {"too small to cut", {100, 100}, {120, 120}, 0, 0, {0, 0, 1, 1}, kWhite, false},
    };
    for (const cCase& c : cases) {
        auto draw = [&](cSpriteBatch* batch) {
            Background(batch);
            cVec2 corners[4];
            Turned(c.centre.x, c.centre.y, c.size.x, c.size.y, c.angle, corners);
            if (c.exactQuarter) {
                for (cVec2& corner : corners) {
                    corner.x = std::round(corner.x * 2) / 2;
                    corner.y = std::round(corner.y * 2) / 2;
                }
            }
            corners[2].x += c.lean;
            corners[3].x += c.lean;
            DrawCorners(batch, c.bigTree ? m_bigTree : m_tree, corners, c.uv, c.color);
        };
        EXPECT_EQ(Differences(draw, kRounding), 0) << c.what;
        // The background's quad, and the tree's whole or cut into a strip.
        EXPECT_EQ(m_vertices != 12, c.trimmed) << c.what << ": " << m_vertices << " vertices";
    }
}

TEST_F(TrimTest, OnlyWhereClearTexelsLeaveNoTrace) {
    struct cCase {
        const char* what;
        int blend;
        float alphaRef;
        uint32_t tint;
        bool trimmed;
    } cases[] = {
        {"blended", kBlendAlpha, 0.0f, kWhite, true},
        {"alpha test alone", kBlendOff, 0.05f, kWhite, true},
        {"light added by alpha", kBlendAlphaAdd, 0.0f, kWhite, true},
        {"faded by the tint", kBlendAlpha, 0.05f, PackColor(1, 1, 1, 0.6f), true},
        {"tinted and faded", kBlendAlpha, 0.0f, PackColor(0.5f, 1, 0.7f, 0.6f), true},
        // Clear texels add their colour, or are written as they are.
        {"light added", kBlendAdd, 0.0f, kWhite, false},
        {"unblended", kBlendOff, 0.0f, kWhite, false},
    };
    for (const cCase& c : cases) {
        auto draw = [&](cSpriteBatch* batch) {
            Background(batch);
            FlushBatch(batch);  // the background under the usual blending
            batch->Clear();
            g_render->SetBlend(c.blend, c.alphaRef);
            g_render->SetColor(c.tint);
            DrawSprite(batch, m_tree, {0, 0, 1, 1}, {20.5f, 10.25f, 210, 220}, kWhite);
        };
        EXPECT_EQ(Differences(draw, kRounding), 0) << c.what;
        EXPECT_EQ(m_vertices != 6, c.trimmed) << c.what << ": " << m_vertices << " vertices";
        g_render->SetColor(kWhite);
    }
}

TEST_F(TrimTest, PastTheEdgeOnlyWhereTheTextureRepeats) {
    for (bool clamped : {false, true}) {
        m_tree->device->addressMode = clamped ? kAddressClamp : kAddressWrap;
        // Drifting across the texture's edge, as clouds do: the bush on the
        // right comes round again on the left of the tree.
        for (const cRectF& uv : {cRectF{0.37f, 0, 1, 1}, cRectF{-1.6f, 0.3f, 0.9f, 0.6f}}) {
            auto draw = [&](cSpriteBatch* batch) {
                Background(batch);
                DrawSprite(batch, m_tree, uv, {8.5f, 12, 230, 200}, kWhite);
            };
            EXPECT_EQ(Differences(draw, kRounding), 0)
                << (clamped ? "clamped" : "repeated") << uv.x;
            // A clamped texture stretches its edge: that is left as it is.
            EXPECT_EQ(m_vertices != 12, !clamped) << uv.x << ": " << m_vertices << " vertices";
        }
    }
}

TEST_F(TrimTest, MipmappedTexturesAreDrawnWhole) {
    // Mipmapped sampling reads coarser levels, whose texels reach further than
    // the cells' rims: quads of such a texture are not cut.
    cImage chain = Tree(256);
    for (uint32_t side = 128; side >= 1; side /= 2) {
        const std::vector<uint8_t>& above = chain.levels.back();
        std::vector<uint8_t> level(size_t{side} * side * 4);
        for (uint32_t y = 0; y < side; ++y) {
            for (uint32_t x = 0; x < side; ++x) {
                for (uint32_t c = 0; c < 4; ++c) {
                    uint32_t sum = 0;
                    for (uint32_t k = 0; k < 4; ++k)
                        sum += above[((y * 2 + k / 2) * side * 2 + x * 2 + k % 2) * 4 + c];
                    level[(y * side + x) * 4 + c] = static_cast<uint8_t>(sum / 4);
                }
            }
        }
        chain.levels.push_back(std::move(level));
    }
    chain.levelCount = static_cast<int>(chain.levels.size());
    cTextureRef mipmapped = AddTexture(u"mipmapped", chain);
    SetTextureClamped(mipmapped.get());
    auto draw = [&](cSpriteBatch* batch) {
        Background(batch);
        // Shrunk: sampled between the first two levels.
        DrawSprite(batch, mipmapped, {0, 0, 1, 1}, {20.5f, 10.25f, 200, 190}, kWhite);
    };
    EXPECT_EQ(Differences(draw, kRounding), 0);
    EXPECT_EQ(m_vertices, 12);
}

TEST_F(TrimTest, RunsOfManySpritesAndShapesThatAreNoQuads) {
    auto draw = [&](cSpriteBatch* batch) {
        Background(batch);
        // One run of the tree's texture: trees overlapping each other, a fan
        // and a band, which are drawn as they come, and a tree past the
        // window's edge.
        for (int i = 0; i < 5; ++i) {
            const float at = -30.0f + 55.5f * i;
            DrawSprite(batch, m_tree, {0, 0, 1, 1}, {at, at * 0.7f + 5, 120, 140}, kWhite);
            if (i == 2) {
                DrawSector(batch, m_tree, {128, 128}, 90, 9, 0.0f, 5.0f, {0, 0, 1, 1}, kWhite);
                DrawBand(batch, m_tree, {10, 200}, {230, 240}, 70, {0, 0, 1, 1}, kWhite);
            }
        }
    };
    EXPECT_EQ(Differences(draw, kRounding), 0);
    EXPECT_NE(m_vertices, 6 + 5 * 6 + 27 + 6);
}

TEST_F(TrimTest, NoRoomLeftInTheBatchDrawsTheQuadWhole) {
    int filled = 0;
    auto draw = [&](cSpriteBatch* batch) {
        Background(batch);
        // Fill the batch but for a little room, with quads off the window.
        while (batch->VertexEnd() + 18 < cSpriteBatch::kMaxVertices)
            DrawSprite(batch, m_picture, {0, 0, 1, 1}, {-50, -50, 10, 10}, kWhite);
        DrawSprite(batch, m_tree, {0, 0, 1, 1}, {20.5f, 10.25f, 210, 220}, kWhite);
        filled = batch->VertexEnd();
    };
    EXPECT_EQ(Differences(draw, kRounding), 0);
    EXPECT_EQ(m_vertices, filled);
}

}  // namespace
}  // namespace qor::test
