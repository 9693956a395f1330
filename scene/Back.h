#pragma once
// The full-screen background picture of a scene.
// So far the class has what scene files and the factory need: its type and
// its record.
#include "scene/Object.h"

class cBack : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kBack;
    uint32_t GetTypeId() const override { return kType; }
};
