#pragma once
// One load of wood, food, money or mana lying on the ground.
// So far the class has what scene files and the factory need: its type and
// its record. The level simulation grows it.
#include "scene/Object.h"

class cItem : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kItem;
    uint32_t GetTypeId() const override { return kType; }
};
