#pragma once
// Fireworks: launchers that fire five shots each, a little apart and scattered
// around their point, and the shots, each one play of the "firework" burst.
// A finished building or a freed prison sends up one launcher; a won level
// sends up many.
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "engine/Atlas.h"
#include "scene/Random.h"
#include "scene/Vec.h"

namespace qor {
class cSpriteBatch;
}

class cSaluteList {
  public:
    struct cShot {
        float time = 0.0f;  // seconds since it started
        qor::cRectF rect;
        qor::cSpriteInfo sprite;
        uint32_t frameCount = 0;
        float frameDuration = 0.0f;  // 1 / fps, 0 without a frame rate
    };
    struct cLauncher {
        vec2 position;
        float spread = 0.0f;
        uint32_t count = 0;  // shots left
        float interval = 0.0f;
        float timer = 0.0f;  // seconds to the next shot
        uint32_t soundEvery = 0;
    };
    // Plays a sound by name; the game routes it to its sound table.
    using cSoundSink = std::function<void(std::u16string_view)>;

    static constexpr uint32_t kShotsPerLauncher = 5;

    // `random` is the game's generator (not owned; without one the list draws
    // from a generator of its own). The shots' bangs go to
    // `sound`, by default the sound manager.
    cSaluteList(qor::cSpriteBatch* batch, cRandom* random, cSoundSink sound = {});

    // Five shots around `point` within ±`spread`, `interval` seconds apart, the
    // first at the next update. With `soundEvery` 0 every shot bangs; otherwise
    // only those fired while the shots left are a multiple of soundEvery + 1.
    void AddSalute(vec2 point, float spread, float interval, uint32_t soundEvery);
    void Update(float seconds);
    // Writes the current frames into the batch (the caller flushes).
    void Draw();
    void Clear();

    qor::cSpriteBatch* batch;
    cRandom* random;
    std::vector<cShot> shots;
    std::vector<cLauncher> launchers;

  private:
    void Fire(cLauncher& launcher);

    cSoundSink m_sound;
    cRandom m_ownRandom;
    bool m_looked = false;  // the burst sprite is looked up once, at the first shot
    qor::cSpriteInfo m_firework;
};
