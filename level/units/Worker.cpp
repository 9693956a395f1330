// The worker's states: what leaving and entering each one does, the step of
// each state, arrival, and how a worker shows itself.
#include "level/units/Worker.h"

#include "level/LevelWidget.h"
#include "level/sites/Plant.h"
#include "scene/Node.h"
#include "scene/ParticleManager.h"
#include "scene/SceneDraw.h"
#include "scene/SceneServices.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

// The resting figure reaches out wider than its sprite's frame: a click near
// it still finds it.
constexpr float kRestBoundsScale = 1.14f;

bool InHouseOrPrison(int32_t state) {
    return state == kWorkerStranded || state == kWorkerInHouse || state == kWorkerHeld;
}

const char16_t* const kAnimations[][2] = {
    {u"rest30", u"worker_rest30"},
    {u"rest31", u"worker_rest30"},
    {u"collect3", u"worker_collect3"},
};
const char16_t* const kDirectional[] = {u"bag",  u"pick", u"fear", u"build",
                                        u"walk", u"tied", u"run",  u"hack"};

}  // namespace

cLevelWidget* cWorker::Level() const {
    return LevelOf(this);
}

void cWorker::SetKind(const std::u16string& kindName) {
    cWalkman::SetKind(kindName);
    for (const auto& [name, sprite] : kAnimations)
        AddAnimation(name, sprite);
    for (const char16_t* name : kDirectional)
        AddFourWays(name, u"worker_");
    SetLayer(6);
    SetState(kWorkerIdle);
    PlayAnimation(u"rest30", qor::kAnimLoop);
}

bool cWorker::OnStateChange(int32_t from, int32_t to) {
    if (!cWalkman::OnStateChange(from, to))
        return false;
    cLevelWidget* level = Level();
    if (level && (InHouseOrPrison(from) || InHouseOrPrison(to)))
        level->QueueCommand(this, kCommandRecountGoals, kTaskPopulation);
    if (from == kWorkerStranded)
        PlayLevelSound(this, kSoundWorkerJoy);
    if (from == kWorkerToTarget && !jobPrice.IsZero()) {
        if (to == kWorkerWork && target == paidJob) {
            // At the job: what was paid for it is spent for good.
            jobPrice = {};
            paidJob = nullptr;
        } else if (level) {
            level->DropPaidJob(this);
        }
    }
    if (from == kWorkerToTarget && to != kWorkerWork && !pendingIncome.IsZero()) {
        if (level)
            level->Host().Earn(pendingIncome);
        pendingIncome = {};
    }
    if (from == kWorkerWork || from == kWorkerDeliver) {
        pendingIncome = {};
        strokeTimer = qor::cRamp{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
        strokeSound = -1;
        firstStroke = 0.0f;
        strokePeriod = 0.0f;
    }
    const bool wasInside = from == kWorkerStranded || from == kWorkerInHouse;
    const bool staysInside = to == kWorkerStranded || to == kWorkerInHouse;
    if (wasInside && !staysInside)
        ShowIndicator(false);
    return true;
}

void cWorker::OnEnterState(int32_t from, int32_t to) {
    // Only going in at a door or handing goods in hides the figure; whatever
    // else a worker turns to, it shows again.
    if (to != kWorkerWork && to != kWorkerEnterHouse)
        visible = 1;
    switch (to) {
        case kWorkerToTarget:
            StartWalk(kWorkerToTarget);
            break;
        case kWorkerWander:
            StartWalk(kWorkerWander);
            break;
        case kWorkerRest:
            wanderCount = 0;
            restCount = 0;
            restTimer = qor::cRamp{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
            PlayAnimation(u"rest30", qor::kAnimForwardOnce, true);
            break;
        case kWorkerWork:
            StartWork();
            break;
        case kWorkerDeliver:
            StartDelivery();
            break;
        case kWorkerStranded:
        case kWorkerInHouse:
            SetTarget(nullptr);
            PlayAnimation(u"rest30", qor::kAnimPingPong, true);
            if (from != kWorkerStranded && from != kWorkerInHouse) {
                PlayLevelSound(this, kSoundWorkerIn);
                ShowIndicator(true);
            }
            break;
        case kWorkerFlee:
            if (cLevelWidget* level = Level();
                level && level->Host().Random().Unit() * 1000.0f > 600.0f)
                PlayLevelSound(this, kSoundWorkerFear);
            StartWalk(kWorkerFlee);
            break;
        case kWorkerFrozen:
            PlayAnimation(u"fear0", qor::kAnimLoop, true);
            PlayLevelSound(this, kSoundWorkerFear);
            break;
        default:
            break;
    }
}

void cWorker::Tick() {
    cWalkman::Tick();
    if (goHomeLater && state >= kWorkerToTarget && state <= kWorkerRest) {
        goHomeLater = 0;
        // In a level without a camp there is no house to wait in; the worker
        // stays out rather than vanish for good.
        const cLevelWidget* level = Level();
        if (!level || level->base) {
            SetState(kWorkerInHouse);
            return;
        }
    }
    switch (state) {
        case kWorkerToTarget:
        case kWorkerWander:
        case kWorkerFlee:
            WalkStep();
            UpdateVisibility();
            break;
        case kWorkerIdle:
        case kWorkerRest:
            IdleTick();
            break;
        case kWorkerWork:
            WorkTick();
            break;
        case kWorkerDeliver:
            DeliveryTick();
            break;
        case kWorkerScared:
            ChooseFleeWay();
            break;
        case kWorkerFrozen:
        case kWorkerLed:
            // The bandit that caught it is gone: free again.
            if (!threat || threat->state == kStateGone)
                SetState(kWorkerIdle);
            break;
        case kWorkerHeld:
            // Its prison is gone: out where it stood.
            if (!target || target->state == kStateGone) {
                SetTarget(nullptr);
                SetState(kWorkerIdle);
            }
            break;
        case kWorkerEnterHouse:
            DoorTick();
            break;
        default:
            break;
    }
}

void cWorker::OnArrive() {
    if (state == kWorkerToTarget && target && !target->IsKind(kNode | kNodeObj)) {
        cLevelWidget* level = Level();
        // Whatever the worker was sent to may have gone on the way.
        if (target->state == kStateGone) {
            SetTarget(nullptr);
            SetState(kWorkerIdle);
        } else if (level && !bag.IsZero() &&
                   (level->IsSawmill(target) || level->IsMill(target) ||
                    level->IsGoldmill(target))) {
            SetState(kWorkerDeliver);
        } else if (target->IsKind(kBell)) {
            // Called to the bell: the worker waits there, once its load is
            // on the way home.
            SetTarget(nullptr);
            if (!ReturnGoods())
                SetState(kWorkerIdle);
        } else if (target->IsKind(kPrison)) {
            SetState(kWorkerHeld);
        } else {
            SetState(kWorkerWork);
        }
        return;
    }
    SetState(kWorkerIdle);
}

bool cWorker::IsIdle() const {
    if (state == kWorkerWander)
        return !target || !target->IsKind(kNode);
    return state == kWorkerIdle || state == kWorkerRest;
}

bool cWorker::IsInHouse() const {
    return state == kWorkerStranded || state == kWorkerInHouse;
}

bool cWorker::IsOutInTheOpen() const {
    switch (state) {
        case kWorkerDeliver:
        case kWorkerStranded:
        case kWorkerInHouse:
        case kWorkerHeld:
        case kWorkerEnterHouse:
        case kStateGone:
            return false;
        default:
            return visible != 0;
    }
}

bool cWorker::IsCaptive() const {
    if (state == kWorkerToTarget)
        return target && target->IsKind(kPrison);
    return state == kWorkerFrozen || state == kWorkerLed || state == kWorkerHeld;
}

void cWorker::ShowIndicator(bool show) {
    if (indicator) {
        indicator->SetState(kStateGone);
        indicator = nullptr;
    }
    if (show) {
        if (cLevelWidget* level = Level())
            indicator = level->CreateObjectHint({x, y + 80.0f});
    }
}

void cWorker::Draw() {
    if (state == kWorkerDeliver || state == kWorkerHeld || state == kWorkerEnterHouse || !visible)
        return;
    if (g_sceneDraw)
        g_sceneDraw->DrawShadow({x, y}, 0xFFFFFFFFu);
    // Drawn at the sprite's own size, whatever the click area says.
    DrawSpriteRect(Services().Batch(), GetSprite(), GetFrame(), cWalkman::GetBounds(), tint);
    DrawMarkers();
}

qor::cRectF cWorker::GetBounds() const {
    qor::cRectF b = cWalkman::GetBounds();
    if (animationName.starts_with(u"rest")) {
        b = {x + (b.x - x) * kRestBoundsScale, y + (b.y - y) * kRestBoundsScale,
             b.w * kRestBoundsScale, b.h * kRestBoundsScale};
    }
    return b;
}

int cWorker::HitTest(qor::cVec2 point) const {
    // A working worker can be called off its job; other workers are not
    // clicked but looked through.
    if (state != kWorkerWork || !target)
        return 0;
    if (target->IsKind(kPlant) && target->workPlaces.size() > 1)
        return 0;
    return cLevelWidget::PixelTest(this, point) ? 1 : 0;
}

std::u16string cWorker::GetHintText() const {
    return Services().Localize(u"FreeWorker");
}

void cWorker::ShowSpellEffect(int32_t /*spell*/) {
    if (!spellEffect && g_particles)
        AttachSpellEffect(g_particles->AddWorkerSpell(20.0f), {0.0f, 130.0f});
}
