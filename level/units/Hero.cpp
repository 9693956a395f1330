// The hero's step, speeds, animations and arrivals.
#include "level/units/Hero.h"

#include <cmath>

#include "level/units/Enemy.h"
#include "level/LevelWidget.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

constexpr float kIdleSeconds = 10.0f;
constexpr float kStopPeriod = 0.2f;

const char16_t* const kDirectional[] = {u"strike", u"run", u"walk"};

}  // namespace

void cHero::SetKind(const std::u16string& kindName) {
    cWalkman::SetKind(kindName);
    for (const char16_t* name : kDirectional)
        AddFourWays(name, u"hero_");
    // Frightened, he runs the way he always runs.
    for (char16_t d = u'0'; d <= u'3'; ++d)
        AddAnimation(std::u16string(u"fear") + d, std::u16string(u"hero_run") + d);
    AddAnimation(u"magic1", u"hero_magic1");
    AddAnimation(u"rest30", u"hero_rest30");
    AddAnimation(u"rest31", u"hero_rest30");
    SetLayer(6);
    SetState(kWorkerRest);
    if (cLevelWidget* level = Level(); level && !level->hero)
        level->hero = this;
    idleTimer.Restart(0.0f, kIdleSeconds);
}

float cHero::GetSpeed(int mode) const {
    if (mode == kWorkerWander)
        return 30.0f;
    if (mode == kWorkerFlee)
        return 220.0f;
    if (WalkingHome())
        return 40.0f;
    return 260.0f;
}

bool cHero::WalkingHome() const {
    const cLevelWidget* level = Level();
    return level && level->base && target == level->base;
}

bool cHero::TargetIsEnemy() const {
    return target && target->IsKind(kRoamingEnemies);
}

void cHero::UpdateWalkAnimation(int mode) {
    const char16_t* name = u"run";
    if (mode == kWorkerFlee || state == kWorkerFlee)
        name = u"fear";
    else if (mode == kWorkerWander || state == kWorkerWander || WalkingHome())
        name = u"walk";
    PlayDirectional(name, mover.to.x - mover.from.x, mover.to.y - mover.from.y, qor::kAnimLoop);
}

float cHero::GetAnimationSpeed() const {
    const float s = mover.speed;
    if (animationName.starts_with(u"walk"))
        return s / 30.0f;
    if (animationName.starts_with(u"run"))
        return s / 180.0f;
    if (animationName.starts_with(u"strike"))
        return 1.4f;
    return 1.0f;
}

void cHero::Tick() {
    if (state == kHeroInHouse || state == kStateGone)
        return;
    cLevelWidget* level = Level();
    // Frightened, the hero does not run about: he goes home.
    if (state == kWorkerScared) {
        if (!level || !level->base || !level->SendWorker(this, level->base, true))
            SetState(kWorkerIdle);
    }
    cWorker::Tick();
    if (state == kHeroInHouse || !level)
        return;
    if (!IsIdle()) {
        idleTimer.Restart(0.0f, kIdleSeconds);
    } else if (idleTimer.Step(kTickSeconds) != 1) {
        // Idle long enough: home into the house (tried again later when no
        // way leads there).
        if (level->base)
            level->SendWorker(this, level->base, false);
        idleTimer.Restart(0.0f, kIdleSeconds);
    }
    if (pauseTimer.Step(kTickSeconds) != 1) {
        StopEnemiesNearby();
        pauseTimer.Restart(0.0f, kStopPeriod);
    }
    switch (state) {
        case kWorkerToTarget:
            if (TargetIsEnemy())
                ChaseTick();
            break;
        case kHeroStrike:
            StrikeTick();
            break;
        case kHeroReplan:
            Replan();
            break;
        case kHeroCastAltar:
        case kHeroOpenPrison:
            CastTick();
            break;
        default:
            break;
    }
}

void cHero::StopEnemiesNearby() {
    cLevelWidget* level = Level();
    if (!level)
        return;
    std::vector<cObject*> enemies;
    level->CollectObjects(enemies, kRoamingEnemies, 6);
    for (cObject* object : enemies) {
        auto* enemy = static_cast<cEnemy*>(object);
        if (enemy->state == kStateGone || enemy->frozen || !enemy->IsVulnerable())
            continue;
        if (std::hypot(enemy->x - x, enemy->y - y) < GetRange())
            enemy->Pause();
    }
}

void cHero::Draw() {
    if (state != kHeroInHouse)
        cWorker::Draw();
}

void cHero::OnEnterState(int32_t from, int32_t to) {
    cWorker::OnEnterState(from, to);
    switch (to) {
        case kWorkerToTarget:
            if (TargetIsEnemy())
                chaseTimer.Restart(0.0f, 1.0f);
            break;
        case kHeroStrike:
            StartStrike();
            break;
        case kHeroCastAltar:
        case kHeroOpenPrison:
            StartCast();
            break;
        case kHeroInHouse:
            // Inside, he holds no place at the door.
            SetTarget(nullptr);
            visible = 0;
            break;
        default:
            break;
    }
}

void cHero::OnArrive() {
    cObject* goal = target;
    if (state != kWorkerToTarget || !goal) {
        cWorker::OnArrive();
        return;
    }
    const cLevelWidget* level = Level();
    if (goal->state == kStateGone) {
        SetTarget(nullptr);
        SetState(kWorkerRest);
    } else if (TargetIsEnemy()) {
        const auto* enemy = static_cast<const cEnemy*>(goal);
        const cCell mine = GetCell();
        const cCell theirs = enemy->GetCell();
        if (enemy->state == kEnemyDying || !enemy->IsTowerTarget())
            SetState(kWorkerRest);
        else if (std::abs(mine.i - theirs.i) <= 1 && std::abs(mine.j - theirs.j) <= 1)
            SetState(kHeroStrike);
        else
            SetState(kHeroReplan);
    } else if (goal->IsKind(kAltar)) {
        SetState(kHeroCastAltar);
    } else if (goal->IsKind(kPrison)) {
        SetState(kHeroOpenPrison);
    } else if (level && goal == level->base) {
        SetState(kHeroInHouse);
    } else {
        SetState(kWorkerRest);
    }
}
