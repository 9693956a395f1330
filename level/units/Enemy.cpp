// The step every enemy shares: frozen or not, walking, frightening workers,
// thinking, being held up and defending itself; how it shows itself; hits,
// aims and the freeze.
#include "level/units/Enemy.h"

#include <cmath>

#include "level/units/Hero.h"
#include "level/LevelWidget.h"
#include "level/spells/SpellNumbers.h"
#include "scene/ParticleManager.h"
#include "scene/SceneDraw.h"
#include "scene/SceneServices.h"

namespace {

using namespace scene_type;

constexpr float kScarePeriod = 0.3f;
constexpr float kPauseSeconds = 1.0f;
// Health regained per step while defending: slowly after a tower's stone,
// quickly after anything else.
constexpr float kRecoverAfterTower = 1.0f / 60.0f;
constexpr float kRecoverAfterOther = 0.1f;
// The frost over a frozen enemy, and where it hangs.
constexpr float kFrostStrength = 30.0f;
constexpr float kFrostHeight = 150.0f;
constexpr uint32_t kFrozenTint = 0xFF99D9EAu;
constexpr uint32_t kPlainTint = 0xFFFFFFFFu;
// The health bar hangs this far below the feet.
constexpr float kHealthBarDrop = 32.0f;
// The hero's states in which he is after an enemy: walking to it, striking
// it, planning the chase anew.
constexpr int32_t kHeroChasing[] = {kWorkerToTarget, kHeroStrike, kHeroReplan};

}  // namespace

cLevelWidget* cEnemy::Level() const {
    return LevelOf(this);
}

void cEnemy::SetKind(const std::u16string& kindName) {
    cMan::SetKind(kindName);
    SetLayer(6);
}

bool cEnemy::OnStateChange(int32_t from, int32_t to) {
    if (!cMan::OnStateChange(from, to))
        return false;
    if (to == kStateGone)
        StopSpellEffect();
    return true;
}

void cEnemy::OnEnterState(int32_t /*from*/, int32_t to) {
    switch (to) {
        case kEnemyWalk:
            if (!StartWalk(kEnemyWalk))
                SetState(kEnemyThink);
            break;
        case kEnemyPause: {
            waitTimer.Restart(0.0f, kPauseSeconds);
            const cLevelWidget* level = Level();
            DefendAgainst(level ? level->hero : nullptr);
            break;
        }
        case kEnemyDefend:
            DefendAgainst(attacker);
            break;
        default:
            break;
    }
}

void cEnemy::PlayDefence(float dx, float dy) {
    PlayDirectional(u"protect", dx, dy, qor::kAnimPingPong);
}

void cEnemy::DefendAgainst(const cObject* who) {
    const qor::cVec2 d = Toward(who);
    PlayDefence(d.x, d.y);
}

qor::cVec2 cEnemy::Toward(const cObject* object) const {
    if (object && (object->x != x || object->y != y))
        return {object->x - x, object->y - y};
    const qor::cVec2 way{mover.to.x - mover.from.x, mover.to.y - mover.from.y};
    if (way.x != 0.0f || way.y != 0.0f)
        return way;
    return {0.0f, -1.0f};  // toward the viewer
}

void cEnemy::Tick() {
    if (frozen && state != kEnemyDying) {
        FrozenTick();
        return;
    }
    cMan::Tick();
    if (state == kEnemyWalk)
        WalkStep();
    if (IsActive() && scareTimer.Step(kTickSeconds) != 1) {
        ScareNearby();
        scareTimer.Restart(0.0f, kScarePeriod);
    }
    switch (state) {
        case kEnemyThink:
            Think();
            break;
        case kEnemyPause:
            if (waitTimer.Step(kTickSeconds) != 1) {
                // A hero standing by keeps it where it is.
                if (IsHeroNear())
                    waitTimer.Restart(0.0f, kPauseSeconds);
                else
                    SetState(kEnemyThink);
            }
            break;
        case kEnemyDefend:
            DefendTick();
            break;
        default:
            break;
    }
    if (state != kStateGone)
        StateTick();
}

void cEnemy::FrozenTick() {
    // Nothing moves but the frost over it.
    if (FreezeEffectAlive())
        Services().MoveEmitter(freezeEffect, {x, y + kFrostHeight});
}

void cEnemy::DefendTick() {
    // A hero at it keeps it down; left alone it gets its breath back. (A
    // level without a hero must not leave its enemies defending for ever.)
    if (!IsHeroAfterMe()) {
        const bool tower = attacker && attacker->IsKind(kTower | kTowerEnemy);
        health += tower ? kRecoverAfterTower : kRecoverAfterOther;
    }
    if (health >= healthMax) {
        health = healthMax;
        SetState(kEnemyThink);
    }
}

void cEnemy::Draw() {
    if (hidden)
        return;
    if (g_sceneDraw)
        g_sceneDraw->DrawShadow({x, y}, (tint & 0xFF000000u) | 0x00FFFFFFu);
    DrawSpriteRect(Services().Batch(), GetSprite(), GetFrame(), GetBounds(), tint);
    DrawMarkers();
    if (state != kEnemyDying && (state == kEnemyDefend || health < healthMax) && g_sceneDraw &&
        healthMax > 0.0f)
        g_sceneDraw->DrawProgressBar({x, y - kHealthBarDrop}, health / healthMax);
}

qor::cVec2 cEnemy::GetHintAnchor() const {
    return {x + markerOffset.x, y + markerOffset.y};
}

int cEnemy::HitTest(qor::cVec2 point) const {
    if (hidden || IsHeadingHome() || state == kEnemyDying || state == kStateGone)
        return 0;
    return cLevelWidget::PixelTest(this, point) ? 1 : 0;
}

float cEnemy::GetAnimationSpeed() const {
    const float s = mover.speed;
    if (animationName.starts_with(u"walk"))
        return s / 40.0f;
    if (animationName.starts_with(u"bag"))
        return s / 35.0f;
    if (animationName.starts_with(u"fear"))
        return s / 100.0f;
    return 1.0f;
}

cObject* cEnemy::AssignMan(cObject* man) {
    occupant = man;
    return this;
}

void cEnemy::SetTarget(cObject* object) {
    target = object;
}

void cEnemy::OnArrive() {
    if (home && target == home) {
        SetState(kStateGone);
        return;
    }
    cObject* goal = target;
    if (!goal || goal->state == kStateGone) {
        SetTarget(nullptr);
        SetState(kEnemyThink);
        return;
    }
    ArriveAt(goal);
}

void cEnemy::OnTowerAim(cObject* by) {
    attacker = by;
    if (health <= 0.0f || state == kEnemyDying || state == kStateGone)
        return;
    if (state == kEnemyDefend) {
        DefendAgainst(attacker);
    } else {
        SetState(kEnemyDefend);
    }
}

bool cEnemy::TakeHit(float strength) {
    if (health <= 0.0f || state == kEnemyDying || state == kStateGone)
        return false;
    health -= strength;
    if (health > 0.0f)
        return true;
    health = 0.0f;
    OnBeaten();
    return false;
}

void cEnemy::Pause() {
    SetState(kEnemyPause);
}

bool cEnemy::IsHeroNear() const {
    const cLevelWidget* level = Level();
    const auto* hero = level ? static_cast<const cHero*>(level->hero) : nullptr;
    if (!hero || hero->state == kStateGone || hero->state == kHeroInHouse)
        return false;
    return std::hypot(hero->x - x, hero->y - y) < hero->GetRange();
}

bool cEnemy::IsHeroAfterMe() const {
    const cLevelWidget* level = Level();
    const cObject* hero = level ? level->hero : nullptr;
    if (!hero || hero->state == kStateGone || hero->GetTarget() != this)
        return false;
    for (int32_t s : kHeroChasing) {
        if (hero->state == s)
            return true;
    }
    return false;
}

void cEnemy::ScareNearby() {
    cLevelWidget* level = Level();
    if (!level)
        return;
    const float radius = GetScareRadius();
    for (cWorker* man : level->CollectMen()) {
        if (man->GetTypeId() == scene_type::kWorker && std::hypot(man->x - x, man->y - y) < radius)
            man->Scare(this);
    }
}

bool cEnemy::IsVulnerable() const {
    return state != kEnemyPause && state != kEnemyDying && state != kStateGone && !IsHeadingHome();
}

bool cEnemy::IsHeadingHome() const {
    return home && target == home && state == kEnemyWalk;
}

bool cEnemy::IsTowerTarget() const {
    return state != kStateGone && state != kEnemyDying && !hidden && health > 0.0f;
}

void cEnemy::GoHome() {
    cLevelWidget* level = Level();
    cWalkPath way;
    if (!level || !home || home->state == kStateGone || !FindPathHome(*level, way, this, home)) {
        SetState(kStateGone);
        return;
    }
    Go(std::move(way), home);
}

void cEnemy::SetFrozen(bool freeze) {
    if (state == kStateGone)
        return;
    frozen = freeze ? 1 : 0;
    if (freeze) {
        tint = kFrozenTint;
        ShowSpellEffect(kSpellEnemyFreeze);
    } else {
        tint = kPlainTint;
        StopSpellEffect();
    }
}

void cEnemy::ShowSpellEffect(int32_t spell) {
    if (spell != kSpellEnemyFreeze || FreezeEffectAlive() || !g_particles)
        return;
    freezeEffect = g_particles->AddFreezeSpell(kFrostStrength);
    m_freezeStamp = g_particles->Stamp(freezeEffect);
    Services().MoveEmitter(freezeEffect, {x, y + kFrostHeight});
}

void cEnemy::StopSpellEffect() {
    cMan::StopSpellEffect();
    if (FreezeEffectAlive())
        Services().FinishEmitter(freezeEffect);
    freezeEffect = nullptr;
}

bool cEnemy::FreezeEffectAlive() const {
    // The particle groups are emptied when the level is left; an emitter made
    // before that is gone with them.
    return freezeEffect && g_particles && g_particles->IsCurrent(m_freezeStamp);
}
