#include "level/sites/Tree.h"

#include <algorithm>
#include <cmath>

#include "level/HintText.h"
#include "level/LevelWidget.h"
#include "level/spells/SpellNumbers.h"
#include "scene/ParticleManager.h"
#include "scene/SceneDraw.h"
#include "scene/SceneServices.h"

namespace {

// A sprite whose top is shifted sideways by `angle`: a crown in the wind.
void DrawSwayed(qor::cSpriteBatch* batch, const qor::cSpriteInfo& sprite, int frame,
                const qor::cRectF& r, float angle, uint32_t color) {
    if (!batch || !sprite.texture || !sprite.frames || frame < 0 || frame >= sprite.frameCount)
        return;
    const float shift = r.h * std::sin(angle);
    const qor::cVec2 corners[4] = {
        {r.x, r.y}, {r.x + r.w, r.y}, {r.x + shift, r.y + r.h}, {r.x + r.w + shift, r.y + r.h}};
    DrawQuad(batch, sprite.texture, corners, sprite.frames[frame], color);
}

}  // namespace

void cTree::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    SetLayer(6);
    AddAnimation(u"life", kind);
    AddAnimation(u"broken", u"stump00");
    price = {0, 10, 0, 0};
    profit = {20, 0, 0, 0};
    shadow = {};
    swayMin = swayMax = 0.0f;
    swayPhase = 0.0f;
    // Broad crowns lean further one way than the other; slim ones evenly.
    const bool broad = kind == u"tree00" || kind == u"tree03" || kind == u"tree04";
    const bool slim = kind == u"tree01" || kind == u"tree02" || kind == u"tree05";
    if (broad || slim) {
        shadow = Services().FindSprite(broad ? u"tree00_sh" : u"tree01_sh");
        swayMin = broad ? -0.1308997f : -0.0560999f;
        swayMax = broad ? 0.0654498f : 0.0560999f;
        if (cLevelWidget* level = LevelOf(this))
            swayPhase = level->Host().Random().Unit();
    }
    SetState(kStateReady);
}

bool cTree::OnStateChange(int32_t from, int32_t to) {
    if (!cObject::OnStateChange(from, to))
        return false;
    if (to == kStateReady) {
        PlayAnimation(u"life", qor::kAnimLoop, true);
        work.Restart(0.0f, GetWorkTime());
        if (scene)
            scene->MarkObjectCells(this, true);
    } else if (to == 0) {
        if (scene)
            scene->MarkObjectCells(this, false);
        PlayAnimation(u"broken", qor::kAnimLoop, true);
    }
    return true;
}

void cTree::Tick() {
    cObject::Tick();
    if (IsBeingFelled()) {
        const int count = GetFrameCount();
        const int frame = static_cast<int>(std::floor(count * work.current / GetWorkTime()));
        SetAnimationFrame(std::min(frame, count - 1));
    }
    swayPhase += swaySpeed * kTickSeconds;
    if (swayPhase < 0.0f || swayPhase > 1.0f) {
        swayPhase = std::clamp(swayPhase, 0.0f, 1.0f);
        swaySpeed = -swaySpeed;
    }
}

void cTree::Draw() {
    qor::cSpriteBatch* batch = Services().Batch();
    if (shadow.texture)
        DrawSpriteRect(batch, shadow, 0, FrameRect(shadow, 0, {x, y}), 0xFFFFFFFFu);
    // A stump stands still; only a crown moves in the wind.
    const float angle = IsStanding() ? swayMin + (swayMax - swayMin) * swayPhase : 0.0f;
    DrawSwayed(batch, GetSprite(), GetFrame(), GetBounds(), angle, tint);
    DrawMarkers();
    if (IsBeingFelled() && g_sceneDraw)
        g_sceneDraw->DrawProgressBar({x, y - 32.0f}, work.current / GetWorkTime());
}

qor::cVec2 cTree::GetHintAnchor() const {
    const qor::cRectF b = GetBounds();
    return {b.x + 0.8f * b.w, b.y};
}

int cTree::HitTest(qor::cVec2 point) const {
    if (jobMarkers > 0 || !IsStanding() || HasWorkerAssigned(this))
        return 0;
    return cLevelWidget::PixelTest(this, point) ? 1 : 0;
}

std::u16string cTree::GetHintText() const {
    std::u16string text = HintLine(*this, u"tree");
    const ResourceSet cost = GetPrice();
    if (IsBeingFelled())
        text += HintLine(*this, u"FinishWork");
    else if (!cost.IsZero())
        text += PriceLine(*this, cost);
    if (!profit.IsZero())
        text += ProfitLine(*this, profit);
    return text;
}

bool cTree::DoWork(float seconds) {
    if (state == 0)
        return false;
    if (work.Step(seconds) == 1)
        return true;
    SetState(0);
    return false;
}

ResourceSet cTree::GetPrice() const {
    return work.HasMoved() ? ResourceSet{} : price;
}

void cTree::ShowSpellEffect(int32_t spell) {
    if (spell == kSpellTreeRestore && !spellEffect && g_particles)
        AttachSpellEffect(g_particles->AddGrowSpell(20.0f), {0.0f, 170.0f});
}
