// The window manager and the generic window function: the modal walks of
// showing and hiding, input routing through cGame, focus and hover rules, the
// one-tick delay of control notifications, the fade of cBaseWF screens, locale
// re-translation and the free window operations.
#include <gtest/gtest.h>

#include "app/Widget.h"
#include "engine/Log.h"
#include "engine/StringTable.h"
#include "gui/BaseWF.h"
#include "gui/ButtonCtrl.h"
#include "gui/ImageCtrl.h"
#include "gui/LabelCtrl.h"
#include "tests/GuiTestKit.h"

namespace qor::test {
namespace {

// An image that logs every event it gets as "name:kind".
class cProbeCtrl : public cImageCtrl {
  public:
    cProbeCtrl(std::u16string name, cWindow* window, std::vector<std::string>* log, cRectF r)
        : cImageCtrl(std::move(name), window), m_log(log) {
        rect = r;
    }
    int OnEvent(int kind, int p1, int p2) override {
        if (kind != kWndTick)
            m_log->push_back(ToUtf8(name) + ":" + std::to_string(kind));
        return cImageCtrl::OnEvent(kind, p1, p2);
    }

  private:
    std::vector<std::string>* m_log;
};

class cProbeWidget : public cWidget {
  public:
    cProbeWidget(std::vector<std::string>* log) : cWidget(u"level"), m_log(log) {}
    int OnEvent(int kind, int param) override {
        m_log->push_back("widget " + std::to_string(kind) + " " + std::to_string(param));
        return 1;
    }

  private:
    std::vector<std::string>* m_log;
};

using GuiWindowTest = GuiFixture;

TEST_F(GuiWindowTest, ModalShowAndHideWalkTheStackDownToTheFirstModalWindow) {
    const std::set<int> kinds = {kWndShown, kWndHidden, kWndActivated, kWndDeactivated};
    MakeWindow(u"a", kinds);
    MakeWindow(u"b", kinds);
    gui->CreateWnd(u"m1", std::make_unique<cRecordingWF>(&events, kinds))->modal = true;
    gui->CreateWnd(u"m2", std::make_unique<cRecordingWF>(&events, kinds))->modal = true;
    TakeEvents();

    gui->ShowWnd(u"m1");
    EXPECT_EQ(TakeEvents(),
              (std::vector<std::string>{"b 16 0 0", "a 16 0 0", "m1 10 0 0", "m1 15 0 0"}));
    gui->ShowWnd(u"m2");  // stops at the first modal window, which hears it too
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"m1 16 0 0", "m2 10 0 0", "m2 15 0 0"}));
    gui->HideWnd(u"m2");
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"m2 16 0 0", "m1 15 0 0", "m2 14 0 0"}));
    gui->HideWnd(u"m1");
    EXPECT_EQ(TakeEvents(),
              (std::vector<std::string>{"m1 16 0 0", "b 15 0 0", "a 15 0 0", "m1 14 0 0"}));
    gui->HideWnd(u"m1");  // not on the stack: nothing
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(GuiWindowTest, ShowingAShownWindowAgainKeepsItsPlaceButRepeatsShownAndActivated) {
    cWindow* a = MakeWindow(u"a", {kWndShown, kWndActivated});
    cWindow* b = MakeWindow(u"b", {kWndShown, kWndActivated});
    TakeEvents();
    gui->ShowWnd(u"a");
    ASSERT_EQ(gui->shown().size(), 2u);
    EXPECT_EQ(gui->shown()[0].get(), a);
    EXPECT_EQ(gui->shown()[1].get(), b);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"a 10 0 0", "a 15 0 0"}));
}

TEST_F(GuiWindowTest, AModalWindowSwallowsWhatItDoesNotTakeAndInactiveWindowsGetNoInput) {
    new cProbeWidget(&events);
    game->FocusWidget(u"level");
    const std::set<int> input = {kWndKeyDown, kWndChar, kWndMouseMove, kWndLeftDown};
    MakeWindow(u"below", input);
    cWindow* top = MakeWindow(u"top", input);
    top->active = false;
    TakeEvents();

    // Inactive and not modal: passed over, the window below gets it, then the widget.
    game->OnKeyDown(65);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"below 3 65 0", "widget 1 65"}));

    top->modal = true;  // still inactive, but now nothing gets past it
    EXPECT_EQ(game->OnKeyDown(65), 1);
    EXPECT_EQ(game->OnChar(u'x'), 1);
    EXPECT_EQ(Press(10, 10), 1);
    EXPECT_TRUE(TakeEvents().empty());

    top->active = true;  // takes part, consumes nothing, still stops it
    EXPECT_EQ(game->OnKeyDown(66), 1);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"top 3 66 0"}));
}

TEST_F(GuiWindowTest, AnInactiveWindowIsStillDrawnAndStillTicks) {
    cWindow* w = MakeWindow(u"idle", {kWndDraw, kWndTick});
    w->active = false;
    TakeEvents();
    gui->Draw();
    Tick(2);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"idle 1 0 0", "idle 2 33 0"}));
}

TEST_F(GuiWindowTest, DisabledControlsAndEmptySpaceNeitherTakeClicksNorMoveTheFocus) {
    new cProbeWidget(&events);
    game->FocusWidget(u"level");
    std::vector<std::string> log;
    cWindow* w = MakeWindow(u"w", {kWndCommand});
    auto* a = new cProbeCtrl(u"a", w, &log, {100, 100, 50, 50});
    auto* b = new cProbeCtrl(u"b", w, &log, {200, 100, 50, 50});
    b->Enable(false);

    EXPECT_EQ(Click(120, 120), 1);
    EXPECT_EQ(w->focused, a);
    EXPECT_EQ(log, (std::vector<std::string>{"a:32", "a:5", "a:6", "a:34", "a:7"}));
    log.clear();
    TakeEvents();

    Click(220, 120);  // disabled: the widget below gets the press
    EXPECT_EQ(w->focused, a);
    Click(500, 500);  // empty window space
    EXPECT_EQ(w->focused, a);
    EXPECT_EQ(std::count(log.begin(), log.end(), "b:6"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "a:35"), 0);
    EXPECT_EQ(std::count(events.begin(), events.end(), "widget 4 0"), 2);
}

TEST_F(GuiWindowTest, AButtonClickArrivesOneTickAfterTheReleaseWhileEnterAndLeaveArriveAtOnce) {
    cWindow* w = MakeWindow(u"w", {kWndCommand, kWndPointerEnter, kWndPointerLeave});
    auto* button = new cButtonSysCtrl(u"ok", w);
    button->SetRect(100, 100, 80, 30, 0);

    Move(120, 110);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"w 32 0 0"}));
    Press(120, 110);
    Release(120, 110);
    EXPECT_TRUE(TakeEvents().empty());
    game->UpdateFrame(kTickSeconds);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"w 48 0 0"}));
    Move(400, 400);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"w 33 0 0"}));
}

TEST_F(GuiWindowTest, HoveringOneControlForHalfASecondTimesOutOnce) {
    cWindow* w = MakeWindow(u"w", {kWndHoverTimeout});
    std::vector<std::string> log;
    new cProbeCtrl(u"a", w, &log, {100, 100, 50, 50});
    new cProbeCtrl(u"b", w, &log, {200, 100, 50, 50});
    Tick();  // the window's first ticks are queued now

    Move(120, 120);
    Tick(14);  // 14 ticks of 33 ms delivered: 0.462 s
    EXPECT_TRUE(events.empty());
    Tick(40);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"w 19 0 0"}));

    Move(121, 120);  // the same control: no new timer
    Tick(40);
    EXPECT_TRUE(events.empty());

    Move(120, 120);
    Tick(10);
    Move(220, 120);  // another control restarts the timer from 0.5 s
    Tick(14);
    EXPECT_TRUE(events.empty());
    Tick(3);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"w 19 0 1"}));

    Move(120, 120);
    Tick(5);
    Move(600, 600);  // off every control: the timer stops
    Tick(40);
    EXPECT_TRUE(events.empty());
}

TEST_F(GuiWindowTest, OnAWideClientTheCentredFourByThreeAreaIsTheVirtualScreen) {
    gui->SetScreen(0, 0, 1920, 1080);
    std::vector<std::string> log;
    cWindow* w = MakeWindow(u"w");
    new cProbeCtrl(u"left", w, &log, {-5, 705, 10, 10});
    new cProbeCtrl(u"right", w, &log, {1019, 705, 10, 10});
    // Client y 80 of 1080 is virtual 768 - 80 × 768 / 1080 = 712.
    game->OnMouseMove(240, 80);
    EXPECT_EQ(w->hovered ? w->hovered->GetName() : u"", u"left");
    game->OnMouseMove(1680, 80);
    EXPECT_EQ(w->hovered ? w->hovered->GetName() : u"", u"right");
    game->OnMouseMove(960, 80);
    EXPECT_EQ(w->hovered, nullptr);
    // The pointer keeps client pixels, y counted upwards.
    EXPECT_FLOAT_EQ(gui->pointer.x, 960.0f);
    EXPECT_FLOAT_EQ(gui->pointer.y, 1000.0f);
}

class cScreenWF : public cBaseWF {};

TEST_F(GuiWindowTest, ClosingAFadingScreenKeepsItShownForHalfASecondThenHidesItOnce) {
    std::vector<std::u16string> hidden;
    SetWindowHiddenHook([&](const std::u16string& name) { hidden.push_back(name); });
    auto* function = new cScreenWF;
    cWindow* w = gui->CreateWnd(u"options", std::unique_ptr<cWindowFunction>(function));
    w->active = true;
    gui->ShowWnd(u"options");
    EXPECT_TRUE(function->IsReady());  // fading in counts as ready
    Tick(20);
    EXPECT_FLOAT_EQ(function->transition.current, 1.0f);

    gui->CloseWnd(u"options");
    EXPECT_FALSE(function->IsReady());
    Tick(15);  // 15 ticks delivered: 0.495 s of fading
    EXPECT_TRUE(gui->IsWndShown(u"options"));
    EXPECT_TRUE(hidden.empty());
    Tick(2);
    EXPECT_FALSE(gui->IsWndShown(u"options"));
    Tick(10);
    EXPECT_EQ(hidden, (std::vector<std::u16string>{u"options"}));
    SetWindowHiddenHook(nullptr);
}

TEST_F(GuiWindowTest, AScreenInErrorIsNotReadyAndEscapeClosesIt) {
    auto* function = new cScreenWF;
    cWindow* w = gui->CreateWnd(u"level", std::unique_ptr<cWindowFunction>(function));
    w->active = true;
    gui->ShowWnd(u"level");
    Tick(20);
    EXPECT_EQ(function->ReportError(w, u"Some controls not found"), 0);
    EXPECT_FALSE(function->IsReady());
    EXPECT_NE(ReadLog().find(u"[level] Some controls not found"), std::u16string::npos);
    EXPECT_EQ(game->OnKeyDown(65), 0);  // only Escape is taken
    EXPECT_EQ(game->OnKeyDown(27), 1);
    EXPECT_FLOAT_EQ(function->transition.to, 0.0f);
    Tick(20);
    EXPECT_FALSE(gui->IsWndShown(u"level"));
}

TEST_F(GuiWindowTest, ALocaleChangeTranslatesOnlyTextsStoredAsKeys) {
    cWindow* w = MakeWindow(u"w");
    auto* title = new cLabelCtrl(u"title", w);
    auto* plain = new cLabelCtrl(u"plain", w);
    auto* later = new cLabelCtrl(u"later", w);
    title->SetText(u"[GameTitle]");
    plain->SetText(u"Score");
    later->SetText(u"12");
    later->SetText(u"[GameTitle]");  // the first text stays the stored one
    SetLocalizedText(u"[GameTitle]", u"Brindlemoor");
    SetLocalizedText(u"Score", u"Punkte");

    gui->LocaleChanged();
    EXPECT_EQ(title->GetCaption(), u"Brindlemoor");
    EXPECT_EQ(title->GetText(), u"[GameTitle]");
    EXPECT_EQ(plain->GetCaption(), u"Score");
    EXPECT_EQ(later->GetCaption(), u"[GameTitle]");

    SetLocalizedText(u"[GameTitle]", u"Brindlemoor II");
    gui->LocaleChanged();
    EXPECT_EQ(title->GetCaption(), u"Brindlemoor II");
}

TEST_F(GuiWindowTest, FreeOperationsFindClickFocusAndMoveControls) {
    std::vector<std::string> log;
    cWindow* w = MakeWindow(u"hint", {kWndCommand});
    auto* a = new cProbeCtrl(u"a", w, &log, {10, 20, 30, 40});
    auto* b = new cProbeCtrl(u"b", w, &log, {50, 60, 10, 10});
    new cProbeCtrl(u"b", w, &log, {0, 0, 1, 1});  // names need not be unique

    EXPECT_EQ(FindControl(u"hint", u"b"), b);
    EXPECT_EQ(IndexOfCtrl(w, u"b"), 1);
    EXPECT_EQ(IndexOfCtrl(w, u"B"), 3);  // exact, case-sensitive; the count when absent
    EXPECT_EQ(FindControl(u"hint", u"zz"), nullptr);
    EXPECT_EQ(FindControl(u"nowhere", u"a"), nullptr);
    const std::u16string logText = ReadLog();
    EXPECT_NE(logText.find(u"control &#39;zz&#39; not found in wondow &#39;hint&#39;"),
              std::u16string::npos);
    EXPECT_NE(logText.find(u"window &#39;nowhere&#39; not found"), std::u16string::npos);
    // The failed lookup left an empty entry behind.
    EXPECT_TRUE(gui->HasWnd(u"nowhere"));
    gui->ShowWnd(u"nowhere");
    EXPECT_NE(ReadLog().find(u"not found! After checking!!!"), std::u16string::npos);

    TakeEvents();
    EXPECT_TRUE(ClickCtrl(w, u"b"));  // directly, not through the queue
    EXPECT_FALSE(ClickCtrl(nullptr, u"b"));
    ClickCtrlIn(u"hint", u"a");
    ClickCtrlIn(u"absent", u"a");
    EXPECT_FALSE(gui->HasWnd(u"absent"));
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"hint 48 0 1", "hint 48 0 0"}));

    SetFocusCtrl(w, a);
    SetFocusCtrl(w, a);
    SetFocusCtrl(w, b);
    SetFocusCtrl(w, nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"a:34", "a:35", "b:34", "b:35"}));

    MoveWnd(w, 100, 50);
    MoveWnd(w, 110, 40);
    EXPECT_FLOAT_EQ(a->rect.x, 120);
    EXPECT_FLOAT_EQ(a->rect.y, 60);
    EXPECT_FLOAT_EQ(w->x, 110);
}

TEST_F(GuiWindowTest, DestroyingTheGuiTellsEveryWindowInNameOrder) {
    gui->CreateWnd(u"zeta", std::make_unique<cRecordingWF>(&events, std::set<int>{kWndDestroyed}));
    gui->CreateWnd(u"alpha", std::make_unique<cRecordingWF>(&events, std::set<int>{kWndDestroyed}));
    gui->ShowWnd(u"zeta");
    game.reset();
    EXPECT_EQ(events, (std::vector<std::string>{"alpha 9 0 0", "zeta 9 0 0"}));
}

}  // namespace
}  // namespace qor::test
