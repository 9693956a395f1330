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
    qor::cRectF rect{position.x - sprite.width * 0.5f, position.y - sprite.height * 0.5f,
                     sprite.width, sprite.height};
    if (sprite.offsets && sprite.sizes) {
        rect = {position.x - sprite.offsets[frame].x, position.y - sprite.offsets[frame].y,
                sprite.sizes[frame].x, sprite.sizes[frame].y};
    }
    DrawSpriteRect(Batch(), sprite, frame, rect, 0xFFFFFFFFu);
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
