#pragma once
// Icons that fly along a curve from one place to another, such as the
// resource icons of a trade flying between the HUD and the trade window. The
// game's list leaves a trail of sparkles behind each icon and ends each flight
// with a sparkle burst.
#include <cstdint>
#include <list>
#include <string>

#include "engine/Atlas.h"
#include "scene/CatmullRomSpline.h"
#include "scene/EmitterStamp.h"
#include "scene/Vec.h"

namespace qor {
class cSpriteBatch;
}
class cEmitter;
class cParticleManager;

class cFlyingSpriteList {
  public:
    struct cEntry {
        float time = 0.0f;
        curve_CatmullRomSpline<vec2> path;  // extend mode
        vec2 position;                      // the sprite's centre
        qor::cSpriteInfo sprite;            // empty when not found: draws nothing
        uint32_t frame = 0;
        float frameTimer = 0.0f;
        float frameDuration = 1.0f / 30.0f;
        cEmitter* trail = nullptr;  // not owned; the particle manager's
        cEmitterStamp trailStamp;
    };

    // With `trails` set each icon trails sparkles from `particles` (not owned;
    // no trails without it).
    cFlyingSpriteList(qor::cSpriteBatch* batch, cParticleManager* particles, bool trails);
    ~cFlyingSpriteList();
    cFlyingSpriteList(const cFlyingSpriteList&) = delete;
    cFlyingSpriteList& operator=(const cFlyingSpriteList&) = delete;

    // A new icon at (0, 0) with no path yet; give it path points next.
    cEntry* AddFlyingSprite(const std::u16string& textureName, const std::u16string& areaName);
    // The icon is at `point` at `time`; the first point also places it.
    void AddPathPoint(cEntry* entry, vec2 point, float time);
    // Moves every icon along its path; an icon at the end of its path (or
    // without one) is removed, its trail ended with a sparkle burst.
    void Update(float seconds);
    // Writes the icons into the batch (the caller flushes).
    void Draw();
    // Removes every icon and stops their trails.
    void Clear();

    qor::cSpriteBatch* batch;
    cParticleManager* particles;
    uint8_t trails;
    std::list<cEntry> entries;  // entries stay where they are while others come and go

  private:
    // The entry's trail, or null once its group was cleared (which deleted it).
    cEmitter* LiveTrail(cEntry& entry) const;
};

// The game's flying-sprite list, for scene code; null while none exists. Its
// owner sets it; the list clears it when it goes.
extern cFlyingSpriteList* g_flyingSprites;
