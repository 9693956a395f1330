#include "scene/SaluteList.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/Sound.h"
#include "engine/SpriteBatch.h"

namespace {
constexpr std::u16string_view kBangs[] = {u"salute00", u"salute01", u"salute02"};
}

cSaluteList::cSaluteList(qor::cSpriteBatch* b, cRandom* r, cSoundSink sound)
    : batch(b), random(r), m_sound(std::move(sound)) {
    if (!m_sound)
        m_sound = [](std::u16string_view name) { qor::PlayNamedSound(name); };
}

void cSaluteList::AddSalute(vec2 point, float spread, float interval, uint32_t soundEvery) {
    launchers.push_back({point, spread, kShotsPerLauncher, interval, 0.0f, soundEvery});
}

void cSaluteList::Update(float seconds) {
    std::erase_if(shots, [seconds](cShot& s) {
        s.time += seconds;
        return s.time / s.frameDuration >= static_cast<float>(s.frameCount);
    });
    std::erase_if(launchers, [this, seconds](cLauncher& l) {
        l.timer -= seconds;
        if (l.timer > 0.0f)
            return false;
        Fire(l);
        l.count = l.count > 0 ? l.count - 1 : 0;
        if (l.count == 0)
            return true;
        l.timer = l.interval;
        return false;
    });
}

void cSaluteList::Fire(cLauncher& l) {
    if (!m_looked) {
        m_looked = true;
        m_firework = qor::GetSpriteInfo(u"base", u"firework");
    }
    cRandom& r = random ? *random : m_ownRandom;
    const float r1 = r.Unit();
    const float r2 = r.Unit();
    const float x = l.position.x - l.spread + 2.0f * l.spread * r1;
    const float y = l.position.y - l.spread + 2.0f * l.spread * r2;
    cShot shot;
    shot.sprite = m_firework;
    shot.rect = {x - m_firework.width * 0.5f, y - m_firework.height * 0.5f, m_firework.width,
                 m_firework.height};
    shot.frameCount = static_cast<uint32_t>(std::max(m_firework.frameCount, 0));
    shot.frameDuration = m_firework.fps > 0.0f ? 1.0f / m_firework.fps : 0.0f;
    shots.push_back(std::move(shot));
    if (l.soundEvery == 0 || l.count % (l.soundEvery + 1) == 0)
        m_sound(kBangs[r.Next() % 3]);
}

void cSaluteList::Draw() {
    for (const cShot& s : shots) {
        if (!s.sprite.texture || !s.sprite.frames || s.frameCount == 0)
            continue;
        const float f = s.frameDuration > 0.0f ? std::trunc(s.time / s.frameDuration) : 0.0f;
        const auto frame =
            static_cast<uint32_t>(std::clamp(f, 0.0f, static_cast<float>(s.frameCount - 1)));
        qor::DrawSprite(batch, s.sprite.texture, s.sprite.frames[frame], s.rect, 0xFFFFFFFFu);
    }
}

void cSaluteList::Clear() {
    shots.clear();
    launchers.clear();
}
