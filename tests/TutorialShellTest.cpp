// Level 001 as a new player meets it in the real game with the shipped
// data: each hint of the first chain shows, the player does what it says
// (clicks the field, points at the goal line, presses a key for the clock,
// clicks a tree, the house site and the log), the hint closes and the next
// one comes, to the end of the chain. A level won before shows none.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/Game.h"
#include "engine/Path.h"
#include "engine/StringTable.h"
#include "engine/Strings.h"
#include "gui/Ctrl.h"
#include "level/LevelWidget.h"
#include "level/tutorial/Train.h"
#include "shell/Garden.h"
#include "tests/LeakCheck.h"
#include "tests/LevelHarness.h"
#include "tests/ShellDriver.h"
#include "tests/TestUtil.h"
#include "world/MapMedals.h"
#include "world/Point.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

class TutorialShell : public ::testing::Test {
  protected:
    void SetUp() override {
        MarkGLUsed();
        UseTestSystemPaths();
        fs::remove_all(ToUtf8(GetSystemPaths().appPath) + "/profile");
        if (!game.Start())
            GTEST_SKIP() << "no display here";
        ASSERT_TRUE(game.ReachMainMenu("Tutor"));
        game.FollowInjectedPointer();
        level = game.garden()->GetLevelWidget();
        ASSERT_NE(level, nullptr);
    }

    void PlayFirstLevel() {
        ASSERT_TRUE(game.StartToMap());
        ASSERT_TRUE(game.Click(u"map", u"play"));
        ASSERT_TRUE(game.WaitShown(u"start"));
        ASSERT_EQ(level->levelName, u"001");
        ASSERT_TRUE(game.Click(u"start", u"close"));
        ASSERT_TRUE(game.WaitShown(u"level"));
    }

    // Plays until the hint of `key` shows in the window "train"; false when
    // it never comes within `seconds`.
    bool WaitHint(const char16_t* key, int seconds = 20) {
        const std::u16string text = GetLocalizedText(key);
        for (int frame = 0; frame < seconds * 30; ++frame) {
            cTrain* step = level->trainStep.get();
            if (step && step->phase == kTrainShown && game.IsShown(u"train") &&
                game.Caption(u"train", u"text").starts_with(text))
                return !text.empty();
            game.StepUnseen(1);
        }
        cTrain* step = level->trainStep.get();
        ADD_FAILURE() << "no hint " << ToUtf8(key) << ": step " << (step ? step->phase : -9)
                      << ", window " << game.IsShown(u"train") << ", text '"
                      << ToUtf8(game.Caption(u"train", u"text")) << "'";
        return false;
    }
    // Plays until the shown hint closed and its window faded away.
    bool WaitClosed(int seconds) {
        for (int frame = 0; frame < seconds * 30; ++frame) {
            cTrain* step = level->trainStep.get();
            if ((!step || step->phase != kTrainShown) && !game.IsShown(u"train"))
                return true;
            game.StepUnseen(1);
        }
        return false;
    }
    void ClickTarget() {
        qor::cVec2 at;
        ASSERT_TRUE(level->trainStep &&
                    level_test::PickPoint(*level, level->trainStep->target, &at));
        game.ClickAt(static_cast<int>(at.x), static_cast<int>(at.y));
        game.Step(2);
    }

    cShellDriver game;
    cLevelWidget* level = nullptr;
};

TEST_F(TutorialShell, ANewPlayerFollowsTheFirstChainToItsEnd) {
    PlayFirstLevel();
    ASSERT_TRUE(WaitHint(u"Train00TakeField"));
    ClickTarget();
    ASSERT_TRUE(WaitClosed(20));

    ASSERT_TRUE(WaitHint(u"Train00PanelTask"));
    const cCtrl* line = game.Control(u"level", u"frame_task0");
    ASSERT_NE(line, nullptr);
    const cRectF r = line->GetRect();
    game.MovePointer(static_cast<int>(r.x + r.w / 2), static_cast<int>(r.y + r.h / 2));
    ASSERT_TRUE(WaitClosed(10)) << "pointing at the goal line closes the hint";
    game.MovePointer(400, 300);

    ASSERT_TRUE(WaitHint(u"Train00LevelTime"));
    EXPECT_NE(game.Caption(u"train", u"text").find(GetLocalizedText(u"ClickToContinue")),
              std::u16string::npos);
    game.ClickAt(300, 400);
    game.Step(30);
    EXPECT_TRUE(game.IsShown(u"train")) << "a click beside the frame does not dismiss it";
    game.Key(SDLK_a);
    ASSERT_TRUE(WaitClosed(2));

    ASSERT_TRUE(WaitHint(u"Train00TakeTree"));
    ClickTarget();
    ASSERT_TRUE(WaitClosed(60));

    ASSERT_TRUE(WaitHint(u"Train00BuildHouse"));
    ClickTarget();
    // The house wants more wood than one tree gives: every hand to the copse.
    for (const char16_t* tree : {u"tree01", u"tree02", u"tree03", u"tree04", u"tree05"}) {
        qor::cVec2 at;
        if (cObject* object = level->FindObjectByName(tree);
            object && level_test::PickPoint(*level, object, &at)) {
            game.ClickAt(static_cast<int>(at.x), static_cast<int>(at.y));
            game.Step(2);
        }
    }
    // Once the wood is in, the player asks for the house again.
    for (int tries = 0; tries < 30 && !WaitClosed(5); ++tries) {
        const cObject* house = level->trainStep ? level->trainStep->target : nullptr;
        if (house && house->jobMarkers == 0 && !HasWorkerAssigned(house))
            ClickTarget();
    }
    ASSERT_TRUE(WaitClosed(1));

    ASSERT_TRUE(WaitHint(u"Train00RemoveBarrier"));
    for (int tries = 0; tries < 30 && !WaitClosed(5); ++tries) {
        const cObject* log = level->trainStep ? level->trainStep->target : nullptr;
        if (log && log->jobMarkers == 0 && !HasWorkerAssigned(log))
            ClickTarget();
        // Clearing the log costs food: the fields bring it in.
        for (const char16_t* field : {u"field00", u"field01"}) {
            qor::cVec2 at;
            cObject* object = level->FindObjectByName(field);
            if (object && object->state == 1 && object->jobMarkers == 0 &&
                level_test::PickPoint(*level, object, &at)) {
                game.ClickAt(static_cast<int>(at.x), static_cast<int>(at.y));
                game.Step(2);
            }
        }
    }
    ASSERT_TRUE(WaitClosed(1));
    game.Step(2);
    EXPECT_EQ(level->trainStep, nullptr) << "the chain is over";
}

TEST_F(TutorialShell, AWonLevelPlayedAgainShowsNoHint) {
    ASSERT_NE(g_mapMedals, nullptr);
    g_mapMedals->SetMedal(0, kMedalGold);
    PlayFirstLevel();
    game.StepUnseen(5 * 30);
    EXPECT_EQ(level->trainStep, nullptr);
    EXPECT_FALSE(game.IsShown(u"train"));
}

}  // namespace
}  // namespace qor::test
