#pragma once
// Monuments paid bit by bit while workers build them.
// So far the class has what scene files and the factory need: its type and
// its record. The level simulation grows it.
#include "level/Build.h"

class cTunnelBuild : public cBuild {
  public:
    using cBuild::cBuild;

    static constexpr uint32_t kType = scene_type::kTunnelBuild;
    uint32_t GetTypeId() const override { return kType; }
};
