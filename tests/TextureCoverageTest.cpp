// Where a texture counts as clear or solid, cell by cell. The sprite batch
// leaves out what lies over clear cells, so a cell called clear that a
// bilinear tap could read colour from would cut a sliver off a sprite.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/TextureCoverage.h"
#include "tests/GLTestContext.h"

namespace qor::test {
namespace {

uint32_t Hash(uint32_t x, uint32_t y) {
    uint32_t h = x * 374761393u + y * 668265263u + 0x9E3779B9u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

// Soft discs scattered over clear ground, with solid middles, a solid block,
// a few single translucent texels, and a band touching the left and top edges
// so that the rims wrapped round the edges matter.
uint8_t Alpha(uint32_t x, uint32_t y, uint32_t w, uint32_t h) {
    if (x < 2 || y < 1)
        return 200;
    if (x >= w / 2 && x < w / 2 + 40 && y + 16 >= h / 2 && y < h / 2 + 16)
        return 255;
    if (Hash(x, y) % 997 == 0)
        return 1;
    for (uint32_t k = 0; k < 6; ++k) {
        const double cx = Hash(k, 1) % w, cy = Hash(k, 2) % h;
        const double r = 6 + Hash(k, 3) % std::max(4u, std::min(w, h) / 5);
        const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
        if (d < r)
            return d < r - 5 ? 255 : static_cast<uint8_t>(50 + (r - d) * 40);
    }
    return 0;
}

// What the cell's class must be, texel by texel: every texel of the cell and
// of the ring one texel outside it, wrapped and clamped past the edges.
uint8_t ExpectedCell(const cImage& image, uint32_t side, int cx, int cy) {
    const uint32_t w = image.width, h = image.height;
    const int bpp = image.format.id == kImageL8A8 ? 2 : 4;
    auto alpha = [&](long x, long y, bool wrap) {
        auto index = [wrap](long t, uint32_t size) {
            if (t >= 0 && t < static_cast<long>(size))
                return static_cast<uint32_t>(t);
            if (wrap)
                return static_cast<uint32_t>((t + size) % size);
            return t < 0 ? 0u : size - 1;
        };
        const size_t at = (size_t{index(y, h)} * w + index(x, w)) * bpp + bpp - 1;
        return image.levels[0][at];
    };
    const long x0 = static_cast<long>(cx * side) - 1;
    const long x1 = std::min<long>(w, (cx + 1) * side);
    const long y0 = static_cast<long>(cy * side) - 1;
    const long y1 = std::min<long>(h, (cy + 1) * side);
    bool any = false, all = true;
    for (bool wrap : {false, true}) {
        for (long y = y0; y <= y1; ++y) {
            for (long x = x0; x <= x1; ++x) {
                const uint8_t a = alpha(x, y, wrap);
                any = any || a != 0;
                all = all && a == 255;
            }
        }
    }
    return !any ? cTextureCoverage::kClear : all ? cTextureCoverage::kSolid : 0;
}

TEST(TextureCoverage, CellsAreClearOrSolidOnlyWithTheirRimAndTheTexelsPastTheEdges) {
    struct cCase {
        int format;
        uint32_t w, h;
        uint32_t side;  // the cell side expected for the size
    } cases[] = {
        {kImageRGBA32, 64, 64, 4},
        {kImageRGBA32, 610, 203, 4},  // no multiple of the side: the last cells are short
        {kImageRGBA32, 4096, 40, 8},  // a long side makes bigger cells
        {kImageL8A8, 96, 130, 4},
    };
    for (const cCase& c : cases) {
        const std::string what = std::to_string(c.w) + "x" + std::to_string(c.h);
        const cImage image = MakeImage(c.format, c.w, c.h, [&](uint32_t x, uint32_t y) {
            return Argb(Alpha(x, y, c.w, c.h), 90, 140, 200);
        });
        const cTextureCoverage map = cTextureCoverage::FromImage(image);
        ASSERT_EQ(map.CellSide(), c.side) << what;
        ASSERT_EQ(map.Columns(), static_cast<int>((c.w + c.side - 1) / c.side)) << what;
        ASSERT_EQ(map.Rows(), static_cast<int>((c.h + c.side - 1) / c.side)) << what;
        int clear = 0, solid = 0, wrong = 0;
        for (int cy = 0; cy < map.Rows(); ++cy) {
            for (int cx = 0; cx < map.Columns(); ++cx) {
                const uint8_t expected = ExpectedCell(image, c.side, cx, cy);
                clear += expected == cTextureCoverage::kClear;
                solid += expected == cTextureCoverage::kSolid;
                if (map.Cell(cx, cy) != expected && ++wrong <= 3) {
                    ADD_FAILURE() << what << " cell " << cx << "," << cy << " is "
                                  << int{map.Cell(cx, cy)} << ", expected " << int{expected};
                }
            }
        }
        EXPECT_EQ(wrong, 0) << what;
        // The fixture has cells of every kind, so each answer was put to the test.
        EXPECT_GT(clear, 10) << what;
        EXPECT_GT(solid, 2) << what;
        EXPECT_EQ(map.HasClearCells(), clear > 0) << what;
        EXPECT_EQ(map.HasSolidCells(), solid > 0) << what;
    }
}

TEST(TextureCoverage, NoCellsWhereTheAlphaIsNotRead) {
    // Without alpha, or with alpha that is not read here: nothing is clear.
    for (int format : {kImageRGB24, kImageRGBX32, kImageL8, kImageDXT5}) {
        cImage image;
        image.Create(format, 64, 64);
        const cTextureCoverage map = cTextureCoverage::FromImage(image);
        EXPECT_FALSE(map.HasClearCells()) << format;
        EXPECT_EQ(map.Columns(), 0) << format;
    }
    // A truncated level is not read either.
    cImage cut = MakeSolidImage(kImageRGBA32, 64, 64, 0);
    cut.levels[0].resize(100);
    EXPECT_FALSE(cTextureCoverage::FromImage(cut).HasClearCells());
}

}  // namespace
}  // namespace qor::test
