#pragma once
// The game's particle effects: five groups (smoke, fire, freeze, grow,
// sparkle), each with its texture, pool size and blending, and the presets that
// add emitters to them. The game object owns one manager for the whole run;
// levels, the world map and the HUD add emitters through it.
//
// Draw passes: pass 2 draws smoke, fire, freeze and grow in the scene; pass 4
// draws the sparkles after the GUI, so sparkles, spell glitter on workers and
// the trails of flying icons show over the windows. Other passes draw nothing.
#include <array>
#include <memory>

#include "scene/EmitterStamp.h"
#include "scene/ParticleGroup.h"
#include "scene/Random.h"

namespace qor {
class cSpriteBatch;
}

enum eParticleGroup : int {
    kGroupSmoke = 0,
    kGroupFire,
    kGroupFreeze,
    kGroupGrow,
    kGroupSparkle,
    kParticleGroupCount
};

class cParticleManager {
  public:
    // `batch` (may be null) is flushed before a pass draws, so what was drawn
    // into it before the particles stays beneath them.
    explicit cParticleManager(qor::cSpriteBatch* batch = nullptr);
    ~cParticleManager();
    cParticleManager(const cParticleManager&) = delete;
    cParticleManager& operator=(const cParticleManager&) = delete;

    // Takes the five textures from the texture cache; call once loading is done.
    void LoadTextures();
    void Update(float seconds);
    void Draw(int pass);

    void ClearGroup(int group);
    void ClearAll();

    // Presets: each adds an emitter to its group and returns it (the group owns
    // it; set its finished bit to stop it). The creator places it and keeps its
    // position current. The spell presets take the half-width of the birth square.
    cEmitter* AddSmoke();
    cEmitter* AddDust(float strength);
    cEmitter* AddTrail();
    cEmitter* AddFire();
    cEmitter* AddWorkerSpell(float strength);
    cEmitter* AddFreezeSpell(float strength);
    cEmitter* AddGrowSpell(float strength);
    // A burst of `count` particles at the point (x, y); it ends by itself.
    void AddSparkle(int count, float spread, uint32_t color, vec2 point);

    // An emitter kept by its creator dies with its group when the groups are
    // emptied (a level left). Whoever keeps one keeps its stamp and touches
    // the emitter only while the stamp is current. An emitter of no group
    // gets a stamp that is never current.
    cEmitterStamp Stamp(const cEmitter* emitter) const;
    bool IsCurrent(const cEmitterStamp& stamp) const;

    cParticleGroup& Group(int group) { return *m_groups[static_cast<size_t>(group)]; }
    const cParticleGroup& Group(int group) const { return *m_groups[static_cast<size_t>(group)]; }

    // Row-major; the first two columns are the billboard axes `right` and `up`.
    // The scene is drawn without a view or world transform, so it stays the
    // identity and particles are screen-aligned squares.
    std::array<float, 16> referenceTransform;
    cRandom random;  // the particle system's own generator

  private:
    cEmitter* Add(int group, std::unique_ptr<cEmitter> emitter);

    std::array<std::unique_ptr<cParticleGroup>, kParticleGroupCount> m_groups;
    qor::cSpriteBatch* m_batch;
};

// The game's particle manager, for scene code; null while none exists. Its
// owner sets it; the manager clears it when it goes.
extern cParticleManager* g_particles;
