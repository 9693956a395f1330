// The level's screens in the real game with the default data, played through
// clicks: the briefing, the HUD with its goal lines, the full text of a goal
// under the pointer, and the results for each medal, checked against their
// golden pictures; closing the results puts the medal on the map and the new
// score into the player's file. The level itself is a stand-in (its clock and
// goals set by the test) standing on a close-up of the island picture.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

#include "app/Game.h"
#include "engine/Atlas.h"
#include "engine/BitStream.h"
#include "engine/FileSystem.h"
#include "engine/Path.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "gui/ButtonCtrl.h"
#include "gui/FrameCtrl.h"
#include "gui/GUI.h"
#include "gui/ImageCtrl.h"
#include "gui/ProgressBarCtrl.h"
#include "gui/Window.h"
#include "shell/FinishWF.h"
#include "shell/Garden.h"
#include "tests/GoldenImage.h"
#include "tests/LeakCheck.h"
#include "tests/LevelFixture.h"
#include "tests/ShellDriver.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

class LevelScreensGolden : public ::testing::Test {
  protected:
    void SetUp() override {
        MarkGLUsed();
        if (!game.Start())
            GTEST_SKIP() << "no display here";
        fs::remove_all(ToUtf8(GetSystemPaths().appPath) + "/profile");
        ASSERT_TRUE(game.ReachMenus());
        ASSERT_TRUE(game.WaitShown(u"profile_new"));
        for (int i = 0; i < 6; ++i)
            game.Key(SDLK_BACKSPACE);
        game.Type("Anna");
        game.Key(SDLK_RETURN);
        ASSERT_TRUE(game.WaitShown(u"main"));
        level.panel.Bind(Gui()->GetWnd(u"level"));
    }

    cGUI* Gui() { return g_game->gui(); }

    // Level "010": a mill, a gold mill and five workers in 285 s.
    void StartLevel() {
        SetupLevel(u"010", level);
        level.state = kLevelPlay;
        game.garden()->GetCurrentPlayer()->ResetLevelStats();
        g_garden->ShowScreenWindow(u"start", 2);
        ASSERT_TRUE(game.WaitShown(u"start"));
    }

    void RestPointer() {
        game.MovePointer(1000, 20);
        game.Step(2);
    }

    // The level has gone on: one mill stands, three workers are out and the
    // goods have grown.
    void PlaySomeWhile() {
        level.built[u"mill00"] = 1;
        level.population = 3;
        g_garden->Earn({35, 20, 48, 10});
        level.UpdateTasks(kTaskBuild);
        level.UpdateTasks(kTaskPopulation);
    }

    // Every goal met with `timeLeft` on the clock, 95 s into the level.
    void Win(float timeLeft) {
        level.built[u"goldmill00"] = 1;
        level.population = 5;
        level.UpdateTasks(kTaskBuild);
        level.UpdateTasks(kTaskPopulation);
        ASSERT_TRUE(AreTasksDone(level.tasks));
        level.timeLeft = timeLeft;
        level.state = kLevelFinished;
        cPlayer* player = g_garden->GetCurrentPlayer();
        player->levelTime = 285.0f - timeLeft;
        player->builds = 2;
        g_garden->ShowScreenWindow(u"finish", 2);
        ASSERT_TRUE(game.WaitShown(u"finish"));
    }

    // Steps until the results have counted everything up.
    bool CountedUp() {
        auto* results = dynamic_cast<cFinishWF*>(Gui()->GetWnd(u"finish")->function.get());
        for (int i = 0; i < 300 && results->stage != cFinishWF::kStageDone; ++i)
            game.Step();
        game.Step(25);  // the cup settles and the sparkles fade
        return results->stage == cFinishWF::kStageDone;
    }

    int32_t ScoreOnDisk() {
        std::vector<uint8_t> bytes;
        const cPath path(u"{AppPath}/profile/plr000/player.dat");
        if (ReadWholeFile(path, &bytes) != 0)
            return -1;
        cPlayer stored(u"plr000");
        cBitStream stream;
        stream.Load(bytes.data(), bytes.size());
        stored.DecodeRecord(&stream);
        return stored.score;
    }

    cShellDriver game;
    cFixtureLevel level;
    cFixtureMap map;
};

TEST_F(LevelScreensGolden, BriefingHudAndTaskHintLookFinished) {
    StartLevel();
    RestPointer();
    EXPECT_EQ(game.Caption(u"start", u"gold"), u"03:10");
    EXPECT_EQ(game.Caption(u"start", u"silver"), u"04:45");
    EXPECT_TRUE(MatchesGolden("level_briefing"));

    ASSERT_TRUE(game.Click(u"start", u"close"));
    ASSERT_TRUE(game.WaitShown(u"level"));
    EXPECT_FALSE(game.IsShown(u"start"));
    EXPECT_EQ(g_game->modalCount, 0) << "the level runs once the briefing is closed";
    PlaySomeWhile();
    level.timeLeft = 190.0f;
    RestPointer();
    game.Step(4);
    EXPECT_EQ(game.Caption(u"level", u"money"), u"118");
    EXPECT_TRUE(MatchesGolden("level_hud"));

    // The pointer on the second goal line brings that goal's full text.
    cCtrl* line = game.Control(u"level", u"frame_task1");
    ASSERT_NE(line, nullptr);
    const cRectF r = line->GetRect();
    game.MovePointer(static_cast<int>(r.x + r.w / 2), static_cast<int>(r.y + r.h / 2));
    game.Step(12);
    EXPECT_TRUE(game.IsShown(u"hint_task"));
    EXPECT_EQ(game.Caption(u"hint_task", u"text"), u"Build a gold mill");
    EXPECT_TRUE(MatchesGolden("level_task_hint"));
    RestPointer();
    game.Step(10);
    EXPECT_FALSE(game.IsShown(u"hint_task"));
}

// The HUD's script places the boards of "gui_main0" by their texture
// coordinates and at their own size; the atlas is where those are decided.
TEST_F(LevelScreensGolden, TheHudBoardsAreTheAtlasAreasAtTheirOwnSize) {
    if (!FindTexture(u"gui_main0"))
        GTEST_SKIP() << "the HUD's boards are not in this game data";
    cWindow* hud = Gui()->GetWnd(u"level");
    auto placed = [&](const char16_t* control) -> std::pair<cRectF, cRectF> {
        cCtrl* c = hud->ControlAt(IndexOfCtrl(hud, control));
        if (auto* image = dynamic_cast<cImageCtrl*>(c))
            return {image->rect, image->uvRect};
        if (auto* bar = dynamic_cast<cProgressBarSysCtrl*>(c))
            return {bar->rect, bar->uvRect};
        if (auto* button = dynamic_cast<cButtonSysCtrl*>(c))
            return {button->background->rect, button->background->uvRect};
        ADD_FAILURE() << ToUtf8(control) << " is missing";
        return {};
    };
    for (auto [control, area] : {std::pair{u"goods", u"hud_bar"},
                                 {u"clock", u"hud_clock"},
                                 {u"hourglass", u"clock"},
                                 {u"time", u"time_fill"},
                                 {u"tasks", u"hud_tasks"},
                                 {u"menu", u"menu"}}) {
        SCOPED_TRACE(ToUtf8(area));
        const cSpriteInfo sprite = GetSpriteInfo(u"gui_main0", area);
        ASSERT_NE(sprite.frames, nullptr);
        const auto [rect, uv] = placed(control);
        EXPECT_FLOAT_EQ(uv.x, sprite.frames[0].x);
        EXPECT_FLOAT_EQ(uv.y, sprite.frames[0].y);
        EXPECT_FLOAT_EQ(uv.w, sprite.frames[0].w);
        EXPECT_FLOAT_EQ(uv.h, sprite.frames[0].h);
        EXPECT_FLOAT_EQ(rect.w, sprite.width);
        EXPECT_FLOAT_EQ(rect.h, sprite.height);
    }
}

struct cMedalCase {
    const char* golden;
    float timeLeft;
    int32_t medal;
    int32_t levelScore;      // seconds left + 100 per building + goods earned + bonus
    const char16_t* counts;  // time taken, goods earned, buildings raised
};

void PrintTo(const cMedalCase& c, std::ostream* os) {
    *os << c.golden;
}

class LevelResults : public LevelScreensGolden, public ::testing::WithParamInterface<cMedalCase> {};

TEST_P(LevelResults, CountUpAwardAndRecordTheMedal) {
    const cMedalCase& c = GetParam();
    StartLevel();
    ASSERT_TRUE(game.Click(u"start", u"close"));
    ASSERT_TRUE(game.WaitShown(u"level"));
    PlaySomeWhile();
    g_garden->AddScore(5000);
    Win(c.timeLeft);
    ASSERT_TRUE(CountedUp());
    RestPointer();
    // The text box ends its text with a space of its own.
    EXPECT_EQ(game.Caption(u"finish", u"vals"), c.counts + std::u16string(u" "));
    EXPECT_EQ(game.Caption(u"finish", u"score"),
              u"Score: " + FromUtf8(std::to_string(5000 + c.levelScore)));
    EXPECT_TRUE(MatchesGolden(c.golden));

    ASSERT_TRUE(game.Click(u"finish", u"close"));
    EXPECT_EQ(map.GetMedal(0), c.medal);
    EXPECT_EQ(map.chosen, 1) << "the next level opens";
    EXPECT_EQ(g_garden->GetScore(), 5000 + c.levelScore);
    EXPECT_EQ(ScoreOnDisk(), 5000 + c.levelScore);
    // On to the world map; a game without one yet goes back to the main menu.
    EXPECT_TRUE(game.WaitShown(g_garden->mapWidget ? u"map" : u"main"));
    EXPECT_FALSE(game.IsShown(u"finish"));
}

// 285 s limit, 2 buildings (200), goods earned 35 + 20 + 48 + 10 = 113.
INSTANTIATE_TEST_SUITE_P(
    EachMedal, LevelResults,
    ::testing::Values(
        cMedalCase{"level_results_gold", 95.0f, 4, 95 + 200 + 113 + 10000, u"03:10\n113\n2"},
        cMedalCase{"level_results_silver", 42.5f, 3, 42 + 200 + 113 + 1000, u"04:02\n113\n2"},
        cMedalCase{"level_results_bronze", 0.0f, 2, 0 + 200 + 113, u"04:45\n113\n2"}),
    [](const auto& info) { return std::string(info.param.golden).substr(14); });

}  // namespace
}  // namespace qor::test
