#pragma once
// A well that never runs dry: every job draws one load of mana.
#include "engine/AnimPlayer.h"
#include "scene/Object.h"
#include "engine/Ramp.h"
#include "scene/ResourceSet.h"

class cWell : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kWell;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    void Tick() override;
    void Draw() override;
    int HitTest(qor::cVec2 point) const override;
    bool DoWork(float seconds) override;
    ResourceSet GetProfit() const override { return profit; }
    std::u16string GetHintText() const override;

    // Seconds of work one load takes.
    virtual float GetWorkTime() const { return 6.0f; }

    bool IsDrawing() const { return work.current > 0.0f && work.current < work.to; }

    qor::cRamp work{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    ResourceSet profit;
    qor::cSpriteInfo water;  // the glimmer on the water, always moving
    qor::cAnimPlayer waterPlayer;
};
