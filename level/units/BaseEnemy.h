#pragma once
// An invisible spawn point that sends out gold goblins ("base_enemy_gold") or
// skeleton spirits ("base_enemy_spirit") at the level's interval, as long as
// fewer enemies roam than the level allows and the enemy freeze spell is not
// on. Its enemies come back to it and vanish here.
#include "scene/Object.h"
#include "engine/Ramp.h"

class cBaseEnemy : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kBaseEnemy;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    void Tick() override;
    // A spawn point shows nothing.
    void Draw() override {}

    // The level's mean interval for what this base sends out, in seconds.
    float GetInterval() const;
    // One of its enemies found no way to any goal: said once per base.
    void ReportNoWay();

    qor::cRamp spawnTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    uint32_t spawnType = 0;  // the type id of what it sends out

  private:
    bool m_reportedNoWay = false;
};
