#include "level/sites/Lake.h"

#include "level/LevelWidget.h"
#include "level/spells/SpellNumbers.h"
#include "scene/ParticleManager.h"
#include "scene/SceneServices.h"

namespace {

constexpr float kFrostStrength = 30.0f;
// Where the frost drifts from, over the lake's far side.
constexpr qor::cVec2 kFrost[3] = {{-40.0f, 150.0f}, {0.0f, 150.0f}, {40.0f, 150.0f}};

}  // namespace

void cLake::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    footprintWidth = 3;
    footprintHeight = 3;
    AddAnimation(u"freeze", u"ice");
    PlayAnimation(u"freeze", qor::kAnimLoop, true);
    SetState(kLakeWater);
}

bool cLake::OnStateChange(int32_t from, int32_t to) {
    if (!cObject::OnStateChange(from, to))
        return false;
    if (to == kLakeWater && scene) {
        scene->MarkObjectCells(this, true);
    } else if (to == kLakeFrozen) {
        if (scene)
            scene->MarkObjectCells(this, false);
        if (cLevelWidget* level = LevelOf(this))
            level->QueueCommand(this, kCommandWaysOpened, 0);
    }
    return true;
}

void cLake::SetFrozen(bool frozen) {
    if (frozen) {
        SetState(kLakeFrozen);
        ShowSpellEffect(kSpellWaterFreeze);
    } else {
        SetState(kLakeThawing);
        StopSpellEffect();
    }
}

void cLake::Tick() {
    cObject::Tick();
    if (state == kLakeThawing)
        SetState(kLakeWater);
}

void cLake::Draw() {
    if (IsFrozen())
        cObject::Draw();
}

void cLake::ShowSpellEffect(int32_t spell) {
    if (spell != kSpellWaterFreeze || frost[0].Get() || !g_particles)
        return;
    for (int k = 0; k < 3; ++k) {
        frost[k].Keep(g_particles->AddFreezeSpell(kFrostStrength));
        Services().MoveEmitter(frost[k].Get(), {x + kFrost[k].x, y + kFrost[k].y});
    }
}

void cLake::StopSpellEffect() {
    for (cKeptEmitter& kept : frost) {
        if (cEmitter* emitter = kept.Get())
            Services().FinishEmitter(emitter);
        kept.Keep(nullptr);
    }
    cObject::StopSpellEffect();
}
