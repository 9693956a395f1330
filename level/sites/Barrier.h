#pragma once
// A fallen log or a stone across the way. It blocks its cells until workers
// clear it (a log yields its wood); then it is gone and the way is open. A
// barrier flagged "meteor" is a stone that falls from the sky when the story
// says so, and lies where it landed like any other.
#include "scene/Object.h"
#include "engine/Ramp.h"
#include "scene/ResourceSet.h"

class cBarrier : public cObject {
  public:
    // Blocking from the moment it exists.
    explicit cBarrier(cBaseWidget* scene);

    static constexpr uint32_t kType = scene_type::kBarrier;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    bool OnStateChange(int32_t from, int32_t to) override;
    void Tick() override;
    void Draw() override;
    int HitTest(qor::cVec2 point) const override;
    std::u16string GetHintText() const override;
    bool DoWork(float seconds) override;
    // Only before the clearing has begun: a job taken up again is not paid twice.
    ResourceSet GetPrice() const override;
    ResourceSet GetProfit() const override { return profit; }

    bool IsBeingCleared() const { return work.HasMoved(); }

    ResourceSet price;
    ResourceSet profit;
    qor::cRamp work{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    float progress = 0.0f;  // 0 … 1 of the clearing
};
