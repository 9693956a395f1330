// The world map in the real game, driven as a player would: the main menu's
// start leads to the map with the first level open and chosen, the panel
// returns to the menu, a level the game has no file for is refused, a level
// that exists opens with its briefing, the finish screen's medal survives a
// restart, and a game without its map file runs on an empty map without
// touching a player's progress.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/Game.h"
#include "engine/Path.h"
#include "engine/Strings.h"
#include "shell/Garden.h"
#include "tests/GameDataFolder.h"
#include "tests/LeakCheck.h"
#include "tests/MapTestKit.h"
#include "tests/SceneTestKit.h"
#include "tests/ShellDriver.h"
#include "tests/TestUtil.h"
#include "world/MapWidget.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;
using map_test::Progress;
using map_test::Record;

// The folders the harness gives the game, also before it boots.
fs::path ProfileFolder() {
    UseTestSystemPaths();
    return fs::path(ToUtf8(GetSystemPaths().appPath)) / "profile";
}

bool MapIsFocused() {
    return g_game && g_game->GetFocusedWidgetName() == kMapWidgetName;
}

TEST(MapScreen, TheStartLeadsToTheMapAndTheFinishedLevelStaysFinished) {
    MarkGLUsed();
    fs::remove_all(ProfileFolder());
    {
        cShellDriver game;
        if (!game.Start())
            GTEST_SKIP() << "no display here";
        ASSERT_TRUE(game.ReachMainMenu());
        cMapWidget* map = game.garden()->mapWidget;
        ASSERT_NE(map, nullptr);
        EXPECT_EQ(map->Points().size(), 40u);

        ASSERT_TRUE(game.StartToMap());
        EXPECT_TRUE(MapIsFocused());
        EXPECT_FALSE(game.IsShown(u"main"));
        EXPECT_EQ(map->GetMedal(0), kMedalOpen);
        EXPECT_EQ(map->GetCurrentLevel(), 0);
        EXPECT_EQ(map->GetCurrentPoint(), map->Points().front());
        EXPECT_FLOAT_EQ(map->scrollX, 0.0f) << "the first level lies in the first screen";

        // Back to the menu by the panel, and by Escape after a second visit.
        ASSERT_TRUE(game.Click(u"map", u"back"));
        ASSERT_TRUE(game.WaitShown(u"main"));
        EXPECT_FALSE(game.IsShown(u"map"));
        ASSERT_TRUE(game.StartToMap());
        game.Key(SDLK_ESCAPE);
        ASSERT_TRUE(game.WaitShown(u"main"));

        // What the finish screen does with a gold result on the first level.
        map->SetMedal(0, kMedalGold);
        map->OpenLevel(1);
        ASSERT_TRUE(game.garden()->SaveProgress());
        const std::vector<uint8_t> saved = ReadBytes(ProfileFolder() / "plr000/map.dat");
        ASSERT_GE(saved.size(), 30u);
        const std::vector<uint8_t> head(saved.begin(), saved.begin() + 30);
        EXPECT_EQ(head, Progress(2, {Record(1, 4, 0), Record(2, 1, 1)}));
    }
    // The next start shows the map as it was left.
    cShellDriver game;
    ASSERT_TRUE(game.Start());
    ASSERT_TRUE(game.ReachMainMenu());
    cMapWidget* map = game.garden()->mapWidget;
    EXPECT_EQ(map->GetMedal(0), kMedalGold);
    EXPECT_EQ(map->GetCurrentLevel(), 1);
    game.Key(SDLK_RETURN);
    ASSERT_TRUE(game.WaitShown(u"map"));
    EXPECT_TRUE(MapIsFocused());
    EXPECT_EQ(map->path.size(), 5u) << "the trail joins the two opened levels";
}

TEST(MapScreen, PlayingAPointWithoutALevelFileIsRefusedAndTheMapStays) {
    MarkGLUsed();
    fs::remove_all(ProfileFolder());
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMainMenu());
    cMapWidget* map = game.garden()->mapWidget;
    ASSERT_NE(map, nullptr);
    const int missing = static_cast<int>(game.garden()->levels.size());
    ASSERT_LT(missing, static_cast<int>(map->Points().size()));
    ASSERT_TRUE(game.StartToMap());
    map->OpenLevel(missing);
    ASSERT_EQ(map->GetCurrentLevel(), missing);
    ASSERT_TRUE(game.Click(u"map", u"play"));
    ASSERT_TRUE(game.WaitShown(u"messagebox"));
    EXPECT_TRUE(MapIsFocused());
    EXPECT_TRUE(game.IsShown(u"map"));
    ASSERT_TRUE(game.Click(u"messagebox", u"ok"));
    game.Step(30);
    EXPECT_TRUE(game.IsShown(u"map"));
    EXPECT_NE(
        ReadLog().find(FromUtf8("Level " + std::to_string(missing + 1) + " has no level file yet")),
        std::u16string::npos);
}

TEST(MapScreen, PlayingALevelThatExistsOpensItsLevelScreen) {
    MarkGLUsed();
    fs::remove_all(ProfileFolder());
    const cGameDataFolder data(true, {scene_test::CompileExample("meadow.lvl.scene")});
    cShellDriver game;
    if (!game.Start(data.u16()))
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMainMenu());
    ASSERT_EQ(game.garden()->levels.size(), 1u);
    ASSERT_TRUE(game.StartToMap());
    game.Key(SDLK_RETURN);
    game.Step(30);
    EXPECT_FALSE(game.IsShown(u"messagebox"));
    EXPECT_FALSE(game.IsShown(u"map"));
    ASSERT_NE(game.garden()->GetLevelWidget(), nullptr);
    EXPECT_EQ(g_game->focusedWidget(), game.garden()->levelWidget);
    EXPECT_TRUE(game.IsShown(u"start"));
    EXPECT_EQ(game.garden()->currentLevel, game.garden()->mapWidget->GetCurrentLevel());
}

TEST(MapScreen, WithoutTheMapFileTheGameRunsOnAnEmptyMapAndKeepsProgress) {
    MarkGLUsed();
    fs::remove_all(ProfileFolder());
    const cGameDataFolder data(false, {});
    // Anna, who earned medals on the full map.
    const std::vector<uint8_t> progress = Progress(2, {Record(1, 4, 0), Record(2, 1, 1)});
    WriteBytes(ProfileFolder() / "plr000/map.dat", progress);
    WriteBytes(ProfileFolder() / "plr000/player.dat",
               std::vector<uint8_t>{2, 0, 0, 0, 4, 0, 'A', 0, 'n', 0, 'n', 0, 'a', 0,
                                    1, 1, 0, 0, 0, 0, 0,   0, 0,   0, 0,   0, 0,   0});
    {
        cShellDriver game;
        if (!game.Start(data.u16()))
            GTEST_SKIP() << "no display here";
        ASSERT_TRUE(game.ReachMainMenu());
        EXPECT_NE(ReadLog().find(u"Map not found. New widget created."), std::u16string::npos);
        EXPECT_EQ(game.garden()->mapWidget->ObjectCount(), 0u);
        ASSERT_TRUE(game.StartToMap());
        EXPECT_TRUE(MapIsFocused());
        game.Step(10);
    }
    EXPECT_EQ(ReadBytes(ProfileFolder() / "plr000/map.dat"), progress);
}

}  // namespace
}  // namespace qor::test
