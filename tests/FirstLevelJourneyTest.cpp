// The whole way a new player takes through the first level, in the real game
// with the shipped data: main menu → world map → briefing of level 001 → the
// level, won for gold by its solution played through the level's own input →
// the results → the map, with the gold on 001 and 002 open and chosen; then
// quit, start again, and find the map just so.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/Game.h"
#include "engine/Path.h"
#include "engine/Script.h"
#include "engine/Strings.h"
#include "level/LevelResult.h"
#include "level/LevelWidget.h"
#include "level/replay/Replay.h"
#include "shell/Garden.h"
#include "shell/ReplayConsole.h"
#include "tests/LeakCheck.h"
#include "tests/MapTestKit.h"
#include "tests/ShellDriver.h"
#include "tests/TalkTestKit.h"
#include "tests/TestUtil.h"
#include "world/MapWidget.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

fs::path ProfileFolder() {
    UseTestSystemPaths();
    return fs::path(ToUtf8(GetSystemPaths().appPath)) / "profile";
}

// The map as the journey must leave it: gold on the first level, the second
// open and chosen, the trail between them.
void ExpectFirstLevelWon(const cMapWidget& map) {
    EXPECT_EQ(map.GetMedal(0), kMedalGold);
    EXPECT_EQ(map.GetMedal(1), kMedalOpen);
    EXPECT_EQ(map.GetMedal(2), kMedalLocked);
    EXPECT_EQ(map.GetCurrentLevel(), 1);
    EXPECT_FALSE(map.path.empty()) << "the trail joins the two opened levels";
}

TEST(FirstLevelJourney, FromTheMenuThroughTheMapToGoldAndTheMapKeepsItAfterARestart) {
    MarkGLUsed();
    fs::remove_all(ProfileFolder());
    {
        cShellDriver game;
        if (!game.Start())
            GTEST_SKIP() << "no display here";
        ASSERT_TRUE(game.ReachMainMenu("Journey"));
        cGarden* garden = game.garden();
        cMapWidget* map = garden->mapWidget;
        ASSERT_NE(map, nullptr);

        // The level's solution, played by hand with the solution's seed once
        // the level's talk is clicked through (a replay made without the talk
        // cannot hear it).
        const cReplay solution =
            ReadReplay(fs::path(QOR_SOURCE_DIR) / "data-src/level/solutions/level000.replay");
        garden->random.seed = solution.seed;
        ASSERT_TRUE(game.StartToMap());
        ASSERT_EQ(map->GetCurrentLevel(), 0);
        ASSERT_TRUE(game.Click(u"map", u"play"));
        ASSERT_TRUE(game.WaitShown(u"start"));
        cLevelWidget* level = garden->GetLevelWidget();
        ASSERT_NE(level, nullptr);
        EXPECT_EQ(level->levelName, u"001");
        ASSERT_TRUE(game.Click(u"start", u"close"));
        ASSERT_TRUE(game.WaitShown(u"level"));
        game.FollowInjectedPointer();
        PlayFirstLevelByHand(game, solution);
        ASSERT_EQ(level->state, kLevelFinished) << "the solution wins level 001";
        EXPECT_EQ(LevelMedal(level->silverTime, level->timeLeft), kLevelGold)
            << level->timeLeft << " s left of " << level->silverTime;

        ASSERT_TRUE(game.WaitShown(u"finish", 400));
        EXPECT_TRUE(game.WaitResultsCounted()) << "the results count everything up";
        ASSERT_TRUE(game.Click(u"finish", u"close"));
        ASSERT_TRUE(game.WaitShown(u"map"));
        EXPECT_EQ(g_game->GetFocusedWidgetName(), kMapWidgetName);
        ExpectFirstLevelWon(*map);

        // Quit the way a player does: back to the menu, Escape, yes.
        ASSERT_TRUE(game.Click(u"map", u"back"));
        ASSERT_TRUE(game.WaitShown(u"main"));
        game.Key(SDLK_ESCAPE);
        ASSERT_TRUE(game.WaitShown(u"messagebox"));
        game.Key(SDLK_RETURN);
        bool running = true;
        for (int i = 0; i < 60 && running; ++i)
            running = game.Step();
        EXPECT_FALSE(running) << "confirming the exit question must quit";
    }
    cShellDriver game;
    ASSERT_TRUE(game.Start());
    ASSERT_TRUE(game.ReachMainMenu());
    cMapWidget* map = game.garden()->mapWidget;
    ASSERT_NE(map, nullptr);
    ASSERT_TRUE(game.StartToMap());
    ExpectFirstLevelWon(*map);
    EXPECT_EQ(game.garden()->GetCurrentPlayerName(), u"Journey");
}

}  // namespace
}  // namespace qor::test
