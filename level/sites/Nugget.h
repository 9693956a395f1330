#pragma once
// A gold nugget: five loads of money, dug out one job at a time, after which
// it is spent and no longer taken up.
#include "scene/Object.h"
#include "engine/Ramp.h"
#include "scene/ResourceSet.h"

// The state of a nugget with no loads left.
inline constexpr int32_t kNuggetSpent = 0;

class cNugget : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kNugget;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    void Draw() override;
    int HitTest(qor::cVec2 point) const override;
    bool DoWork(float seconds) override;
    // Only before a load's digging has begun.
    ResourceSet GetPrice() const override;
    ResourceSet GetProfit() const override { return profit; }
    std::u16string GetHintText() const override;

    // Seconds of work one load takes.
    virtual float GetWorkTime() const { return 7.0f; }
    virtual void SetJobsLeft(int32_t jobs) { jobsLeft = jobs; }

    int32_t jobsLeft = 5;
    ResourceSet price;
    ResourceSet profit;
    qor::cRamp work{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    qor::cSpriteInfo shadow;
    float progress = 0.0f;  // 0 … 1 over all its loads
};
