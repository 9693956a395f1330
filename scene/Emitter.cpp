#include "scene/Emitter.h"

#include <algorithm>
#include <cmath>

namespace {

// More particles than any pool holds are lost anyway; the cap keeps a tiny
// interval or a long stall from overflowing the count.
constexpr float kMaxPending = 1 << 20;

// A particle count from a float: 0 for anything not above 0 (NaN included).
int32_t CountOf(float v) {
    return v > 0.0f ? static_cast<int32_t>(std::min(v, kMaxPending)) : 0;
}

uint32_t Byte(uint32_t color, int shift) {
    return (color >> shift) & 0xFFu;
}

// Each of the four bytes of a and b mixed as a × (1 − t) + b × t, truncated.
uint32_t MixColor(uint32_t a, uint32_t b, float t) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const float v = static_cast<float>(Byte(a, shift)) * (1.0f - t) +
                        static_cast<float>(Byte(b, shift)) * t;
        out |= static_cast<uint32_t>(std::clamp(v, 0.0f, 255.0f)) << shift;
    }
    return out;
}

}  // namespace

void cParticle::Step(float seconds) {
    velocity = velocity + acceleration * seconds;
    position = position + velocity * seconds;
    size = std::max(size + sizeRate * seconds, 0.0f);
    angle += spin * seconds;
}

uint32_t cParticle::Color() const {
    if (fadeOnly) {
        const float alpha = 255.0f * std::clamp(life, 0.0f, 1.0f);
        return (static_cast<uint32_t>(alpha) << 24) | 0x00FFFFFFu;
    }
    // 2 at birth, 1 at half life, 0 at death. A dying particle (life ≤ 0) would
    // otherwise run past the death colour.
    const float t = lifeTotal > 0.0f ? std::clamp(2.0f * life / lifeTotal, 0.0f, 2.0f) : 0.0f;
    if (t <= 1.0f)
        return MixColor(colorDeath, colorMiddle, t);
    return MixColor(colorMiddle, colorBirth, t - 1.0f);
}

void cEmitter::Update(float seconds) {
    if (interval == 0.0f) {
        pending = 0;
        // A burst with nothing to place is done at once rather than waiting forever.
        if (flags & kEmitterBurst)
            Finish();
        return;
    }
    if (flags & kEmitterBurst) {
        if (pending == 0)
            pending = CountOf(std::round(1.0f / interval));
        if (pending <= 0)
            Finish();
        return;
    }
    const float due = std::trunc((accumulator + seconds) / interval);
    accumulator = accumulator + seconds - due * interval;
    pending = CountOf(due);
}

void cEmitter::Spawn(cParticle* p, cRandom* random) {
    p->life = p->lifeTotal = random->Range(lifeMin, lifeMax);
    p->size = random->Range(sizeMin, sizeMax);
    p->sizeRate = sizeRate;
    p->acceleration = acceleration;
    if (spread != 0.0f) {
        const float a = random->Unit();
        const float b = random->Unit();
        p->position = {position.x + (2.0f * b - 1.0f) * spread,
                       position.y + (2.0f * a - 1.0f) * spread, position.z};
    } else {
        p->position = position;
    }
    p->velocity.z = random->Range(velocityMin.z, velocityMax.z);
    p->velocity.y = random->Range(velocityMin.y, velocityMax.y);
    p->velocity.x = random->Range(velocityMin.x, velocityMax.x);
    p->fadeOnly = fadeOnly;
    p->colorBirth = colorBirth;
    p->colorMiddle = colorMiddle;
    p->colorDeath = colorDeath;
    p->angle = 0.0f;
    p->spin = random->Range(spinMin, spinMax);
    --pending;
    ++emitted;
    if ((flags & kEmitterBurst) && pending == 0)
        Finish();
}
