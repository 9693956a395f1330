#pragma once
// A lake that walkers cross only while it is frozen.
// So far the class has what scene files and the factory need: its type and
// its record. The level simulation grows it.
#include "scene/Object.h"

class cLake : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kLake;
    uint32_t GetTypeId() const override { return kType; }
};
