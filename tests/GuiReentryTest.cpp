// Window functions that show and hide windows from inside the events the GUI
// dispatches to them: the modal walks of showing and hiding, the input and draw
// passes, and the hover and focus a window keeps when its own handler covers it
// with a modal window. The level screen's task hint and the pause menu live on
// exactly these paths.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "gui/ImageCtrl.h"
#include "gui/ImageListCtrl.h"
#include "tests/GuiTestKit.h"

namespace qor::test {
namespace {

// Records "window kind p1 p2" like cRecordingWF and, the first time its window
// hears a kind it has an action for, runs that action inside the event.
class cHookWF : public cWindowFunction {
  public:
    cHookWF(std::vector<std::string>* log, std::set<int> kinds)
        : m_log(log), m_kinds(std::move(kinds)) {}
    void On(int kind, std::function<void()> action) { m_actions[kind] = std::move(action); }
    int OnEvent(cWindow* window, int kind, int p1, int p2) override {
        if (m_kinds.count(kind)) {
            m_log->push_back(ToUtf8(window->name) + " " + std::to_string(kind) + " " +
                             std::to_string(p1) + " " + std::to_string(p2));
        }
        if (auto it = m_actions.find(kind); it != m_actions.end()) {
            const auto action = std::move(it->second);
            m_actions.erase(it);
            action();
        }
        return cWindowFunction::OnEvent(window, kind, p1, p2);
    }

  private:
    std::vector<std::string>* m_log;
    std::set<int> m_kinds;
    std::map<int, std::function<void()>> m_actions;
};

const std::set<int> kStackKinds = {kWndShown, kWndHidden, kWndActivated, kWndDeactivated};

// One handler acts on the stack while the modal window m is shown or hidden.
struct cWalkCase {
    const char* what;
    bool showModal;  // else m is shown first and then hidden
    struct {
        const char16_t* window;  // whose handler acts
        int kind;                // on this event
        bool show;               // shows `target`, else hides it
        const char16_t* target;
    } act;
    std::vector<std::string> events;
    std::string stack;
};

class GuiReentryTest : public GuiFixture {
  protected:
    cHookWF* Make(const std::u16string& name, bool modal = false,
                  std::set<int> kinds = kStackKinds) {
        auto function = std::make_unique<cHookWF>(&events, std::move(kinds));
        cHookWF* hook = function.get();
        cWindow* w = gui->CreateWnd(name, std::move(function));
        w->active = true;
        w->modal = modal;
        return hook;
    }
    // Shows the windows in this order, then forgets what they heard.
    void ShowAll(std::initializer_list<const char16_t*> names) {
        for (const char16_t* name : names)
            gui->ShowWnd(name);
        TakeEvents();
    }
    // A fresh GUI for the next case of a table.
    void Restart() {
        game.reset();
        game = std::make_unique<cGame>();
        gui = game->gui();
        gui->SetScreen(0, 0, 1024, 768);
        gui->SetCursorSource([this](int* x, int* y) {
            *x = cursorX;
            *y = cursorY;
        });
        TakeEvents();
    }
    // On a fresh GUI with the windows a, b, c, h and the modal m: shows a and
    // b, then m; or shows a, b, c and m, then hides m. The case's handler acts
    // meanwhile.
    void RunWalk(const cWalkCase& c) {
        SCOPED_TRACE(c.what);
        Restart();
        std::map<std::u16string, cHookWF*> hooks;
        for (const char16_t* name : {u"a", u"b", u"c", u"h"})
            hooks[name] = Make(name);
        hooks[u"m"] = Make(u"m", true);
        if (c.showModal) {
            ShowAll({u"a", u"b"});
        } else {
            ShowAll({u"a", u"b", u"c", u"m"});
        }
        const std::u16string target = c.act.target;
        hooks[c.act.window]->On(c.act.kind, [this, &c, target] {
            c.act.show ? gui->ShowWnd(target) : gui->HideWnd(target);
        });
        c.showModal ? gui->ShowWnd(u"m") : gui->HideWnd(u"m");
        EXPECT_EQ(TakeEvents(), c.events);
        EXPECT_EQ(Stack(), c.stack);
    }
    std::string Stack() const {
        std::string s;
        for (const auto& w : gui->shown())
            s += ToUtf8(w->name) + " ";
        return s;
    }
};

TEST_F(GuiReentryTest, AModalWindowShownOrHiddenAmidHandlersThatShowOrHideWindowsMeetsEachOnce) {
    const std::vector<cWalkCase> cases = {
        {"the window below hides itself",
         true,
         {u"b", kWndDeactivated, false, u"b"},
         {"b 16 0 0", "b 16 0 0", "b 14 0 0", "a 16 0 0", "m 10 0 0", "m 15 0 0"},
         "a m "},
        {"the window below shows another on top",
         true,
         {u"b", kWndDeactivated, true, u"h"},
         {"b 16 0 0", "h 10 0 0", "h 15 0 0", "a 16 0 0", "m 10 0 0", "m 15 0 0"},
         "a b h m "},
        {"the window below hides the one below it",
         true,
         {u"b", kWndDeactivated, false, u"a"},
         {"b 16 0 0", "a 16 0 0", "a 14 0 0", "m 10 0 0", "m 15 0 0"},
         "b m "},
        {"the modal window hides itself at once",
         true,
         {u"m", kWndShown, false, u"m"},
         {"b 16 0 0", "a 16 0 0", "m 10 0 0", "m 16 0 0", "b 15 0 0", "a 15 0 0", "m 14 0 0"},
         "a b "},
        {"the window below hides itself",
         false,
         {u"c", kWndActivated, false, u"c"},
         {"m 16 0 0", "c 15 0 0", "c 16 0 0", "c 14 0 0", "b 15 0 0", "a 15 0 0", "m 14 0 0"},
         "a b "},
        {"the window below shows another on top",
         false,
         {u"c", kWndActivated, true, u"h"},
         {"m 16 0 0", "c 15 0 0", "h 10 0 0", "h 15 0 0", "b 15 0 0", "a 15 0 0", "m 14 0 0"},
         "a b c h "},
        {"the window below hides the one below it",
         false,
         {u"c", kWndActivated, false, u"b"},
         {"m 16 0 0", "c 15 0 0", "b 16 0 0", "b 14 0 0", "a 15 0 0", "m 14 0 0"},
         "a c "},
        {"the modal window hides itself again",
         false,
         {u"m", kWndDeactivated, false, u"m"},
         {"m 16 0 0", "c 15 0 0", "b 15 0 0", "a 15 0 0", "m 14 0 0"},
         "a b c "},
    };
    for (const cWalkCase& c : cases)
        RunWalk(c);
}

// A pop-up that closes whenever something covers it.
class cPopupWF : public cWindowFunction {
  public:
    explicit cPopupWF(std::vector<std::string>* log) : m_log(log) {}
    int OnEvent(cWindow* window, int kind, int p1, int p2) override {
        if (kStackKinds.count(kind))
            m_log->push_back(ToUtf8(window->name) + " " + std::to_string(kind));
        if (kind == kWndDeactivated)
            window->gui->CloseWnd(window->name);
        return cWindowFunction::OnEvent(window, kind, p1, p2);
    }

  private:
    std::vector<std::string>* m_log;
};

TEST_F(GuiReentryTest, AWindowThatClosesItselfWheneverItIsDeactivatedIsHiddenOnce) {
    cWindow* popup = gui->CreateWnd(u"popup", std::make_unique<cPopupWF>(&events));
    popup->active = true;
    Make(u"pause", true);
    ShowAll({u"popup"});
    gui->ShowWnd(u"pause");
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"popup 16", "popup 16", "popup 14",
                                                      "pause 10 0 0", "pause 15 0 0"}));
    EXPECT_EQ(Stack(), "pause ");
}

TEST_F(GuiReentryTest, AWindowHiddenEarlierInAnInputOrDrawPassHearsNothingOfIt) {
    const std::set<int> kinds = {kWndDraw, kWndKeyDown, kWndLeftUp, kWndHidden};
    Make(u"low", false, kinds);
    cHookWF* top = Make(u"top", false, kinds);
    ShowAll({u"low", u"top"});
    // The top window takes no keys, but its handler hides the window below first.
    top->On(kWndKeyDown, [&] { gui->HideWnd(u"low"); });
    EXPECT_EQ(game->OnKeyDown(65), 0);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"top 3 65 0", "low 14 0 0"}));

    // The same for a button released over the screen (the game's own pass).
    gui->HideWnd(u"top");
    ShowAll({u"low", u"top"});
    ASSERT_EQ(Stack(), "low top ");
    top->On(kWndLeftUp, [&] { gui->HideWnd(u"low"); });
    int vx = 10, vy = 10;
    gui->ToVirtual(vx, vy);
    EXPECT_EQ(game->OnMouseUp(10, 10, 0), 0);
    EXPECT_EQ(TakeEvents(),
              (std::vector<std::string>{"top 7 0 " + std::to_string(PackPosition(vx, vy)),
                                        "low 14 0 0"}));

    // Drawn bottom first: now the lower window's draw handler hides the one above.
    ShowAll({u"low"});
    ASSERT_EQ(Stack(), "top low ");
    top->On(kWndDraw, [&] { gui->HideWnd(u"low"); });
    gui->Draw();
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"top 1 0 0", "low 14 0 0"}));
}

TEST_F(GuiReentryTest, AWindowCoveredByAModalWindowFromItsOwnHandlerKeepsNoHoverOrFocus) {
    cHookWF* level = Make(u"level", false, {kWndHoverTimeout});
    Make(u"pause", true, {kWndHoverTimeout});
    ShowAll({u"level"});
    cWindow* w = gui->GetWnd(u"level");
    new cImageCtrl(u"task", w);
    w->controls.back()->SetRect(100, 100, 50, 50, 0);
    auto* bar = new cToolbarSysCtrl(u"tools", w);
    bar->SetRect(0, 0, 50, 50, kListItemSizeFlag);
    bar->SetRect(300, 100, 50, 50, 0);
    bar->AddImageItem(-1, u"", {0, 0, 1, 1}, 0);

    // Pointing at the task opens the pause menu at once: the level hovers
    // nothing under it, so no hover time-out comes while the menu is up.
    level->On(kWndPointerEnter, [&] { gui->ShowWnd(u"pause"); });
    Move(120, 120);
    EXPECT_EQ(w->hovered, nullptr);
    Tick(40);
    EXPECT_TRUE(TakeEvents().empty());
    gui->HideWnd(u"pause");

    // A toolbar press that opens the pause menu leaves nothing focused below it.
    level->On(kWndListSelection, [&] { gui->ShowWnd(u"pause"); });
    EXPECT_EQ(Click(325, 125), 1);
    EXPECT_TRUE(gui->IsWndShown(u"pause"));
    EXPECT_EQ(w->focused, nullptr);
    EXPECT_EQ(w->hovered, nullptr);
}

}  // namespace
}  // namespace qor::test
