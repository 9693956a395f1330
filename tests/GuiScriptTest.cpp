// The script side of the GUI: window scripts build windows through the GUI and
// game-control functions, CreateWindowFromScript runs the whole sequence, and
// hostile scripts (wrong types, nil and stale handles, absurd sizes, errors
// half way) are logged and survived.
#include <gtest/gtest.h>

extern "C" {
#include <lua.h>
}

#include "engine/Script.h"
#include "engine/ScriptFunctions.h"
#include "engine/StringTable.h"
#include "gui/ButtonCtrl.h"
#include "gui/EditCtrl.h"
#include "gui/FrameCtrl.h"
#include "gui/GuiScriptArgs.h"
#include "gui/GuiScriptFunctions.h"
#include "gui/LabelCtrl.h"
#include "gui/ListSysCtrl.h"
#include "gui/SliderCtrl.h"
#include "gui/WindowScript.h"
#include "gui/game/AnimationCtrl.h"
#include "gui/game/GameControlScriptFunctions.h"
#include "tests/GuiTestKit.h"

namespace qor::test {
namespace {

class GuiScriptTest : public GuiFixture {
  protected:
    void SetUp() override {
        GuiFixture::SetUp();
        cScriptFunctionHooks hooks;
        hooks.registerGuiFunctions = RegisterGuiScriptFunctions;
        hooks.registerSplashAndLoadingFunctions = [this](lua_State* L) {
            // The GUI functions come before this hook, the game's after it.
            guiBeforeSplash = IsFunction(L, "createToolbarSysCtrl");
            gameBeforeSplash = IsFunction(L, "createAnimationCtrl");
        };
        hooks.registerGameControlFunctions = RegisterGameControlScriptFunctions;
        ASSERT_TRUE(RegisterEngineScriptFunctions(hooks));
    }
    static bool IsFunction(lua_State* L, const char* name) {
        lua_getglobal(L, name);
        const bool is = lua_isfunction(L, -1);
        lua_pop(L, 1);
        return is;
    }
    cWindow* Build(const std::u16string& name, const std::string& file, const std::u16string& lua,
                   std::set<int> kinds = {kWndCreated, kWndLocaleChanged, kWndFilled}) {
        if (!lua.empty())
            WriteUtf16File(dir.path() / file, lua);
        return CreateWindowFromScript(
            name, std::make_unique<cRecordingWF>(&events, std::move(kinds)), cPath(dir.u16(file)));
    }
    int LogCount(std::u16string_view needle) {
        const std::u16string log = ReadLog();
        int n = 0;
        for (size_t at = log.find(needle); at != std::u16string::npos;
             at = log.find(needle, at + 1)) {
            ++n;
        }
        return n;
    }

    cTempFolder dir;
    bool guiBeforeSplash = false;
    bool gameBeforeSplash = true;
};

TEST_F(GuiScriptTest, EveryFunctionIsRegisteredInItsPlace) {
    EXPECT_TRUE(guiBeforeSplash);
    EXPECT_FALSE(gameBeforeSplash);
    for (const char* name : {"setWndActive",
                             "setWndModal",
                             "createCtrl",
                             "setCtrlRect",
                             "setCtrlUVRect",
                             "setCtrlFrame",
                             "setCtrlUVFrame",
                             "showCtrl",
                             "enableCtrl",
                             "ignoreCtrl",
                             "setCtrlTexture",
                             "setCtrlColor",
                             "setCtrlText",
                             "setCtrlFont",
                             "setCtrlAlign",
                             "createImageCtrl",
                             "createLabelCtrl",
                             "createFrameCtrl",
                             "drawFrameCtrlInnerRect",
                             "createProgressBarSysCtrl",
                             "createTextBoxSysCtrl",
                             "createSliderSysCtrl",
                             "setSliderCtrlMinMax",
                             "setSliderCtrlVertical",
                             "createButtonSysCtrl",
                             "setButtonSingleFrame",
                             "createLinkSysCtrl",
                             "createEditSysCtrl",
                             "setEditCtrlMaxLength",
                             "createCheckBoxSysCtrl",
                             "createListSysCtrl",
                             "setListSysCtrlMultiselect",
                             "createToolbarSysCtrl",
                             "createAnimationCtrl",
                             "setAnimationCtrlTileset",
                             "createEditorToolbarCtrl",
                             "createTextAreaCtrl",
                             "createSectorCtrl",
                             "createCupCtrl",
                             "createProgressVertCtrl"}) {
        EXPECT_TRUE(IsFunction(g_lua, name)) << name;
    }
}

TEST_F(GuiScriptTest, AWindowScriptBuildsItsControlsAndTheTextsAreTranslatedWhenFilled) {
    SetLocalizedText(u"[GameTitle]", u"Brindlemoor");
    cWindow* w = Build(u"main", "main.lua",
                       uR"(
function FillWindow(wnd)
    local title = createLabelCtrl(wnd, "title")
    setCtrlRect(title, {x = 0, y = 600, w = 1024, h = 100})
    setCtrlFont(title, "test")
    setCtrlAlign(title, align.Center + align.Middle)
    setCtrlText(title, "[GameTitle]")
    local frame = createFrameCtrl(wnd, "frame")
    setCtrlFrame(frame, {x = 10, y = 20, w = 300, h = 200}, {x = 16, y = 12})
    drawFrameCtrlInnerRect(frame, false)
    local button = createButtonSysCtrl(wnd, "ok")
    setButtonSingleFrame(button, true)
    local list = createListSysCtrl(wnd, "list")
    setCtrlRect(list, {x = 0, y = 0, w = 200, h = 24}, 8)
    setListSysCtrlMultiselect(list, true)
    local slider = createSliderSysCtrl(wnd, "volume")
    setSliderCtrlMinMax(slider, 0, 10)
    setSliderCtrlVertical(slider, true)
    local edit = createEditSysCtrl(wnd, "name")
    setEditCtrlMaxLength(edit, 12)
    local anim = createAnimationCtrl(wnd, "arrow")
    setAnimationCtrlTileset(anim, 4, 2, 15)
    setCtrlColor(title, 1, 0.5, 0)
    showCtrl(createCtrl(wnd, "hidden"), false)
    setWndActive(wnd, true)
    setWndModal(wnd, true)
end
)");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"main 8 0 0", "main 20 0 0", "main 12 0 0"}));
    EXPECT_TRUE(w->active);
    EXPECT_TRUE(w->modal);
    ASSERT_EQ(w->ControlCount(), 8);

    auto* title = dynamic_cast<cLabelCtrl*>(w->ControlAt(0));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->GetCaption(), u"Brindlemoor");  // 105 wide, 20 high
    EXPECT_FLOAT_EQ(title->GetTextRect().x, 459);    // (1024 - 105) / 2, truncated
    EXPECT_FLOAT_EQ(title->GetTextRect().y, 640);
    EXPECT_EQ(title->GetColor(), 0xFFFF7F00u);
    auto* frame = dynamic_cast<cFrameCtrl*>(w->ControlAt(1));
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->drawInner);
    EXPECT_FLOAT_EQ(frame->border.x, 16);
    EXPECT_FLOAT_EQ(frame->border.y, 12);
    EXPECT_TRUE(dynamic_cast<cButtonSysCtrl*>(w->ControlAt(2))->singleFrame);
    auto* list = dynamic_cast<cListSysCtrl*>(w->ControlAt(3));
    EXPECT_FLOAT_EQ(list->itemHeight, 24);  // the item size, not the rectangle
    EXPECT_FLOAT_EQ(list->GetRect().h, 0);
    EXPECT_TRUE(list->IsMultiselect());
    auto* slider = dynamic_cast<cSliderCtrl*>(w->ControlAt(4));
    EXPECT_FLOAT_EQ(slider->GetValue(), 10);
    EXPECT_TRUE(slider->IsVertical());
    EXPECT_EQ(dynamic_cast<cEditCtrl*>(w->ControlAt(5))->GetMaxLength(), 12);
    EXPECT_EQ(dynamic_cast<cAnimationCtrl*>(w->ControlAt(6))->player.frameCount, 8);
    EXPECT_FALSE(w->ControlAt(7)->HasFlag(kCtrlVisible));

    SetLocalizedText(u"[GameTitle]", u"Moor");
    gui->LocaleChanged();
    EXPECT_EQ(title->GetCaption(), u"Moor");
}

TEST_F(GuiScriptTest, HostileArgumentsAreLoggedAndSurvived) {
    Build(u"first", "first.lua",
          uR"(
function FillWindow(wnd)
    kept = createLabelCtrl(wnd, "kept")
    keptWindow = wnd
end
)");
    // A second window of the same name replaces the first: its handles go stale.
    cWindow* w = Build(u"first", "second.lua",
                       uR"(
function FillWindow(wnd)
    setCtrlText(kept, "stale")
    setWndActive(keptWindow, true)
    setCtrlRect(nil, {x = 1})
    setCtrlRect(12345, {x = 1})
    setCtrlRect(wnd, {x = 1})
    setWndModal(createImageCtrl(wnd, "image"), true)
    local label = createLabelCtrl(wnd, "label")
    setCtrlRect(label, "not a table", "nor a number")
    setCtrlRect(label, {x = 1e308, y = 0/0, w = -1e308, h = "tall"})
    setSliderCtrlMinMax(label, 1, 2)
    setEditCtrlMaxLength(label, 5)
    setAnimationCtrlTileset(label, 2, 2, 2)
    drawFrameCtrlInnerRect(label, true)
    local edit = createEditSysCtrl(wnd, "edit")
    setEditCtrlMaxLength(edit, 1e12)
    setCtrlText(label, {})
    setCtrlColor(label, "red")
    createLabelCtrl(nil, "orphan")
    createLabelCtrl(label, "inside a control")
    local list = createListSysCtrl(wnd, "list")
    setCtrlRect(list, {x = 0, y = 0, w = 100, h = 1e30})
    setCtrlRect(list, {x = 0, y = 0, w = 1, h = 1e-30}, 8)
    for i = 1, 5000 do createCtrl(wnd, "many") end
    done = true
end
)");
    ASSERT_NE(w, nullptr);
    lua_getglobal(g_lua, "done");
    EXPECT_TRUE(lua_toboolean(g_lua, -1));
    lua_pop(g_lua, 1);
    EXPECT_EQ(w->ControlCount(), kMaxWindowControls);
    auto* label = dynamic_cast<cLabelCtrl*>(w->ControlAt(1));
    ASSERT_NE(label, nullptr);
    EXPECT_FLOAT_EQ(label->GetRect().x, kMaxScriptCoordinate);
    EXPECT_FLOAT_EQ(label->GetRect().y, 0);
    EXPECT_FLOAT_EQ(label->GetRect().w, -kMaxScriptCoordinate);
    EXPECT_FLOAT_EQ(label->GetRect().h, 0);
    EXPECT_EQ(label->GetCaption(), u"");
    EXPECT_EQ(dynamic_cast<cEditCtrl*>(w->ControlAt(2))->GetMaxLength(), kMaxEditLength);
    auto* list = dynamic_cast<cListCtrl*>(w->ControlAt(3));
    ASSERT_NE(list, nullptr);
    EXPECT_LE(list->GetVisibleCount(), kMaxListItems);
    for (int i = 0; i < 3; ++i)
        list->InsertItem(-1, new cCtrl(u"", nullptr), i);
    list->Draw();  // every index it walks is a real item

    EXPECT_EQ(LogCount(u"Unknown control handle"), 4);
    EXPECT_EQ(LogCount(u"Unknown window handle"), 4);
    EXPECT_EQ(LogCount(u"The control has no such property"), 4);
    EXPECT_EQ(LogCount(u"Too many controls in window"), 5000 - (kMaxWindowControls - 4));
}

TEST_F(GuiScriptTest, AFailingOrMissingScriptStillLeavesAFilledWindow) {
    cWindow* half = Build(u"half", "half.lua",
                          uR"(
function FillWindow(wnd)
    createLabelCtrl(wnd, "before")
    error("broken on purpose")
    createLabelCtrl(wnd, "after")
end
)");
    EXPECT_EQ(half->ControlCount(), 1);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"half 8 0 0", "half 20 0 0", "half 12 0 0"}));
    EXPECT_EQ(LogCount(u"broken on purpose"), 1);

    cWindow* missing = Build(u"missing", "absent.lua", u"");
    EXPECT_EQ(missing->ControlCount(), 0);
    EXPECT_EQ(TakeEvents(),
              (std::vector<std::string>{"missing 8 0 0", "missing 20 0 0", "missing 12 0 0"}));

    // A script that ran but defined no FillWindow does not run the last one's.
    cWindow* bare = Build(u"bare", "bare.lua", u"x = 1\n");
    EXPECT_EQ(bare->ControlCount(), 0);
    EXPECT_EQ(LogCount(u"No FillWindow for window &#39;bare&#39;"), 1);

    // A syntax error stops before FillWindow is looked for.
    cWindow* syntax =
        Build(u"syntax", "syntax.lua", u"function FillWindow(wnd)\n createCtrl(wnd, \"x\")\n");
    EXPECT_EQ(syntax->ControlCount(), 0);
    EXPECT_TRUE(gui->HasWnd(u"syntax"));
    EXPECT_EQ(lua_gettop(g_lua), 0);
}

}  // namespace
}  // namespace qor::test
