// The particle presets: what smoke, dust, fire, spell glitter, icon trails
// and sparkle bursts look like. Fields not set keep the emitter's defaults.
#include "scene/ParticleManager.h"

namespace {

std::unique_ptr<cEmitter> Preset(float interval, float spread, float lifeMin, float lifeMax,
                                 float sizeMin, float sizeMax, float sizeRate, vec3 velocityMin,
                                 vec3 velocityMax, vec3 acceleration) {
    auto e = std::make_unique<cEmitter>();
    e->interval = interval;
    e->spread = spread;
    e->lifeMin = lifeMin;
    e->lifeMax = lifeMax;
    e->sizeMin = sizeMin;
    e->sizeMax = sizeMax;
    e->sizeRate = sizeRate;
    e->velocityMin = velocityMin;
    e->velocityMax = velocityMax;
    e->acceleration = acceleration;
    return e;
}

// Birth, middle and death colours; the particle runs through all three.
void Gradient(cEmitter* e, uint32_t birth, uint32_t middle, uint32_t death) {
    e->fadeOnly = 0;
    e->colorBirth = birth;
    e->colorMiddle = middle;
    e->colorDeath = death;
}

// Spell glitter falls from above the object it is cast on.
constexpr vec3 kFallMin{-5, -120, -5}, kFallMax{5, -100, 5};

}  // namespace

cEmitter* cParticleManager::AddSmoke() {
    auto e = Preset(0.5f, 0, 8, 10, 10, 15, 4, {-1, 15, -1}, {1, 20, 1}, {});
    Gradient(e.get(), 0x00FFFFFFu, 0xFF808080u, 0x00000000u);
    e->spinMin = -0.5f;
    e->spinMax = 0.5f;
    return Add(kGroupSmoke, std::move(e));
}

cEmitter* cParticleManager::AddDust(float strength) {
    auto e = Preset(0.25f, 0.5f * strength, 1, 3, 0.125f * strength, 0.25f * strength, 8,
                    {-1, -1, 0}, {1, 1, 0}, {});
    Gradient(e.get(), 0x00FFFFFFu, 0xFFFFFFFFu, 0x00FFFFFFu);
    return Add(kGroupSmoke, std::move(e));
}

cEmitter* cParticleManager::AddTrail() {
    // Fading white, the emitter's default colouring.
    auto e = Preset(1.0f / 45.0f, 6, 3, 5, 1, 4, -0.2f, {-5, -5, -5}, {5, 5, 5}, {0, -7, 0});
    return Add(kGroupSparkle, std::move(e));
}

cEmitter* cParticleManager::AddFire() {
    auto e = Preset(1.0f / 60.0f, 10, 0.8f, 1.2f, 12, 14, 4, {-20, 65, 0}, {20, 75, 0}, {0, -5, 0});
    Gradient(e.get(), 0xFFFFFF10u, 0xFFFF0000u, 0x20FF0000u);
    e->spinMin = -4.0f;
    e->spinMax = 4.0f;
    return Add(kGroupFire, std::move(e));
}

cEmitter* cParticleManager::AddWorkerSpell(float strength) {
    auto e = Preset(1.0f / 30.0f, strength, 1.2f, 1.2f, 4, 8, 0, kFallMin, kFallMax, {});
    Gradient(e.get(), 0x00FFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu);
    return Add(kGroupSparkle, std::move(e));
}

cEmitter* cParticleManager::AddFreezeSpell(float strength) {
    auto e = Preset(1.0f / 30.0f, strength, 1.2f, 1.2f, 3, 4, 0, kFallMin, kFallMax, {});
    Gradient(e.get(), 0x00FFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu);
    return Add(kGroupFreeze, std::move(e));
}

cEmitter* cParticleManager::AddGrowSpell(float strength) {
    auto e = Preset(0.05f, strength, 1.3f, 1.3f, 6, 10, 0, {-5, -100, -5}, {5, -90, 5}, {});
    Gradient(e.get(), 0x00FFFFFFu, 0xFFFFFFFFu, 0x80FFFFFFu);
    e->spinMin = -4.0f;
    e->spinMax = 4.0f;
    return Add(kGroupGrow, std::move(e));
}

void cParticleManager::AddSparkle(int count, float spread, uint32_t color, vec2 point) {
    auto e = Preset(count > 0 ? 1.0f / static_cast<float>(count) : 0.0f, spread, 2, 4, 2, 8, -0.5f,
                    {-20, -20, -20}, {20, 20, 20}, {0, -15, 0});
    e->flags |= kEmitterBurst;
    e->position = {point.x, point.y, 0.0f};
    Gradient(e.get(), color, color, 0xFF000000u);
    Add(kGroupSparkle, std::move(e));
}
