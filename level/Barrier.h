#pragma once
// A log or a stone that blocks the way until workers clear it.
// So far the class has what scene files and the factory need: its type and
// its record. The level simulation grows it.
#include "scene/Object.h"

class cBarrier : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kBarrier;
    uint32_t GetTypeId() const override { return kType; }
};
