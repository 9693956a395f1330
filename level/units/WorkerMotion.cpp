// How a worker moves: its speeds and walking animations, strolling and
// resting while idle, fleeing, and disappearing into a house.
#include <cmath>
#include <cstdlib>

#include "level/sites/Build.h"
#include "level/LevelWidget.h"
#include "level/spells/SpellNumbers.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

// How far an idle worker strolls, in cells along each axis.
constexpr int kWanderReach = 8;
constexpr int kWanderAttempts = 10;
constexpr int32_t kWandersBeforeRest = 5;
constexpr int32_t kRestsInARow = 2;  // counted from 0: three rests
constexpr float kRestSeconds = 5.0f;

bool IsFloodCell(const cLevelWidget& level, cCell cell) {
    for (const cCell flood : level.floodCells) {
        if (flood == cell)
            return true;
    }
    return false;
}

// The first level keeps its strollers off the cells that flood.
bool SkipsFloodCells(const cLevelWidget& level) {
    return level.levelName == u"000";
}

}  // namespace

float cWorker::GetSpeed(int mode) const {
    if (mode == kWorkerToTarget && target && target->IsKind(kPrison))
        return 45.0f;
    switch (mode) {
        case kWorkerWander:
            return 25.0f;
        case kWorkerFlee:
            return 170.0f;
        case kWorkerEnterHouse:
            return 80.0f;
        default:
            return bag.IsZero() ? 230.0f : 200.0f;
    }
}

float cWorker::GetStepTime() const {
    const cLevelWidget* level = Level();
    if (level && level->IsSpellActive(kSpellWorkerFast)) {
        if (state == kWorkerToTarget)
            return 0.05333334f;
        if (state == kWorkerWork || state == kWorkerDeliver)
            return 0.06f;
    }
    return kTickSeconds;
}

void cWorker::UpdateWalkAnimation(int mode) {
    const char16_t* name = u"run";
    if (mode == kWorkerFlee || state == kWorkerFlee)
        name = u"fear";
    else if (target && target->IsKind(kPrison))
        name = u"tied";
    else if (IsCarrying())
        name = u"bag";
    else if (!target)
        name = u"walk";
    PlayDirectional(name, mover.to.x - mover.from.x, mover.to.y - mover.from.y, qor::kAnimLoop);
}

float cWorker::GetAnimationSpeed() const {
    const float s = mover.speed;
    if (animationName.starts_with(u"walk"))
        return s / 35.0f;
    if (animationName.starts_with(u"run") || animationName.starts_with(u"bag"))
        return s / 170.0f;
    if (animationName.starts_with(u"fear"))
        return s / 100.0f;
    if (animationName.starts_with(u"tied"))
        return s / 30.0f;
    if (animationName == u"rest31")
        return 0.65f;
    return 1.0f;
}

void cWorker::WalkStep() {
    // A captive whose bandit is gone walks free.
    if (state == kWorkerToTarget && IsCaptive() && threat && threat->state == kStateGone) {
        SetState(kWorkerIdle);
        return;
    }
    cWalkman::WalkStep();
    if (const cLevelWidget* level = Level(); level && level->Cells().IsFree(GetCell()))
        door = GetPosition();
}

void cWorker::IdleTick() {
    if (state == kWorkerRest) {
        RestTick();
        return;
    }
    if (++wanderCount > kWandersBeforeRest) {
        SetState(kWorkerRest);
        return;
    }
    cCell cell;
    cWalkPath way;
    if (FindWanderCell(cell, way))
        Wander(std::move(way));
    else
        SetState(kWorkerRest);
}

void cWorker::RestTick() {
    const bool timing = restTimer.Step(kTickSeconds) == 1;
    if (timing || !IsAnimationStopped())
        return;
    if (restCount > kRestsInARow) {
        SetState(kWorkerIdle);
        return;
    }
    restTimer.Restart(0.0f, kRestSeconds);
    ++restCount;
    PlayAnimation(u"rest30", qor::kAnimForwardOnce, true);
}

bool cWorker::FindWanderCell(cCell& cell, cWalkPath& way) {
    cLevelWidget* level = Level();
    if (!level || level->wanderCells.empty())
        return false;
    const cCell mine = GetCell();
    const bool skipFlood = SkipsFloodCells(*level);
    const uint32_t count = static_cast<uint32_t>(level->wanderCells.size());
    for (int attempt = 0; attempt < kWanderAttempts; ++attempt) {
        const cCell c = level->wanderCells[level->Host().Random().Next() % count];
        if (skipFlood && IsFloodCell(*level, c))
            continue;
        if (std::abs(c.i - mine.i) > kWanderReach || std::abs(c.j - mine.j) > kWanderReach)
            continue;
        if (level->Cells().CellState(c) < 0)
            continue;
        if (level->FindPath(way, this, nullptr, c, false)) {
            cell = c;
            return true;
        }
    }
    return false;
}

bool cWorker::PathToNearestCell(cCell& cell, cWalkPath& way, cCell near, bool smooth) {
    cLevelWidget* level = Level();
    if (!level)
        return false;
    const bool skipFlood = SkipsFloodCells(*level);
    cCell best;
    int bestDistance = 10000;
    for (const cCell c : level->wanderCells) {
        if (skipFlood && IsFloodCell(*level, c))
            continue;
        const int distance = std::abs(c.i - near.i) + std::abs(c.j - near.j);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = c;
        }
    }
    if (!level->Cells().IsFree(best) || !level->FindPath(way, this, nullptr, best, smooth))
        return false;
    cell = best;
    return true;
}

void cWorker::Wander(cWalkPath way) {
    SetTarget(nullptr);
    path = std::move(way);
    if (state == kWorkerWander)
        SetState(kWorkerRestart);
    SetState(kWorkerWander);
}

void cWorker::Scare(cObject* newThreat) {
    switch (state) {
        case kWorkerDeliver:
        case kWorkerStranded:
        case kWorkerInHouse:
        case kWorkerScared:
        case kWorkerFlee:
        case kWorkerHeld:
        case kWorkerEnterHouse:  // inside a building, out of reach
            return;
        default:
            break;
    }
    // A worker at a building's work place stays at it; a tied captive
    // cannot run off; one already within the house's walls is as good as in.
    const cLevelWidget* level = Level();
    const bool withinWalls = state == kWorkerToTarget && WalkingIntoHouse() && level &&
                             !level->Cells().IsFree(GetCell());
    if ((state == kWorkerWork && target && !target->workPlaces.empty()) || IsCaptive() ||
        withinWalls)
        return;
    SetTarget(nullptr);
    threat = newThreat;
    SetState(kWorkerScared);
}

void cWorker::Flee(cWalkPath way) {
    path = std::move(way);
    SetState(kWorkerFlee);
}

void cWorker::ChooseFleeWay() {
    cLevelWidget* level = Level();
    if (!level || !threat || threat->state == kStateGone) {
        SetState(kWorkerIdle);
        return;
    }
    cRandom& random = level->Host().Random();
    float dx = x - threat->x;
    float dy = y - threat->y;
    const float length = std::hypot(dx, dy);
    if (length > 0.0f) {
        dx /= length;
        dy /= length;
    } else {
        dx = 1.0f;
        dy = 0.0f;
    }
    const float turn = random.Range(-0.5236f, 0.5236f);
    const float distance = random.Range(100.0f, 200.0f);
    const float c = std::cos(turn), s = std::sin(turn);
    const qor::cVec2 goal{x + (dx * c - dy * s) * distance, y + (dx * s + dy * c) * distance};
    cCell cell;
    cWalkPath way;
    if (PathToNearestCell(cell, way, CellOfPoint(goal), true) && !(cell == GetCell())) {
        Flee(std::move(way));
        return;
    }
    if (FindWanderCell(cell, way)) {
        Flee(std::move(way));
        return;
    }
    // Nowhere to run: it stays where it is and comes to itself, rather than
    // looking for a way out every step for as long as the threat is about.
    SetState(kWorkerIdle);
}

bool cWorker::WalkingIntoHouse() const {
    return target && target->IsKind(kBuild) && target->kind == kBaseKind;
}

void cWorker::UpdateVisibility() {
    if (state != kWorkerToTarget || !visible || !target || !path.empty() ||
        !(mover.duration > 0.0f))
        return;
    const float covered = mover.elapsed / mover.duration;
    if ((WalkingIntoHouse() && covered > 0.5f) || (target->IsKind(kNode) && covered >= 0.5f)) {
        visible = 0;
        PlayLevelSound(this, kSoundWorkerIn);
    }
}
