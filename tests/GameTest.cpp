#include "app/Game.h"

#include <gtest/gtest.h>

#include "app/Widget.h"
#include "engine/Log.h"
#include "gui/GUI.h"
#include "gui/Window.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

// Records what the engine calls on a widget.
class cProbeWidget : public cWidget {
public:
    cProbeWidget(std::u16string name, std::vector<std::string>* calls)
        : cWidget(std::move(name)), m_calls(calls) {}
    ~cProbeWidget() override { m_calls->push_back("destroyed " + Name()); }
    void Tick() override { m_calls->push_back("tick"); }
    void Update(float) override { m_calls->push_back("update"); }
    void OnFocus() override { m_calls->push_back("focus " + Name()); }
    void OnUnfocus() override { m_calls->push_back("unfocus " + Name()); }
    int OnEvent(int kind, int param) override {
        m_calls->push_back("event " + std::to_string(kind) + " " + std::to_string(param));
        return 1;
    }

private:
    std::string Name() const { return std::string(GetName().begin(), GetName().end()); }
    std::vector<std::string>* m_calls;
};

// A window function that records its events and consumes what it is told to.
class cProbeFunction : public cWindowFunction {
public:
    cProbeFunction(std::vector<std::string>* calls, bool consume) : m_calls(calls), m_consume(consume) {}
    int OnEvent(cWindow* window, int kind, int p1, int p2) override {
        if (kind != kWndTick && kind != kWndDraw) {
            m_calls->push_back(std::string(window->name.begin(), window->name.end()) + " " +
                               std::to_string(kind) + " " + std::to_string(p1) + " " +
                               std::to_string(p2));
        }
        return m_consume ? 1 : 0;
    }

private:
    std::vector<std::string>* m_calls;
    bool m_consume;
};

class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseTestSystemPaths();
        game = std::make_unique<cGame>();
        g_tickAccumulator = 0;
    }
    void TearDown() override { game.reset(); }

    std::unique_ptr<cGame> game;
    std::vector<std::string> calls;
};

TEST_F(GameTest, FocusCallsUnfocusAndFocusOnceAndLogsRepeatsAndUnknowns) {
    new cProbeWidget(u"level", &calls);
    new cProbeWidget(u"map", &calls);
    game->FocusWidget(u"level");
    game->modalCount = 2;
    game->FocusWidget(u"map");
    EXPECT_EQ(game->modalCount, 0);  // a new screen starts without modal layers
    game->FocusWidget(u"map");
    EXPECT_EQ(calls, (std::vector<std::string>{"focus level", "unfocus level", "focus map"}));
    EXPECT_EQ(game->GetFocusedWidgetName(), u"map");

    game->FocusWidget(u"nothing");
    EXPECT_EQ(game->GetFocusedWidgetName(), u"");
    const std::u16string log = test::ReadLog();
    EXPECT_NE(log.find(u"Widget with name &#39;map&#39; is focused already."), std::u16string::npos);
    EXPECT_NE(log.find(u"Widget with name &#39;nothing&#39; not found."), std::u16string::npos);
    EXPECT_NE(log.find(u"Set focus to widget with name &#39;level&#39;."), std::u16string::npos);
}

TEST_F(GameTest, WidgetsAreDestroyedWithTheGameInCreationOrder) {
    new cProbeWidget(u"a", &calls);
    new cProbeWidget(u"b", &calls);
    game.reset();
    EXPECT_EQ(calls, (std::vector<std::string>{"destroyed a", "destroyed b"}));
}

// A scene a tool builds on the stack while a game exists (the scene compiler
// does) is the game's for its lifetime only: it leaves the list and the focus
// as it goes, and the game never destroys it a second time.
TEST_F(GameTest, AWidgetDestroyedByItsOwnOwnerLeavesTheGameUnharmed) {
    new cProbeWidget(u"a", &calls);
    {
        cProbeWidget local(u"local", &calls);
        game->FocusWidget(u"local");
        EXPECT_EQ(game->widgets().size(), 2u);
    }
    EXPECT_EQ(game->widgets().size(), 1u);
    EXPECT_EQ(game->focusedWidget(), nullptr);
    EXPECT_EQ(game->OnKeyDown(65), 0);  // nothing focused hears it
    game.reset();
    EXPECT_EQ(calls, (std::vector<std::string>{"focus local", "destroyed local", "destroyed a"}));
}

TEST_F(GameTest, AtMostOneFixedTickPerFrameAndExcessTimeIsDropped) {
    new cProbeWidget(u"level", &calls);
    game->FocusWidget(u"level");
    calls.clear();
    game->UpdateFrame(0.1f);
    EXPECT_EQ(calls, (std::vector<std::string>{"tick", "update"}));
    EXPECT_LT(g_tickAccumulator, kTickSeconds);
    g_tickAccumulator = 0;
    calls.clear();
    game->UpdateFrame(0.09f);  // 2.7 ticks' worth: one tick, 0.7 carried
    game->UpdateFrame(0.005f);
    game->UpdateFrame(0.01f);
    EXPECT_EQ(calls, (std::vector<std::string>{"tick", "update", "update", "tick", "update"}));
    EXPECT_FLOAT_EQ(game->frameSeconds, 0.01f);
}

TEST_F(GameTest, ModalLayerStopsTheWidgetButNotTheGUI) {
    new cProbeWidget(u"level", &calls);
    game->FocusWidget(u"level");
    cGUI* gui = game->gui();
    gui->SetScreen(0, 0, 1024, 768);
    cWindow* box = gui->CreateWnd(u"messagebox", std::make_unique<cProbeFunction>(&calls, false));
    box->active = true;
    gui->ShowWnd(u"messagebox");
    game->PushModal();
    calls.clear();

    game->UpdateFrame(0.05f);
    game->UpdateFrame(0.05f);  // the GUI's tick events arrive one tick later
    game->OnKeyDown(27);
    game->OnMouseDown(10, 10, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"messagebox 3 27 0", "messagebox 6 0 49676298"}));

    game->PopModal();
    game->PopModal();  // never below zero
    EXPECT_EQ(game->modalCount, 0);
    calls.clear();
    game->OnKeyDown(27);
    EXPECT_EQ(calls, (std::vector<std::string>{"messagebox 3 27 0", "event 1 27"}));
}

TEST_F(GameTest, MouseUpStopsAtAModalWindowEvenWhenNobodyTakesIt) {
    new cProbeWidget(u"level", &calls);
    game->FocusWidget(u"level");
    cGUI* gui = game->gui();
    gui->SetScreen(0, 0, 1024, 768);
    cWindow* below = gui->CreateWnd(u"below", std::make_unique<cProbeFunction>(&calls, false));
    cWindow* top = gui->CreateWnd(u"top", std::make_unique<cProbeFunction>(&calls, false));
    below->active = true;
    top->active = false;  // inactive windows are passed over, but a modal one still stops input
    top->modal = true;
    gui->ShowWnd(u"below");
    gui->ShowWnd(u"top");
    calls.clear();

    game->OnMouseUp(100, 668, 0);
    EXPECT_TRUE(calls.empty());
    top->modal = false;
    game->OnMouseUp(100, 668, 1);
    game->OnMouseUp(100, 668, 2);
    EXPECT_EQ(calls, (std::vector<std::string>{"below 18 0 6553700", "event 5 1", "below 0 0 6553700",
                                               "event 5 2"}));
}

TEST_F(GameTest, WidgetGetsClientPixelsPackedAndButtonsWithoutPosition) {
    new cProbeWidget(u"level", &calls);
    game->FocusWidget(u"level");
    calls.clear();
    game->OnMouseMove(300, 200);
    game->OnMouseDown(300, 200, 2);
    game->OnChar(u'x');
    EXPECT_EQ(calls, (std::vector<std::string>{"event 6 13107500", "event 4 2", "event 3 120"}));
}

TEST(GUIToVirtual, MapsClientPixelsToTheCentredVirtualScreen) {
    cGUI gui(1024, 768);
    struct Case {
        int w, h, x, y, vx, vy;
    };
    const std::vector<Case> cases = {
        {1024, 768, 0, 0, 0, 768},          {1024, 768, 1023, 767, 1023, 1},
        {1920, 1080, 960, 540, 512, 384},   {1920, 1080, 240, 1080, 0, 0},
        {1920, 1080, 0, 0, -170, 768},      {800, 600, 400, 300, 512, 384},
        {0, 0, 17, 23, 17, 23},
    };
    for (const Case& c : cases) {
        gui.SetScreen(0, 0, c.w, c.h);
        int x = c.x, y = c.y;
        gui.ToVirtual(x, y);
        EXPECT_EQ(x, c.vx) << c.w << "x" << c.h << " " << c.x;
        EXPECT_EQ(y, c.vy) << c.w << "x" << c.h << " " << c.y;
    }
}

}  // namespace
}  // namespace qor
