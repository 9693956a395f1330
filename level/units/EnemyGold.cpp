#include "level/units/EnemyGold.h"

#include <cmath>

#include "level/units/BaseEnemy.h"
#include "level/LevelWidget.h"
#include "level/sites/Nugget.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

constexpr float kGoblinHealth = 10.0f;
constexpr float kSpeedOut = 45.0f;
constexpr float kSpeedHomeLoaded = 30.0f;
constexpr float kSpeedHomeEmpty = 160.0f;
constexpr float kFirstStroke = 0.4f;
constexpr float kStrokePeriod = 1.0f;
// In this level the goblins dig at half pace, and nobody can click them.
constexpr char16_t kSlowDiggingLevel[] = u"030";

const char16_t* const kAnimations[] = {u"walk", u"pick", u"fear", u"bag", u"protect"};

bool IsSlowDiggingLevel(const cLevelWidget* level) {
    return level && level->levelName == kSlowDiggingLevel;
}

bool HasLoadsLeft(const cObject* nugget) {
    return nugget && nugget->IsKind(kNugget) && nugget->state != kStateGone &&
           nugget->state != kNuggetSpent;
}

}  // namespace

void cEnemyGold::SetKind(const std::u16string& kindName) {
    cEnemy::SetKind(kindName);
    for (const char16_t* name : kAnimations)
        AddFourWays(name, u"goblin_");
    health = healthMax = kGoblinHealth;
    PlayAnimation(u"walk3", qor::kAnimStopped, true);
    SetState(kEnemyThink);
}

int cEnemyGold::HitTest(qor::cVec2 point) const {
    if (IsSlowDiggingLevel(Level()) || hidden || state == kStateGone)
        return 0;
    // A goblin running off with the money can still be chased; one running
    // off empty-handed is no longer worth it.
    if (IsHeadingHome())
        return !bag.IsZero() && cLevelWidget::PixelTest(this, point) ? 1 : 0;
    return cEnemy::HitTest(point);
}

float cEnemyGold::GetSpeed(int /*mode*/) const {
    if (home && target == home)
        return bag.IsZero() ? kSpeedHomeEmpty : kSpeedHomeLoaded;
    return kSpeedOut;
}

void cEnemyGold::UpdateWalkAnimation(int /*mode*/) {
    const char16_t* name = u"walk";
    if (home && target == home) {
        if (!bag.IsZero())
            name = u"bag";
        else if (health < healthMax)
            name = u"fear";
    }
    PlayDirectional(name, mover.to.x - mover.from.x, mover.to.y - mover.from.y, qor::kAnimLoop);
}

void cEnemyGold::Think() {
    cLevelWidget* level = Level();
    if (!level)
        return;
    if (!bag.IsZero()) {
        GoHome();
        return;
    }
    cObject* nugget = ChooseNugget();
    if (!nugget) {
        if (hidden)
            SetState(kStateGone);
        else
            GoHome();
        return;
    }
    cWalkPath way;
    if (!level->FindPath(way, this, nugget, {}, true)) {
        if (home && home->IsKind(kBaseEnemy))
            static_cast<cBaseEnemy*>(home)->ReportNoWay();
        hidden = 1;
        GoHome();
        return;
    }
    hidden = 0;
    Go(std::move(way), nugget);
}

cObject* cEnemyGold::ChooseNugget() const {
    const cLevelWidget* level = Level();
    std::vector<cObject*> nuggets;
    level->CollectObjects(nuggets, kNugget, -1);
    std::vector<cObject*> goblins;
    level->CollectObjects(goblins, kEnemyGold, -1);
    cObject* best = nullptr;
    float nearest = 0.0f;
    for (cObject* nugget : nuggets) {
        if (!HasLoadsLeft(nugget))
            continue;
        bool robbed = false;
        for (const cObject* other : goblins) {
            robbed = robbed ||
                     (other != this && other->state != kStateGone && other->GetTarget() == nugget);
        }
        if (robbed)
            continue;
        const float d = std::hypot(nugget->x - x, nugget->y - y);
        if (!best || d < nearest) {
            best = nugget;
            nearest = d;
        }
    }
    return best;
}

void cEnemyGold::ArriveAt(cObject* goal) {
    SetState(HasLoadsLeft(goal) ? kEnemyBusy : kEnemyThink);
}

void cEnemyGold::OnEnterState(int32_t from, int32_t to) {
    cEnemy::OnEnterState(from, to);
    strokeSound = -1;
    if (to != kEnemyBusy || !target)
        return;
    const qor::cVec2 d = Toward(target);
    PlayDirectional(u"pick", d.x, d.y, qor::kAnimLoop);
    strokeSound = kSoundBarStone;
    firstStroke = kFirstStroke;
    strokePeriod = kStrokePeriod;
    strokeTimer.Restart(0.0f, firstStroke);
}

void cEnemyGold::StateTick() {
    if (state == kEnemyBusy)
        DigTick();
}

void cEnemyGold::DigTick() {
    cLevelWidget* level = Level();
    if (!level || !HasLoadsLeft(target)) {
        SetState(kEnemyThink);
        return;
    }
    const float step = IsSlowDiggingLevel(level) ? kTickSeconds * 0.5f : kTickSeconds;
    if (!target->DoWork(step)) {
        FinishDigging();
        return;
    }
    if (strokeTimer.Step(kTickSeconds) == 2) {
        level->Host().PlaySound(strokeSound);
        strokeTimer.Restart(0.0f, strokePeriod);
    }
}

void cEnemyGold::FinishDigging() {
    if (target)
        SetBag(target->GetProfit());
    GoHome();
}

void cEnemyGold::OnBeaten() {
    cLevelWidget* level = Level();
    if (level && !bag.IsZero()) {
        // The loot falls where a worker can stand to pick it up.
        const cCell open = level->Cells().NearestFreeCell(GetCell());
        level->SpawnItem(u"money", open.IsValid() ? CellCentre(open) : GetPosition());
        bag = {};
        level->Host().PlaySound(level->Host().Random().Pick(2) != 0 ? kSoundBanditScream1
                                                                    : kSoundBanditScream0);
    }
    GoHome();
}
