// The named animations of scene objects and the shapes they give the object.
#include <algorithm>

#include "scene/Object.h"
#include "scene/SceneServices.h"

bool cObject::AddAnimation(const std::u16string& animation, const std::u16string& sprite,
                           const std::u16string& texture) {
    const qor::cSpriteInfo info = Services().FindSprite(texture, sprite);
    if (!info.texture)
        return false;
    animations.Add(animation, info);
    return true;
}

bool cObject::AddAnimation(const std::u16string& animation, const std::u16string& sprite) {
    const qor::cSpriteInfo info = Services().FindSprite(sprite);
    if (!info.texture)
        return false;
    animations.Add(animation, info);
    return true;
}

void cObject::PlayAnimation(const std::u16string& animation, int mode, bool restart) {
    animationName = animation;
    const qor::cSpriteInfo* sprite = animations.Find(animation);
    animations.current = sprite ? *sprite : qor::cSpriteInfo{};
    qor::cAnimPlayer& player = animations.player;
    const int count = animations.current.frameCount;
    // A sprite without a frame rate (the felling stages of a tree, the
    // ripening of a field) never advances on its own: its frame is chosen.
    player.fps = GetAnimationSpeed() * animations.current.fps;
    player.frameDuration = player.fps > 1.0e-6f ? 1.0f / player.fps : 0.0f;
    // The same animation asked for again keeps running where it is; only its
    // rate follows the new sprite and speed (a wanderer who starts to run
    // moves its legs at running pace from the first step).
    if (mode == player.mode && count == player.frameCount && !restart)
        return;
    player.frame = 0;
    player.frameCount = count;
    player.accumulated = 0.0f;
    player.direction = 1;
    SetAnimationMode(mode, true);
}

void cObject::SetAnimationMode(int mode, bool restart) {
    qor::cAnimPlayer& player = animations.player;
    player.mode = mode;
    if (mode >= qor::kAnimStopped && mode <= qor::kAnimPingPong)
        player.Reset(mode, restart);
}

void cObject::SetAnimationFrame(int32_t frame) {
    qor::cAnimPlayer& player = animations.player;
    player.Reset(qor::kAnimStopped, true);
    if (frame > 0)
        player.frame = std::max(0, std::min(frame, player.frameCount - 1));
}

qor::cRectF cObject::GetBounds() const {
    return FrameRect(animations.current, animations.player.frame, {x, y});
}

qor::cRectF cObject::GetFootprint() const {
    return WidenedFootprint(0.4f);
}

qor::cRectF cObject::WidenedFootprint(float widen) const {
    const float w = static_cast<float>(std::max(footprintWidth, 1)) * kCellSize;
    const float h = static_cast<float>(std::max(footprintHeight, 1)) * kCellSize;
    const float side = widen * w;
    const float top = widen / 2.5f * w;
    return {x - w * 0.5f - side, y - h * 0.5f - top, w + 2.0f * side, h + 2.0f * top};
}
