#pragma once
// A particle group: one texture, one blending, a fixed pool of particles with
// a ready vertex array for all of them, and the emitters that feed the pool.
// Nothing is allocated per particle. An update moves the live particles,
// writes their quads and places the particles the emitters want into free
// slots, one at a time in turn; the pool walk stops at the highest slot in use
// once no emitter wants more.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/Render.h"
#include "engine/TextureCache.h"
#include "scene/Emitter.h"

// Sets the blending and keeps the alpha test the renderer has now.
void SetBlendKeepingAlphaTest(int blendKind);

class cParticleGroup {
  public:
    cParticleGroup(int capacity, int blendKind);
    ~cParticleGroup();
    cParticleGroup(const cParticleGroup&) = delete;
    cParticleGroup& operator=(const cParticleGroup&) = delete;

    // The group owns the emitter from now on; the pointer stays the caller's to use.
    cEmitter* AddEmitter(std::unique_ptr<cEmitter> emitter);
    void Update(float seconds, cRandom* random);
    // Deletes every emitter and frees every particle.
    void Clear();
    // Binds the texture and blending and draws the quads of the last update in
    // one call. Nothing without quads or renderer.
    void Draw() const;

    int Capacity() const { return static_cast<int>(pool.size()); }
    int LiveCount() const;

    qor::cTextureRef texture;  // empty: drawn untextured
    int blendKind;
    std::vector<qor::cVertex> vertices;  // six per particle
    int quadCount = 0;                   // quads written by the last update
    vec3 right{1.0f, 0.0f, 0.0f};
    vec3 up{0.0f, 1.0f, 0.0f};
    std::vector<std::unique_ptr<cEmitter>> emitters;  // in the order they were added
    std::vector<cParticle> pool;
    int highWater = 0;  // last slot that held a live particle after the last update
    // Grows with every Clear, so that holders of emitter pointers can tell
    // their emitter went with it.
    uint32_t clearSerial = 0;

  private:
    void WriteQuad(const cParticle& p, float size);

    std::vector<cEmitter*> m_wanting;  // kept between updates so an update allocates nothing
};
