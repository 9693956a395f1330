// The world map on screen, drawn by the real renderer with stand-in art made
// here (so the pictures check the map's own drawing, whatever the game's art
// looks like): a fresh map, and a map with medals, the trail, a hovered level
// and the chosen level's marker, scrolled to centre the chosen level.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "engine/Atlas.h"
#include "engine/Image.h"
#include "engine/Render.h"
#include "engine/SpriteBatch.h"
#include "engine/TextureCache.h"
#include "scene/SceneServices.h"
#include "tests/GLTestContext.h"
#include "tests/GoldenImage.h"
#include "tests/MapTestKit.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

// Sprites by area name from the textures this test made; the landscape halves
// by texture and area.
class cArtServices : public cSceneServices {
  public:
    cSpriteBatch* Batch() override { return &batch; }
    cSpriteInfo FindSprite(const std::u16string& texture, const std::u16string& area) override {
        return GetSpriteInfo(texture, area);
    }
    cSpriteInfo FindSprite(const std::u16string& area) override {
        return GetSpriteInfo(area, area);
    }
    cSpriteBatch batch;
};

uint32_t Mix(uint32_t a, uint32_t b, float t) {
    auto channel = [&](int shift) {
        const float x = static_cast<float>((a >> shift) & 0xFF);
        const float y = static_cast<float>((b >> shift) & 0xFF);
        return static_cast<uint32_t>(std::lround(x + (y - x) * t)) << shift;
    };
    return channel(24) | channel(16) | channel(8) | channel(0);
}

void Make(const std::u16string& name, uint32_t w, uint32_t h,
          const std::function<uint32_t(uint32_t, uint32_t)>& pixel) {
    AddTexture(name, MakeImage(kImageRGBA32, w, h, pixel));
    AddNode(CreateTextureInfo(name).get(), name, {0, 0, 1, 1}, 1, 1, 10.0f);
}

// A round badge: a rim of `rim` around a face of `face`, soft at the edge.
void Badge(const std::u16string& name, uint32_t size, uint32_t rim, uint32_t face) {
    const float r = static_cast<float>(size) * 0.5f;
    Make(name, size, size, [=](uint32_t x, uint32_t y) {
        const float d =
            std::hypot(static_cast<float>(x) + 0.5f - r, static_cast<float>(y) + 0.5f - r);
        if (d > r)
            return 0u;
        const uint32_t colour = d > r - 5.0f ? rim : face;
        return d > r - 1.0f ? (colour & 0x00FFFFFFu) | 0x80000000u : colour;
    });
}

void MakeArt() {
    Make(u"map03_total", 64, 64, [](uint32_t x, uint32_t y) {
        return (x + y) % 32 < 16 ? Argb(255, 120, 170, 90) : Argb(255, 112, 160, 84);
    });
    // Two halves of the landscape, each one screen, tinted apart so the seam
    // between them shows where it falls.
    for (const auto& [name, far] : {std::pair{u"map00", Argb(255, 150, 200, 110)},
                                    std::pair{u"map01", Argb(255, 170, 190, 100)}}) {
        Make(name, 1024, 768, [far](uint32_t x, uint32_t y) {
            const float hill = 380.0f + 120.0f * std::sin(static_cast<float>(x) / 130.0f);
            if (static_cast<float>(y) < hill)
                return Argb(255, 190, 220, 240);  // sky: rows count from the top
            return Mix(far, Argb(255, 80, 130, 60), (static_cast<float>(y) - hill) / 768.0f);
        });
    }
    Badge(u"map_start", 40, Argb(255, 60, 120, 50), Argb(255, 250, 250, 240));
    Badge(u"map_bronze", 40, Argb(255, 110, 70, 30), Argb(255, 205, 127, 50));
    Badge(u"map_silver", 40, Argb(255, 90, 90, 110), Argb(255, 200, 200, 210));
    Badge(u"map_gold", 40, Argb(255, 140, 100, 10), Argb(255, 255, 205, 40));
    Badge(u"map_start_h", 46, Argb(255, 255, 255, 255), Argb(255, 250, 250, 240));
    Badge(u"map_bronze_h", 46, Argb(255, 255, 255, 255), Argb(255, 205, 127, 50));
    Badge(u"map_silver_h", 46, Argb(255, 255, 255, 255), Argb(255, 200, 200, 210));
    Badge(u"map_gold_h", 46, Argb(255, 255, 255, 255), Argb(255, 255, 205, 40));
    Badge(u"map_pt", 10, Argb(255, 90, 60, 30), Argb(255, 140, 100, 60));
    // The marker: a red pennant on a pole, its foot at the sprite's lower left.
    Make(u"map_current", 24, 32, [](uint32_t x, uint32_t y) {
        if (x < 3)
            return Argb(255, 70, 50, 40);
        return y < 16 && x < 24 - y ? Argb(255, 220, 40, 40) : 0u;
    });
}

class MapGolden : public GLTest {
  protected:
    MapGolden() : GLTest(640, 480) {}
    void SetUp() override {
        // Compiled before the engine core exists: the compiler's scratch scene
        // would otherwise register with it as a widget.
        const std::string source =
            "map\n"
            "point 1 at 150 300 id 1\npoint 2 at 330 420 id 2\npoint 3 at 520 360 id 3\n"
            "point 4 at 700 480 id 4\npoint 5 at 880 400 id 5\npoint 6 at 1700 300 id 6\n"
            "decor \"map00;map00\" at 512 384 layer 0 id 101\n"
            "decor \"map01;map01\" at 1536 384 layer 0 id 102\n";
        WriteBytes(folder.path() / "map.lvx", map_test::CompileMap(source));
        GLTest::SetUp();
        if (IsSkipped())
            return;
        UseTestSystemPaths();
        MakeArt();
        map = new map_test::cTestMap(&services);  // the engine core owns it
        map->mapFile = cPath(folder.u16("map.lvx"));
        ASSERT_TRUE(map->LoadMapFile());
    }
    void TearDown() override {
        ClearAtlasCaches();
        ClearTextureCache();
        GLTest::TearDown();
    }
    void Show() {
        map->OnFocus();
        for (int i = 0; i < 3; ++i)
            map->Tick();
        g_render->Clear();
        map->Draw();
    }

    cTempFolder folder;
    cArtServices services;
    map_test::cTestMap* map = nullptr;
};

TEST_F(MapGolden, AFreshMap) {
    Show();
    EXPECT_FLOAT_EQ(map->scrollX, 0.0f);
    EXPECT_TRUE(MatchesGolden("map_fresh"));
}

TEST_F(MapGolden, MedalsTheTrailAndTheChosenLevel) {
    map->SetMedal(0, kMedalGold);
    map->OpenLevel(1);
    map->SetMedal(1, kMedalSilver);
    map->OpenLevel(2);
    map->SetMedal(2, kMedalBronze);
    map->OpenLevel(3);
    // The pointer rests on level 2 where it is drawn once the map is centred.
    map->pointer = {330.0f + 512.0f - 700.0f, 420.0f};
    Show();
    EXPECT_FLOAT_EQ(map->scrollX, -188.0f);
    EXPECT_EQ(map->path.size(), 15u);
    EXPECT_EQ(map->hoveredPoint, map->Points()[1]);
    EXPECT_TRUE(MatchesGolden("map_progress"));
}

}  // namespace
}  // namespace qor::test
