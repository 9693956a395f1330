#pragma once
// A lake: water nobody crosses, except while the water freeze spell holds it
// frozen. The ice frees its cells; when the spell ends, the level waits until
// nobody stands on the ice any more before the water comes back (the thaw),
// and the cells block again.
#include "scene/EmitterStamp.h"
#include "scene/Object.h"

// The lake's states: water, frozen, and the one step from thawing to water.
inline constexpr int32_t kLakeWater = kStateReady;
inline constexpr int32_t kLakeFrozen = 0;
inline constexpr int32_t kLakeThawing = 1;

class cLake : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kLake;
    uint32_t GetTypeId() const override { return kType; }

    // --- cObject -----------------------------------------------------------
    void SetKind(const std::u16string& kindName) override;
    bool OnStateChange(int32_t from, int32_t to) override;
    void Tick() override;
    void Draw() override;
    // The frost drifting over the ice while it holds.
    void ShowSpellEffect(int32_t spell) override;
    void StopSpellEffect() override;

    // --- cLake -------------------------------------------------------------
    virtual void SetFrozen(bool frozen);

    bool IsFrozen() const { return state != kLakeWater; }

    cKeptEmitter frost[3];
};
