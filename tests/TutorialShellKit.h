#pragma once
// The real game with the shipped data, a fresh player named "Tutor" in the
// main menu, and the waits a test of the tutorial's hints needs: until a
// hint shows, until it closed and faded away, and a click on what it points
// at.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/Game.h"
#include "engine/Path.h"
#include "engine/StringTable.h"
#include "engine/Strings.h"
#include "gui/Ctrl.h"
#include "gui/GUI.h"
#include "gui/Window.h"
#include "level/LevelWidget.h"
#include "level/tutorial/Train.h"
#include "shell/Garden.h"
#include "shell/TrainWF.h"
#include "tests/LeakCheck.h"
#include "tests/LevelHarness.h"
#include "tests/ShellDriver.h"
#include "tests/TalkTestKit.h"
#include "tests/TestUtil.h"

namespace qor::test {

class TutorialShell : public ::testing::Test {
  protected:
    void SetUp() override {
        MarkGLUsed();
        UseTestSystemPaths();
        std::filesystem::remove_all(ToUtf8(GetSystemPaths().appPath) + "/profile");
        if (!game.Start())
            GTEST_SKIP() << "no display here";
        ASSERT_TRUE(game.ReachMainMenu("Tutor"));
        game.FollowInjectedPointer();
        level = game.garden()->GetLevelWidget();
        ASSERT_NE(level, nullptr);
    }

    // From the main menu through the map and the briefing into level 001,
    // its opening talk clicked through.
    void PlayFirstLevel() {
        ASSERT_TRUE(game.StartToMap());
        ASSERT_TRUE(game.Click(u"map", u"play"));
        ASSERT_TRUE(game.WaitShown(u"start"));
        ASSERT_EQ(level->levelName, u"001");
        ASSERT_TRUE(game.Click(u"start", u"close"));
        ASSERT_TRUE(game.WaitShown(u"level"));
        ASSERT_TRUE(ClickThroughTalk(game));
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
    // The first three hints of level 001 in turn: the field, the goal line,
    // then the clock (a message), which is left showing.
    void ReachClockHint() {
        ASSERT_TRUE(WaitHint(u"Train00TakeField"));
        ClickTarget();
        ASSERT_TRUE(WaitClosed(20));
        ASSERT_TRUE(WaitHint(u"Train00PanelTask"));
        PointAtGoalLine();
        ASSERT_TRUE(WaitClosed(10)) << "pointing at the goal line closes the hint";
        game.MovePointer(400, 300);
        ASSERT_TRUE(WaitHint(u"Train00LevelTime"));
    }
    void PointAtGoalLine() {
        const cCtrl* line = game.Control(u"level", u"frame_task0");
        ASSERT_NE(line, nullptr);
        const cRectF r = line->GetRect();
        game.MovePointer(static_cast<int>(r.x + r.w / 2), static_cast<int>(r.y + r.h / 2));
    }

    // The hint window's own function, with its fade.
    cTrainWF* TrainWindow() const {
        cGUI* gui = g_game ? g_game->gui() : nullptr;
        cWindow* window = gui && gui->HasWnd(u"train") ? gui->GetWnd(u"train") : nullptr;
        return window ? dynamic_cast<cTrainWF*>(window->function.get()) : nullptr;
    }
    cRectF Frame() const {
        const cCtrl* frame = game.Control(u"train", u"frame");
        return frame ? frame->GetRect() : cRectF{};
    }

    cShellDriver game;
    cLevelWidget* level = nullptr;
};

}  // namespace qor::test
