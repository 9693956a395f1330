#pragma once
// An altar that sells a spell for mana.
// So far the class has what scene files and the factory need: its type and
// its record. The level simulation grows it.
#include "scene/Object.h"

class cAltar : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kAltar;
    uint32_t GetTypeId() const override { return kType; }
};
