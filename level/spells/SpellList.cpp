// The spells of a level: which altar offers which, the cast, the timers
// that end each spell, what a spell does to the island when it starts and
// ends, and the one ending with a danger in it: frozen water thaws only once
// nobody stands on the ice.
#include <algorithm>

#include "engine/Log.h"
#include "level/sites/Altar.h"
#include "level/sites/Bell.h"
#include "level/sites/Lake.h"
#include "level/LevelWidget.h"
#include "level/spells/SpellNumbers.h"
#include "level/units/Worker.h"
#include "scene/ParticleManager.h"
#include "scene/SoundNumbers.h"
#include "level/tables/SpellTable.h"

namespace {

using namespace scene_type;

constexpr char16_t kAddSpellSender[] = u"cLevelWidget::AddSpell";
// How often the thaw looks whether the ice is clear.
constexpr float kThawCheckSeconds = 0.5f;
constexpr uint32_t kRed = 0xFFFF0000u;

// Seconds a spell runs; the tree restore acts at once.
float Duration(int32_t spell) {
    switch (spell) {
        case kSpellFieldFast:
        case kSpellWorkerFast:
            return 30.0f;
        case kSpellWaterFreeze:
            return 40.0f;
        case kSpellEnemyFreeze:
            return 20.0f;
        case kSpellShield:
            return 25.0f;
        default:
            return 0.0f;
    }
}

void RedSparkle(const cObject* object) {
    if (g_particles)
        g_particles->AddSparkle(50, 15.0f, kRed, {object->x, object->y});
}

}  // namespace

void cLevelWidget::AddSpell(int32_t spell) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& object : Layer(layer)) {
            if (!object->IsKind(kAltar) || IsDead(object.get()))
                continue;
            auto* altar = static_cast<cAltar*>(object.get());
            if (altar->spell != 0)
                continue;
            altar->SetSpell(spell);
            spells.push_back({spell, -1.0f});
            return;
        }
    }
    qor::LogEntry(qor::kLogWarning, kAddSpellSender, u"no altar for this spell: %i, level name: %s",
                  spell, levelName);
}

bool cLevelWidget::IsSpellActive(int32_t spell) const {
    return std::any_of(spells.begin(), spells.end(),
                       [spell](const cSpell& s) { return s.spell == spell && s.timer >= 0.0f; });
}

bool cLevelWidget::IsSpellOffered(int32_t spell) const {
    return std::any_of(spells.begin(), spells.end(),
                       [spell](const cSpell& s) { return s.spell == spell; });
}

void cLevelWidget::CastSpell(int32_t spell) {
    const auto record = std::find_if(spells.begin(), spells.end(),
                                     [spell](const cSpell& s) { return s.spell == spell; });
    if (record == spells.end())
        return;
    record->timer = 0.0f;
    // Mana spent since the hero set out is not asked for twice: the spell
    // starts whether or not it can still be paid.
    m_host->Spend(GetSpellPrice(spell));
    std::vector<cObject*> targets;
    switch (spell) {
        case kSpellFieldFast:
            CollectObjects(targets, kField, -1);
            for (cObject* field : targets)
                field->ShowSpellEffect(spell);
            break;
        case kSpellWorkerFast:
        case kSpellShield:
            for (cWorker* man : CollectMen())
                man->ShowSpellEffect(spell);
            break;
        case kSpellWaterFreeze:
            // Frozen anew before the last ice thawed: the thaw waits for the
            // end of this freeze.
            thawPending = 0;
            CollectObjects(targets, kLake, -1);
            for (cObject* lake : targets)
                static_cast<cLake*>(lake)->SetFrozen(true);
            break;
        case kSpellTreeRestore:
            CollectObjects(targets, kTree, -1);
            for (cObject* tree : targets) {
                if (tree->state != 0)
                    continue;
                tree->SetState(kStateReady);
                tree->ShowSpellEffect(spell);
            }
            // Enemies after a tree or a worker look around again.
            targets.clear();
            CollectObjects(targets, kRoamingEnemies, -1);
            for (cObject* enemy : targets) {
                const cObject* aim = enemy->GetTarget();
                if (aim && !aim->IsKind(kBaseEnemy) && !IsDead(enemy))
                    enemy->SetState(2);
            }
            break;
        case kSpellEnemyFreeze:
            CollectObjects(targets, kRoamingEnemies, -1);
            for (cObject* enemy : targets) {
                if (!IsDead(enemy))
                    static_cast<cMan*>(enemy)->SetFrozen(true);
            }
            break;
        default:
            break;
    }
    m_host->PlaySound(kSoundBonusStart);
}

void cLevelWidget::CastAtAltar(cObject* altar) {
    if (!altar || !altar->IsKind(kAltar))
        return;
    altar->jobMarkers = 0;
    CastSpell(static_cast<cAltar*>(altar)->spell);
}

void cLevelWidget::SpellTick() {
    for (cSpell& record : spells) {
        if (record.timer < 0.0f)
            continue;
        record.timer += kTickSeconds;
        // Steps of 1/30 s add up to the duration only within a float's
        // rounding: half a step decides.
        if (record.timer + 0.5f * kTickSeconds < Duration(record.spell))
            continue;
        record.timer = -1.0f;
        std::vector<cObject*> targets;
        switch (record.spell) {
            case kSpellFieldFast:
                CollectObjects(targets, kField, -1);
                for (cObject* field : targets)
                    RedSparkle(field);
                break;
            case kSpellWorkerFast:
            case kSpellShield:
                for (cWorker* man : CollectMen())
                    RedSparkle(man);
                break;
            case kSpellWaterFreeze:
                Evacuate(kDangerWater);
                thawPending = 1;
                thawTimer.Restart(0.0f, kThawCheckSeconds);
                break;
            case kSpellEnemyFreeze:
                CollectObjects(targets, kRoamingEnemies, -1);
                for (cObject* enemy : targets) {
                    if (IsDead(enemy))
                        continue;
                    static_cast<cMan*>(enemy)->SetFrozen(false);
                    RedSparkle(enemy);
                }
                break;
            default:
                break;
        }
        m_host->PlaySound(kSoundBonusStop);
    }
    ThawTick();
}

void cLevelWidget::RingBell(cObject* clicked) {
    if (clicked && clicked->IsKind(kBell))
        static_cast<cBell*>(clicked)->Ring();
}
