#pragma once
// Which particle group holds an emitter, and how often that group had been
// emptied when the stamp was taken (see cParticleManager::Stamp).
#include <cstdint>

class cEmitter;

struct cEmitterStamp {
    int group = -1;
    uint32_t clears = 0;
};

// An emitter kept by an object that does not own it (a building's smoke, a
// lake's frost): the group frees it when the groups are emptied, as on leaving
// a level, so the keeper reaches it only through Get, which is null from then
// on. Taken from the game's particle manager (g_particles).
class cKeptEmitter {
  public:
    // Keeps `emitter` (null keeps nothing).
    void Keep(cEmitter* emitter);
    // The emitter while its group still holds it; null otherwise.
    cEmitter* Get() const;

  private:
    cEmitter* m_emitter = nullptr;
    cEmitterStamp m_stamp;
};
