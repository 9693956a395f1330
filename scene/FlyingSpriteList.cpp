#include "scene/FlyingSpriteList.h"

#include <algorithm>

#include "engine/SpriteBatch.h"
#include "scene/ParticleManager.h"

cFlyingSpriteList* g_flyingSprites = nullptr;

namespace {
constexpr int kEndBurstCount = 50;
constexpr float kEndBurstSpread = 15.0f;
}  // namespace

cFlyingSpriteList::cFlyingSpriteList(qor::cSpriteBatch* b, cParticleManager* p, bool t)
    : batch(b), particles(p), trails(t ? 1 : 0) {}

cFlyingSpriteList::~cFlyingSpriteList() {
    // The trails are left alone: the particle manager may already be gone.
    if (g_flyingSprites == this)
        g_flyingSprites = nullptr;
}

cFlyingSpriteList::cEntry* cFlyingSpriteList::AddFlyingSprite(const std::u16string& textureName,
                                                              const std::u16string& areaName) {
    cEntry& e = entries.emplace_back();
    e.sprite = qor::GetSpriteInfo(textureName, areaName);
    if (!e.sprite.texture)
        e.sprite = {};  // no frames, no size: draws nothing
    if (e.sprite.fps > 0.0f)
        e.frameDuration = 1.0f / e.sprite.fps;
    if (trails && particles) {
        e.trail = particles->AddTrail();
        e.trailStamp = particles->Stamp(e.trail);
    }
    return &e;
}

void cFlyingSpriteList::AddPathPoint(cEntry* entry, vec2 point, float time) {
    if (!entry)
        return;
    entry->path.AddKey(point, time);
    if (entry->path.KeyCount() == 1)
        entry->position = point;
}

cEmitter* cFlyingSpriteList::LiveTrail(cEntry& e) const {
    if (e.trail && (!particles || !particles->IsCurrent(e.trailStamp)))
        e.trail = nullptr;
    return e.trail;
}

void cFlyingSpriteList::Update(float seconds) {
    for (auto it = entries.begin(); it != entries.end();) {
        cEntry& e = *it;
        e.time += seconds;
        if (e.path.IsFinished(e.time)) {
            if (cEmitter* trail = LiveTrail(e)) {
                trail->Finish();
                // An icon that never flew has nowhere to burst.
                if (e.path.KeyCount() > 0) {
                    particles->AddSparkle(kEndBurstCount, kEndBurstSpread, 0xFFFFFFFFu, e.position);
                }
            }
            it = entries.erase(it);
            continue;
        }
        e.position = e.path.Evaluate(e.time);
        if (cEmitter* trail = LiveTrail(e))
            trail->position = {e.position.x, e.position.y, 0.0f};
        e.frameTimer += seconds;
        if (e.frameTimer > e.frameDuration) {
            e.frameTimer -= e.frameDuration;
            if (++e.frame >= static_cast<uint32_t>(std::max(e.sprite.frameCount, 1)))
                e.frame = 0;
        }
        ++it;
    }
}

void cFlyingSpriteList::Draw() {
    for (const cEntry& e : entries) {
        const qor::cSpriteInfo& s = e.sprite;
        if (!s.texture || !s.frames || e.frame >= static_cast<uint32_t>(s.frameCount))
            continue;
        qor::DrawSprite(
            batch, s.texture, s.frames[e.frame],
            {e.position.x - s.width * 0.5f, e.position.y - s.height * 0.5f, s.width, s.height},
            0xFFFFFFFFu);
    }
}

void cFlyingSpriteList::Clear() {
    for (cEntry& e : entries) {
        if (cEmitter* trail = LiveTrail(e))
            trail->Finish();
    }
    entries.clear();
}
