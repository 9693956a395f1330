// The first five levels and the world map as a player sees them, in the real
// game with the shipped data, against their golden pictures: each level just
// after its briefing is closed (the island, the camp, the HUD with its goals
// and clock), and the map with three medals, the trail and the next level
// chosen.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/Path.h"
#include "engine/Strings.h"
#include "level/LevelWidget.h"
#include "shell/Garden.h"
#include "tests/GoldenImage.h"
#include "tests/LeakCheck.h"
#include "tests/ShellDriver.h"
#include "world/MapWidget.h"
#include "world/Point.h"

namespace qor::test {
namespace {

TEST(FirstLevelsGolden, EachLevelAtItsStartAndTheMapWithMedals) {
    MarkGLUsed();
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    std::filesystem::remove_all(ToUtf8(GetSystemPaths().appPath) + "/profile");
    ASSERT_TRUE(game.ReachMainMenu());
    cGarden* garden = game.garden();
    cMapWidget* map = garden->mapWidget;
    ASSERT_NE(map, nullptr);
    const auto rest = [&] {
        game.MovePointer(1000, 20);
        game.Step(2);
    };

    const struct {
        const char16_t* name;
        const char* golden;
    } kLevels[] = {{u"001", "level_001_start"},
                   {u"002", "level_002_start"},
                   {u"004", "level_004_start"},
                   {u"007", "level_007_start"},
                   {u"036", "level_036_start"}};
    for (int n = 0; n < 5; ++n) {
        SCOPED_TRACE(kLevels[n].golden);
        map->OpenLevel(n);
        ASSERT_TRUE(game.StartToMap());
        ASSERT_EQ(map->GetCurrentLevel(), n);
        ASSERT_TRUE(game.Click(u"map", u"play"));
        ASSERT_TRUE(game.WaitShown(u"start"));
        cLevelWidget* level = garden->GetLevelWidget();
        ASSERT_NE(level, nullptr);
        EXPECT_EQ(level->levelName, kLevels[n].name);
        ASSERT_TRUE(game.Click(u"start", u"close"));
        ASSERT_TRUE(game.WaitShown(u"level"));
        rest();
        EXPECT_TRUE(MatchesGolden(kLevels[n].golden));
        // Leave the level by its menu.
        game.Key(SDLK_ESCAPE);
        ASSERT_TRUE(game.WaitShown(u"escape"));
        ASSERT_TRUE(game.Click(u"escape", u"btEnd"));
        ASSERT_TRUE(game.WaitShown(u"main"));
    }

    map->SetMedal(0, kMedalGold);
    map->SetMedal(1, kMedalSilver);
    map->SetMedal(2, kMedalBronze);
    map->OpenLevel(3);
    ASSERT_TRUE(game.StartToMap());
    rest();
    EXPECT_FALSE(map->path.empty());
    EXPECT_TRUE(MatchesGolden("map_first_medals"));
}

}  // namespace
}  // namespace qor::test
