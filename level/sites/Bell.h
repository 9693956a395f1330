#pragma once
// The alarm bell. Rung, it calls every worker (and the hero) who is out and
// free to come away from whatever they do, takes back every request not yet
// handed out, and swings for two seconds. Everybody may gather at it at once.
#include "engine/AnimPlayer.h"
#include "scene/Object.h"
#include "engine/Ramp.h"

class cBell : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kBell;
    uint32_t GetTypeId() const override { return kType; }

    // --- cObject -----------------------------------------------------------
    void SetKind(const std::u16string& kindName) override;
    void Tick() override;
    void Draw() override;
    int HitTest(qor::cVec2 point) const override;
    std::u16string GetHintText() const override;
    // Nobody is turned away from the bell.
    cObject* AssignMan(cObject* man) override;
    int GetFreePlaces() const override { return 1; }

    // --- cBell -------------------------------------------------------------
    virtual void Ring();

    bool IsSwinging() const { return swing.current < swing.to; }

    qor::cSpriteInfo bellSprite;  // the bell that swings under the frame
    qor::cAnimPlayer bellPlayer;
    qor::cRamp swing{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
};
