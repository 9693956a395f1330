#pragma once
// The blinking "!" bubble a level designer places to draw the eye.
// So far the class has what scene files and the factory need: its type and
// its record.
#include "scene/Object.h"

class cObjectHint : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kObjectHint;
    uint32_t GetTypeId() const override { return kType; }
};
