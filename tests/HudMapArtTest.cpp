// The generated art of the HUD, the world map and the object hint, loaded the
// way the game loads it: sprites found by name alone have the frames, sizes
// and anchors the map and the hint draw them with, the landscape's halves and
// the sea tile join without seams, and the road the level points follow lies
// where the map's layout expects it.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "app/Game.h"
#include "engine/Atlas.h"
#include "engine/ScriptFunctions.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

class HudMapArt : public ::testing::Test {
  protected:
    void SetUp() override {
        test::UseTestSystemPaths();
        game = std::make_unique<cGame>();
        ASSERT_TRUE(RegisterEngineScriptFunctions());
        for (const char16_t* file :
             {u"map/map00.jpg", u"map/map01.jpg", u"map/map02.png", u"map/map03.png",
              u"effects/object_hint.png", u"gui/gui00.png", u"gui/gui_main0.png",
              u"gui/gui_main1.png", u"gui/gui01.png"}) {
            ASSERT_EQ(LoadTexture(cPath(u"{StaticPath}/texture/" + std::u16string(file))), 0)
                << ToUtf8(file);
        }
    }
    void TearDown() override {
        ClearAtlasCaches();
        ClearTextureCache();
        game.reset();
    }

    // Blue, green, red, alpha of a pixel, the top row first.
    struct Pixel {
        int b, g, r, a;
    };
    static Pixel At(const std::u16string& texture, int x, int y) {
        const cTextureRef t = FindTexture(texture);
        const cImage& image = *t->image;
        const uint8_t* p = image.levels[0].data() + (size_t(y) * image.width + x) * 4;
        return {p[0], p[1], p[2], p[3]};
    }
    static int Difference(const Pixel& a, const Pixel& b) {
        return std::abs(a.b - b.b) + std::abs(a.g - b.g) + std::abs(a.r - b.r) +
               std::abs(a.a - b.a);
    }
    // Mean difference between column x0 of one texture and x1 of another (or
    // rows, with `rows` set): a seam shows as a jump far above the difference
    // between two neighbouring columns inside one picture.
    static double LineJump(const std::u16string& a, int i0, const std::u16string& b, int i1,
                           int length, bool rows) {
        double sum = 0;
        for (int k = 0; k < length; ++k) {
            sum += rows ? Difference(At(a, k, i0), At(b, k, i1))
                        : Difference(At(a, i0, k), At(b, i1, k));
        }
        return sum / length;
    }

    std::unique_ptr<cGame> game;
};

TEST_F(HudMapArt, SpritesFoundByNameHaveTheirFramesAndAnchors) {
    const struct {
        const char16_t* name;
        int frames;
        float fps;
    } sprites[] = {
        {u"map_start", 1, 30},    {u"map_bronze", 1, 30},  {u"map_silver", 1, 30},
        {u"map_gold", 1, 30},     {u"map_start_h", 1, 30}, {u"map_bronze_h", 1, 30},
        {u"map_silver_h", 1, 30}, {u"map_gold_h", 1, 30},  {u"map_pt", 1, 30},
        {u"map_current", 6, 12},  {u"map03_total", 1, 30}, {u"cloud", 1, 30},
        {u"exclamation", 8, 10},
    };
    for (const auto& s : sprites) {
        SCOPED_TRACE(ToUtf8(s.name));
        const cSpriteInfo ex = GetSpriteInfoEx(s.name);
        ASSERT_TRUE(ex.texture);
        EXPECT_EQ(ex.frameCount, s.frames);
        EXPECT_FLOAT_EQ(ex.fps, s.fps);
        ASSERT_NE(ex.offsets, nullptr);
        for (int f = 1; f < ex.frameCount; ++f) {
            EXPECT_EQ(ex.sizes[f].x, ex.sizes[0].x);
            EXPECT_EQ(ex.offsets[f].y, ex.offsets[0].y);
        }
    }
    // A hovered point covers exactly the normal one's place, so hovering never
    // moves the point nor changes where it can be hit.
    for (const char16_t* point : {u"map_start", u"map_bronze", u"map_silver", u"map_gold"}) {
        const cSpriteInfo normal = GetSpriteInfoEx(point);
        const cSpriteInfo hover = GetSpriteInfoEx(point + std::u16string(u"_h"));
        EXPECT_EQ(hover.sizes[0].x, normal.sizes[0].x);
        EXPECT_EQ(hover.sizes[0].y, normal.sizes[0].y);
        EXPECT_EQ(hover.offsets[0].x, normal.offsets[0].x);
        EXPECT_EQ(hover.offsets[0].y, normal.offsets[0].y);
    }
    // The marker's frame is drawn at the point minus its anchor plus (4, 80):
    // centred over the point and clear above the point's picture.
    const cSpriteInfo point = GetSpriteInfoEx(u"map_gold");
    const cSpriteInfo marker = GetSpriteInfoEx(u"map_current");
    const float markerLeft = -marker.offsets[0].x + 4, markerBottom = -marker.offsets[0].y + 80;
    EXPECT_NEAR(markerLeft + marker.sizes[0].x / 2, 0, 1);
    EXPECT_GT(markerBottom, point.sizes[0].y - point.offsets[0].y);
    EXPECT_LT(markerBottom, 40);
    // The cloud lands with its anchor 5 below and 30 beside the hint's point,
    // mirrored on the left: its anchor is the middle of its width, and the
    // "!" centred on the point (plus the same 30) sits inside the cloud.
    const cSpriteInfo cloud = GetSpriteInfoEx(u"cloud");
    const cSpriteInfo bang = GetSpriteInfoEx(u"exclamation");
    EXPECT_FLOAT_EQ(cloud.offsets[0].x, cloud.sizes[0].x / 2);
    const float cloudBottom = -5 - cloud.offsets[0].y, cloudTop = cloudBottom + cloud.sizes[0].y;
    const float bangBottom = -bang.offsets[0].y, bangTop = bangBottom + bang.sizes[0].y;
    EXPECT_GT(bangBottom, cloudBottom);
    EXPECT_LT(bangTop, cloudTop);
    EXPECT_LT(bang.sizes[0].x, cloud.sizes[0].x);
}

TEST_F(HudMapArt, LandscapeHalvesJoinAndTheSeaTileRepeatsWithoutSeams) {
    ASSERT_EQ(FindTexture(u"map00")->image->width, 1024u);
    const int h = int(FindTexture(u"map00")->image->height);
    // The east half's first column continues the west half's last: it is
    // closer to it than any column a few pixels further on either side, which
    // a half painted shifted by a few pixels would not be.
    const double seam = LineJump(u"map00", 1023, u"map01", 0, h, false);
    // and it is no further from it than neighbouring columns are from each
    // other, which a half missing a few columns would be.
    double step = 0;
    for (int k = 1; k <= 6; ++k) {
        EXPECT_LT(seam, LineJump(u"map00", 1023, u"map01", k, h, false)) << k;
        EXPECT_LT(seam, LineJump(u"map00", 1023 - k, u"map01", 0, h, false)) << k;
        step += LineJump(u"map00", 1023 - k, u"map00", 1024 - k, h, false) +
                LineJump(u"map01", k - 1, u"map01", k, h, false);
    }
    EXPECT_LT(seam, step / 12 * 1.5) << "mean step between neighbouring columns " << step / 12;
    // The sky at the top is opaque; the sea tile shows through the bottom.
    EXPECT_EQ(At(u"map00", 500, 0).a, 255);
    EXPECT_LT(At(u"map01", 600, h - 1).a, 16);
    // The tile meets its own other edge as smoothly as two inner lines meet.
    const double tileInside = LineJump(u"map03", 100, u"map03", 101, 256, false);
    EXPECT_LT(LineJump(u"map03", 255, u"map03", 0, 256, false), tileInside * 2 + 4);
    EXPECT_LT(LineJump(u"map03", 255, u"map03", 0, 256, true), tileInside * 2 + 4);
}

// The forty places along the road where the level points are meant to stand,
// in map units (2048 x 768, y up), as handed to the map's layout.
TEST_F(HudMapArt, TheRoadRunsThroughTheLevelPlaces) {
    const float places[][2] = {
        {70.0, 352.0},   {125.9, 373.2},  {180.7, 397.0},  {234.5, 423.0},  {284.3, 455.8},
        {319.7, 503.7},  {359.7, 547.6},  {409.8, 579.9},  {466.8, 596.6},  {526.1, 590.5},
        {582.2, 570.2},  {628.2, 532.8},  {665.6, 486.2},  {705.2, 441.4},  {747.4, 399.4},
        {802.5, 376.8},  {861.7, 370.2},  {919.5, 384.1},  {971.0, 414.2},  {1010.7, 458.0},
        {1037.0, 511.7}, {1075.9, 556.8}, {1124.8, 590.6}, {1183.1, 602.3}, {1242.6, 598.2},
        {1295.9, 573.1}, {1334.3, 527.3}, {1367.5, 477.7}, {1396.1, 425.3}, {1442.5, 388.5},
        {1499.3, 371.0}, {1558.8, 373.7}, {1615.9, 390.9}, {1664.0, 425.6}, {1701.8, 471.9},
        {1735.8, 520.9}, {1772.3, 567.8}, {1826.2, 592.9}, {1884.4, 606.3}, {1944.0, 610.0},
    };
    // Road sand, its light middle and its edge, and the bridge's planks.
    const Pixel road[] = {{0xA0, 0xD7, 0xEE, 255},
                          {0xCF, 0xEB, 0xF6, 255},
                          {0x55, 0x8D, 0xB9, 255},
                          {0x62, 0x94, 0xC9, 255}};
    // A place may fall on a plank's seam or a dash of the road's middle: at
    // least a third of the 5 x 5 pixels around it must be road.
    for (const auto& p : places) {
        const int x = int(std::lround(p[0])), y = int(std::lround(768 - p[1]));
        const std::u16string half = x < 1024 ? u"map00" : u"map01";
        int onRoad = 0;
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const Pixel pixel = At(half, x % 1024 + dx, y + dy);
                for (const Pixel& r : road) {
                    if (Difference(pixel, r) < 60) {
                        ++onRoad;
                        break;
                    }
                }
            }
        }
        EXPECT_GE(onRoad, 9) << "no road under the level place (" << p[0] << ", " << p[1] << ")";
    }
}

}  // namespace
}  // namespace qor
