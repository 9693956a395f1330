#pragma once
// A field that ripens and is harvested for food.
// So far the class has what scene files and the factory need: its type and
// its record. The level simulation grows it.
#include "scene/Object.h"

class cField : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kField;
    uint32_t GetTypeId() const override { return kType; }
};
