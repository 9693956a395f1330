#pragma once
// A gold nugget that yields money five times.
// So far the class has what scene files and the factory need: its type and
// its record. The level simulation grows it.
#include "scene/Object.h"

class cNugget : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kNugget;
    uint32_t GetTypeId() const override { return kType; }
};
