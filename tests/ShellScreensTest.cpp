// The menu screens' rules without drawing: which windows may stay when
// another is shown, the message box answers the application acts on, the
// profile naming and list screens, and the main menu's keys.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/StringTable.h"
#include "gui/ButtonCtrl.h"
#include "gui/EditCtrl.h"
#include "gui/LabelCtrl.h"
#include "gui/ListSysCtrl.h"
#include "gui/MessageBoxWF.h"
#include "gui/SliderCtrl.h"
#include "shell/Garden.h"
#include "shell/MainWF.h"
#include "shell/ProfileAddWF.h"
#include "shell/ProfileNames.h"
#include "shell/ProfileSelectWF.h"
#include "tests/GuiTestKit.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

// Records every event like cRecordingWF, and fades like every game screen.
class cRecordingScreen : public cBaseWF {
  public:
    explicit cRecordingScreen(std::vector<std::string>* log) : m_log(log) {}
    int OnEvent(cWindow* window, int kind, int p1, int p2) override {
        m_log->push_back(ToUtf8(window->name) + " " + std::to_string(kind) + " " +
                         std::to_string(p1));
        return cBaseWF::OnEvent(window, kind, p1, p2);
    }

  private:
    std::vector<std::string>* m_log;
};

class ShellScreens : public GuiFixture {
  protected:
    void SetUp() override {
        GuiFixture::SetUp();
        SDL_InitSubSystem(SDL_INIT_EVENTS);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        app = fs::path(ToUtf8(GetSystemPaths().appPath));
        fs::remove_all(app / "profile");
        garden = std::make_unique<cGarden>();
        garden->cMiddle::Init();
        for (auto [key, text] : {std::pair{u"ErrorEmptyPlayerName", u"No name?"},
                                 {u"ErrorPlayerExist", u"Taken!"},
                                 {u"ConfirmExitGame", u"Leave?"},
                                 {u"ConfirmDeletePlayer", u"Delete %s?"}}) {
            SetLocalizedText(key, text);
        }
    }
    void TearDown() override {
        garden.reset();
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
        GuiFixture::TearDown();
    }

    // An active screen with these buttons (and whatever the test adds), filled.
    cWindow* Screen(const std::u16string& name, std::unique_ptr<cWindowFunction> function,
                    std::initializer_list<const char16_t*> buttons = {}) {
        cWindow* w = gui->CreateWnd(name, std::move(function));
        w->active = true;
        for (const char16_t* button : buttons)
            new cButtonSysCtrl(button, w);
        return w;
    }
    void Fill(cWindow* w) { w->SendEvent(kWndFilled); }
    cWindow* Recorder(const std::u16string& name) {
        return Screen(name, std::make_unique<cRecordingScreen>(&events));
    }
    cMessageBoxWF* MessageBox() {
        auto box = std::make_unique<cMessageBoxWF>();
        cMessageBoxWF* function = box.get();
        cWindow* w = Screen(u"messagebox", std::move(box), {u"ok", u"cancel"});
        w->modal = true;
        new cLabelCtrl(u"text", w);
        Fill(w);
        garden->messageBox = function;
        return function;
    }
    void Profiles(std::initializer_list<const char*> names) {
        int i = 0;
        for (const char* name : names) {
            std::vector<uint8_t> record = {2, 0, 0, 0, static_cast<uint8_t>(std::strlen(name)), 0};
            for (const char* c = name; *c; ++c)
                record.insert(record.end(), {static_cast<uint8_t>(*c), 0});
            record.insert(record.end(), {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
            char folder[16];
            std::snprintf(folder, sizeof folder, "plr%03d", i++);
            WriteBytes(app / "profile" / folder / "player.dat", record);
        }
        garden->cMiddle::OnEndLoading();
    }
    bool QuitRequested() {
        SDL_PumpEvents();
        return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) > 0;
    }
    std::set<std::string> ClosedWindows() {
        std::set<std::string> closed;
        for (const std::string& e : TakeEvents()) {
            const size_t space = e.find(' ');
            if (e.substr(space + 1, 3) == "11 ")
                closed.insert(e.substr(0, space));
        }
        return closed;
    }

    fs::path app;
    std::unique_ptr<cGarden> garden;
};

TEST_F(ShellScreens, ShowingAWindowClosesWhatMayNotStayBesideIt) {
    struct Case {
        std::vector<std::u16string> shown;
        std::u16string show;
        int mode;
        std::set<std::string> closed;
    };
    const std::vector<Case> cases = {
        {{u"escape"}, u"options", 2, {}},
        {{u"escape", u"main"}, u"options", 0, {"escape", "main"}},
        {{u"level"}, u"talk_2", 2, {}},
        {{u"level"}, u"hint", 2, {}},
        {{u"level", u"deal"}, u"messagebox", 1, {}},
        {{u"options", u"level"}, u"escape", 2, {"options"}},
        {{u"profile_add", u"main"}, u"profile_select", 1, {"profile_add"}},
        {{u"dump", u"main"}, u"help", 1, {"main"}},
    };
    for (const char16_t* name :
         {u"escape", u"options", u"main", u"level", u"talk_2", u"hint", u"deal", u"messagebox",
          u"profile_add", u"profile_select", u"dump", u"help"}) {
        Recorder(name);
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.show));
        for (const auto& w : std::vector(gui->shown()))
            gui->HideWnd(w->name);
        for (const auto& name : c.shown)
            gui->ShowWnd(name);
        TakeEvents();
        EXPECT_TRUE(garden->ShowScreenWindow(c.show, c.mode));
        EXPECT_EQ(ClosedWindows(), c.closed);
        EXPECT_TRUE(gui->IsWndShown(c.show));
        EXPECT_EQ(garden->GetScreenMode(), c.mode);
    }
}

TEST_F(ShellScreens, TheExitQuestionQuitsOnlyOnYes) {
    cMessageBoxWF* box = MessageBox();
    garden->ShowMessageBox(3, 2, u"Leave?", u"exit_game");
    EXPECT_EQ(dynamic_cast<cLabelCtrl*>(FindControl(u"messagebox", u"text"))->caption, u"Leave?");
    Tick(20);
    game->OnKeyDown(27);  // Escape answers no
    Tick(20);
    EXPECT_FALSE(gui->IsWndShown(u"messagebox"));
    EXPECT_EQ(box->GetResult(), 1);
    EXPECT_FALSE(QuitRequested());

    garden->ShowMessageBox(3, 2, u"Leave?", u"exit_game");
    Tick(20);
    game->OnKeyDown(13);  // Enter answers yes
    Tick(20);
    EXPECT_EQ(box->GetResult(), 0);
    EXPECT_TRUE(QuitRequested());
}

TEST_F(ShellScreens, AConfirmedDeletionReachesThePlayerList) {
    MessageBox();
    Recorder(u"profile_select");
    for (const auto& [id, ok, heard] :
         std::vector<std::tuple<std::u16string, bool, bool>>{{u"delete=1", true, true},
                                                             {u"delete=1", false, false},
                                                             {u"delete=x", true, false},
                                                             {u"remove=1", true, false}}) {
        SCOPED_TRACE(ToUtf8(id));
        garden->messageBox->SetId(id);
        garden->ShowScreenWindow(u"messagebox", 1);
        Tick(20);
        ClickCtrlIn(u"messagebox", ok ? u"ok" : u"cancel");
        Tick(20);
        bool got = false;
        for (const std::string& e : TakeEvents())
            got = got || e == "profile_select 36865 1";
        EXPECT_EQ(got, heard);
    }
}

TEST_F(ShellScreens, TypedNamesAreTrimmedCheckedAndStoredAsTyped) {
    Profiles({"Anna"});
    MessageBox();
    cWindow* list = Screen(u"profile_select", std::make_unique<cProfileSelectWF>());
    new cListSysCtrl(u"lstProfile", list);
    new cSliderSysCtrl(u"slProfile", list);
    Fill(list);
    cWindow* w = Screen(u"profile_add", std::make_unique<cProfileAddWF>(), {u"ok", u"cancel"});
    auto* edit = new cEditSysCtrl(u"name", w);
    Fill(w);
    garden->ShowScreenWindow(u"profile_add", 1);
    Tick(20);
    for (const auto& [typed, error] : std::vector<std::pair<std::u16string, std::u16string>>{
             {u"   ", u"No name?"}, {u"aNNa", u"Taken!"}}) {
        edit->SetText(typed);
        ClickCtrl(w, u"ok");
        EXPECT_EQ(dynamic_cast<cLabelCtrl*>(FindControl(u"messagebox", u"text"))->caption, error);
        EXPECT_EQ(garden->GetPlayerCount(), 1);
        gui->CloseWnd(u"messagebox");
        Tick(20);
    }
    edit->SetText(u"  Bj\u00F6rn \u2603 ");
    ClickCtrl(w, u"ok");
    EXPECT_EQ(garden->GetPlayerCount(), 2);
    EXPECT_EQ(garden->GetCurrentPlayerName(), u"Bj\u00F6rn \u2603");
    EXPECT_TRUE(fs::exists(app / "profile/plr001/player.dat")) << "written when made";
}

TEST_F(ShellScreens, NameCharactersFollowTheLocale) {
    for (const auto& [c, cjk, accepted] :
         std::vector<std::tuple<char16_t, bool, bool>>{{u'_', false, false},
                                                       {u'\u00E9', false, true},
                                                       {u'a', false, true},
                                                       {u'%', false, false},
                                                       {u'\u2026', false, false},
                                                       {u'\u02C6', false, false},
                                                       {u'\u00E9', true, false},
                                                       {u'_', true, true},
                                                       {u'Z', true, true},
                                                       {u'7', true, true},
                                                       {u' ', true, false}}) {
        EXPECT_EQ(IsProfileNameChar(c, cjk), accepted) << int(c) << (cjk ? " cjk" : "");
    }
    EXPECT_EQ(TrimProfileName(u" \t Anna Lee \u3000"), u"Anna Lee");
    EXPECT_EQ(TrimProfileName(u"   "), u"");
}

TEST_F(ShellScreens, DeletingTheFirstPlayerMakesTheSecondCurrent) {
    Profiles({"Anna", "Bruno", "Cleo"});
    MessageBox();
    cWindow* w = Screen(u"profile_select", std::make_unique<cProfileSelectWF>(),
                        {u"btAdd", u"btDelete", u"btOk"});
    auto* list = new cListSysCtrl(u"lstProfile", w);
    new cSliderSysCtrl(u"slProfile", w);
    Fill(w);
    garden->ShowScreenWindow(u"profile_select", 1);
    Tick(20);
    ASSERT_EQ(list->GetCount(), 3);
    EXPECT_EQ(list->FindSelected(0), 0);

    ClickCtrl(w, u"btDelete");
    EXPECT_EQ(garden->messageBox->GetId(), u"delete=0");
    ClickCtrlIn(u"messagebox", u"ok");
    Tick(20);
    EXPECT_EQ(garden->GetCurrentPlayerName(), u"Bruno");
    ASSERT_EQ(list->GetCount(), 2);
    EXPECT_EQ(list->GetItemText(0), u"Bruno");
    EXPECT_EQ(list->FindSelected(0), 0);
    EXPECT_FALSE(fs::exists(app / "profile/plr000"));

    // Escape with nothing chosen stays.
    list->SetSelected(0, false, false);
    game->OnKeyDown(27);
    Tick(20);
    EXPECT_TRUE(gui->IsWndShown(u"profile_select"));
}

TEST_F(ShellScreens, EscapeInTheMainMenuAsksBeforeLeaving) {
    Profiles({"Anna"});
    MessageBox();
    cWindow* w = Screen(u"main", std::make_unique<cMainGDWF>(),
                        {u"btStart", u"btProfile", u"btOptions", u"btHelp", u"btExit"});
    Fill(w);
    garden->ShowScreenWindow(u"main", 2);
    Tick(20);
    game->OnKeyDown(27);
    EXPECT_TRUE(gui->IsWndShown(u"messagebox"));
    EXPECT_EQ(garden->messageBox->GetId(), u"exit_game");
    EXPECT_FALSE(QuitRequested()) << "the main menu never quits without asking";
    // Space starts the game: the world map (the opening story is not there
    // yet), which this screen test has not built.
    game->OnKeyDown(27);
    Tick(20);
    game->OnKeyDown(32);
    EXPECT_NE(ReadLog().find(u"The screen &#39;map&#39; is not available yet"),
              std::u16string::npos);
    EXPECT_TRUE(gui->IsWndShown(u"main"));
}

}  // namespace
}  // namespace qor::test
