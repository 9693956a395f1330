#pragma once
// A tree that workers fell for wood. It sways a little in the wind, shows the
// stages of its felling, and is a stump afterwards until a spell lets it grow
// again. A standing tree blocks its cell.
#include "scene/Object.h"
#include "engine/Ramp.h"
#include "scene/ResourceSet.h"

class cTree : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kTree;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    bool OnStateChange(int32_t from, int32_t to) override;
    void Tick() override;
    void Draw() override;
    qor::cVec2 GetHintAnchor() const override;
    int HitTest(qor::cVec2 point) const override;
    std::u16string GetHintText() const override;
    bool DoWork(float seconds) override;
    // Only before the felling has begun: a job taken up again is not paid twice.
    ResourceSet GetPrice() const override;
    ResourceSet GetProfit() const override { return profit; }
    void ShowSpellEffect(int32_t spell) override;

    // Seconds of work one felling takes.
    virtual float GetWorkTime() const { return 5.0f; }

    bool IsStanding() const { return state == kStateReady; }
    bool IsBeingFelled() const { return IsStanding() && work.HasMoved(); }

    ResourceSet price;
    ResourceSet profit;
    qor::cRamp work{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    qor::cSpriteInfo shadow;
    float swayMin = 0.0f;  // radians
    float swayMax = 0.0f;
    float swayPhase = 0.0f;  // 0 … 1 between the two
    float swaySpeed = 0.3f;  // per second; the sign is the direction
};
