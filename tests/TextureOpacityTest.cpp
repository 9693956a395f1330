// Where a texture counts as opaque: the answer lets the renderer drop blending,
// so a wrong "opaque" would show as a hard edge where a soft one belongs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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

// An atlas of 50 × 50 frames in a texture whose sides are no multiple of the
// cell side (610 × 203 makes cells of 10 texels, the last row 3 high): frames
// wholly opaque, frames with a soft rim, frames with one clear texel
// somewhere, and empty ones, as sprite sheets mix them.
constexpr uint32_t kAtlasW = 610, kAtlasH = 203, kFrame = 50;

uint32_t Hash(uint32_t x, uint32_t y) {
    uint32_t h = x * 374761393u + y * 668265263u + 0x9E3779B9u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

// The kind of the frame at column fx, row fy: 0 opaque, 1 soft rim, 2 one clear texel, 3 empty.
uint32_t FrameKind(uint32_t fx, uint32_t fy) {
    return Hash(fx, fy + 100) % 4;
}

uint8_t AtlasAlpha(uint32_t x, uint32_t y) {
    const uint32_t fx = x / kFrame, fy = y / kFrame;
    const uint32_t lx = x % kFrame, ly = y % kFrame;
    switch (FrameKind(fx, fy)) {
        case 1: {
            const uint32_t edge =
                std::min(std::min(lx, kFrame - 1 - lx), std::min(ly, kFrame - 1 - ly));
            return edge >= 6 ? 255 : static_cast<uint8_t>(30 + edge * 30);
        }
        case 2:
            return lx == Hash(fx, fy) % kFrame && ly == Hash(fy, fx) % kFrame ? 254 : 255;
        case 3:
            return 0;
        default:
            return 255;
    }
}

// Whether every texel that bilinear filtering may read for pixel centres
// inside the texel rectangle [left, right] × [top, bottom] (rows from the top)
// is opaque, reading past an edge both wrapped and clamped.
bool ReachedTexelsOpaque(double left, double top, double right, double bottom) {
    auto index = [](long t, uint32_t size, bool wrap) {
        if (t >= 0 && t < static_cast<long>(size))
            return static_cast<uint32_t>(t);
        if (wrap)
            return static_cast<uint32_t>((t + size) % size);
        return t < 0 ? 0u : size - 1;
    };
    const long x0 = static_cast<long>(std::floor(left - 0.5));
    const long x1 = static_cast<long>(std::floor(right - 0.5)) + 1;
    const long y0 = static_cast<long>(std::floor(top - 0.5));
    const long y1 = static_cast<long>(std::floor(bottom - 0.5)) + 1;
    for (bool wrap : {false, true}) {
        for (long y = y0; y <= y1; ++y) {
            for (long x = x0; x <= x1; ++x) {
                if (AtlasAlpha(index(x, kAtlasW, wrap), index(y, kAtlasH, wrap)) != 255)
                    return false;
            }
        }
    }
    return true;
}

TEST(TextureOpacity, AtlasOfMixedFramesIsNeverCalledOpaqueWhereATapIsNot) {
    const cTextureOpacity map = cTextureOpacity::FromImage(
        MakeImage(kImageRGBA32, kAtlasW, kAtlasH,
                  [](uint32_t x, uint32_t y) { return Argb(AtlasAlpha(x, y), 90, 140, 200); }));
    ASSERT_FALSE(map.AllOpaque());
    ASSERT_FALSE(map.NoneOpaque());
    const double w = kAtlasW, h = kAtlasH;
    auto opaque = [&](double left, double top, double right, double bottom) {
        return map.IsOpaque(static_cast<float>(left / w), static_cast<float>(1.0 - bottom / h),
                            static_cast<float>(right / w), static_cast<float>(1.0 - top / h));
    };
    // Rectangles of every size anywhere, sprite frames and stray ones alike:
    // "opaque" must always be true. Cells make the answer coarse, never wrong.
    int opaqueSaid = 0;
    for (uint32_t i = 0; i < 20000; ++i) {
        const double left = Hash(i, 1) % (kAtlasW * 4) / 4.0;
        const double top = Hash(i, 2) % (kAtlasH * 4) / 4.0;
        const double right = std::min(w, left + Hash(i, 3) % 1200 / 8.0);
        const double bottom = std::min(h, top + Hash(i, 4) % 800 / 8.0);
        if (opaque(left, top, right, bottom)) {
            ++opaqueSaid;
            ASSERT_TRUE(ReachedTexelsOpaque(left, top, right, bottom))
                << left << "," << top << " - " << right << "," << bottom;
        }
    }
    // And useful: the inside of every opaque frame, a cell and a texel in from
    // its edges, is opaque; no frame with a clear texel or a rim is.
    int opaqueFrames = 0;
    for (uint32_t fy = 0; fy < kAtlasH / kFrame; ++fy) {
        for (uint32_t fx = 0; fx < kAtlasW / kFrame; ++fx) {
            const double left = fx * kFrame, top = fy * kFrame;
            const uint32_t kind = FrameKind(fx, fy);
            if (kind == 0) {
                ++opaqueFrames;
                EXPECT_TRUE(opaque(left + 11, top + 11, left + kFrame - 11, top + kFrame - 11))
                    << "frame " << fx << "," << fy;
            } else {
                EXPECT_FALSE(opaque(left, top, left + kFrame, top + kFrame))
                    << "frame " << fx << "," << fy << " kind " << kind;
            }
        }
    }
    EXPECT_GT(opaqueFrames, 4);
    EXPECT_GT(opaqueSaid, 100);
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
