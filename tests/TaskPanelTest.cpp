// The HUD's three goal lines: which goal shows on which line, when a reached
// goal gives its line up for good, the texts and pictures of a line, and what
// is celebrated when a goal is reached.
#include <gtest/gtest.h>

#include "engine/Atlas.h"
#include "engine/Image.h"
#include "engine/StringTable.h"
#include "engine/TextureCache.h"
#include "gui/ImageCtrl.h"
#include "gui/LabelCtrl.h"
#include "level/TaskPanel.h"
#include "tests/GuiTestKit.h"
#include "tests/LevelFixture.h"

namespace qor::test {
namespace {

class TaskPanel : public GuiFixture {
  protected:
    void SetUp() override {
        GuiFixture::SetUp();
        SetLocalizedText(u"TaskDone", u"Done!");
        SetLocalizedText(u"TaskRemain", u"To go:");
        hud = gui->CreateWnd(u"level", nullptr);
        for (int i = 0; i < 3; ++i) {
            const std::u16string n(1, static_cast<char16_t>(u'0' + i));
            auto* image = new cImageCtrl(u"image_task" + n, hud);
            image->SetRect(800, 500 - 60.0f * i, 40, 40, 0);
            new cLabelCtrl(u"label_task" + n + u"0", hud);
            new cLabelCtrl(u"label_task" + n + u"1", hud);
        }
    }

    // The goals on the lines, top first, with their two texts; "-" for a
    // hidden line.
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (const cTaskSlot& slot : level.panel.slots) {
            if (!slot.count->HasFlag(kCtrlVisible)) {
                lines.push_back("-");
                continue;
            }
            lines.push_back(std::to_string(slot.task) + " " + ToUtf8(slot.count->caption) + " " +
                            ToUtf8(slot.state->caption));
        }
        return lines;
    }

    void Goals(std::initializer_list<int> targets) {
        for (int target : targets)
            AddTask(level.tasks, u"", u"food", target, kTaskResource);
        level.panel.Bind(hud);
        level.UpdateTasks(kTaskResource);
    }

    cWindow* hud = nullptr;
    cFixtureLevel level;
};

using Shown = std::vector<std::string>;

TEST_F(TaskPanel, LinesStartHiddenAndShowEachOpenGoalWithWhatIsLeft) {
    level.panel.Bind(hud);
    EXPECT_EQ(Lines(), (Shown{"-", "-", "-"}));
    level.stock = {0, 30, 0, 0};
    Goals({50, 100});
    EXPECT_EQ(Lines(), (Shown{"0 x50 To go: 20", "1 x100 To go: 70", "-"}));
    EXPECT_EQ(level.panel.TaskInSlot(2), -1);
    EXPECT_EQ(level.panel.TaskInSlot(7), -1);
}

TEST_F(TaskPanel, AReachedGoalTurnsGreenAndKeepsItsLineWhileTheOthersFit) {
    AddTask(level.tasks, u"", u"house00", 1, kTaskBuild);
    AddTask(level.tasks, u"", u"food", 100, kTaskResource);
    AddTask(level.tasks, u"", u"worker", 5, kTaskPopulation);
    level.panel.Bind(hud);
    level.built[u"house00"] = 1;
    level.UpdateTasks(kTaskBuild);
    EXPECT_EQ(Lines(),
              (Shown{"0 ^00FF00FFx1^^ ^00FF00FFDone!^^", "1 x100 To go: 100", "2 x5 To go: 5"}));
    // The first line's picture sparkles and the "task done" jingle plays.
    EXPECT_TRUE(level.lastCelebration.sparkle);
    EXPECT_EQ(level.lastCelebration.point.x, 820.0f);
    EXPECT_EQ(level.lastCelebration.point.y, 520.0f);
    EXPECT_TRUE(level.lastCelebration.taskDone);
}

TEST_F(TaskPanel, WithFourGoalsAReachedGoalGivesItsLineUpForGood) {
    Goals({10, 20, 30, 40});
    EXPECT_EQ(Lines(), (Shown{"0 x10 To go: 10", "1 x20 To go: 20", "2 x30 To go: 30"}));
    level.stock = {0, 15, 0, 0};
    level.UpdateTasks(kTaskResource);
    EXPECT_TRUE(level.tasks[0].retired);
    EXPECT_EQ(Lines(), (Shown{"1 x20 To go: 5", "2 x30 To go: 15", "3 x40 To go: 25"}));
    EXPECT_FALSE(level.lastCelebration.sparkle) << "the goal has no line to sparkle on";
    EXPECT_TRUE(level.lastCelebration.taskDone);
    // Spent below its target again, the retired goal stays off the panel.
    level.stock = {0, 5, 0, 0};
    level.UpdateTasks(kTaskResource);
    EXPECT_EQ(Lines(), (Shown{"1 x20 To go: 15", "2 x30 To go: 25", "3 x40 To go: 35"}));
}

TEST_F(TaskPanel, AGoodsGoalSpentBelowItsTargetShowsWhatIsLeftAgain) {
    level.stock = {0, 60, 0, 0};
    Goals({50, 100});
    EXPECT_EQ(Lines()[0], "0 ^00FF00FFx50^^ ^00FF00FFDone!^^");
    level.stock = {0, 45, 0, 0};
    level.UpdateTasks(kTaskResource);
    EXPECT_EQ(Lines()[0], "0 x50 To go: 5");
    EXPECT_FALSE(level.tasks[0].retired);
}

TEST_F(TaskPanel, TheLastGoalLeavesTheJingleToTheLevelsOwnSuccess) {
    level.stock = {0, 20, 0, 0};
    Goals({50, 20});
    EXPECT_TRUE(level.lastCelebration.taskDone) << "one goal is still open";
    level.stock = {0, 50, 0, 0};
    level.UpdateTasks(kTaskResource);
    EXPECT_TRUE(level.lastCelebration.sparkle);
    EXPECT_FALSE(level.lastCelebration.taskDone);
    EXPECT_TRUE(AreTasksDone(level.tasks));
}

TEST_F(TaskPanel, ALineWithAControlMissingIsNeverShownWhileItsGoalStillCounts) {
    cWindow* partial = gui->CreateWnd(u"partial", nullptr);
    new cImageCtrl(u"image_task0", partial);
    new cLabelCtrl(u"label_task00", partial);  // no state label
    auto* image1 = new cImageCtrl(u"image_task1", partial);
    new cLabelCtrl(u"label_task10", partial);
    new cLabelCtrl(u"label_task11", partial);
    AddTask(level.tasks, u"", u"food", 10, kTaskResource);
    AddTask(level.tasks, u"", u"wood", 10, kTaskResource);
    level.panel.Bind(partial);
    EXPECT_FALSE(level.panel.slots[0].Bound());
    level.stock = {0, 10, 0, 0};
    level.UpdateTasks(kTaskResource);
    EXPECT_EQ(level.tasks[0].current, 10);
    EXPECT_FALSE(level.lastCelebration.sparkle);
    EXPECT_TRUE(level.lastCelebration.taskDone);
    EXPECT_TRUE(image1->HasFlag(kCtrlVisible));
}

TEST_F(TaskPanel, ALineShowsItsGoalsPictureAndClearingHidesEveryLine) {
    // A made-up "gui00" whose second area is the food goal's picture.
    cImage image;
    ASSERT_TRUE(image.Create(kImageRGBA32, 64, 32));
    AddTexture(u"gui00", std::move(image));
    cTextureInfoRef atlas = CreateTextureInfo(u"gui00");
    AddNode(atlas.get(), u"progress", {0, 0.5f, 1, 0.5f}, 1, 1, 30);
    AddNode(atlas.get(), u"task_food", {0.5f, 0, 0.5f, 0.5f}, 1, 1, 30);
    AddTask(level.tasks, u"", u"lake00", 10, kTaskBuild);
    Goals({10});
    const cImageCtrl* food = level.panel.slots[1].image;
    EXPECT_EQ(food->texture, FindTexture(u"gui00"));
    EXPECT_EQ(food->uvRect.x, 0.5f);
    EXPECT_EQ(food->uvRect.w, 0.5f);
    EXPECT_FALSE(level.panel.slots[0].image->texture) << "a goal without a picture shows none";

    level.panel.Clear();
    EXPECT_EQ(Lines(), (Shown{"-", "-", "-"}));
    EXPECT_EQ(level.panel.TaskInSlot(0), -1);
    ClearAtlasCaches();
    RemoveTexture(u"gui00");
}

}  // namespace
}  // namespace qor::test
