// The level's screens in the real game with the default data, over the test
// level played from the world map as a player plays it: the map's hint and
// play button, the briefing, the HUD with its goal lines, the hints of an
// object and of a goal, and the results for each medal, checked against their
// golden pictures. Closing the results puts the medal on the map, opens the
// next level and writes the new score and the medal into the player's files.
//
// The test level plays as level "015" of the level table: six workers out on
// the island and 100 money saved up within 285 s (gold within 190 s). Its
// workers already stand outside; the money comes from the coins lying about
// and four loads of the gold nugget, paid with the food it starts with and
// the food lying about.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
#include "gui/GUI.h"
#include "gui/ImageCtrl.h"
#include "gui/ProgressBarCtrl.h"
#include "gui/Window.h"
#include "level/LevelResult.h"
#include "level/LevelWidget.h"
#include "shell/ClockText.h"
#include "shell/Garden.h"
#include "tests/GameDataFolder.h"
#include "tests/TalkTestKit.h"
#include "tests/GoldenImage.h"
#include "tests/LeakCheck.h"
#include "tests/LevelHarness.h"
#include "tests/MapTestKit.h"
#include "tests/ShellDriver.h"
#include "world/MapWidget.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

constexpr float kSilverTime = 285.0f;

class LevelScreensGolden : public ::testing::Test {
  protected:
    void SetUp() override {
        MarkGLUsed();
        if (!game.Start(data.u16()))
            GTEST_SKIP() << "no display here";
        fs::remove_all(ToUtf8(GetSystemPaths().appPath) + "/profile");
        ASSERT_TRUE(game.ReachMainMenu());
        game.FollowInjectedPointer();
        map = game.garden()->mapWidget;
        level = game.garden()->GetLevelWidget();
        ASSERT_NE(map, nullptr);
        ASSERT_NE(level, nullptr);
    }

    cGUI* Gui() { return g_game->gui(); }
    // What a label shows, without the line ends and the space that text boxes
    // and text areas add of their own.
    std::u16string Shown(const std::u16string& window, const std::u16string& control) {
        std::u16string text = game.Caption(window, control);
        while (!text.empty() && (text.back() == u' ' || text.back() == u'\n'))
            text.pop_back();
        return text;
    }
    cPlayer* Player() { return game.garden()->GetCurrentPlayer(); }

    // From the main menu to the world map, and on with "play" to the briefing
    // of the chosen level.
    void OpenMap() {
        ASSERT_TRUE(game.StartToMap());
    }
    void PlayChosenLevel() {
        ASSERT_TRUE(game.Click(u"map", u"play"));
        ASSERT_TRUE(game.WaitShown(u"start"));
        ASSERT_EQ(g_game->GetFocusedWidgetName(), u"level");
        ASSERT_EQ(level->levelName, u"015");
    }
    // The briefing goes, and the level's talk is clicked through.
    void CloseBriefing() {
        ASSERT_TRUE(game.Click(u"start", u"close"));
        ASSERT_TRUE(game.WaitShown(u"level"));
        ASSERT_TRUE(ClickThroughTalk(game));
    }

    void PointAt(qor::cVec2 at) {
        game.MovePointer(static_cast<int>(at.x), static_cast<int>(at.y));
    }
    void RestPointer() {
        game.MovePointer(1000, 20);
        game.Step(2);
    }
    // Where a click on the level picks the named object.
    qor::cVec2 Spot(const char16_t* name) {
        qor::cVec2 at{-1.0f, -1.0f};
        cObject* object = level->FindObjectByName(name);
        EXPECT_TRUE(object && level_test::PickPoint(*level, object, &at)) << ToUtf8(name);
        return at;
    }
    void ClickOn(const char16_t* name) {
        const qor::cVec2 at = Spot(name);
        game.ClickAt(static_cast<int>(at.x), static_cast<int>(at.y));
        game.Step(2);
    }
    // Plays on until the nugget takes a click again: its load is out of it.
    bool NuggetFree() {
        const cObject* nugget = level->FindObjectByName(u"nugget");
        for (int frame = 0; frame < 30 * 30; ++frame) {
            if (nugget->jobMarkers == 0 && !HasWorkerAssigned(nugget))
                return true;
            game.StepUnseen(1);
        }
        return false;
    }

    // The money lying about, the food lying about and four loads of the
    // nugget, the last one once `lastLoadAfter` seconds of the level are gone.
    void Play(float lastLoadAfter) {
        ClickOn(u"nugget");
        ClickOn(u"money");
        ClickOn(u"food");
        for (int load = 2; load <= 4; ++load) {
            ASSERT_TRUE(NuggetFree()) << "load " << load;
            while (load == 4 && Player()->levelTime < lastLoadAfter)
                game.Idle(1);
            ClickOn(u"nugget");
        }
        for (int frame = 0; frame < 30 * 60 && level->state != kLevelFinished; ++frame)
            game.StepUnseen(1);
        ASSERT_EQ(level->state, kLevelFinished) << "the last load wins the level";
        // Six salutes 0.7 s apart, then the results.
        ASSERT_TRUE(game.WaitShown(u"finish", 200));
    }

    int32_t ScoreOnDisk() {
        std::vector<uint8_t> bytes;
        if (ReadWholeFile(cPath(u"{AppPath}/profile/plr000/player.dat"), &bytes) != 0)
            return -1;
        cPlayer stored(u"plr000");
        cBitStream stream;
        stream.Load(bytes.data(), bytes.size());
        stored.DecodeRecord(&stream);
        return stored.score;
    }
    std::vector<uint8_t> MapProgressOnDisk(size_t bytes) {
        std::vector<uint8_t> all;
        if (ReadWholeFile(cPath(u"{AppPath}/profile/plr000/map.dat"), &all) != 0)
            return {};
        all.resize(std::min(all.size(), bytes));
        return all;
    }

    const cGameDataFolder data{true, {level_test::TestLevelNamed("sources", "015")}};
    cShellDriver game;
    cMapWidget* map = nullptr;
    cLevelWidget* level = nullptr;
};

TEST_F(LevelScreensGolden, BriefingHudAndHintsOverTheRealLevel) {
    OpenMap();
    // The map's points and the level's objects share the floating hint.
    const cObject* first = map->Points().front();
    PointAt({first->x + map->scrollX, first->y});
    game.Step(8);
    EXPECT_TRUE(game.IsShown(u"hint"));
    EXPECT_EQ(Shown(u"hint", u"text"), u"Level 1");

    PlayChosenLevel();
    RestPointer();
    EXPECT_EQ(Shown(u"start", u"goals"), u"Have 6 workers out on the island\nSave up 100 ¾ gold");
    EXPECT_EQ(game.Caption(u"start", u"gold"), u"03:10");
    EXPECT_EQ(game.Caption(u"start", u"silver"), u"04:45");
    game.Step(30);
    EXPECT_EQ(level->state, kLevelIntro) << "the level waits while the player reads";
    EXPECT_TRUE(MatchesGolden("level_briefing"));

    CloseBriefing();
    EXPECT_FALSE(game.IsShown(u"start"));
    EXPECT_EQ(g_game->modalCount, 0) << "the level runs once the briefing is closed";
    PointAt(Spot(u"money"));
    game.Step(15);
    EXPECT_TRUE(game.IsShown(u"hint"));
    std::u16string coins = level->FindObjectByName(u"money")->GetHintText();
    coins.pop_back();
    EXPECT_TRUE(coins.starts_with(u"Gold\n")) << ToUtf8(coins);
    EXPECT_EQ(Shown(u"hint", u"text"), coins);

    ClickOn(u"nugget");
    ClickOn(u"money");
    ClickOn(u"food");
    RestPointer();
    game.StepUnseen(30 * 8 - 2);
    game.Step(2);
    EXPECT_EQ(game.Caption(u"level", u"money"),
              FromUtf8(std::to_string(Player()->resources.money)));
    EXPECT_EQ(level->tasks[0].current, 6) << "the workers are out";
    EXPECT_TRUE(MatchesGolden("level_hud"));

    // The pointer on the second goal line brings that goal's full text.
    cCtrl* line = game.Control(u"level", u"frame_task1");
    ASSERT_NE(line, nullptr);
    const cRectF r = line->GetRect();
    PointAt({r.x + r.w / 2, r.y + r.h / 2});
    game.Step(12);
    EXPECT_TRUE(game.IsShown(u"hint_task"));
    EXPECT_EQ(Shown(u"hint_task", u"text"), u"Save up 100 ¾ gold");
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
    float lastLoadAfter;  // seconds of the level gone before the last load is dug
    int32_t medal;
};

void PrintTo(const cMedalCase& c, std::ostream* os) {
    *os << c.golden;
}

class LevelResults : public LevelScreensGolden, public ::testing::WithParamInterface<cMedalCase> {};

TEST_P(LevelResults, PlayedToTheMedalTheResultsCountUpAndTheMapKeepsIt) {
    const cMedalCase& c = GetParam();
    OpenMap();
    PlayChosenLevel();
    CloseBriefing();
    g_garden->AddScore(5000);  // from the levels before
    Play(c.lastLoadAfter);
    ASSERT_TRUE(game.WaitResultsCounted());
    RestPointer();

    // The clock: its two counts agree, and they earn this medal.
    const float taken = Player()->levelTime;
    EXPECT_NEAR(level->timeLeft, std::max(kSilverTime - taken, 0.0f), 0.01f);
    EXPECT_EQ(LevelMedal(kSilverTime, level->timeLeft), c.medal) << taken << " s taken";
    // Goods earned: 20 coins, 20 food, four loads of 20 from the nugget; no
    // buildings. The score adds the whole seconds left and the medal's bonus.
    const int32_t score = 5000 + static_cast<int32_t>(level->timeLeft) + 120 + MedalBonus(c.medal);
    EXPECT_EQ(Shown(u"finish", u"vals"), ClockText(taken) + u"\n120\n0");
    EXPECT_EQ(game.Caption(u"finish", u"score"), u"Score: " + FromUtf8(std::to_string(score)));
    EXPECT_TRUE(MatchesGolden(c.golden));

    ASSERT_TRUE(game.Click(u"finish", u"close"));
    ASSERT_TRUE(game.WaitShown(u"map"));
    EXPECT_FALSE(game.IsShown(u"finish"));
    EXPECT_EQ(g_game->GetFocusedWidgetName(), kMapWidgetName);
    EXPECT_EQ(map->GetMedal(0), c.medal);
    EXPECT_EQ(map->GetMedal(1), kMedalOpen) << "the next level opens";
    EXPECT_EQ(map->GetCurrentLevel(), 1) << "and is the chosen one";
    EXPECT_EQ(g_garden->GetScore(), score);
    EXPECT_EQ(ScoreOnDisk(), score);
    using map_test::Progress;
    using map_test::Record;
    EXPECT_EQ(MapProgressOnDisk(30), Progress(2, {Record(1, c.medal, 0), Record(2, 1, 1)}));
}

INSTANTIATE_TEST_SUITE_P(
    EachMedal, LevelResults,
    ::testing::Values(cMedalCase{"level_results_gold", 0.0f, kLevelGold},
                      cMedalCase{"level_results_silver", 200.0f, kLevelSilver},
                      cMedalCase{"level_results_bronze", 290.0f, kLevelBronze}),
    [](const auto& info) { return std::string(info.param.golden).substr(14); });

}  // namespace
}  // namespace qor::test
