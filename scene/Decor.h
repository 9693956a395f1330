#pragma once
// Animated scenery: swaying trees, mushrooms, clouds, lightning, water.
// So far the class has what scene files and the factory need: its type and
// its record.
#include "scene/Object.h"

class cDecor : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kDecor;
    uint32_t GetTypeId() const override { return kType; }
};
