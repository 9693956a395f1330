#include "scene/ObjectHint.h"

#include <algorithm>

#include "scene/SceneServices.h"

namespace {

constexpr float kFirstWait = 5.0f;
constexpr float kHiddenTime = 20.0f;
constexpr float kShownTime = 8.0f;
constexpr float kFadeTime = 1.0f;
// The bubble stands this far beside the point, towards the middle.
constexpr float kSide = 30.0f;
constexpr float kCloudDrop = 5.0f;

uint32_t WithAlpha(uint32_t color, float alpha) {
    const auto a = static_cast<uint32_t>(std::clamp(alpha, 0.0f, 1.0f) * 255.0f + 0.5f);
    return (color & 0x00FFFFFFu) | (a << 24);
}

}  // namespace

cObjectHint::cObjectHint(cBaseWidget* owner) : cObject(owner) {
    phaseTimer.rate = 1.0f;
    fade.rate = 1.0f;
    tint = WithAlpha(tint, 0.0f);
    StartPhase(kFirstWait);
}

void cObjectHint::StartPhase(float seconds) {
    phaseTimer.current = 0.0f;
    phaseTimer.SetTarget(seconds);
}

void cObjectHint::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    cloudSprite = Services().FindSprite(u"cloud");
    AddAnimation(u"life", u"exclamation");
    SetState(kStateReady);
    PlayAnimation(u"life", qor::kAnimLoop, true);
}

void cObjectHint::Tick() {
    cObject::Tick();
    fade.Step(kTickSeconds);
    tint = WithAlpha(tint, fade.current);
    if (phaseTimer.Step(kTickSeconds) != 2)
        return;
    if (!shown) {
        shown = 1;
        fade.SetTarget(1.0f);
        StartPhase(kFadeTime + kShownTime);
    } else {
        shown = 0;
        fade.SetTarget(0.0f);
        StartPhase(kFadeTime + kHiddenTime);
    }
}

void cObjectHint::Draw() {
    if (fade.current <= 0.0f)
        return;
    qor::cSpriteBatch* batch = Services().Batch();
    // Left of the middle the bubble stands to the right of the point, facing
    // back towards it; right of the middle, the other way round.
    const bool leftHalf = x < 512.0f;
    const float d = leftHalf ? kSide : -kSide;
    const qor::cSpriteInfo& cloud = cloudSprite;
    if (cloud.texture && cloud.frames && cloud.frameCount > 0) {
        const qor::cVec2 anchor{x + d, y - kCloudDrop};
        qor::cRectF rect{anchor.x - cloud.width * 0.5f, anchor.y - cloud.height * 0.5f, cloud.width,
                         cloud.height};
        if (cloud.offsets && cloud.sizes) {
            const qor::cVec2 size = cloud.sizes[0];
            // Mirrored, the anchor's place in the frame mirrors with it.
            const float offsetX = leftHalf ? size.x - cloud.offsets[0].x : cloud.offsets[0].x;
            rect = {anchor.x - offsetX, anchor.y - cloud.offsets[0].y, size.x, size.y};
        }
        qor::cRectF uv = cloud.frames[0];
        if (leftHalf)
            uv = {uv.x + uv.w, uv.y, -uv.w, uv.h};
        qor::DrawSprite(batch, cloud.texture, uv, rect, tint);
    }
    qor::cRectF bounds = GetBounds();
    bounds.x += d;
    DrawSpriteRect(batch, animations.current, animations.player.frame, bounds, tint);
}
