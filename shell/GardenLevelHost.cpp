#include "shell/GardenLevelHost.h"

#include "app/Game.h"
#include "engine/Music.h"
#include "engine/SoundManager.h"
#include "gui/Ctrl.h"
#include "gui/GUI.h"
#include "gui/Window.h"
#include "shell/Garden.h"
#include "shell/HintWF.h"
#include "shell/ReplayConsole.h"
#include "shell/TalkWF.h"
#include "shell/TrainWF.h"
#include "world/MapMedals.h"
#include "world/Point.h"

namespace {

constexpr float kMusicFadeSeconds = 1.0f;

qor::cGUI* Gui() {
    return qor::g_game ? qor::g_game->gui() : nullptr;
}

cHintGDWF* ObjectHint() {
    return FindHintWindow(u"hint");
}

qor::cMusic* Track(const std::u16string& name) {
    return qor::g_soundManager && !name.empty() ? qor::g_soundManager->FindMusic(name) : nullptr;
}

}  // namespace

cGardenLevelHost::cGardenLevelHost(cGarden& garden)
    : m_garden(garden), m_storyView(garden), m_story(garden.talks, m_storyView) {}

bool cGardenLevelHost::ClickTalkAt(qor::cVec2 at) {
    const cTalkWF* talk = FindTalkWindow();
    return talk && talk->BubbleAt(at) >= 0 && m_story.Click();
}

bool cGardenLevelHost::CanAfford(const ResourceSet& cost) const {
    return m_garden.CanAfford(cost);
}

bool cGardenLevelHost::Spend(const ResourceSet& cost) {
    return m_garden.Spend(cost);
}

void cGardenLevelHost::Earn(const ResourceSet& amounts) {
    m_garden.Earn(amounts);
}

ResourceSet cGardenLevelHost::GetResources() const {
    return m_garden.GetResources();
}

void cGardenLevelHost::SetResources(const ResourceSet& amounts) {
    if (cPlayer* player = m_garden.GetCurrentPlayer())
        player->resources = amounts;
}

float cGardenLevelHost::GetLevelTime() const {
    const cPlayer* player = m_garden.GetCurrentPlayer();
    return player ? player->levelTime : 0.0f;
}

void cGardenLevelHost::AddLevelTime(float seconds) {
    if (cPlayer* player = m_garden.GetCurrentPlayer())
        player->levelTime += seconds;
}

void cGardenLevelHost::ResetLevelStats() {
    if (cPlayer* player = m_garden.GetCurrentPlayer())
        player->ResetLevelStats();
}

void cGardenLevelHost::CountBuild() {
    if (cPlayer* player = m_garden.GetCurrentPlayer())
        ++player->builds;
}

bool cGardenLevelHost::TutorialWanted() const {
    if (bool recorded = false; m_garden.replays && m_garden.replays->PlayingHints(&recorded))
        return recorded;
    const cPlayer* player = m_garden.GetCurrentPlayer();
    return player && player->showHints && !MapShowsMedal(m_garden.GetCurrentLevelIndex());
}

void cGardenLevelHost::PlaySound(int number) {
    m_garden.sounds.PlaySound(number);
}

cRandom& cGardenLevelHost::Random() {
    return m_garden.random;
}

bool cGardenLevelHost::ShowHint(const std::u16string& text, const cObject* object, bool anchored) {
    cHintGDWF* hint = ObjectHint();
    if (!hint)
        return false;
    hint->ShowHint(text, object, anchored, {0.0f, 0.0f});
    return true;
}

void cGardenLevelHost::HideHint() {
    if (cHintGDWF* hint = ObjectHint()) {
        hint->HideHint();
        hint->ForgetObject(hint->object);
    }
}

void cGardenLevelHost::RefreshHint() {
    if (cHintGDWF* hint = ObjectHint())
        hint->RefreshHint();
}

void cGardenLevelHost::ShowTrainStep(const std::u16string& text, qor::cVec2 at, float radius,
                                     bool clickToContinue, int32_t flags) {
    qor::cGUI* gui = Gui();
    qor::cWindow* window = gui && gui->HasWnd(u"train") ? gui->GetWnd(u"train") : nullptr;
    if (auto* train = window ? dynamic_cast<cTrainWF*>(window->function.get()) : nullptr)
        train->ShowStep(text, at, radius, clickToContinue, flags);
}

void cGardenLevelHost::ShowWindow(const std::u16string& name, int mode) {
    m_garden.ShowScreenWindow(name, mode);
}

bool cGardenLevelHost::IsWindowShown(const std::u16string& name) const {
    const qor::cGUI* gui = Gui();
    return gui && gui->IsWndShown(name);
}

void cGardenLevelHost::CloseWindow(const std::u16string& name) {
    if (qor::cGUI* gui = Gui(); gui && gui->HasWnd(name))
        gui->CloseWnd(name);
}

bool cGardenLevelHost::ControlRect(const std::u16string& window, const std::u16string& control,
                                   qor::cRectF* rect) const {
    qor::cGUI* gui = Gui();
    qor::cWindow* w = gui && gui->HasWnd(window) ? gui->GetWnd(window) : nullptr;
    qor::cCtrl* c = w ? w->ControlAt(qor::IndexOfCtrl(w, control)) : nullptr;
    if (!c || !rect)
        return false;
    *rect = c->GetRect();
    return true;
}

qor::cVec2 cGardenLevelHost::GetCursorPos() const {
    int x = 0, y = 0;
    m_garden.GetCursorPos(&x, &y);
    return {static_cast<float>(x), static_cast<float>(y)};
}

void cGardenLevelHost::StartLevelMusic(const std::u16string& track) {
    if (qor::cMusic* menu = Track(u"music0"); menu && menu->IsActive())
        menu->Fade(false, kMusicFadeSeconds);
    m_track = track;
    if (qor::cMusic* music = Track(m_track)) {
        music->SetLoop();
        music->Fade(true, kMusicFadeSeconds);
        music->Play();
    }
}

void cGardenLevelHost::StopLevelMusic() {
    if (qor::cMusic* music = Track(m_track))
        music->Fade(false, kMusicFadeSeconds);
    m_track.clear();
    m_garden.StartMenuMusic();
}
