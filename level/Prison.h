#pragma once
// The prison that holds the workers bandits catch.
// So far the class has what scene files and the factory need: its type and
// its record. The level simulation grows it.
#include "scene/Object.h"

class cPrison : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kPrison;
    uint32_t GetTypeId() const override { return kType; }
};
