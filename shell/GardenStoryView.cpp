#include "shell/GardenStoryView.h"

#include "app/Game.h"
#include "engine/StringTable.h"
#include "gui/Ctrl.h"
#include "gui/GUI.h"
#include "gui/Window.h"
#include "level/tables/ResourceTable.h"
#include "scene/FlyingSpriteList.h"
#include "scene/ParticleManager.h"
#include "shell/Garden.h"
#include "shell/TalkWF.h"

using namespace qor;

namespace {

// A flight takes as long as a stage of the exchange.
constexpr float kFlightSeconds = 1.3f;

bool ControlCentre(const std::u16string& window, const std::u16string& control, vec2* at) {
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    cWindow* w = gui && gui->HasWnd(window) ? gui->GetWnd(window) : nullptr;
    cCtrl* c = w ? w->ControlAt(IndexOfCtrl(w, control)) : nullptr;
    if (!c)
        return false;
    const cRectF r = c->GetRect();
    *at = {r.x + r.w * 0.5f, r.y + r.h * 0.5f};
    return true;
}

bool IsShown(const std::u16string& name) {
    const cGUI* gui = g_game ? g_game->gui() : nullptr;
    return gui && gui->IsWndShown(name);
}

void Close(const std::u16string& name) {
    if (cGUI* gui = g_game ? g_game->gui() : nullptr; gui && gui->HasWnd(name))
        gui->CloseWnd(name);
}

}  // namespace

std::u16string cGardenStoryView::Localize(const std::u16string& key) {
    return GetLocalizedText(key);
}

void cGardenStoryView::ShowSpeakers(const std::u16string& left, const std::u16string& right) {
    if (cTalkWF* talk = FindTalkWindow())
        talk->ShowSpeakers(left, right);
}

bool cGardenStoryView::Say(const std::u16string& text, int slot, const std::u16string& speaker) {
    cTalkWF* talk = FindTalkWindow();
    return talk && talk->Say(text, slot, speaker);
}

void cGardenStoryView::CloseTalk() {
    if (IsShown(u"talk"))
        Close(u"talk");
}

void cGardenStoryView::ShowDeal() {
    m_garden.ShowScreenWindow(u"deal", 2);
}

bool cGardenStoryView::IsDealShown() const {
    return IsShown(u"deal");
}

void cGardenStoryView::CloseDeal() {
    Close(u"deal");
}

void cGardenStoryView::FlyGoods(const ResourceSet& goods, const std::u16string& fromWindow,
                                const std::u16string& fromControl, const std::u16string& toWindow,
                                const std::u16string& toControl) {
    const SpriteName icon = GetResourceIcon(goods);
    vec2 from, to;
    if (!g_flyingSprites || icon.empty() || !ControlCentre(fromWindow, fromControl, &from) ||
        !ControlCentre(toWindow, toControl, &to))
        return;
    auto* entry =
        g_flyingSprites->AddFlyingSprite(std::u16string(icon.texture), std::u16string(icon.area));
    g_flyingSprites->AddPathPoint(entry, from, 0.0f);
    g_flyingSprites->AddPathPoint(entry, to, kFlightSeconds);
}

ResourceSet cGardenStoryView::Stock() const {
    return m_garden.GetResources();
}

bool cGardenStoryView::Spend(const ResourceSet& cost) {
    return m_garden.Spend(cost);
}

void cGardenStoryView::Earn(const ResourceSet& goods) {
    m_garden.Earn(goods);
}

void cGardenStoryView::PlaySound(int number) {
    m_garden.sounds.PlaySound(number);
}
