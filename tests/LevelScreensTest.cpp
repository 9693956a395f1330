// The briefing, the HUD and the results without drawing: what they show,
// which keys and buttons they answer, the pause the briefing holds, and the
// results' count-up, medal and score, recorded exactly once.
#include <gtest/gtest.h>

#include <limits>

#include "app/Game.h"
#include "engine/Console.h"
#include "engine/Log.h"
#include "level/LevelWidget.h"
#include "scene/Emitter.h"
#include "scene/ParticleManager.h"
#include "shell/GardenLevelHost.h"
#include "tests/LevelScreenKit.h"
#include "world/GameObjects.h"

namespace qor::test {
namespace {

class LevelScreens : public LevelScreenFixture {
  protected:
    // The text a label shows; text boxes add a space of their own at the end.
    std::u16string Text(const std::u16string& window, const std::u16string& control) {
        auto* label = dynamic_cast<cLabelCtrl*>(FindControl(window, control));
        if (!label)
            return u"<none>";
        std::u16string text = label->caption;
        if (dynamic_cast<cTextBoxSysCtrl*>(label) && !text.empty() && text.back() == u' ')
            text.pop_back();
        return text;
    }
    int LogCount(std::u16string_view needle) {
        int n = 0;
        for (const auto& line : g_log->console()->lines())
            n += line.find(needle) != line.npos;
        return n;
    }
    int Sparkles() { return static_cast<int>(g_particles->Group(kGroupSparkle).emitters.size()); }
};

TEST_F(LevelScreens, TheBriefingListsTheGoalsAndTheLimitsAndHoldsTheLevelUntilClosed) {
    Hud();
    Start();
    SetLocalizedText(u"Mill", u"Build a mill");
    SetLocalizedText(u"Folk", u"Have 5 workers");
    AddTask(level.tasks, u"Mill", u"mill00", 1, kTaskBuild);
    AddTask(level.tasks, u"Folk", u"worker", 5, kTaskPopulation);
    level.silverTime = 187.3f;
    garden->ShowScreenWindow(u"start", 2);
    EXPECT_EQ(Text(u"start", u"goals"), u"Build a mill\nHave 5 workers\n");
    EXPECT_EQ(Text(u"start", u"gold"), u"02:00");
    EXPECT_EQ(Text(u"start", u"silver"), u"03:05");
    EXPECT_EQ(game->modalCount, 1) << "the clock must not run while the player reads";
    Settle();

    for (int key : {13, 27, 32}) {
        SCOPED_TRACE(key);
        garden->ShowScreenWindow(u"start", 2);
        Settle();
        EXPECT_EQ(game->modalCount, 1) << "shown again, the pause is not taken twice";
        EXPECT_EQ(game->OnKeyDown(key), 1);
        EXPECT_EQ(game->modalCount, 0);
        EXPECT_TRUE(gui->IsWndShown(u"level"));
        Settle();
        EXPECT_FALSE(gui->IsWndShown(u"start"));
    }
}

TEST_F(LevelScreens, TheBriefingGivesBackOnlyThePauseItTook) {
    Hud();
    Start();
    game->modalCount = 1;  // the pause menu's
    garden->ShowScreenWindow(u"start", 2);
    Settle();
    game->OnKeyDown(13);
    EXPECT_EQ(game->modalCount, 1);

    game->modalCount = 0;
    garden->ShowScreenWindow(u"start", 2);
    EXPECT_EQ(game->modalCount, 1);
    garden->CloseAllWindows();  // closed without its button
    Settle();
    EXPECT_EQ(game->modalCount, 0);
}

TEST_F(LevelScreens, AScreenWithoutItsControlsSaysSoAndOnlyEscapeCloses) {
    cWindow* w = Window(u"start", std::make_unique<cStartWF>());
    Add<cLabelCtrl>(w, u"goals");
    Fill(w);
    EXPECT_EQ(LogCount(u"[start] Some controls not found"), 1);
    garden->ShowScreenWindow(u"start", 2);
    EXPECT_EQ(game->modalCount, 0);
    EXPECT_EQ(game->OnKeyDown(13), 0);
    EXPECT_EQ(game->OnKeyDown(27), 1);
    Settle();
    EXPECT_FALSE(gui->IsWndShown(u"start"));

    cWindow* f = Window(u"finish", std::make_unique<cFinishWF>());
    Fill(f);
    cWindow* h = Window(u"level", std::make_unique<cLevelWF>());
    Fill(h);
    EXPECT_EQ(LogCount(u"[finish] Some controls not found"), 1);
    EXPECT_EQ(LogCount(u"[level] Some controls not found"), 1);
}

TEST_F(LevelScreens, TheHudFillsTheTimeBarAndWritesTheGoodsTenTimesASecondAtMost) {
    Hud();
    level.silverTime = 300.0f;
    level.timeLeft = 75.0f;
    player->resources = {1, 2, 3, 4};
    garden->ShowScreenWindow(u"level", 2);
    EXPECT_EQ(Text(u"level", u"mana"), u"4") << "written as soon as the HUD shows";
    auto* bar = dynamic_cast<cProgressBarSysCtrl*>(FindControl(u"level", u"time"));
    Tick(2);
    EXPECT_FLOAT_EQ(bar->GetProgress(), 0.25f);

    // The goods change every tick for two seconds.
    int writes = 0;
    std::u16string last = Text(u"level", u"wood");
    for (int i = 0; i < 60; ++i) {
        player->resources.wood += 1;
        Tick();
        if (Text(u"level", u"wood") != last) {
            ++writes;
            last = Text(u"level", u"wood");
        }
    }
    EXPECT_GE(writes, 14);
    EXPECT_LE(writes, 20);
}

TEST_F(LevelScreens, TheMenuButtonOpensThePauseMenuOverTheHud) {
    Hud();
    std::vector<std::string> escape;
    Window(u"escape", std::make_unique<cRecordingWF>(&escape, std::set<int>{kWndShown}));
    garden->ShowScreenWindow(u"level", 2);
    Settle();
    EXPECT_EQ(gui->GetWnd(u"level")->SendEvent(kWndCommand, 0,
                                               IndexOfCtrl(gui->GetWnd(u"level"), u"menu")),
              1)
        << "the click is consumed";
    EXPECT_TRUE(gui->IsWndShown(u"escape"));
    EXPECT_EQ(garden->GetScreenMode(), 2);
}

// The level itself, on the game's own level host, with the HUD of the fixture:
// the alarm at the gold limit bursts green on the time bar, and a goal just
// reached bursts white on the picture of its line.
TEST_F(LevelScreens, TheGoldAlarmAndAReachedGoalSparkleWhereThePlayerLooks) {
    cWindow* hud = Hud();
    garden->ShowScreenWindow(u"level", 2);
    // The engine core keeps the widget; the garden's host outlives its objects.
    auto* playing = new cLevelWidget(&GameObjectFactory(), nullptr, garden->levelHost.get());
    const struct cLetGo {
        cLevelWidget* level;
        ~cLetGo() { level->Clear(); }
    } letGo{playing};
    playing->panel.Bind(hud);
    playing->NewLevel();
    playing->silverTime = playing->timeLeft = 30.0f;
    AddTask(playing->tasks, u"", u"food", 10, kTaskResource);
    AddTask(playing->tasks, u"", u"wood", 10, kTaskResource);
    playing->SetState(kLevelPlay);
    const int before = Sparkles();

    for (int frame = 0; frame < 30 * 21; ++frame)
        playing->Update(1.0f / 30.0f);  // past the gold limit of 20 s
    player->resources.food = 10;
    playing->UpdateTasks(kTaskResource);
    playing->UpdateTasks(kTaskResource);  // nothing new reached: nothing shown

    const auto& bursts = g_particles->Group(kGroupSparkle).emitters;
    ASSERT_EQ(static_cast<int>(bursts.size()) - before, 2);
    EXPECT_FLOAT_EQ(bursts[before]->position.x, 600.0f + 200.0f / 3.0f);
    EXPECT_FLOAT_EQ(bursts[before]->position.y, 710.0f);
    EXPECT_EQ(bursts[before]->colorBirth, 0xFF008000u);
    EXPECT_EQ(bursts[before + 1]->position.x, 810.0f);
    EXPECT_EQ(bursts[before + 1]->position.y, 525.0f) << "the first line's picture";
    EXPECT_EQ(bursts[before + 1]->colorBirth, 0xFFFFFFFFu);
    EXPECT_EQ(Text(u"level", u"label_task01"), u"^00FF00FFDone^^");
}

// What the game's level host keeps for the level: the time, the buildings
// raised and the goods earned go into the current profile, the floating hint
// shows the level's objects, and the next level starts the counts afresh and
// leaves the hint nothing of the old level's objects.
TEST_F(LevelScreens, TheGamesLevelHostKeepsTheCountsInTheProfileUntilTheNextLevel) {
    Hint<cHintGDWF>(u"hint");
    auto* playing = new cLevelWidget(&GameObjectFactory(), nullptr, garden->levelHost.get());
    const struct cLetGo {
        cLevelWidget* level;
        ~cLetGo() { level->Clear(); }
    } letGo{playing};
    playing->NewLevel();
    cLevelHost& host = playing->Host();
    host.AddLevelTime(12.5f);
    host.CountBuild();
    host.Earn({5, 0, 7, 0});
    EXPECT_EQ(player->levelTime, 12.5f);
    EXPECT_EQ(player->builds, 1);
    EXPECT_EQ(player->earned, 12);
    EXPECT_EQ(player->resources, (ResourceSet{5, 0, 7, 0}));

    ASSERT_TRUE(host.ShowHint(u"The house", playing->base, false));
    Settle();
    EXPECT_TRUE(gui->IsWndShown(u"hint"));
    EXPECT_EQ(HintFunction(u"hint")->object, playing->base);

    playing->NewLevel();
    EXPECT_EQ(player->levelTime, 0.0f);
    EXPECT_EQ(player->builds, 0);
    EXPECT_EQ(player->earned, 0);
    EXPECT_EQ(HintFunction(u"hint")->object, nullptr) << "the old level's objects are gone";
    Settle();
    EXPECT_FALSE(gui->IsWndShown(u"hint"));
}

class Results : public LevelScreens {
  protected:
    void SetUp() override {
        LevelScreens::SetUp();
        Finish();
        level.state = kLevelFinished;
        level.silverTime = 300.0f;
        player->levelTime = 190.0f;
        player->earned = 113;
        player->builds = 2;
        player->score = 5000;
    }
    void Show(float timeLeft) {
        level.timeLeft = timeLeft;
        garden->ShowScreenWindow(u"finish", 2);
    }
    void Close() { ClickCtrl(gui->GetWnd(u"finish"), u"close"); }
    cCupCtrl* Cup() { return dynamic_cast<cCupCtrl*>(FindControl(u"finish", u"cup")); }
};

TEST_F(Results, TimeGoodsBuildingsAndScoreCountUpOneAfterAnother) {
    Show(110.0f);
    EXPECT_EQ(Text(u"finish", u"vars"), u"Time:\nGoods:\nBuilt:");
    EXPECT_EQ(Text(u"finish", u"vals"), u"00:00");
    EXPECT_EQ(Text(u"finish", u"score"), u"Score: 5000");
    EXPECT_FALSE(Cup()->HasFlag(kCtrlVisible));
    const int before = Sparkles();

    // Each count takes about a second, the buildings a fifth of one each.
    std::vector<std::u16string> seen;
    for (int i = 0; i < 150 && FinishFunction()->stage != cFinishWF::kStageDone; ++i) {
        Tick();
        const std::u16string vals = Text(u"finish", u"vals");
        if (seen.empty() || std::count(vals.begin(), vals.end(), u'\n') !=
                                std::count(seen.back().begin(), seen.back().end(), u'\n'))
            seen.push_back(vals);
        if (FinishFunction()->stage == cFinishWF::kStageTime) {
            EXPECT_FALSE(Cup()->HasFlag(kCtrlVisible)) << "the cup comes with the time";
        }
    }
    ASSERT_EQ(FinishFunction()->stage, cFinishWF::kStageDone);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].substr(0, 3), u"00:");
    EXPECT_EQ(seen[1].substr(0, 7), u"03:10\n0");
    EXPECT_EQ(Text(u"finish", u"vals"), u"03:10\n113\n2");
    EXPECT_EQ(Text(u"finish", u"score"), u"Score: 15423");  // 5000 + 110 + 200 + 113 + 10000
    EXPECT_EQ(Cup()->medal, kMedalGold);
    EXPECT_EQ(Sparkles() - before, 4) << "one burst as each count ends";
    EXPECT_EQ(player->score, 5000) << "nothing is kept before the player closes";
}

TEST_F(Results, CloseFinishesTheCountFirstAndThenRecordsOnce) {
    Show(50.0f);
    Tick(3);
    Close();
    EXPECT_EQ(FinishFunction()->stage, cFinishWF::kStageDone);
    EXPECT_EQ(Text(u"finish", u"vals"), u"03:10\n113\n2");
    EXPECT_EQ(Text(u"finish", u"score"), u"Score: 6363");  // 5000 + 50 + 200 + 113 + 1000
    EXPECT_TRUE(Cup()->HasFlag(kCtrlVisible));
    EXPECT_EQ(Cup()->medal, kMedalSilver);
    EXPECT_TRUE(map.medals.empty());
    // Shown again while it stands: the count does not start over on the
    // score it is about to change.
    gui->ShowWnd(u"finish");
    EXPECT_EQ(FinishFunction()->stage, cFinishWF::kStageDone);

    Close();
    EXPECT_EQ(player->score, 6363);
    EXPECT_EQ(map.GetMedal(0), 3);
    EXPECT_EQ(map.chosen, 1);
    // Shown again as it leaves, pressed again: nothing counts twice.
    garden->ShowScreenWindow(u"finish", 2);
    Close();
    game->OnKeyDown(13);
    EXPECT_EQ(player->score, 6363);
    Settle();
    EXPECT_FALSE(gui->IsWndShown(u"finish"));
    EXPECT_FALSE(Cup()->HasFlag(kCtrlVisible)) << "the cup goes with the window";
}

TEST_F(Results, ALevelNotWonRecordsNothing) {
    level.state = kLevelPlay;
    Show(200.0f);
    Close();
    Close();
    EXPECT_EQ(player->score, 5000);
    EXPECT_TRUE(map.medals.empty());
    EXPECT_EQ(LogCount(u"The level is not finished"), 1);
    Settle();
    EXPECT_FALSE(gui->IsWndShown(u"finish")) << "the player still gets away";
}

TEST_F(Results, TheLastLevelFinishedTheFirstTimeBringsTheClosingStory) {
    for (int32_t before : {1, 4}) {
        SCOPED_TRACE(before);
        garden->levels.assign(40, std::vector<uint8_t>());
        garden->currentLevel = 39;
        map.medals = {{39, before}};
        const int toComics = LogCount(u"'comics'"), toMap = LogCount(u"'map'");
        Show(0.0f);
        Close();
        Close();
        EXPECT_EQ(map.GetMedal(39), before == 1 ? 2 : 4) << "a medal never goes down";
        EXPECT_EQ(map.chosen, 40);
        EXPECT_EQ(LogCount(u"'comics'") - toComics, before == 1 ? 1 : 0);
        EXPECT_EQ(LogCount(u"'map'") - toMap, before == 1 ? 0 : 1);
        Settle();
    }
}

TEST_F(Results, AScoreAtTheTopOfItsRangeStaysThere) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    player->score = kMax - 20;
    Show(300.0f);
    Close();
    EXPECT_EQ(Text(u"finish", u"score"), u"Score: 2147483647");
    Close();
    EXPECT_EQ(player->score, kMax);

    // From far below zero (a hostile profile) straight to the top.
    player->score = std::numeric_limits<int32_t>::min();
    Settle();
    player->earned = kMax;
    Show(300.0f);
    Close();
    Close();
    // The new total is far more than one step of the stored number away.
    EXPECT_EQ(player->score, std::numeric_limits<int32_t>::min() + 300 + 200 + kMax + 10000);
}

}  // namespace
}  // namespace qor::test
