// What the hero does at his target: chasing an enemy and striking it,
// casting an altar's spell, opening the prison.
#include <cmath>

#include "level/units/Enemy.h"
#include "level/units/Hero.h"
#include "level/LevelWidget.h"
#include "level/units/Prison.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

constexpr float kChaseSeconds = 1.0f;
// Nearer than this the hero stops and faces the enemy.
constexpr float kCloseEnough = 50.0f;
constexpr float kStrikeStrength = 5.0f;
constexpr float kFirstStroke = 0.4f;
constexpr float kStrokePeriod = 0.3f;

bool IsGone(const cObject* object) {
    return !object || object->state == kStateGone;
}

}  // namespace

void cHero::ChaseTick() {
    if (IsGone(target)) {
        // What he was sent after is gone: he stops where he is.
        SetTarget(nullptr);
        SetState(kWorkerRest);
        return;
    }
    if (chaseTimer.Step(kTickSeconds) != 1) {
        SetState(kHeroReplan);
        return;
    }
    if (std::hypot(target->x - x, target->y - y) < kCloseEnough) {
        // The rest of the way is dropped: he arrives where he stands.
        path.clear();
        mover.from = mover.to = mover.current = GetPosition();
        mover.elapsed = mover.duration = 0.0f;
    }
}

void cHero::Replan() {
    cLevelWidget* level = Level();
    auto* enemy = TargetIsEnemy() ? static_cast<cEnemy*>(target) : nullptr;
    cWalkPath way;
    if (!level || !enemy || !enemy->IsTowerTarget() ||
        !level->FindPath(way, this, enemy, {}, true)) {
        SetState(kWorkerRest);
        return;
    }
    Go(std::move(way), enemy);
    enemy->jobMarkers = 1;
}

void cHero::StartStrike() {
    strokeSound = kSoundStrike;
    firstStroke = kFirstStroke;
    strokePeriod = kStrokePeriod;
    strokeTimer.Restart(0.0f, firstStroke);
    SwingAgain();
}

void cHero::SwingAgain() {
    if (IsGone(target))
        return;
    target->jobMarkers = 0;
    const char16_t digit = DirectionDigit(target->x - x, target->y - y);
    PlayAnimation(std::u16string(u"strike") + digit, qor::kAnimLoop, true);
    m_lastFrame = GetFrame();
    if (TargetIsEnemy())
        static_cast<cMan*>(target)->OnTowerAim(this);
}

void cHero::StrikeTick() {
    cLevelWidget* level = Level();
    if (!level || IsGone(target)) {
        SetTarget(nullptr);
        SetState(kWorkerIdle);
        return;
    }
    const bool stroke = strokeTimer.Step(kTickSeconds) == 2;
    if (stroke) {
        level->Host().PlaySound(strokeSound);
        strokeTimer.Restart(0.0f, strokePeriod);
    }
    // A blow lands each time the swing comes round to its start (or, for a
    // swing without frames, with each stroke).
    const int frame = GetFrame();
    const bool blow = GetFrameCount() > 1 ? frame < m_lastFrame : stroke;
    m_lastFrame = frame;
    if (!blow)
        return;
    if (TargetIsEnemy() && static_cast<cMan*>(target)->TakeHit(kStrikeStrength)) {
        SwingAgain();  // it stands: again, the strokes keeping their beat
        return;
    }
    SetState(kWorkerIdle);
}

void cHero::StartCast() {
    // The spell is cast facing the player, whichever way the target lies.
    PlayAnimation(u"magic1", qor::kAnimForwardOnce, true);
}

void cHero::CastTick() {
    if (GetFrameCount() > 1 && !IsAnimationStopped())
        return;
    cLevelWidget* level = Level();
    cObject* goal = target;
    if (level && !IsGone(goal)) {
        if (state == kHeroCastAltar) {
            level->CastAtAltar(goal);
            level->effects.AddLaser({goal->x, goal->y});
        } else if (goal->IsKind(kPrison)) {
            level->Host().Spend(goal->GetPrice());
            static_cast<cPrison*>(goal)->Open();
        }
    }
    SetTarget(nullptr);
    SetState(kWorkerIdle);
}
