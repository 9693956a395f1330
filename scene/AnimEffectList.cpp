#include "scene/AnimEffectList.h"

#include <algorithm>

#include "engine/SpriteBatch.h"

namespace {

// A sprite without a usable frame rate plays at 30 frames per second.
float FrameDurationOf(const qor::cSpriteInfo& sprite) {
    return sprite.fps > 1.1920929e-7f ? 1.0f / sprite.fps : 1.0f / 30.0f;
}

}  // namespace

cAnimEffectList::cAnimEffectList(qor::cSpriteBatch* b) : batch(b) {}

void cAnimEffectList::AddAnimation(const qor::cSpriteInfo& sprite, vec2 point, vec2 scale) {
    if (!sprite.texture)
        return;
    cEntry e;
    e.sprite = sprite;
    e.player.frameCount = sprite.frameCount;
    e.player.fps = sprite.fps;
    e.player.frameDuration = FrameDurationOf(sprite);
    e.player.Reset(qor::kAnimForwardOnce, true);
    e.position = point;
    e.scale = scale;
    entries.push_back(std::move(e));
}

void cAnimEffectList::AddLaser(vec2 point) {
    LookUpSprites();
    AddAnimation(m_laser, {point.x, point.y + 3.0f * m_laser.height}, {2.0f, 6.0f});
}

void cAnimEffectList::AddExplosion(float scale, vec2 point) {
    LookUpSprites();
    AddAnimation(m_explosion, point, {scale, scale});
}

void cAnimEffectList::Update(float seconds) {
    std::erase_if(entries, [seconds](cEntry& e) {
        e.player.Step(seconds);
        e.age += seconds;
        // The player never stops an animation of one frame (or none): such an
        // entry ends when its one frame has been shown.
        if (e.player.frameCount <= 1)
            return e.age >= e.player.frameDuration;
        return e.player.mode == qor::kAnimStopped;
    });
}

void cAnimEffectList::Draw() {
    for (const cEntry& e : entries) {
        const qor::cSpriteInfo& s = e.sprite;
        if (!s.frames || s.frameCount <= 0)
            continue;
        const int f = std::clamp(e.player.frame, 0, s.frameCount - 1);
        vec2 anchor{s.width * 0.5f, s.height * 0.5f};
        vec2 size{s.width, s.height};
        if (s.offsets && s.sizes) {
            anchor = {s.offsets[f].x, s.offsets[f].y};
            size = {s.sizes[f].x, s.sizes[f].y};
        }
        qor::DrawSprite(batch, s.texture, s.frames[f],
                        {e.position.x - e.scale.x * anchor.x, e.position.y - e.scale.y * anchor.y,
                         e.scale.x * size.x, e.scale.y * size.y},
                        0xFFFFFFFFu);
    }
}

void cAnimEffectList::LookUpSprites() {
    if (m_looked)
        return;
    m_looked = true;
    m_laser = qor::GetSpriteInfo(u"laser", u"laser");
    m_explosion = qor::GetSpriteInfo(u"explosion", u"explosion");
}
