#include "scene/SceneDraw.h"

#include <algorithm>
#include <cmath>

#include "engine/Render.h"
#include "engine/SpriteBatch.h"

cSceneDraw* g_sceneDraw = nullptr;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;

uint32_t WhiteWithAlpha(float alpha) {
    return (static_cast<uint32_t>(255.0f * std::clamp(alpha, 0.0f, 1.0f)) << 24) | 0x00FFFFFFu;
}

bool Drawable(const qor::cSpriteInfo& s) {
    return s.texture && s.frames && s.frameCount > 0;
}

void FlushAndClear(qor::cSpriteBatch* batch) {
    if (batch && batch->runCount > 0) {
        qor::FlushBatch(batch);
        batch->Clear();
    }
}

}  // namespace

void WriteWidescreenBars(qor::cSpriteBatch* batch, const qor::cTextureRef& texture, float width,
                         float height) {
    const float w43 = height * 4.0f / 3.0f;
    const float side = (width - w43) * 0.5f;
    if (!(side > 0.0f))
        return;
    qor::DrawSprite(batch, texture, {0, 0, 1, 1}, {0, 0, side, height}, kWhite);
    qor::DrawSprite(batch, texture, {1, 0, -1, 1}, {side + w43, 0, side, height}, kWhite);
}

cSceneDraw::cSceneDraw(qor::cSpriteBatch* b) : batch(b) {}

cSceneDraw::~cSceneDraw() {
    if (g_sceneDraw == this)
        g_sceneDraw = nullptr;
}

void cSceneDraw::LoadSprites() {
    widescreenTexture = qor::FindTexture(u"widescreen");
    progressSprite = qor::GetSpriteInfo(u"gui00", u"progress");
    shadowSprite = qor::GetSpriteInfoEx(u"shadow");
}

void cSceneDraw::DrawWidescreenBars(qor::cSpriteBatch* target) {
    if (!qor::g_render || !target)
        return;
    const qor::cViewport& window = qor::g_render->windowViewport();
    const float w = static_cast<float>(window.w), h = static_cast<float>(window.h);
    if (!window.valid() || w * 3.0f <= h * 4.0f)
        return;
    // Whatever waits in the batch belongs to the virtual screen's projection.
    FlushAndClear(target);
    qor::g_render->End2D();
    qor::g_render->Begin2D(w, h, false);
    WriteWidescreenBars(target, widescreenTexture, w, h);
    FlushAndClear(target);
    qor::g_render->Begin2D(kVirtualWidth, kVirtualHeight, true);
}

void cSceneDraw::DrawProgressBar(vec2 position, float fraction) {
    const qor::cSpriteInfo& s = progressSprite;
    if (!Drawable(s))
        return;
    // Beyond 0 … 1 the crop would reach into the neighbouring art of the atlas.
    fraction = fraction > 0.0f ? std::min(fraction, 1.0f) : 0.0f;
    const float w = s.width, h = s.height;
    const float left = position.x - w * 0.5f, bottom = position.y - h * 0.5f;
    if (s.frameCount > 1)
        qor::DrawSprite(batch, s.texture, s.frames[1], {left, bottom, w, h}, kWhite);
    qor::cRectF uv = s.frames[0];
    uv.w *= fraction;
    if (fraction > 0.0f)
        qor::DrawSprite(batch, s.texture, uv, {left, bottom, w * fraction, h}, kWhite);
}

void cSceneDraw::DrawShadow(vec2 position, uint32_t color) {
    const qor::cSpriteInfo& s = shadowSprite;
    if (!Drawable(s))
        return;
    qor::DrawSprite(batch, s.texture, s.frames[0],
                    {position.x - s.width * 0.5f, position.y - s.height * 0.5f, s.width, s.height},
                    color);
}

void cSceneDraw::DrawFrameAt(const qor::cSpriteInfo& s, vec2 position, int frame, uint32_t color) {
    qor::cRectF rect{position.x, position.y, s.width, s.height};
    if (s.offsets && s.sizes) {
        rect = {position.x - s.offsets[frame].x, position.y - s.offsets[frame].y, s.sizes[frame].x,
                s.sizes[frame].y};
    }
    qor::DrawSprite(batch, s.texture, s.frames[frame], rect, color);
}

void cSceneDraw::DrawSpriteFrame(const qor::cSpriteInfo& sprite, vec2 position, int frame) {
    if (!Drawable(sprite) || frame < 0 || frame >= sprite.frameCount)
        return;
    DrawFrameAt(sprite, position, frame, kWhite);
}

void cSceneDraw::DrawSpriteAtTime(const qor::cSpriteInfo& sprite, float time, vec2 position,
                                  float blend, bool loop) {
    if (!Drawable(sprite))
        return;
    const int count = sprite.frameCount;
    const float d = sprite.fps < 1.1920929e-7f ? 0.033333335f : 1.0f / sprite.fps;
    if (!(blend >= 0.0f))
        blend = 0.6f * d;
    const float length = d * static_cast<float>(count);
    // Before the start (or no time at all) is the start.
    float t = std::isfinite(time) && time > 0.0f ? time : 0.0f;
    if (loop) {
        if (t >= length)
            t = std::fmod(t, length);
    } else {
        t = std::min(t, length);
    }
    const int o = static_cast<int>(std::min(std::trunc(t / d), static_cast<float>(count - 1)));
    const float intoFrame = t - d * static_cast<float>(o);
    if ((!loop && t <= blend) || intoFrame >= blend) {
        DrawFrameAt(sprite, position, o, kWhite);
        return;
    }
    const float s = intoFrame / blend;
    const int previous = o > 0 ? o - 1 : (loop ? count - 1 : 0);
    DrawFrameAt(sprite, position, previous, WhiteWithAlpha(1.0f - s));
    DrawFrameAt(sprite, position, o, WhiteWithAlpha(s));
}
