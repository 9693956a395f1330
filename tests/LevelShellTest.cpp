// The level inside the real game: with the development switch set, Play in
// the main menu opens the test level with its briefing; a click through the
// platform's own input sends a worker, pays from the player's profile and
// brings the wood home into it; Escape pauses.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/Game.h"
#include "engine/Path.h"
#include "engine/Strings.h"
#include "level/LevelWidget.h"
#include "level/units/Worker.h"
#include "shell/Garden.h"
#include "tests/LeakCheck.h"
#include "tests/LevelHarness.h"
#include "tests/ShellDriver.h"
#include "world/MapWidget.h"
#include "world/Point.h"

namespace qor::test {
namespace {

// The switch for this test only.
struct cLevelSwitch {
    explicit cLevelSwitch(const char* value) { setenv("BRINDLEMOOR_LEVEL", value, 1); }
    ~cLevelSwitch() { unsetenv("BRINDLEMOOR_LEVEL"); }
};

TEST(LevelShell, PlayOpensTheChosenLevelAndClicksSendWorkers) {
    MarkGLUsed();
    const cLevelSwitch chosen("sources");
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    cGarden* garden = game.garden();
    garden->random.seed = 11;
    ASSERT_TRUE(game.PlayWithNewProfile("Ada"));

    ASSERT_EQ(g_game->GetFocusedWidgetName(), u"level");
    cLevelWidget* level = garden->GetLevelWidget();
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->levelName, u"sources");
    ASSERT_TRUE(game.WaitShown(u"start"));
    game.Step(40);
    EXPECT_EQ(level->state, kLevelIntro) << "the level waits while the briefing is read";
    ASSERT_TRUE(game.Click(u"start", u"close"));
    ASSERT_TRUE(game.WaitShown(u"level"));
    game.Step(40);  // the intro
    ASSERT_EQ(level->state, kLevelPlay);
    EXPECT_FALSE(game.IsShown(u"main"));

    garden->GetCurrentPlayer()->resources = {0, 30, 0, 0};
    cObject* tree = nullptr;
    for (int layer = 0; layer < kLayerCount && !tree; ++layer) {
        for (const auto& object : level->Layer(layer)) {
            if (object->IsKind(scene_type::kTree) && object->name.empty()) {
                tree = object.get();
                break;
            }
        }
    }
    ASSERT_NE(tree, nullptr);
    const cRectF b = tree->GetBounds();
    game.ClickAt(static_cast<int>(b.x + b.w / 2), static_cast<int>(b.y + b.h / 2));
    game.Step(2);
    EXPECT_EQ(garden->GetCurrentPlayer()->resources.food, 20) << "paid from the profile";
    bool sent = false;
    for (const auto& object : level->Layer(6)) {
        if (object->IsKind(scene_type::kWorker))
            sent = sent || static_cast<cWorker*>(object.get())->target == tree;
    }
    EXPECT_TRUE(sent);
    // The wood comes home into the same profile, once, and the tree is a stump.
    for (int frame = 0; frame < 30 * 40 && tree->state != 0; ++frame)
        game.Step();
    ASSERT_EQ(tree->state, 0) << "felled within forty seconds";
    for (int frame = 0; frame < 30 * 20 && garden->GetCurrentPlayer()->resources.wood == 0; ++frame)
        game.Step();
    EXPECT_EQ(garden->GetCurrentPlayer()->resources, (ResourceSet{20, 20, 0, 0}));

    game.Key(SDLK_ESCAPE);
    EXPECT_TRUE(game.WaitShown(u"escape"));
}

// A level the switch starts is no level of the game: won, it leaves the
// player's map and score as they were (its medal would otherwise land on a
// level after the shipped ones) and the game returns to the menu.
TEST(LevelShell, WinningALevelTheSwitchStartedLeavesTheMapAndScoreAlone) {
    MarkGLUsed();
    const cLevelSwitch chosen("data/level/level000.lvl");
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.PlayWithNewProfile("Dev"));
    ASSERT_TRUE(game.WaitShown(u"start"));
    ASSERT_TRUE(game.Click(u"start", u"close"));
    cGarden* garden = game.garden();
    ASSERT_TRUE(garden->IsDevelopmentLevel());
    cLevelWidget* level = garden->GetLevelWidget();
    EXPECT_EQ(level->levelName, u"001");
    game.Step(30);
    level->SetState(kLevelFinished);
    ASSERT_TRUE(game.WaitShown(u"finish", 400));
    game.Step(300);
    ASSERT_TRUE(game.Click(u"finish", u"close"));
    ASSERT_TRUE(game.WaitShown(u"main"));
    const cMapWidget* map = garden->mapWidget;
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->GetMedal(0), kMedalOpen);
    for (int n = 1; n < 8; ++n)
        EXPECT_EQ(map->GetMedal(n), kMedalLocked) << n;
    EXPECT_EQ(garden->GetScore(), 0);
}

}  // namespace
}  // namespace qor::test
