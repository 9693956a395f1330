// Where a texture counts as opaque: the answer lets the renderer drop blending,
// so a wrong "opaque" would show as a hard edge where a soft one belongs.
#include <gtest/gtest.h>

#include "engine/TextureOpacity.h"
#include "tests/GLTestContext.h"

namespace qor::test {
namespace {

// 64 × 64 with an 8-texel translucent rim (alpha 200) around an opaque middle,
// and one transparent texel at (40, 20) (x right, y down from the top row).
cImage Framed() {
    return MakeImage(kImageRGBA32, 64, 64, [](uint32_t x, uint32_t y) {
        if (x == 40 && y == 20)
            return Argb(0, 0, 0, 0);
        const bool rim = x < 8 || y < 8 || x >= 56 || y >= 56;
        return Argb(rim ? 200 : 255, 120, 90, 60);
    });
}

// Texel rectangle (left, top, right, bottom; rows from the top) as u, v with v
// counted from the bottom of a 64 × 64 texture.
bool OpaqueTexels(const cTextureOpacity& map, float left, float top, float right, float bottom) {
    return map.IsOpaque(left / 64.0f, 1.0f - bottom / 64.0f, right / 64.0f, 1.0f - top / 64.0f);
}

TEST(TextureOpacity, RectanglesAreOpaqueOnlyWithATexelToSpareAroundThem) {
    const cTextureOpacity map = cTextureOpacity::FromImage(Framed());
    EXPECT_FALSE(map.AllOpaque());
    EXPECT_FALSE(map.NoneOpaque());
    struct cCase {
        float left, top, right, bottom;
        bool opaque;
    } cases[] = {
        {12, 28, 52, 52, true},                             // inside, below the hole
        {9, 28, 52, 52, true},                              // one texel from the rim
        {8.5f, 28, 52, 52, false},                          // bilinear taps would reach the rim
        {12, 28, 52, 55, true},    {12, 8, 36, 16, false},  // on the rim
        {36, 12, 48, 24, false},                            // around the hole
        {41, 12, 52, 24, false},  // its taps reach the hole's cell of 4 × 4 texels
        {45, 12, 52, 24, true},   // clear of that cell
        {0, 0, 64, 64, false},    // the whole texture
    };
    for (const cCase& c : cases) {
        EXPECT_EQ(OpaqueTexels(map, c.left, c.top, c.right, c.bottom), c.opaque)
            << c.left << "," << c.top << " - " << c.right << "," << c.bottom;
    }
    // The corners may come in either order.
    EXPECT_TRUE(map.IsOpaque(52 / 64.0f, 1.0f - 28 / 64.0f, 12 / 64.0f, 1.0f - 52 / 64.0f));
}

TEST(TextureOpacity, EdgesCountTheTexelsThatWrappingWouldRead) {
    // Opaque everywhere but the rightmost column: a rectangle at the left edge
    // would wrap into it, one at the top edge reads only opaque texels.
    const cTextureOpacity map =
        cTextureOpacity::FromImage(MakeImage(kImageRGBA32, 64, 64, [](uint32_t x, uint32_t) {
            return Argb(x == 63 ? 0 : 255, 1, 2, 3);
        }));
    EXPECT_FALSE(OpaqueTexels(map, 0, 16, 16, 32));
    EXPECT_TRUE(OpaqueTexels(map, 8, 0, 24, 16));
    EXPECT_TRUE(OpaqueTexels(map, 8, 48, 24, 64));
    // Outside 0..1 the texture repeats or clamps: never opaque unless all is.
    EXPECT_FALSE(map.IsOpaque(0.2f, 0.2f, 0.5f, 1.5f));
}

TEST(TextureOpacity, FormatsDecideWithoutLookingWhereTheyHaveNoAlpha) {
    struct cCase {
        int format;
        uint32_t argb;
        bool all, none;
    } cases[] = {
        {kImageRGB24, 0x00102030u, true, false},  // no alpha channel: alpha 0 bytes mean nothing
        {kImageRGBX32, 0x00102030u, true, false}, {kImageL8, 0x00808080u, true, false},
        {kImageRGBA32, 0xFF102030u, true, false}, {kImageRGBA32, 0xFE102030u, false, true},
        {kImageL8A8, 0xFF808080u, true, false},   {kImageL8A8, 0x80808080u, false, true},
    };
    for (const cCase& c : cases) {
        const cTextureOpacity map =
            cTextureOpacity::FromImage(MakeSolidImage(c.format, 32, 16, c.argb));
        EXPECT_EQ(map.AllOpaque(), c.all) << c.format;
        EXPECT_EQ(map.NoneOpaque(), c.none) << c.format;
        EXPECT_EQ(map.IsOpaque(-1.0f, 0.0f, 2.0f, 3.0f), c.all) << c.format;
    }
    // Block-compressed alpha is not read: never opaque.
    cImage dxt5;
    dxt5.Create(kImageDXT5, 16, 16);
    EXPECT_TRUE(cTextureOpacity::FromImage(dxt5).NoneOpaque());
    EXPECT_TRUE(cTextureOpacity::FromImage(cImage{}).NoneOpaque());
}

}  // namespace
}  // namespace qor::test
