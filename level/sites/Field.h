#pragma once
// A field that ripens by itself and is harvested for food, again and again:
// after each harvest it grows anew for 16 to 23 seconds (much faster under
// the field spell).
#include "scene/Object.h"
#include "engine/Ramp.h"
#include "scene/ResourceSet.h"

// Field states.
inline constexpr int32_t kFieldGrowing = 0;
inline constexpr int32_t kFieldRipe = 1;

class cField : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kField;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    bool OnStateChange(int32_t from, int32_t to) override;
    void Tick() override;
    qor::cRectF GetFootprint() const override { return WidenedFootprint(0.5f); }
    qor::cVec2 GetHintAnchor() const override;
    int HitTest(qor::cVec2 point) const override;
    bool DoWork(float seconds) override;
    ResourceSet GetProfit() const override { return profit; }
    std::u16string GetHintText() const override;
    void ShowSpellEffect(int32_t spell) override;

    // Seconds of work one harvest takes.
    virtual float GetWorkTime() const { return 4.0f; }
    // Seconds one ripening takes: 16 to 23, drawn at random.
    virtual float GetGrowTime();

    ResourceSet profit;
    qor::cRamp growth{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    qor::cRamp harvest{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
};
