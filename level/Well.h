#pragma once
// A well that never runs dry of mana.
// So far the class has what scene files and the factory need: its type and
// its record. The level simulation grows it.
#include "scene/Object.h"

class cWell : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kWell;
    uint32_t GetTypeId() const override { return kType; }
};
