#include "level/units/EnemyBandit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/Log.h"
#include "level/units/Hero.h"
#include "level/LevelWidget.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

constexpr char16_t kSender[] = u"cEnemyBandit";
constexpr float kBanditHealth = 1.0f;
constexpr float kCatchReach = 70.0f;
// A worker is caught only when the way to it is at most this many cells
// longer than the straight cell distance: nobody is caught around a corner.
constexpr int kStraightSlack = 6;
// How far a scream carries, in scare radii, and how long it takes to scream again.
constexpr float kScreamReach = 2.3f;
constexpr float kScreamRest = 20.0f;
// A bandit after a worker runs at this speed.
constexpr float kRunToWorker = 100.0f;
constexpr float kLeadCheckSeconds = 0.5f;
// Another free bandit this near takes over the road: no more hurrying.
constexpr float kMeetReach = 100.0f;

bool RampIdle(const qor::cRamp& ramp) {
    return ramp.elapsed == ramp.duration;
}

// Workers a bandit has an eye on: out in the open and nobody's captive yet.
bool IsFairGame(const cWorker* man) {
    return man->IsOutInTheOpen() && !man->IsCaptive();
}

}  // namespace

void cEnemyBandit::SetKind(const std::u16string& kindName) {
    cEnemy::SetKind(kindName);
    // Bandits wear their own figure.
    for (const char16_t* name : {u"walk", u"protect"})
        AddFourWays(name, u"bandit_");
    health = healthMax = kBanditHealth;
    PlayAnimation(u"walk3", qor::kAnimStopped, true);
    SetState(kEnemyThink);
}

bool cEnemyBandit::OnStateChange(int32_t from, int32_t to) {
    if (!cEnemy::OnStateChange(from, to))
        return false;
    if (to == kStateGone) {
        // The captive sees its bandit gone and walks free (cWorker).
        captive = nullptr;
        if (cLevelWidget* level = Level())
            std::erase(level->bandits, this);
    }
    return true;
}

float cEnemyBandit::GetSpeed(int /*mode*/) const {
    const cLevelWidget* level = Level();
    const float speed = level ? level->enemySettings.banditSpeed : cEnemySettings{}.banditSpeed;
    if (leading)
        return 2.0f * speed;
    if (target && target->IsKind(kWorker))
        return kRunToWorker;
    return speed;
}

bool cEnemyBandit::IsActive() const {
    return state == kEnemyDecide || state == kEnemyWalk || state == kEnemyThink;
}

float cEnemyBandit::GetCatchDistance() const {
    const bool afterWorker = captive || (target && target->IsKind(kWorker));
    return leading || afterWorker ? 0.0f : kCatchReach;
}

void cEnemyBandit::ScareNearby() {
    cLevelWidget* level = Level();
    if (!level)
        return;
    const float radius = GetScareRadius();
    // The hero keeps away from bandits, unless he is coming for this one.
    if (cObject* hero = level->hero; hero && hero->state != kStateGone &&
                                     hero->state != kHeroInHouse && !IsHeroAfterMe() &&
                                     std::hypot(hero->x - x, hero->y - y) < radius)
        static_cast<cWorker*>(hero)->Scare(this);
    bool caught = false;
    std::vector<cObject*> workers;
    level->CollectObjects(workers, kWorker, 6);
    for (cObject* object : workers) {
        auto* man = static_cast<cWorker*>(object);
        if (!IsFairGame(man))
            continue;
        const float d = std::hypot(man->x - x, man->y - y);
        if (!captive && RampIdle(screamTimer) && man->IsIdle() && d < kScreamReach * radius) {
            level->Host().PlaySound(level->Host().Random().Pick(2) != 0 ? kSoundBanditScream1
                                                                        : kSoundBanditScream0);
            screamTimer.Restart(0.0f, kScreamRest);
        }
        if (man->IsIdle() && d < radius)
            man->Scare(this);
        cWalkPath way;
        if (!caught && d < GetCatchDistance() && CanCatch(man, way)) {
            Catch(man, std::move(way));
            caught = true;
        }
    }
}

bool cEnemyBandit::CanCatch(const cWorker* worker, cWalkPath& way) const {
    cLevelWidget* level = Level();
    if (!level->FindPath(way, this, worker, {}, false))
        return false;
    const cCell a = GetCell();
    const cCell b = worker->GetCell();
    const int straight = std::abs(a.i - b.i) + std::abs(a.j - b.j);
    const int walked = static_cast<int>(way.size()) - 1;
    return walked - straight < kStraightSlack;
}

void cEnemyBandit::Catch(cWorker* worker, cWalkPath way) {
    captive = worker;
    SetState(kEnemyDecide);
    worker->SetTarget(nullptr);
    worker->threat = this;
    worker->SetState(kWorkerFrozen);
    Go(std::move(way), worker);
}

void cEnemyBandit::StateTick() {
    screamTimer.Step(kTickSeconds);
    if (leading)
        CheckLeading();
    if (state == kEnemyDecide)
        Decide();
}

void cEnemyBandit::CheckLeading() {
    if (leadCheck.Step(kTickSeconds) == 1)
        return;
    leadCheck.Restart(0.0f, kLeadCheckSeconds);
    if (captive)
        return;
    const cLevelWidget* level = Level();
    for (cObject* other : level->bandits) {
        auto* bandit = static_cast<cEnemyBandit*>(other);
        if (bandit != this && !bandit->leading && !bandit->captive && bandit->state != kStateGone &&
            std::hypot(bandit->x - x, bandit->y - y) < kMeetReach) {
            leading = 0;
            return;
        }
    }
}

void cEnemyBandit::Decide() {
    if (!captive) {
        SetState(kEnemyThink);
        return;
    }
    switch (captive->state) {
        case kWorkerFrozen:
            TakeToPrison();
            return;
        case kWorkerHeld:
            // Delivered: back to the road, in a hurry.
            captive = nullptr;
            leading = 1;
            m_rejoin = true;
            SetState(kEnemyThink);
            return;
        case kWorkerLed:
            return;
        case kWorkerToTarget:
            if (captive->target && captive->target->IsKind(kPrison) && captive->threat == this)
                return;  // still on the way in
            [[fallthrough]];
        default:
            // Freed or run off somehow: the bandit lets it be.
            captive = nullptr;
            SetState(kEnemyThink);
            return;
    }
}

void cEnemyBandit::TakeToPrison() {
    cLevelWidget* level = Level();
    cObject* prison = level->prison;
    cWalkPath mine;
    if (!prison || cLevelWidget::IsDead(prison) || !level->FindPath(mine, this, prison, {}, true)) {
        qor::LogEntry(qor::kLogWarning, kSender,
                      u"No way to a prison: the bandit lets its captive go");
        ReleaseCaptive(false);
        SetState(kEnemyThink);
        return;
    }
    captive->SetState(kWorkerLed);
    if (!level->SendWorker(captive, prison, true)) {
        ReleaseCaptive(false);
        SetState(kEnemyThink);
        return;
    }
    leading = 1;
    Go(std::move(mine), prison);
}

void cEnemyBandit::ReleaseCaptive(bool sendHome) {
    cWorker* man = captive;
    captive = nullptr;
    if (!man || man->threat != this || !man->IsCaptive())
        return;
    man->threat = nullptr;
    cLevelWidget* level = Level();
    if (sendHome && level && level->base && level->SendWorker(man, level->base, true))
        return;
    man->SetTarget(nullptr);
    man->SetState(kWorkerIdle);
}

void cEnemyBandit::SetFrozen(bool freeze) {
    cEnemy::SetFrozen(freeze);
    if (!freeze || !captive)
        return;
    ReleaseCaptive(true);
    leading = 0;
    SetTarget(nullptr);
    SetState(kEnemyThink);
}

void cEnemyBandit::Think() {
    cLevelWidget* level = Level();
    if (!level)
        return;
    // Held up or fighting back while it had somebody: that comes first.
    if (captive) {
        SetState(kEnemyDecide);
        return;
    }
    const std::vector<cObject*>& road = level->trajectory;
    if (road.empty())
        return;  // nowhere to patrol: it stands where it is, watching
    const auto count = static_cast<int32_t>(road.size());
    if (m_rejoin) {
        nextNode = NearestWaypoint();
        m_rejoin = false;
    }
    nextNode = ((nextNode % count) + count) % count;
    cObject* node = road[static_cast<size_t>(nextNode)];
    cWalkPath way;
    if (level->FindPath(way, this, node, {}, false) && way.size() > 1) {
        Go(std::move(way), node);
        return;
    }
    // Standing at it already, or no way there: on to the next after a while.
    if (leading && way.size() == 1)
        leading = 0;
    nextNode = (nextNode + 1) % count;
    Pause();
}

int32_t cEnemyBandit::NearestWaypoint() const {
    const std::vector<cObject*>& road = Level()->trajectory;
    int32_t best = 0;
    float nearest = 0.0f;
    for (size_t k = 0; k < road.size(); ++k) {
        const float d = std::hypot(road[k]->x - x, road[k]->y - y);
        if (k == 0 || d < nearest) {
            nearest = d;
            best = static_cast<int32_t>(k);
        }
    }
    return best;
}

void cEnemyBandit::ArriveAt(cObject* goal) {
    if (goal == captive || goal->IsKind(kPrison)) {
        SetState(kEnemyDecide);
        return;
    }
    if (goal->IsKind(kNodeTrajectory)) {
        // Back on its road: the hurry is over.
        leading = 0;
        const std::vector<cObject*>& road = Level()->trajectory;
        for (size_t k = 0; k < road.size(); ++k) {
            if (road[k] == goal)
                nextNode = static_cast<int32_t>((k + 1) % road.size());
        }
    }
    SetState(kEnemyThink);
}

void BuildBanditRoute(cLevelWidget& level) {
    level.route.clear();
    const std::vector<cObject*>& road = level.trajectory;
    for (size_t k = 0; k + 1 < road.size(); ++k) {
        const bool last = k + 2 == road.size();
        const cCell to = road[k + 1]->GetCell();
        cWalkPath way;
        if (!level.FindPath(way, road[k], nullptr, to, false)) {
            level.route.push_back(road[k]->GetCell());
            level.route.push_back(to);
            continue;
        }
        // A leg ends where the next begins: that cell is listed once.
        const size_t cells = last ? way.size() : way.size() - 1;
        for (size_t p = 0; p < cells; ++p)
            level.route.push_back(CellOfPoint(way[p]));
    }
}

namespace {

// Where each waypoint's leg begins in the road's cells.
std::vector<size_t> LegStarts(const cLevelWidget& level) {
    std::vector<size_t> starts;
    size_t at = 0;
    for (const cObject* node : level.trajectory) {
        const cCell cell = node->GetCell();
        while (at < level.route.size() && !(level.route[at] == cell))
            ++at;
        starts.push_back(std::min(at, level.route.size()));
    }
    return starts;
}

// The road cell nearest to the bandit (Manhattan distance; the first of equals).
size_t NearestRoadCell(const cLevelWidget& level, const cObject* bandit) {
    const cCell at = bandit->GetCell();
    size_t best = 0;
    int nearest = 0;
    for (size_t k = 0; k < level.route.size(); ++k) {
        const int d = std::abs(level.route[k].i - at.i) + std::abs(level.route[k].j - at.j);
        if (k == 0 || d < nearest) {
            nearest = d;
            best = k;
        }
    }
    return best;
}

}  // namespace

void PrepareBandits(cLevelWidget& level) {
    level.bandits.clear();
    level.CollectObjects(level.bandits, kEnemyBandit, -1);
    if (!level.bandits.empty() && level.trajectory.size() < 2) {
        qor::LogEntry(qor::kLogWarning, kSender,
                      u"The bandits' road has fewer than two waypoints: they stand guard");
    }
    if (level.route.empty() || level.trajectory.size() < 2)
        return;
    // Each bandit's place on the road decides where it walks first and where
    // it stands in the line.
    const std::vector<size_t> starts = LegStarts(level);
    std::vector<std::pair<size_t, cObject*>> line;
    for (cObject* bandit : level.bandits)
        line.emplace_back(NearestRoadCell(level, bandit), bandit);
    std::stable_sort(line.begin(), line.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    level.bandits.clear();
    for (const auto& [cell, bandit] : line) {
        int32_t ahead = 0;  // past the last waypoint the road wraps round
        for (size_t k = 0; k < starts.size(); ++k) {
            if (starts[k] > cell) {
                ahead = static_cast<int32_t>(k);
                break;
            }
        }
        static_cast<cEnemyBandit*>(bandit)->JoinRoadAt(ahead);
        level.bandits.push_back(bandit);
    }
}
