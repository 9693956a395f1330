#include "level/units/EnemySpirit.h"

#include <algorithm>
#include <cmath>

#include "level/LevelWidget.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

constexpr float kSpiritHealth = 4.0f;
// Out of a thousand, thoughts above this make the spirit stand a moment.
constexpr float kStandChance = 800.0f;
constexpr float kFadeSeconds = 1.0f;

}  // namespace

void cEnemySpirit::SetKind(const std::u16string& kindName) {
    cEnemy::SetKind(kindName);
    for (const char16_t* name : {u"walk", u"lost_hand"})
        AddFourWays(name, u"skeleton_");
    AddAnimation(u"death3", u"skeleton_death3");
    health = healthMax = kSpiritHealth;
    PlayAnimation(u"walk3", qor::kAnimStopped, true);
    SetState(kEnemyThink);
}

float cEnemySpirit::GetAnimationSpeed() const {
    if (animationName.starts_with(u"walk"))
        return mover.speed / 30.0f;
    return cEnemy::GetAnimationSpeed();
}

void cEnemySpirit::Think() {
    cLevelWidget* level = Level();
    if (!level)
        return;
    if (level->Host().Random().Unit() * 1000.0f > kStandChance) {
        SetState(kEnemyIdle);
        return;
    }
    cWalkPath way;
    if (cObject* worker = ChooseWorker(way)) {
        hidden = 0;
        Go(std::move(way), worker);
        return;
    }
    if (hidden)
        SetState(kStateGone);
    else
        GoHome();
}

cObject* cEnemySpirit::ChooseWorker(cWalkPath& way) {
    cLevelWidget* level = Level();
    std::vector<cObject*> workers;
    level->CollectObjects(workers, kWorker, 6);
    std::erase_if(workers, [](const cObject* w) {
        return !static_cast<const cWorker*>(w)->IsOutInTheOpen();
    });
    level->SortByDistance(workers, this);
    for (cObject* worker : workers) {
        if (level->FindPath(way, this, worker, {}, true))
            return worker;
    }
    return nullptr;
}

void cEnemySpirit::ArriveAt(cObject* /*goal*/) {
    SetState(kEnemyBusy);
}

void cEnemySpirit::OnEnterState(int32_t from, int32_t to) {
    cEnemy::OnEnterState(from, to);
    switch (to) {
        case kEnemyBusy:
            ScareNearby();
            DefendAgainst(target);
            break;
        case kEnemyIdle:
            DefendAgainst(nullptr);
            break;
        case kEnemyDying:
            PlayAnimation(u"death3", qor::kAnimForwardOnce, true);
            StopSpellEffect();
            PlayLevelSound(this, kSoundSpiritDeath);
            m_fade = qor::cRamp{1.0f, 1.0f, 1.0f, 1.0f / kFadeSeconds, 0.0f, 0.0f};
            break;
        default:
            break;
    }
}

void cEnemySpirit::PlayDefence(float dx, float dy) {
    // The spirit has no guard: it shakes its loose hand at whoever comes.
    PlayAnimation(std::u16string(u"lost_hand") + DirectionDigit(dx, dy), qor::kAnimForwardOnce,
                  true);
}

void cEnemySpirit::StateTick() {
    switch (state) {
        case kEnemyBusy:
        case kEnemyIdle:
            if (IsAnimationStopped())
                SetState(kEnemyThink);
            break;
        case kEnemyDying: {
            if (!IsAnimationStopped())
                break;
            if (!m_fade.HasMoved() && m_fade.duration == 0.0f)
                m_fade.SetTarget(0.0f);
            const int step = m_fade.Step(kTickSeconds);
            const auto alpha =
                static_cast<uint32_t>(std::clamp(m_fade.current, 0.0f, 1.0f) * 255.0f);
            tint = (alpha << 24) | (tint & 0x00FFFFFFu);
            if (step != 1)
                SetState(kStateGone);
            break;
        }
        default:
            break;
    }
}

void cEnemySpirit::OnBeaten() {
    SetState(kEnemyDying);
}
