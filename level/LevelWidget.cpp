// The level's life: construction, the reset between levels, the level
// states, the clock, the focus and the fireworks of a won level.
#include "level/LevelWidget.h"

#include <algorithm>

#include "engine/Font.h"
#include "level/LevelClock.h"
#include "level/replay/ReplayTap.h"
#include "level/tutorial/Train.h"
#include "level/units/Worker.h"
#include "scene/FlyingSpriteList.h"
#include "scene/ParticleManager.h"
#include "scene/SceneServices.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

constexpr float kNoWorkersSeconds = 3.0f;
constexpr float kSaluteSeconds = 0.7f;
constexpr int32_t kSalutes = 6;

const qor::cRamp kIdleRamp{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};

}  // namespace

cLevelWidget* LevelOf(const cObject* object) {
    return object && object->scene ? dynamic_cast<cLevelWidget*>(object->scene) : nullptr;
}

bool HasWorkerAssigned(const cObject* object) {
    for (const cObject* man : object->GetAssignedMen()) {
        if (man && man->IsKind(kWorkers))
            return true;
    }
    return false;
}

void PlayLevelSound(const cObject* object, int number) {
    if (cLevelWidget* level = LevelOf(object))
        level->Host().PlaySound(number);
}

cLevelWidget::cLevelWidget(const cObjectFactory* factory, cSceneServices* services,
                           cLevelHost* host)
    : cBaseWidget(kLevelWidgetName, factory, services),
      floatingTexts(Services().Batch(), qor::FindFont(u"TimesNewRomanItalic22")),
      effects(Services().Batch()),
      salutes(Services().Batch(), nullptr),
      m_host(host) {
    if (!m_host) {
        m_ownHost = std::make_unique<cLevelHost>();
        m_host = m_ownHost.get();
    }
    m_host->level = this;
    // Fireworks draw their places from the game's generator and bang
    // through the game's sounds.
    salutes = cSaluteList(Services().Batch(), &m_host->Random(), [this](std::u16string_view name) {
        const int number = FindSoundNumber(name);
        if (number >= 0)
            m_host->PlaySound(number);
    });
    highlight = Services().FindSprite(u"highlight", u"highlight");
    tasks.reserve(kTaskCapacity);
    Clear();
    g_levelView = this;
}

cLevelWidget::~cLevelWidget() {
    // A replay still listening must not keep a level that is gone.
    if (replayTap)
        replayTap->OnLevelCleared(*this);
    if (g_levelView == this)
        g_levelView = nullptr;
}

void cLevelWidget::Clear() {
    if (replayTap) {
        replayTap->OnLevelCleared(*this);
        replayTap = nullptr;
    }
    DropTutorial();
    cBaseWidget::Clear();
    commands.clear();
    hovered = nullptr;
    m_hoverCandidate = nullptr;
    back = base = hero = sawmill = mill = goldmill = bell = prison = nullptr;
    musicName.clear();
    timeLeft = 0.0f;
    cells.Fill(kTerrainGrass);
    jobQueue.clear();
    trajectory.clear();
    route.clear();
    bandits.clear();
    enemySettings = {};
    spells.clear();
    salutes.Clear();
    effects.Clear();
    floatingTexts.Clear();
    meteors.Clear();
    meteorDelay = -1.0f;
    storyStep = -1;
    storyMark = -1.0f;
    storyTimer = 0.0f;
    m_host->EndTalk();
    // The hint must not outlive the objects it may be showing.
    m_host->HideHint();
    m_host->ResetLevelStats();
    floodCells.clear();
    thawPending = 0;
    wanderCells.clear();
    tasks.clear();
    panel.Clear();
    noWorkersCheck.Restart(0.0f, kNoWorkersSeconds);
    m_noWorkersTalked = false;
    fireworks = 0;
    fireworksTimer.Restart(0.0f, kSaluteSeconds);
    salutesLeft = kSalutes;
    ambientTimer = kIdleRamp;
    introTimer = kIdleRamp;
}

void cLevelWidget::SetState(int32_t newState) {
    if (newState != state && OnStateChange(state, newState))
        state = newState;
}

bool cLevelWidget::OnStateChange(int32_t from, int32_t to) {
    if (from == kLevelIntro)
        m_host->PlaySound(kSoundStartGame);
    if (to == kLevelFinished) {
        fireworks = 1;
        m_host->PlaySound(kSoundLevelSuccess);
        for (int layer = 0; layer < kLayerCount; ++layer) {
            for (const auto& object : Layer(layer)) {
                if (!object->IsKind(kRoamingEnemies) || IsDead(object.get()))
                    continue;
                object->SetState(kStateGone);
                if (g_particles)
                    g_particles->AddSparkle(50, 15.0f, 0xFFFF0000u, {object->x, object->y});
            }
        }
    }
    return true;
}

void cLevelWidget::Update(float seconds) {
    if (replayTap && !replayTap->OnUpdate(*this, seconds))
        return;
    if (state != kLevelPlay)
        return;
    if (m_host->RunningTalk().empty())
        StepClock(seconds);
    UpdateFallingStones(seconds);
}

void cLevelWidget::StepClock(float seconds) {
    // Once every goal is met the level only waits to be declared won (a talk
    // window still closing): that wait must not cost a medal.
    const bool standing = AreTasksDone();
    float elapsed = m_host->GetLevelTime();
    if (AdvanceLevelClock(seconds, standing, silverTime, timeLeft, elapsed)) {
        m_host->PlaySound(kSoundAlarm);
        qor::cRectF clock;
        if (g_particles && m_host->ControlRect(u"level", u"time", &clock)) {
            g_particles->AddSparkle(30, 5.0f, 0xFF008000u,
                                    {clock.x + clock.w / 3.0f, clock.y + clock.h / 2.0f});
        }
    }
    if (!standing)
        m_host->AddLevelTime(seconds);
}

void cLevelWidget::Tick() {
    if (replayTap)
        replayTap->BeforeTick(*this);
    floatingTexts.Update(kTickSeconds);
    effects.Update(kTickSeconds);
    if (g_particles)
        g_particles->Update(kTickSeconds);
    if (g_flyingSprites)
        g_flyingSprites->Update(kTickSeconds);
    const uint32_t clears = ClearCount();
    LogicTick();
    if (ClearCount() != clears)
        return;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& object : Layer(layer)) {
            if (IsDead(object.get()))
                ForgetObject(object.get());
        }
    }
    RemoveDeadObjects();
    if (ambientTimer.Step(kTickSeconds) == 2) {
        m_host->PlaySound(kSoundAmbiForest);
        ambientTimer.Restart(0.0f, kAmbientSeconds);
    }
}

void cLevelWidget::StepFireworks() {
    if (!fireworks || fireworksTimer.Step(kTickSeconds) != 2)
        return;
    cRandom& random = m_host->Random();
    const float px = random.Unit() * 1024.0f;
    const float py = random.Unit() * 768.0f;
    salutes.AddSalute({px, py}, 70.0f, 0.65f, 2);
    --salutesLeft;
    fireworksTimer.Restart(0.0f, kSaluteSeconds);
    if (salutesLeft < 1) {
        fireworks = 0;
        m_host->ShowWindow(u"finish", 2);
    }
}

void cLevelWidget::OnFocus() {
    m_host->StartLevelMusic(musicName);
}

void cLevelWidget::OnUnfocus() {
    m_host->StopLevelMusic();
    m_host->EndTalk();
    floatingTexts.Clear();
    effects.Clear();
    if (g_flyingSprites)
        g_flyingSprites->Clear();
    salutes.Clear();
    if (g_particles)
        g_particles->ClearAll();
}

int cLevelWidget::OnEvent(int kind, int param) {
    HandleEvent(kind, param);
    return 0;
}

