// The object hint and the goal hint: where a hint stands beside its object,
// how a hint replaces another, when hints hide themselves, and the goal hint
// under the pointer while the pause menu opens over it and closes again.
#include <gtest/gtest.h>

#include "app/Game.h"
#include "scene/Object.h"
#include "shell/EscapeWF.h"
#include "tests/LevelScreenKit.h"

namespace qor::test {
namespace {

class cHintTarget : public cObject {
  public:
    cHintTarget(cVec2 at, std::u16string hint)
        : cObject(nullptr), anchor(at), text(std::move(hint)) {}
    cVec2 GetHintAnchor() const override { return anchor; }
    std::u16string GetHintText() const override { return text; }
    cVec2 anchor;
    std::u16string text;
};

class Hints : public LevelScreenFixture {
  protected:
    void SetUp() override {
        LevelScreenFixture::SetUp();
        Hint<cHintGDWF>(u"hint");
        hint = HintFunction(u"hint");
    }
    cRectF Frame() { return FindControl(u"hint", u"frame")->GetRect(); }
    bool Shown() { return gui->IsWndShown(u"hint"); }

    cHintGDWF* hint = nullptr;
};

TEST_F(Hints, AHintStandsBesideItsObjectAndTurnsWhereTheScreenEnds) {
    // The test font: 10 units a letter, 20 a line; the frame keeps 10 and 5
    // units of margin around the text.
    cHintTarget tree({100, 100}, u"");
    hint->ShowHint(u"Tree\nAdd one", &tree, false, {0, 0});
    EXPECT_TRUE(Shown());
    cRectF f = Frame();
    EXPECT_FLOAT_EQ(f.w, 90.0f);
    EXPECT_FLOAT_EQ(f.h, 50.0f);
    EXPECT_FLOAT_EQ(f.x, 130.0f);  // a third of its size up and to the right
    EXPECT_FLOAT_EQ(f.y, 100.0f + 50.0f / 3.0f);

    hint->HideHint();
    Tick(10);
    EXPECT_FALSE(Shown());
    cHintTarget corner({1000, 750}, u"");
    hint->ShowHint(u"Tree\nAdd one", &corner, false, {-20, 0});
    f = Frame();
    EXPECT_FLOAT_EQ(f.x, 980.0f - 30.0f - 90.0f);
    EXPECT_FLOAT_EQ(f.y, 750.0f - 50.0f / 3.0f - 50.0f);
    EXPECT_FLOAT_EQ(f.w, 90.0f) << "the same text keeps the same frame";
}

TEST_F(Hints, ANewHintFadesTheOldOneOutAndComesInAtItsOwnPlace) {
    cHintTarget first({100, 100}, u""), second({400, 300}, u"");
    hint->ShowHint(u"First", &first, false, {0, 0});
    Tick(8);
    EXPECT_FLOAT_EQ(hint->alpha, 1.0f) << "in fully after 0.2 s";
    const cRectF old = Frame();
    hint->ShowHint(u"Second one", &second, false, {0, 0});
    Tick(3);
    EXPECT_LT(hint->alpha, 1.0f);
    EXPECT_EQ(Frame().x, old.x) << "the old hint fades out where it was";
    Tick(6);
    EXPECT_GT(Frame().x, 400.0f);
    EXPECT_EQ(dynamic_cast<cLabelCtrl*>(FindControl(u"hint", u"text"))->caption, u"Second one\n");
    Tick(8);
    EXPECT_FLOAT_EQ(hint->alpha, 1.0f);
    EXPECT_TRUE(Shown());
}

TEST_F(Hints, AHintHidesItselfSoonerWhenItDoesNotFollowItsObject) {
    cHintTarget tree({100, 100}, u"");
    hint->ShowHint(u"Loose", &tree, false, {0, 0});
    Tick(45);
    EXPECT_TRUE(Shown());
    Tick(20);  // 1.67 s, then the fade
    EXPECT_FALSE(Shown());

    hint->ShowHint(u"Anchored", &tree, true, {0, 0});
    Tick(140);
    EXPECT_TRUE(Shown());
    Tick(20);  // 5 s, then the fade
    EXPECT_FALSE(Shown());
}

TEST_F(Hints, NoHintDuringATalkForAnEmptyTextOrWithoutItsControls) {
    cHintTarget tree({100, 100}, u"");
    level.talking = true;
    hint->ShowHint(u"Tree", &tree, false, {0, 0});
    EXPECT_FALSE(Shown());
    level.talking = false;
    hint->ShowHint(u"", &tree, false, {0, 0});
    EXPECT_FALSE(Shown());

    Hint<cHintGDWF>(u"bare", false);
    cHintGDWF* bare = HintFunction(u"bare");
    EXPECT_TRUE(bare->broken);
    bare->ShowHint(u"Tree", &tree, false, {0, 0});
    EXPECT_FALSE(gui->IsWndShown(u"bare"));
}

TEST_F(Hints, AHintRereadsItsObjectAndLetsGoOfOneThatGoes) {
    cHintTarget tree({100, 100}, u"Tree");
    hint->ShowHint(u"Tree", &tree, true, {0, 0});
    Tick(7);
    tree.text = u"Felled tree";
    hint->RefreshHint();
    EXPECT_EQ(dynamic_cast<cLabelCtrl*>(FindControl(u"hint", u"text"))->caption, u"Felled tree\n");
    tree.text = u"";
    hint->RefreshHint();
    EXPECT_FALSE(hint->showing) << "nothing left to say: the hint goes";

    hint->ShowHint(u"Tree", &tree, true, {0, 0});
    hint->ForgetObject(&tree);
    EXPECT_EQ(hint->object, nullptr);
    EXPECT_FALSE(hint->showing);
    Tick(10);
    EXPECT_FALSE(Shown());
}

class GoalHint : public LevelScreenFixture {
  protected:
    void SetUp() override {
        LevelScreenFixture::SetUp();
        SetLocalizedText(u"Mill", u"Build a mill");
        SetLocalizedText(u"Folk", u"Have 5 workers");
        Hud();
        Hint<cHintTaskGDWF>(u"hint_task");
        FindControl(u"hint_task", u"frame")->SetRect(400, 460, 300, 50, 0);
        cWindow* pause = Window(u"escape", std::make_unique<cEscapeGDWF>());
        pause->modal = true;
        Add<cButtonSysCtrl>(pause, u"btResume", {400, 300, 200, 60});
        Fill(pause);
        AddTask(level.tasks, u"Mill", u"mill00", 1, kTaskBuild);
        AddTask(level.tasks, u"Folk", u"worker", 5, kTaskPopulation);
        level.UpdateTasks(kTaskBuild);
        garden->ShowScreenWindow(u"level", 2);
        Settle();
    }
    bool HintShown() { return gui->IsWndShown(u"hint_task"); }
    std::u16string HintText() {
        return dynamic_cast<cLabelCtrl*>(FindControl(u"hint_task", u"text"))->caption;
    }
};

TEST_F(GoalHint, ComesWhileThePointerRestsOnAGoalLineAndGoesWhenItLeaves) {
    Move(900, 465);  // the second line
    EXPECT_TRUE(HintShown());
    EXPECT_EQ(HintText(), u"Have 5 workers\n");
    EXPECT_EQ(FindControl(u"hint_task", u"frame")->GetRect().x, 400.0f) << "it stays put";
    Move(900, 525);  // the first line
    Tick(8);
    EXPECT_EQ(HintText(), u"Build a mill\n");
    Move(300, 300);
    Tick(8);
    EXPECT_FALSE(HintShown());
    Move(900, 405);  // the third line shows no goal
    Tick(8);
    EXPECT_FALSE(HintShown());
}

TEST_F(GoalHint, GoesWhenThePauseMenuOpensOverItAndComesBackAfter) {
    Move(900, 465);
    ASSERT_TRUE(HintShown());
    // The level opens the pause menu while the pointer rests on the line.
    garden->ShowScreenWindow(u"escape", 2);
    EXPECT_EQ(game->modalCount, 1);
    Tick(10);
    EXPECT_FALSE(HintShown());
    Move(900, 525);  // the pause menu keeps the pointer from the HUD
    Tick(10);
    EXPECT_FALSE(HintShown());

    PlacePointer(900, 525);
    ClickCtrl(gui->GetWnd(u"escape"), u"btResume");
    EXPECT_EQ(game->modalCount, 0);
    Tick(20);
    EXPECT_FALSE(gui->IsWndShown(u"escape"));
    EXPECT_TRUE(HintShown()) << "the HUD takes the pointer back where it rests";
    EXPECT_EQ(HintText(), u"Build a mill\n");
}

}  // namespace
}  // namespace qor::test
