#pragma once
// Production buildings: sawmill, mill and gold mill.
// So far the class has what scene files and the factory need: its type and
// its record. The level simulation grows it.
#include "level/Build.h"

class cPlant : public cBuild {
  public:
    using cBuild::cBuild;

    static constexpr uint32_t kType = scene_type::kPlant;
    uint32_t GetTypeId() const override { return kType; }
};
