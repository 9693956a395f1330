#pragma once
// The hero: a worker who fights enemies, casts altar spells and opens prisons.
// So far the class has what scene files and the factory need: its type and
// its record. The level simulation grows it.
#include "level/Worker.h"

class cHero : public cWorker {
  public:
    using cWorker::cWorker;

    static constexpr uint32_t kType = scene_type::kHero;
    uint32_t GetTypeId() const override { return kType; }
};
