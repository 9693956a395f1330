#pragma once
// The constructed building with its site, levels and upgrades: the house and
// the workers' base.
// So far the class has what scene files and the factory need: its type and
// its record. The level simulation grows it.
#include "scene/Object.h"

class cBuild : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kBuild;
    uint32_t GetTypeId() const override { return kType; }
};
