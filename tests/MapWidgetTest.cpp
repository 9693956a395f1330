// The world map without a display: which levels are open and chosen, the
// medals, pointing at and clicking levels, scrolling by the edges and by
// throwing the map, centring the chosen level and the trail, and reading the
// map file whole, damaged or not at all.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/Widget.h"
#include "engine/Path.h"
#include "engine/Strings.h"
#include "gui/GuiSound.h"
#include "tests/MapTestKit.h"
#include "tests/SceneTestKit.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

using map_test::cHintSpy;
using map_test::Chosen;
using map_test::cTestMap;
using map_test::kPointX;
using map_test::kPointY;
using map_test::Medals;

class MapWidgetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UseTestSystemPaths();
        using scene_test::MakeSprite;
        for (const char16_t* name :
             {u"map_start", u"map_bronze", u"map_silver", u"map_gold", u"map_start_h",
              u"map_bronze_h", u"map_silver_h", u"map_gold_h"}) {
            services.sprites[name] = MakeSprite(1, 40.0f, 40.0f, 10.0f);
        }
        services.sprites[u"map_current"] = MakeSprite(4, 24.0f, 32.0f, 8.0f);
        services.sprites[u"map_pt"] = MakeSprite(1, 8.0f, 8.0f, 1.0f);
        SetGuiSoundSink([this](std::u16string_view name) { sounds.emplace_back(name); });
        map = std::make_unique<cTestMap>(&services);
        map->mapHintWindow = &hint;
    }
    void TearDown() override { SetGuiSoundSink({}); }

    void Load(const std::string& source = map_test::FiveLevelSource()) {
        WriteBytes(folder.path() / "map.lvx", map_test::CompileMap(source));
        map->mapFile = cPath(folder.u16("map.lvx"));
        ASSERT_TRUE(map->LoadMapFile());
    }
    cPoint* Level(int level) const {
        for (cPoint* point : map->Points()) {
            if (point->level == level)
                return point;
        }
        return nullptr;
    }
    // The pointer on the screen over a level's point, scroll included.
    void PointAt(int level) { map->pointer = {kPointX[level] + map->scrollX, kPointY}; }

    cTempFolder folder;
    scene_test::cTestServices services;
    cHintSpy hint;
    std::vector<std::u16string> sounds;
    std::unique_ptr<cTestMap> map;
};

TEST_F(MapWidgetTest, AFreshMapShowsOnlyTheFirstLevelOpenAndChosen) {
    Load();
    ASSERT_EQ(map->Points().size(), 5u);
    EXPECT_EQ(Medals(*map), (std::vector<int>{1, 0, 0, 0, 0}));
    EXPECT_EQ(Chosen(*map), (std::vector<int>{1, 0, 0, 0, 0}));
    EXPECT_EQ(map->GetCurrentPoint(), Level(0));
    EXPECT_EQ(map->GetCurrentLevel(), 0);
    map->Tick();
    EXPECT_EQ(Level(0)->animationName, u"start");
    EXPECT_EQ(Level(1)->animationName, u"none");
    // A locked level is invisible and cannot be hit.
    EXPECT_EQ(Level(0)->HitTest({kPointX[0], kPointY}), 1);
    EXPECT_EQ(Level(1)->HitTest({kPointX[1], kPointY}), 0);
    EXPECT_EQ(Level(0)->GetHintText(), u"<LevelNumber> 1");
}

TEST_F(MapWidgetTest, FinishingLevelsOpensTheNextAndMedalsOnlyGrow) {
    Load();
    map->SetMedal(0, kMedalGold);
    map->OpenLevel(1);
    map->SetMedal(1, kMedalSilver);
    map->OpenLevel(2);
    EXPECT_EQ(Medals(*map), (std::vector<int>{4, 3, 1, 0, 0}));
    EXPECT_EQ(Chosen(*map), (std::vector<int>{0, 0, 1, 0, 0}));

    // Finished again, worse: the better medal stays; a value past gold is gold.
    map->SetMedal(0, kMedalSilver);
    map->SetMedal(1, kMedalBronze);
    map->SetMedal(2, 9);
    EXPECT_EQ(Medals(*map), (std::vector<int>{4, 3, 4, 0, 0}));
    // Replaying an earlier level chooses it again without locking later ones.
    map->OpenLevel(0);
    EXPECT_EQ(Medals(*map), (std::vector<int>{4, 3, 4, 0, 0}));
    EXPECT_EQ(Chosen(*map), (std::vector<int>{1, 0, 0, 0, 0}));
    EXPECT_EQ(map->GetMedal(1), kMedalSilver);
    EXPECT_EQ(map->GetMedal(7), kMedalLocked) << "no such level";

    // After the last level nothing is chosen, and the chosen level reads 0.
    map->OpenLevel(5);
    EXPECT_EQ(Medals(*map), (std::vector<int>{4, 3, 4, 1, 1}));
    EXPECT_EQ(Chosen(*map), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_EQ(map->GetCurrentPoint(), nullptr);
    EXPECT_EQ(map->GetCurrentLevel(), 0);
}

TEST_F(MapWidgetTest, PointingAtALevelShowsItsNumberBesideItWhereItIsDrawn) {
    Load();
    map->OpenLevel(1);
    map->ScrollBy(-200.0f, 0.0f);
    PointAt(1);
    map->Tick();
    EXPECT_EQ(map->hoveredPoint, Level(1));
    EXPECT_EQ(sounds, std::vector<std::u16string>{u"mouse_in"});
    ASSERT_EQ(hint.shown.size(), 1u);
    EXPECT_EQ(hint.shown[0].text, u"<LevelNumber> 2");
    EXPECT_EQ(hint.shown[0].object, Level(1));
    EXPECT_FALSE(hint.shown[0].anchored);
    EXPECT_FLOAT_EQ(hint.shown[0].offset.x, -200.0f);
    // Staying on it: the hovered sprite, no second sound or hint.
    map->Tick();
    EXPECT_EQ(Level(1)->animationName, u"starth");
    EXPECT_EQ(sounds.size(), 1u);
    EXPECT_EQ(hint.shown.size(), 1u);

    // Off to a locked level and to the bare landscape: the hint goes, nothing
    // is hovered, nothing sounds.
    PointAt(3);
    map->Tick();
    EXPECT_EQ(map->hoveredPoint, nullptr);
    EXPECT_EQ(hint.hidden, 1);
    map->pointer = {700.0f, 100.0f};
    map->Tick();
    map->Tick();
    EXPECT_EQ(Level(1)->animationName, u"start");
    EXPECT_EQ(sounds.size(), 1u);
    EXPECT_EQ(hint.hidden, 1);
}

TEST_F(MapWidgetTest, APointWithoutItsHoveredSpriteKeepsItsOwnUnderThePointer) {
    services.sprites.erase(u"map_start_h");
    Load();
    PointAt(0);
    for (int tick = 0; tick < 3; ++tick) {
        map->Tick();
        EXPECT_EQ(Level(0)->animationName, u"start") << tick;
        EXPECT_EQ(map->hoveredPoint, Level(0)) << tick;
    }
    EXPECT_EQ(hint.shown.size(), 1u);
    EXPECT_EQ(hint.hidden, 0);
}

TEST_F(MapWidgetTest, AClickChoosesAnOpenedLevelAndNothingElse) {
    Load();
    map->OpenLevel(2);
    map->Tick();  // the points show their sprites and can be hit
    for (const int locked_or_empty : {3, -1}) {
        if (locked_or_empty < 0)
            map->pointer = {700.0f, 300.0f};
        else
            PointAt(locked_or_empty);
        map->OnEvent(kWidgetMouseDown, 0);
        map->OnEvent(kWidgetMouseUp, 0);
        EXPECT_EQ(Chosen(*map), (std::vector<int>{0, 0, 1, 0, 0})) << locked_or_empty;
        EXPECT_TRUE(sounds.empty()) << locked_or_empty;
    }
    PointAt(0);
    map->OnEvent(kWidgetMouseDown, 0);
    map->OnEvent(kWidgetMouseUp, 0);
    EXPECT_EQ(Chosen(*map), (std::vector<int>{1, 0, 0, 0, 0}));
    EXPECT_EQ(sounds, std::vector<std::u16string>{u"click"});
    EXPECT_EQ(map->GetCurrentLevel(), 0);
}

TEST_F(MapWidgetTest, ScrollingStaysWithinTheMapAndStopsAtItsEnds) {
    struct cCase {
        float from, dx, to;
        bool stops;
    } cases[] = {
        {0.0f, -300.0f, -300.0f, false},   {-300.0f, 100.0f, -200.0f, false},
        {-200.0f, 500.0f, 0.0f, true},     {-1000.0f, -50.0f, -1024.0f, true},
        {-1024.0f, 0.0f, -1024.0f, false},
    };
    for (const cCase& c : cases) {
        map->scrollX = c.from;
        map->scrollSpeed = 123.0f;
        map->ScrollBy(c.dx, 77.0f);
        EXPECT_FLOAT_EQ(map->scrollX, c.to) << c.from << " + " << c.dx;
        EXPECT_FLOAT_EQ(map->scrollY, 0.0f);
        EXPECT_FLOAT_EQ(map->scrollSpeed, c.stops ? 0.0f : 123.0f) << c.from << " + " << c.dx;
    }
}

TEST_F(MapWidgetTest, TheScreenEdgesScrollOnlyInTheirBandAndWithTheButtonUp) {
    struct cCase {
        qor::cVec2 pointer;
        bool button;
        float speed;  // after one update of 0.1 s from rest at -500
    } cases[] = {
        {{1000.0f, 400.0f}, false, -400.0f}, {{20.0f, 400.0f}, false, 400.0f},
        {{1000.0f, 140.0f}, false, 0.0f},    {{1000.0f, 720.0f}, false, 0.0f},
        {{1000.0f, 400.0f}, true, 0.0f},     {{512.0f, 400.0f}, false, 0.0f},
    };
    for (const cCase& c : cases) {
        map->scrollX = -500.0f;
        map->scrollSpeed = 0.0f;
        map->pointer = c.pointer;
        map->buttonDown = c.button;
        map->Update(0.1f);
        EXPECT_FLOAT_EQ(map->scrollSpeed, c.speed) << c.pointer.x << ", " << c.pointer.y;
        EXPECT_FLOAT_EQ(map->scrollX, -500.0f + 0.1f * c.speed);
    }
    // Against the map's end the edge cannot push further.
    map->scrollX = 0.0f;
    map->pointer = {20.0f, 400.0f};
    map->buttonDown = false;
    map->Update(0.1f);
    EXPECT_FLOAT_EQ(map->scrollX, 0.0f);
    EXPECT_FLOAT_EQ(map->scrollSpeed, 0.0f);
}

TEST_F(MapWidgetTest, AThrownMapGlidesOnAndSlowsDown) {
    map->scrollX = -500.0f;
    map->pointer = {500.0f, 400.0f};
    map->OnEvent(kWidgetMouseDown, 0);
    map->buttonDown = true;
    map->pointer = {510.0f, 400.0f};
    map->OnEvent(kWidgetMouseMove, 0);
    EXPECT_FLOAT_EQ(map->scrollSpeed, 900.0f);
    map->buttonDown = false;
    map->OnEvent(kWidgetMouseUp, 0);
    map->Update(0.1f);
    EXPECT_FLOAT_EQ(map->scrollSpeed, 600.0f);
    EXPECT_FLOAT_EQ(map->scrollX, -440.0f);
    map->Update(0.1f);
    EXPECT_FLOAT_EQ(map->scrollSpeed, 400.0f);
    EXPECT_FLOAT_EQ(map->scrollX, -400.0f);
    // A moving pointer without the button throws nothing; a press stops it.
    map->pointer = {600.0f, 400.0f};
    map->OnEvent(kWidgetMouseMove, 0);
    EXPECT_FLOAT_EQ(map->scrollSpeed, 400.0f);
    map->OnEvent(kWidgetMouseDown, 0);
    EXPECT_FLOAT_EQ(map->scrollSpeed, 0.0f);
}

TEST_F(MapWidgetTest, TheFocusCentresTheChosenLevelAsFarAsTheMapReaches) {
    Load();
    struct cCase {
        int level;
        float scroll;
    } cases[] = {{0, 0.0f}, {2, 0.0f}, {3, -988.0f}, {4, -1024.0f}};
    for (const cCase& c : cases) {
        map->OpenLevel(c.level);
        map->scrollX = -300.0f;
        map->OnFocus();
        // 512 − x: level 2 at x 500 wants +12, which the map's left end stops.
        EXPECT_FLOAT_EQ(map->scrollX, c.scroll) << c.level;
    }
    // With nothing chosen the map stays where it was.
    map->OpenLevel(5);
    map->scrollX = -300.0f;
    map->OnFocus();
    EXPECT_FLOAT_EQ(map->scrollX, -300.0f);
}

TEST_F(MapWidgetTest, TheTrailJoinsTheOpenedLevelsUpToTheFirstLockedOne) {
    Load();
    map->OnFocus();
    EXPECT_TRUE(map->path.empty()) << "one open level makes no trail";

    // Levels 0, 1 and 3 open, 2 locked: only 0 and 1 are joined.
    map->OpenLevel(1);
    Level(3)->medal = kMedalBronze;
    EXPECT_TRUE(map->path.empty()) << "laid only when the map gets the focus";
    map->OnFocus();
    ASSERT_EQ(map->path.size(), 5u);
    for (const vec2& dot : map->path) {
        EXPECT_GT(dot.x, kPointX[0]);
        EXPECT_LT(dot.x, kPointX[1]);
    }

    map->OpenLevel(4);
    map->OnFocus();
    EXPECT_EQ(map->path.size(), 20u);
    // A level number from a damaged file outside the map's levels joins nothing.
    Level(4)->level = 1000;
    map->OnFocus();
    EXPECT_EQ(map->path.size(), 15u);
}

TEST_F(MapWidgetTest, AMissingMapFileLeavesTheMapEmptyAndADamagedOneKeepsWhatWasRead) {
    map->mapFile = cPath(folder.u16("no_such_map.lvx"));
    EXPECT_FALSE(map->LoadMapFile());
    EXPECT_EQ(map->ObjectCount(), 0u);
    map->NewMap();
    EXPECT_EQ(map->nextObjectId, 1u);
    EXPECT_EQ(map->GetCurrentLevel(), 0);
    map->OnFocus();
    map->Tick();
    map->OnEvent(kWidgetMouseUp, 0);

    // A record of no class halfway: the points before it stay, and the first
    // level is still opened.
    std::vector<uint8_t> bytes =
        map_test::CompileMap("map\npoint 1 at 100 400 id 1\npoint 2 at 300 400 id 2\n");
    const uint8_t noClass[] = {0, 1, 0, 0, 9, 9, 9, 9};
    bytes.insert(bytes.end(), std::begin(noClass), std::end(noClass));
    WriteBytes(folder.path() / "damaged.lvx", bytes);
    map->mapFile = cPath(folder.u16("damaged.lvx"));
    EXPECT_TRUE(map->LoadMapFile());
    EXPECT_EQ(map->Points().size(), 2u);
    EXPECT_EQ(Medals(*map), (std::vector<int>{1, 0}));
}

TEST(MapSprites, ASpriteTheAtlasesLackIsAskedForAndLoggedOnce) {
    UseTestSystemPaths();
    cTempFolder folder;
    // Compiled before the log exists: the compiler's own look-ups are not the map's.
    WriteBytes(folder.path() / "map.lvx", map_test::CompileMap(map_test::FiveLevelSource()));
    cGame game;
    cMapWidget* map = new cMapWidget();  // the engine core owns it
    map->mapFile = cPath(folder.u16("map.lvx"));
    ASSERT_TRUE(map->LoadMapFile());
    ASSERT_TRUE(map->LoadMapFile());
    const std::u16string log = ReadLog();
    size_t count = 0;
    for (size_t at = log.find(u"map_start_h"); at != std::u16string::npos;
         at = log.find(u"map_start_h", at + 1))
        ++count;
    EXPECT_EQ(count, 1u) << ToUtf8(log);
    EXPECT_NE(log.find(u"map03_total"), std::u16string::npos);
}

}  // namespace
}  // namespace qor::test
