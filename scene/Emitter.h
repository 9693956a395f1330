#pragma once
// Particles and the emitters that make them. A particle is one slot of a
// group's fixed pool; an emitter belongs to the group it was added to and
// places particles into free slots at its interval (continuous) or all at once
// (a burst). Whoever created an emitter keeps a non-owning pointer, moves it
// along with what it follows and sets its finished bit to stop it; the group
// deletes it at its next update. Its particles live on.
#include <cstdint>

#include "scene/Random.h"
#include "scene/Vec.h"

struct cParticle {
    float life = 0.0f;  // seconds left; the slot is free at 0 or below
    vec3 position;
    float lifeTotal = 0.0f;
    float size = 0.0f;  // half the edge of the particle's square
    float sizeRate = 0.0f;
    vec3 velocity;
    vec3 acceleration;
    uint8_t fadeOnly = 0;  // 1: white, fading out in its last second
    uint32_t colorBirth = 0, colorMiddle = 0, colorDeath = 0;  // ARGB
    float angle = 0.0f;                                        // radians
    float spin = 0.0f;                                         // radians per second

    // Moves the particle on by `seconds` (velocity first, then position).
    void Step(float seconds);
    // ARGB of the particle now: fading white, or the birth → middle → death gradient.
    uint32_t Color() const;
};

// Bits of cEmitter::flags.
inline constexpr uint32_t kEmitterFinished = 1u << 0;
inline constexpr uint32_t kEmitterBurst = 1u << 2;

class cEmitter {
  public:
    // Works out how many particles are due (`pending`) for this update.
    void Update(float seconds);
    // Fills `p` with a new particle, drawing from `random` in a fixed order.
    void Spawn(cParticle* p, cRandom* random);

    bool IsFinished() const { return (flags & kEmitterFinished) != 0; }
    void Finish() { flags |= kEmitterFinished; }

    float accumulator = 0.0f;  // seconds carried over to the next update
    uint32_t flags = 0;
    int32_t pending = 0;  // particles still to place in this update
    int32_t emitted = 0;
    float interval = 0.0f;  // seconds between two particles; 0 emits nothing
    vec3 position;
    float spread = 0.0f;  // half-width of the birth square around `position` (x, y)
    float lifeMin = 1.0f, lifeMax = 2.0f;
    float sizeMin = 1.0f, sizeMax = 1.0f;
    float sizeRate = 0.0f;
    vec3 velocityMin, velocityMax;
    vec3 acceleration;
    uint8_t fadeOnly = 1;
    uint32_t colorBirth = 0xFFFFFFFFu, colorMiddle = 0xFFFFFFFFu, colorDeath = 0xFFFFFFFFu;
    float spinMin = 0.0f, spinMax = 0.0f;
};
