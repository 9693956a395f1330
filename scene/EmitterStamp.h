#pragma once
// Which particle group holds an emitter, and how often that group had been
// emptied when the stamp was taken (see cParticleManager::Stamp).
#include <cstdint>

struct cEmitterStamp {
    int group = -1;
    uint32_t clears = 0;
};
