#pragma once
// What the level screens' tests share: the game object with one player, a
// stand-in level and world map, and the level's windows built control by
// control as their scripts build them (with the fixed-metric test font), so
// that the tests do not depend on the default data's layout.
#include <filesystem>
#include <memory>
#include <string>

#include "engine/StringTable.h"
#include "gui/ButtonCtrl.h"
#include "gui/FrameCtrl.h"
#include "gui/ImageCtrl.h"
#include "gui/LabelCtrl.h"
#include "gui/ProgressBarCtrl.h"
#include "gui/TextBoxCtrl.h"
#include "gui/game/CupCtrl.h"
#include "gui/game/TextAreaCtrl.h"
#include "shell/FinishWF.h"
#include "shell/Garden.h"
#include "shell/HintWF.h"
#include "shell/LevelWF.h"
#include "shell/StartWF.h"
#include "tests/GuiTestKit.h"
#include "tests/LevelFixture.h"

namespace qor::test {

class LevelScreenFixture : public GuiFixture {
  protected:
    void SetUp() override {
        GuiFixture::SetUp();
        std::filesystem::remove_all(ToUtf8(GetSystemPaths().appPath) + "/profile");
        garden = std::make_unique<cGarden>();
        garden->cMiddle::Init();
        garden->AddPlayer(garden->CreatePlayer(u""), true);
        player = garden->GetCurrentPlayer();
        for (auto [key, text] : {std::pair{u"finishTime", u"Time"},
                                 {u"finishResources", u"Goods"},
                                 {u"finishBuilds", u"Built"},
                                 {u"finishScore", u"Score"},
                                 {u"TaskDone", u"Done"},
                                 {u"TaskRemain", u"Left"}}) {
            SetLocalizedText(key, text);
        }
    }
    void TearDown() override {
        garden.reset();
        GuiFixture::TearDown();
    }

    template <class T>
    T* Add(cWindow* w, const std::u16string& name, cRectF r = {}) {
        auto* c = new T(name, w);
        c->SetRect(r.x, r.y, r.w, r.h, 0);
        c->SetFont(u"test");
        return c;
    }
    cWindow* Window(const std::u16string& name, std::unique_ptr<cWindowFunction> function,
                    bool active = true) {
        cWindow* w = gui->CreateWnd(name, std::move(function));
        w->active = active;
        return w;
    }
    void Fill(cWindow* w) { w->SendEvent(kWndFilled); }

    cWindow* Start() {
        cWindow* w = Window(u"start", std::make_unique<cStartWF>());
        Add<cTextBoxSysCtrl>(w, u"goals", {100, 400, 600, 100});
        Add<cLabelCtrl>(w, u"gold", {100, 300, 200, 40});
        Add<cLabelCtrl>(w, u"silver", {400, 300, 200, 40});
        Add<cButtonSysCtrl>(w, u"close", {400, 100, 200, 60});
        Fill(w);
        return w;
    }

    // The HUD with its three goal lines at y = 500, 440 and 380.
    cWindow* Hud() {
        cWindow* w = Window(u"level", std::make_unique<cLevelWF>());
        for (const char16_t* name : {u"wood", u"food", u"money", u"mana"})
            Add<cLabelCtrl>(w, name, {0, 700, 60, 30});
        Add<cProgressBarSysCtrl>(w, u"time", {600, 700, 200, 20});
        Add<cButtonSysCtrl>(w, u"menu", {900, 700, 100, 50});
        for (int i = 0; i < 3; ++i) {
            const std::u16string n(1, static_cast<char16_t>(u'0' + i));
            const float y = 500.0f - 60.0f * static_cast<float>(i);
            Add<cFrameCtrl>(w, u"frame_task" + n, {780, y, 230, 50});
            Add<cImageCtrl>(w, u"image_task" + n, {790, y + 5, 40, 40})->Ignore(true);
            Add<cLabelCtrl>(w, u"label_task" + n + u"0", {840, y + 25, 150, 20})->Ignore(true);
            Add<cLabelCtrl>(w, u"label_task" + n + u"1", {840, y, 150, 20})->Ignore(true);
        }
        Fill(w);
        level.panel.Bind(w);
        return w;
    }

    cWindow* Finish() {
        cWindow* w = Window(u"finish", std::make_unique<cFinishWF>());
        Add<cTextBoxSysCtrl>(w, u"vars", {200, 300, 200, 100})->SetAlign(kAlignTop, 0);
        Add<cTextBoxSysCtrl>(w, u"vals", {420, 300, 200, 100})->SetAlign(kAlignTop, 0);
        Add<cLabelCtrl>(w, u"score", {200, 200, 400, 40});
        Add<cCupCtrl>(w, u"cup", {650, 300, 160, 200});
        Add<cButtonSysCtrl>(w, u"close", {400, 100, 200, 60});
        Fill(w);
        return w;
    }
    cFinishWF* FinishFunction() {
        return dynamic_cast<cFinishWF*>(gui->GetWnd(u"finish")->function.get());
    }

    // A hint window: a frame holding only its margins around an empty text.
    template <class T>
    cWindow* Hint(const std::u16string& name, bool withText = true) {
        cWindow* w = Window(name, std::make_unique<T>(), false);
        Add<cFrameCtrl>(w, u"frame")->SetFrame(0, 0, 20, 10, 8, 8, 0);
        if (withText)
            Add<cTextAreaCtrl>(w, u"text", {10, 5, 0, 0});
        Fill(w);
        return w;
    }
    cHintGDWF* HintFunction(const std::u16string& name) { return FindHintWindow(name); }

    // Ticks with the GUI until the window is shown and settled.
    void Settle(int ticks = 20) { Tick(ticks); }

    std::unique_ptr<cGarden> garden;
    cPlayer* player = nullptr;
    cFixtureLevel level;
    cFixtureMap map;
};

}  // namespace qor::test
