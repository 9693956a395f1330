#pragma once
// A level's point on the world map. Its record names the level it opens (from
// 0); its run state, which each player's map progress keeps, is the medal the
// level has earned and whether it is the chosen one.
// So far the class has what scene files, the map progress and the factory
// need. The world map grows it.
#include "scene/Object.h"

class cPoint : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kPoint;
    uint32_t GetTypeId() const override { return kType; }

    bool Load(qor::cBitStream& stream, uint32_t version) override;
    void Save(qor::cBitStream& stream) const override;
    bool LoadState(qor::cBitStream& stream, uint32_t version) override;
    bool SaveState(qor::cBitStream& stream) const override;

    int32_t level = 0;    // index of the level, from 0; players see it plus one
    int32_t medal = 0;    // 0 locked, 1 open, 2 bronze, 3 silver, 4 gold
    uint8_t current = 0;  // the chosen level
};
