#include "level/units/BaseEnemy.h"

#include "engine/Log.h"
#include "level/units/Enemy.h"
#include "level/LevelWidget.h"
#include "level/spells/SpellNumbers.h"

namespace {

using namespace scene_type;

// The interval drawn for each enemy lies between once and 2.2 times the
// level's.
constexpr float kIntervalSpread = 1.2f;

}  // namespace

void cBaseEnemy::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    spawnType = kind == u"base_enemy_spirit" ? kEnemySpirit : kEnemyGold;
    AddAnimation(u"life", spawnType == kEnemySpirit ? u"skeleton_walk0" : u"goblin_walk0");
    SetLayer(6);
    SetState(kStateReady);
    PlayAnimation(u"life", qor::kAnimLoop, true);
}

float cBaseEnemy::GetInterval() const {
    const cLevelWidget* level = LevelOf(this);
    if (!level)
        return 0.0f;
    return spawnType == kEnemySpirit ? level->enemySettings.spiritInterval
                                     : level->enemySettings.goblinInterval;
}

void cBaseEnemy::Tick() {
    cObject::Tick();
    cLevelWidget* level = LevelOf(this);
    if (!level || level->IsSpellActive(kSpellEnemyFreeze))
        return;
    const int step = spawnTimer.Step(kTickSeconds);
    if (step == 0) {
        // A level that sends nobody has an interval of 0: no timer runs.
        const float interval = GetInterval();
        if (interval > 0.0f)
            spawnTimer.Restart(0.0f,
                               (1.0f + kIntervalSpread * level->Host().Random().Unit()) * interval);
        return;
    }
    if (step == 2 && CountRoamingEnemies(*level) < level->enemySettings.enemyLimit) {
        if (cEnemy* enemy = level->SpawnEnemy(spawnType, GetPosition()))
            enemy->home = this;
    }
}

void cBaseEnemy::ReportNoWay() {
    if (m_reportedNoWay)
        return;
    m_reportedNoWay = true;
    qor::LogEntry(qor::kLogWarning, u"cBaseEnemy",
                  u"An enemy of the base '%s' finds no way to anything it is after",
                  name.empty() ? kind : name);
}
