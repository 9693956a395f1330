// The message box: filling its optional controls, one- and two-button boxes
// with Enter and Escape, numbered line controls, the result and identifier the
// application reads once the box is hidden, and the modal layer it holds.
#include <gtest/gtest.h>

#include "app/Widget.h"
#include "engine/ScriptFunctions.h"
#include "engine/TextureCache.h"
#include "gui/ButtonCtrl.h"
#include "gui/GuiScriptFunctions.h"
#include "gui/ImageCtrl.h"
#include "gui/LabelCtrl.h"
#include "gui/MessageBoxWF.h"
#include "gui/WindowScript.h"
#include "tests/GLTestContext.h"
#include "tests/GuiTestKit.h"

namespace qor::test {
namespace {

constexpr char16_t kLinesScript[] =
    uR"(
function FillWindow(wnd)
    local frame = createFrameCtrl(wnd, "back")
    setCtrlRect(frame, {x = 200, y = 200, w = 624, h = 368})
    local title = createLabelCtrl(wnd, "title")
    setCtrlFont(title, "test")
    for i = 0, 2 do
        local line = createLabelCtrl(wnd, "line" .. i)
        setCtrlFont(line, "test")
        setCtrlRect(line, {x = 300, y = 450 - 30 * i, w = 400, h = 24})
    end
    createImageCtrl(wnd, "image")
    createImageCtrl(wnd, "icon")
    local ok = createButtonSysCtrl(wnd, "ok")
    setCtrlRect(ok, {x = 300, y = 250, w = 120, h = 40})
    setCtrlText(ok, "[Ok]")
    local cancel = createButtonSysCtrl(wnd, "cancel")
    setCtrlRect(cancel, {x = 600, y = 250, w = 120, h = 40})
    setWndActive(wnd, true)
    setWndModal(wnd, true)
end
)";

class cLevelWidget : public cWidget {
  public:
    explicit cLevelWidget(int* ticks) : cWidget(u"level"), m_ticks(ticks) {}
    void Tick() override { ++*m_ticks; }

  private:
    int* m_ticks;
};

class MessageBoxTest : public GuiFixture {
  protected:
    void SetUp() override {
        GuiFixture::SetUp();
        cScriptFunctionHooks hooks;
        hooks.registerGuiFunctions = RegisterGuiScriptFunctions;
        RegisterEngineScriptFunctions(hooks);
        SetWindowHiddenHook([this](const std::u16string& name) {
            if (name == u"messagebox") {
                hidden.push_back(ToUtf8(box->GetId()) + "=" + std::to_string(box->GetResult()));
            }
        });
    }
    void TearDown() override {
        SetWindowHiddenHook(nullptr);
        GuiFixture::TearDown();
    }
    cWindow* Create(std::u16string_view script) {
        WriteUtf16File(dir.path() / "messagebox.lua", std::u16string(script));
        box = new cMessageBoxWF;
        return CreateWindowFromScript(u"messagebox", std::unique_ptr<cWindowFunction>(box),
                                      cPath(dir.u16("messagebox.lua")));
    }
    std::u16string Caption(cWindow* w, const std::u16string& name) {
        auto* label = dynamic_cast<cLabelCtrl*>(w->ControlAt(IndexOfCtrl(w, name)));
        if (label)
            return label->GetCaption();
        auto* button = dynamic_cast<cButtonSysCtrl*>(w->ControlAt(IndexOfCtrl(w, name)));
        return button ? button->caption->GetCaption() : u"<none>";
    }
    // Shows the box and lets its fade-in finish.
    void ShowBox(const std::u16string& id) {
        box->SetId(id);
        gui->ShowWnd(u"messagebox");
        Tick(20);
    }

    cTempFolder dir;
    cMessageBoxWF* box = nullptr;
    std::vector<std::string> hidden;
};

TEST_F(MessageBoxTest, FillingBeforeTheWindowIsFilledDoesNothing) {
    cMessageBoxWF early;
    EXPECT_EQ(early.SetText(u"text", u"title"), 1);
    EXPECT_EQ(early.SetImages(u"a", u"b"), 1);
    EXPECT_EQ(early.SetButtons(u"Ok", u""), 1);
    EXPECT_EQ(early.GetResult(), 1);
}

TEST_F(MessageBoxTest, TheTextIsSpreadOverTheNumberedLinesAndSurplusPiecesAreDropped) {
    cWindow* w = Create(kLinesScript);
    struct Case {
        std::u16string text;
        std::vector<std::u16string> lines;
    };
    const std::vector<Case> cases = {
        {u"first\nsecond", {u"first", u"second", u""}},
        {u"a\nb\nc\nd", {u"a", u"b", u"c"}},
        {u"only", {u"only", u"", u""}},
        {u"\n\nthird", {u"", u"", u"third"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(box->SetText(c.text, u"Question"), 0);
        EXPECT_EQ(Caption(w, u"title"), u"Question");
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Caption(w, u"line" + Widen(std::to_string(i))), c.lines[i])
                << ToUtf8(c.text) << " line " << i;
        }
    }
    AddTexture(u"icon_info", MakeSolidImage(kImageRGBA32, 4, 4, 0xFFFFFFFF));
    EXPECT_EQ(box->SetImages(u"icon_info", u"icon_info"), 0);
    auto* icon = dynamic_cast<cImageCtrl*>(w->ControlAt(IndexOfCtrl(w, u"icon")));
    ASSERT_NE(icon->texture, nullptr);
    EXPECT_EQ(icon->texture->name, u"icon_info");
}

TEST_F(MessageBoxTest, ATextControlTakesTheWholeText) {
    cWindow* w = Create(
        uR"(
function FillWindow(wnd)
    createTextBoxSysCtrl(wnd, "text")
    createLabelCtrl(wnd, "line0")
    setWndActive(wnd, true)
end
)");
    box->SetText(u"one\ntwo", u"");
    EXPECT_EQ(Caption(w, u"text").substr(0, 7), u"one\ntwo");
    EXPECT_EQ(Caption(w, u"line0"), u"");
}

TEST_F(MessageBoxTest, AOneButtonBoxConfirmsOnEscapeAndReleasesTheLevelWhenHidden) {
    int levelTicks = 0;
    new cLevelWidget(&levelTicks);
    game->FocusWidget(u"level");
    cWindow* w = Create(kLinesScript);
    box->SetButtons(u"Ok", u"");
    EXPECT_FALSE(w->ControlAt(IndexOfCtrl(w, u"cancel"))->HasFlag(kCtrlVisible));
    EXPECT_EQ(Caption(w, u"ok"), u"Ok");

    ShowBox(u"notice");
    EXPECT_EQ(game->modalCount, 1);
    game->UpdateFrame(kTickSeconds);
    EXPECT_EQ(levelTicks, 0);  // the level is paused under the box

    EXPECT_EQ(game->OnKeyDown(27), 1);
    EXPECT_EQ(box->GetResult(), 0);
    EXPECT_TRUE(gui->IsWndShown(u"messagebox"));  // fading out
    Tick(20);
    EXPECT_FALSE(gui->IsWndShown(u"messagebox"));
    EXPECT_EQ(game->modalCount, 0);
    EXPECT_EQ(hidden, (std::vector<std::string>{"notice=0"}));
    game->UpdateFrame(kTickSeconds);
    EXPECT_EQ(levelTicks, 1);
}

TEST_F(MessageBoxTest, ATwoButtonBoxRefusesOnEscapeAndConfirmsOnEnterOrAClick) {
    cWindow* w = Create(kLinesScript);
    box->SetButtons(u"Yes", u"No");
    EXPECT_TRUE(w->ControlAt(IndexOfCtrl(w, u"cancel"))->HasFlag(kCtrlVisible));
    EXPECT_EQ(Caption(w, u"ok"), u"Yes");
    EXPECT_EQ(Caption(w, u"cancel"), u"No");

    ShowBox(u"exit_game");
    game->OnKeyDown(27);
    Tick(20);
    ShowBox(u"exit_game");
    game->OnKeyDown(13);
    Tick(20);
    ShowBox(u"delete=2");
    Click(360, 270);  // on "ok"
    Tick(25);         // the click arrives one tick later, then the fade
    ShowBox(u"delete=3");
    Click(660, 270);  // on "cancel"
    Tick(25);
    EXPECT_EQ(hidden,
              (std::vector<std::string>{"exit_game=1", "exit_game=0", "delete=2=0", "delete=3=1"}));
    EXPECT_EQ(game->modalCount, 0);
}

TEST_F(MessageBoxTest, ShowingTheBoxAgainInPlaceHoldsOneModalLayer) {
    Create(kLinesScript);
    box->SetButtons(u"Ok", u"Cancel");
    ShowBox(u"first");
    ShowBox(u"second");  // refilled while visible: keeps its place
    EXPECT_EQ(gui->shown().size(), 1u);
    EXPECT_EQ(game->modalCount, 1);
    game->OnKeyDown(13);
    Tick(20);
    EXPECT_EQ(game->modalCount, 0);
    EXPECT_EQ(hidden, (std::vector<std::string>{"second=0"}));
}

TEST_F(MessageBoxTest, ABoxWithoutButtonsClosesOnlyOnAClickOnAControl) {
    cWindow* w = Create(
        uR"(
function FillWindow(wnd)
    local close = createButtonSysCtrl(wnd, "close")
    setCtrlRect(close, {x = 100, y = 100, w = 100, h = 40})
    setWndActive(wnd, true)
    setWndModal(wnd, true)
end
)");
    EXPECT_EQ(box->SetButtons(u"Ok", u"Cancel"), 0);  // nothing to fill, nothing fails
    ShowBox(u"bare");
    game->OnKeyDown(13);
    game->OnKeyDown(27);
    Tick(20);
    EXPECT_TRUE(gui->IsWndShown(u"messagebox"));
    EXPECT_TRUE(ClickCtrl(w, u"close"));
    Tick(20);
    EXPECT_FALSE(gui->IsWndShown(u"messagebox"));
    EXPECT_EQ(hidden, (std::vector<std::string>{"bare=1"}));  // the result is left as it was
}

}  // namespace
}  // namespace qor::test
