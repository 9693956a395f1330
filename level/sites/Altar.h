#pragma once
// An altar that offers one spell for mana. The spell's emblem hovers over its
// basin: resting while the player cannot pay, glowing once the mana is there.
// A click sends the hero, who casts the spell on arrival; while the spell
// runs the altar takes no clicks. The level hands each altar its spell.
#include "engine/AnimPlayer.h"
#include "scene/Object.h"
#include "engine/Ramp.h"

class cAltar : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kAltar;
    uint32_t GetTypeId() const override { return kType; }

    // --- cObject -----------------------------------------------------------
    void SetKind(const std::u16string& kindName) override;
    void Tick() override;
    void Draw() override;
    int HitTest(qor::cVec2 point) const override;
    std::u16string GetHintText() const override;
    // The spell's mana.
    ResourceSet GetPrice() const override;

    // --- cAltar ------------------------------------------------------------
    // The spell on offer (1 … 6) and its emblem.
    virtual void SetSpell(int32_t newSpell);

    int32_t spell = 0;  // 0 while the altar offers nothing
    qor::cSpriteInfo emblemOff, emblemOn;
    qor::cAnimPlayer emblemPlayer;
    float glow = 0.0f;  // radians, the pulse of the glowing emblem
    qor::cRamp checkTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    uint8_t affordable = 0;
};
