// A building's life: its kind's numbers, the site, the steps of work that
// build and upgrade it, and the worker a house brings with every new level.
#include "level/sites/Build.h"

#include <algorithm>
#include <iterator>

#include "level/sites/BuildKinds.h"
#include "level/LevelWidget.h"
#include "level/OverlayPlayer.h"
#include "level/units/Worker.h"
#include "scene/Node.h"
#include "scene/ParticleManager.h"
#include "scene/SceneServices.h"
#include "scene/SoundNumbers.h"

namespace {

constexpr float kTwoPi = 6.2831855f;
// Dust settles this long after the last stroke of work.
constexpr float kDustSeconds = 1.0f;
constexpr float kDustStrength = 0.7f;  // per unit of the building's width
// How far around its footprint a building looks for an open cell.
constexpr int kDoorSearch = 3;

bool IsHouse(const cObject& object) {
    return object.kind == u"house00";
}

}  // namespace

void cBuild::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    SetLayer(6);
    m_kind = FindBuildKind(kind);
    AddAnimation(u"life", kind);
    iconAffordable = Services().FindSprite(u"icon_build0");
    iconTooDear = Services().FindSprite(u"icon_build1");
    if (IsBase()) {
        shadow = Services().FindSprite(u"base00_sh");
        flag = Services().FindSprite(u"base00_flag");
        flagPlayer = LoopingPlayer(flag);
    }
    if (!m_kind) {
        // The camp, and any building without steps of work, simply stands.
        level = 0;
        stages = -1;
        PlayAnimation(u"life", IsBase() ? qor::kAnimLoop : qor::kAnimStopped, true);
        SetState(kStateReady);
        return;
    }
    stages = m_kind->stages;
    AddAnimation(u"none", m_kind->plot);
    if (state != 0) {
        SetState(0);
        return;
    }
    // A kind set again on a site: the new kind's plot and price.
    PlayAnimation(u"none", qor::kAnimLoop, true);
    SetupLevel();
}

bool cBuild::OnStateChange(int32_t from, int32_t to) {
    if (!cObject::OnStateChange(from, to))
        return false;
    if (to == 0) {
        // A site, or a building struck back down to one.
        level = -1;
        PlayAnimation(u"none", qor::kAnimLoop, true);
        shownStage = 0.0f;
        SetupLevel();
        return true;
    }
    if (from == 0 || from == kStateInitial)
        ShowBuilt();
    if (to == kStateReady) {
        if (level < 0) {
            // The construction is complete. A building that stands from the
            // start of the level is built as well, at level 0, but brings
            // nothing: only what the player builds counts.
            level = 0;
            cLevelWidget* playing = LevelOf(this);
            if (playing && playing->state == kLevelPlay) {
                if (IsHouse(*this)) {
                    if (cWorker* worker = playing->SpawnWorker(DoorPoint()))
                        worker->EnterWorkPlace(this);
                }
                playing->QueueCommand(this, kCommandRecountGoals, kTaskBuild);
                playing->Host().CountBuild();
            }
        }
        SetupLevel();
        SetShownStage(1.0f);
    }
    return true;
}

void cBuild::ShowBuilt() {
    // The camp's life is its bustle, always on; other buildings show their
    // finished picture.
    if (IsBase())
        return;
    PlayAnimation(u"life", qor::kAnimStopped, true);
}

void cBuild::SetupLevel() {
    price = {};
    if (!m_kind)
        return;
    const int step = level + 1;
    if (step >= 0 && step < static_cast<int>(std::size(m_kind->prices)))
        price = m_kind->prices[step];
    upgrade.rate = 1.0f;
    upgrade.Restart(0.0f, m_kind->stepWork);
}

void cBuild::SetShownStage(float fraction) {
    const qor::cSpriteInfo* life = animations.Find(u"life");
    const float frames = life && life->frameCount > 0 ? static_cast<float>(life->frameCount) : 1.0f;
    const float s = static_cast<float>(std::max(stages, 0));
    const float at =
        level < 0 ? (s + 1.0f) * fraction
                  : fraction + static_cast<float>(level) + s + (fraction < 1.0f ? 1.0f : 0.0f);
    shownStage = at / frames;
}

bool cBuild::CanUpgrade() const {
    if (IsBase() || !m_kind)
        return false;
    if (state == kStateReady)
        return level < maxLevel;
    return state == 0 || state == kBuildWorking;
}

void cBuild::LevelUp() {
    if (level >= maxLevel)
        return;
    ++level;
    SetupLevel();
    if (!IsHouse(*this))
        return;
    if (cLevelWidget* playing = LevelOf(this))
        playing->SpawnWorker(DoorPoint());
}

ResourceSet cBuild::GetPrice() const {
    // Paid once per step: when the first builder is sent. Those who join
    // later, or come back to a step begun, owe nothing.
    if (state == kBuildWorking || level >= maxLevel || upgrade.HasMoved() ||
        !GetAssignedMen().empty())
        return {};
    return price;
}

bool cBuild::DoWork(float seconds) {
    return WorkStep(seconds);
}

bool cBuild::WorkStep(float seconds) {
    if (waitEmpty || !CanUpgrade())
        return false;
    SetState(kBuildWorking);
    StepDust();
    if (upgrade.Step(seconds) == 1) {
        SetShownStage(WorkDone());
        return true;
    }
    if (level >= 0)
        LevelUp();
    SetState(kStateReady);
    CelebrateStep();
    return false;
}

void cBuild::CelebrateStep() {
    PlayLevelSound(this, kSoundBuildReady);
    if (cLevelWidget* playing = LevelOf(this))
        playing->salutes.AddSalute({x, y + 40.0f}, 70.0f, 0.65f, 0);
    waitEmpty = 1;
}

void cBuild::StepDust() {
    dustTimer = 0.0f;
    if (dust.Get() || !g_particles)
        return;
    const qor::cRectF b = GetBounds();
    dust.Keep(g_particles->AddDust(kDustStrength * b.w));
    Services().MoveEmitter(dust.Get(), {b.x + b.w * 0.5f, b.y + b.h * 0.5f});
}

void cBuild::Tick() {
    cObject::Tick();
    if (IsBase())
        flagPlayer.Step(kTickSeconds);
    affordable = 0;
    if (state == 0 || state == kStateReady) {
        const cLevelWidget* playing = LevelOf(this);
        affordable = playing && playing->Host().CanAfford(GetPrice()) ? 1 : 0;
        if (affordable) {
            iconPhase += kTickSeconds;
            if (iconPhase >= kTwoPi)
                iconPhase -= kTwoPi;
        }
    }
    if (waitEmpty && GetAssignedMen().empty())
        waitEmpty = 0;
    if (cEmitter* emitter = dust.Get()) {
        dustTimer += kTickSeconds;
        if (dustTimer >= kDustSeconds) {
            Services().FinishEmitter(emitter);
            dust.Keep(nullptr);
        }
    }
}

cObject* cBuild::AssignMan(cObject* man) {
    if (!IsBase())
        return waitEmpty ? nullptr : cObject::AssignMan(man);
    // The house holds every worker at once: nobody is kept waiting outside.
    return workPlaces.empty() ? static_cast<cObject*>(this) : workPlaces.front();
}

int cBuild::GetFreePlaces() const {
    if (IsBase())
        return 1;
    // Until the builders of a finished step have left, nobody new is taken
    // on: a worker sent now would pay for the next step and find no work.
    return waitEmpty ? 0 : cObject::GetFreePlaces();
}

qor::cVec2 cBuild::DoorPoint() const {
    if (!workPlaces.empty())
        return workPlaces.front()->GetPosition();
    const cLevelWidget* playing = LevelOf(this);
    if (!playing)
        return {x, y};
    // Nobody is ever made inside the walls: the first open cell of the rings
    // around the footprint, nearest ring first.
    const cCellRect r = playing->GetObjectCells(this);
    for (int d = 1; d <= kDoorSearch; ++d) {
        for (int j = r.firstJ - d; j <= r.lastJ + d; ++j) {
            for (int i = r.firstI - d; i <= r.lastI + d; ++i) {
                const bool ring =
                    i == r.firstI - d || i == r.lastI + d || j == r.firstJ - d || j == r.lastJ + d;
                if (ring && playing->Cells().IsFree({i, j}))
                    return CellCentre({i, j});
            }
        }
    }
    return {x, y};
}
