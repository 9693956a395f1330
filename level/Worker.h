#pragma once
// The player's worker.
// So far the class has what scene files and the factory need: its type and
// its record. The level simulation grows it.
#include "level/Man.h"

class cWorker : public cWalkman {
  public:
    using cWalkman::cWalkman;

    static constexpr uint32_t kType = scene_type::kWorker;
    uint32_t GetTypeId() const override { return kType; }
};
