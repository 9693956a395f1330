#pragma once
// A broken bridge over the island's water. It blocks its cells until workers
// repair it; repaired, walkers cross it. A stone falling on it breaks it
// again.
#include "scene/Object.h"
#include "engine/Ramp.h"
#include "scene/ResourceSet.h"

// A bridge's state while broken; repaired is kStateReady.
inline constexpr int32_t kBridgeBroken = 0;

class cBridge : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kBridge;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    bool OnStateChange(int32_t from, int32_t to) override;
    void Tick() override;
    void Draw() override;
    int HitTest(qor::cVec2 point) const override;
    std::u16string GetHintText() const override;
    bool DoWork(float seconds) override;
    // Only before the repair has begun.
    ResourceSet GetPrice() const override;

    bool IsRepaired() const { return state == kStateReady; }

    ResourceSet price;
    qor::cRamp work{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    float repaired = 0.0f;  // 0 … 1 of the repair; 1 once repaired
};
