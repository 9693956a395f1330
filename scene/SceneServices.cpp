#include "scene/SceneServices.h"

#include <algorithm>
#include <cmath>

#include "app/Game.h"
#include "engine/Log.h"
#include "engine/Path.h"
#include "engine/StringTable.h"
#include "scene/Emitter.h"
#include "scene/ParticleManager.h"
#include "scene/Random.h"
#include "scene/SceneDraw.h"

qor::cSpriteBatch* cSceneServices::Batch() {
    return qor::g_game ? qor::g_game->batch() : nullptr;
}

qor::cSpriteInfo cSceneServices::FindSprite(const std::u16string& texture,
                                            const std::u16string& area) {
    return qor::GetSpriteInfo(texture, area);
}

qor::cSpriteInfo cSceneServices::FindSprite(const std::u16string& area) {
    // Sprites known by their area alone are extended atlases of that name.
    return qor::GetSpriteInfoEx(area);
}

std::u16string cSceneServices::Localize(const std::u16string& key) {
    return qor::GetLocalizedText(key);
}

void cSceneServices::DrawSpriteAtTime(const qor::cSpriteInfo& sprite, float time,
                                      qor::cVec2 position, float blend, bool loop) {
    if (g_sceneDraw) {
        g_sceneDraw->DrawSpriteAtTime(sprite, time, vec2{position.x, position.y}, blend, loop);
        return;
    }
    if (!sprite.texture || !sprite.frames || sprite.frameCount <= 0)
        return;
    const float duration = sprite.fps > 1.1920929e-7f ? 1.0f / sprite.fps : 1.0f / 30.0f;
    const float length = duration * static_cast<float>(sprite.frameCount);
    float t = std::isfinite(time) ? time : 0.0f;
    t = loop ? std::fmod(std::max(t, 0.0f), length) : std::clamp(t, 0.0f, length);
    const int frame = std::min(static_cast<int>(t / duration), sprite.frameCount - 1);
    DrawSpriteRect(Batch(), sprite, frame, FrameRect(sprite, frame, position), 0xFFFFFFFFu);
}

void cSceneServices::FinishEmitter(cEmitter* emitter) {
    if (emitter)
        emitter->Finish();
}

void cSceneServices::MoveEmitter(cEmitter* emitter, qor::cVec2 position) {
    if (emitter) {
        emitter->position.x = position.x;
        emitter->position.y = position.y;
    }
}

void cSceneServices::ClearParticles() {
    if (g_particles)
        g_particles->ClearAll();
}

cRandom& cSceneServices::GameRandom() {
    if (g_gameRandom)
        return *g_gameRandom;
    static cRandom standIn;
    return standIn;
}

qor::cTextureRef cSceneServices::LoadTexture(const std::u16string& file,
                                             const std::u16string& name) {
    if (!qor::g_game)
        return {};
    qor::cTextureRef texture = qor::LoadTextureAs(qor::cPath(file), name);
    if (!texture)
        qor::LogEntry(qor::kLogWarning, u"cSceneServices", u"Picture not found: %s", file);
    return texture;
}

cSceneServices& DefaultSceneServices() {
    static cSceneServices services;
    return services;
}

void DrawSpriteRect(qor::cSpriteBatch* batch, const qor::cSpriteInfo& sprite, int frame,
                    const qor::cRectF& rect, uint32_t color) {
    if (!batch || !sprite.texture || !sprite.frames || frame < 0 || frame >= sprite.frameCount)
        return;
    qor::DrawSprite(batch, sprite.texture, sprite.frames[frame], rect, color);
}

qor::cRectF FrameRect(const qor::cSpriteInfo& sprite, int frame, qor::cVec2 position) {
    if (sprite.sizes && sprite.offsets && frame >= 0 && frame < sprite.frameCount) {
        return {position.x - sprite.offsets[frame].x, position.y - sprite.offsets[frame].y,
                sprite.sizes[frame].x, sprite.sizes[frame].y};
    }
    return {position.x - sprite.width * 0.5f, position.y - sprite.height * 0.5f, sprite.width,
            sprite.height};
}

void DrawQuad(qor::cSpriteBatch* batch, const std::shared_ptr<qor::cTexture>& texture,
              const qor::cVec2 (&corners)[4], const qor::cRectF& uv, uint32_t color) {
    qor::cVertex* v = batch ? qor::AllocVertices(batch, 6, texture) : nullptr;
    if (!v)
        return;
    const float us[4] = {uv.x, uv.x + uv.w, uv.x, uv.x + uv.w};
    const float vs[4] = {uv.y, uv.y, uv.y + uv.h, uv.y + uv.h};
    // Two triangles: lower-left, lower-right, upper-left; upper-left,
    // lower-right, upper-right.
    const int order[6] = {0, 1, 2, 2, 1, 3};
    for (int k = 0; k < 6; ++k) {
        const int c = order[k];
        v[k].x = corners[c].x;
        v[k].y = corners[c].y;
        v[k].z = 0.0f;
        v[k].color = color;
        v[k].u = us[c];
        v[k].v = vs[c];
    }
}
