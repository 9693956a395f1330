#pragma once
// One-shot sprite animations in the scene: the magic beam of a hero's cast or
// a freed prison, a tower's muzzle blast, a stone's landing. Each plays its
// frames once and is gone.
#include <vector>

#include "engine/Atlas.h"
#include "engine/AnimPlayer.h"
#include "scene/Vec.h"

namespace qor {
class cSpriteBatch;
}

class cAnimEffectList {
  public:
    struct cEntry {
        qor::cSpriteInfo sprite;
        qor::cAnimPlayer player;
        vec2 position;
        vec2 scale{1.0f, 1.0f};
        float age = 0.0f;  // seconds since it started
    };

    explicit cAnimEffectList(qor::cSpriteBatch* batch);

    // Nothing when the sprite has no texture.
    void AddAnimation(const qor::cSpriteInfo& sprite, vec2 point, vec2 scale);
    // A beam of six sprite heights standing on `point`.
    void AddLaser(vec2 point);
    void AddExplosion(float scale, vec2 point);
    void Update(float seconds);
    // Writes the current frames into the batch (the caller flushes).
    void Draw();
    void Clear() { entries.clear(); }

    qor::cSpriteBatch* batch;
    std::vector<cEntry> entries;

  private:
    // The beam and blast sprites are looked up at first use and kept, so a
    // missing one is reported once.
    void LookUpSprites();

    bool m_looked = false;
    qor::cSpriteInfo m_laser;
    qor::cSpriteInfo m_explosion;
};
