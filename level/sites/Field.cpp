#include "level/sites/Field.h"

#include <algorithm>
#include <cmath>

#include "level/HintText.h"
#include "level/LevelWidget.h"
#include "level/spells/SpellNumbers.h"
#include "scene/ParticleManager.h"

namespace {

// Growth per tick under the field spell, against 1/30 s without.
constexpr float kSpellGrowthStep = 0.11f;

bool FieldSpellActive(const cObject* field) {
    const cLevelWidget* level = LevelOf(field);
    return level && level->IsSpellActive(kSpellFieldFast);
}

}  // namespace

void cField::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    AddAnimation(u"grow", kind);
    profit = {0, 20, 0, 0};
    SetState(kFieldGrowing);
}

float cField::GetGrowTime() {
    cLevelWidget* level = LevelOf(this);
    const float r = level ? level->Host().Random().Unit() : 0.0f;
    return 16.0f + 7.0f * r;
}

bool cField::OnStateChange(int32_t from, int32_t to) {
    if (!cObject::OnStateChange(from, to))
        return false;
    if (from == kFieldRipe)
        harvest = qor::cRamp{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    if (to == kFieldGrowing) {
        growth.Restart(0.0f, GetGrowTime());
        PlayAnimation(u"grow", qor::kAnimStopped, true);
    } else if (to == kFieldRipe) {
        harvest.Restart(0.0f, GetWorkTime());
        SetAnimationFrame(GetFrameCount() - 1);
        if (FieldSpellActive(this) && g_particles)
            g_particles->AddSparkle(50, 15.0f, 0xFF00FF00u, {x, y});
    }
    return true;
}

void cField::Tick() {
    cObject::Tick();
    if (state != kFieldGrowing)
        return;
    const int step = growth.Step(FieldSpellActive(this) ? kSpellGrowthStep : kTickSeconds);
    const float target = growth.to > 0.0f ? growth.to : 1.0f;
    const int last = std::max(GetFrameCount() - 1, 0);
    SetAnimationFrame(std::min(static_cast<int>(std::floor(last * growth.current / target)), last));
    // A growth that has nothing left to run (a ramp of no length) is ripe too.
    if (step != 1)
        SetState(kFieldRipe);
}

qor::cVec2 cField::GetHintAnchor() const {
    const qor::cRectF b = GetBounds();
    return {b.x + 0.9f * b.w, b.y};
}

int cField::HitTest(qor::cVec2 point) const {
    if (jobMarkers > 0 || HasWorkerAssigned(this))
        return 0;
    return cLevelWidget::PixelTest(this, point) ? 1 : 0;
}

bool cField::DoWork(float seconds) {
    if (state == kFieldGrowing)
        return false;
    if (harvest.Step(seconds) == 1)
        return true;
    SetState(kFieldGrowing);
    return false;
}

void cField::ShowSpellEffect(int32_t spell) {
    if (spell == kSpellFieldFast && !spellEffect && g_particles)
        AttachSpellEffect(g_particles->AddGrowSpell(20.0f), {0.0f, 130.0f});
}

std::u16string cField::GetHintText() const {
    if (state != kFieldRipe)
        return HintLine(*this, kind.c_str()) + HintLine(*this, u"FieldGrowing");
    return SourceHint(*this, harvest.HasMoved(), {}, profit);
}
