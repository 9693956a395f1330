#pragma once
// Animated scenery: swaying trees, mushrooms, drifting clouds, lightning,
// water. A decor plays its one animation "life" in a loop; what else it does
// follows from the area name of a "texture;area" kind (a kind without ';' is a
// sprite by name that only plays):
//   menu_tree_r1, _r3, _r4   sway gently at a fixed pace
//   menu_tree_l0, _l1, _l3, _l4   sway gently, each at its own pace
//   menu_mush0 .. 2          sway further and bob
//   menu_tree_r0, menu_tree_l2   sway, and shake in a gust every 15 to 30 s
//   menu_lighting            unseen but for the flashes of a storm every 10 to 20 s
//   menu_clouds0, _clouds1   scroll sideways through their texture
//   map_decor…               start at a random frame
//   map_tree…                sway wide
// Sway leans the sprite about its lower edge; every random choice draws from
// the game's generator. Water decor (kinds beginning "water") stands still
// while the water is frozen.
#include "scene/Object.h"

class cDecor : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kDecor;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    void Tick() override;
    void Draw() override;

    // The lean now, radians: lerp(swayMin, swayMax, swayPhase).
    float SwayAngle() const;
    bool IsFlashing() const { return flashTime > 0.0f; }

    float swayMin = 0.0f;  // radians
    float swayMax = 0.0f;
    float swayPhase = 0.0f;  // 0 … 1, back and forth
    float swaySpeed = 0.0f;  // phase per second; the sign is the direction
    // Scroll offsets in texture widths and heights, kept in [0, 10): a sprite
    // that drifts must fill its texture's width (or height) for the scroll to
    // wrap round seamlessly.
    float driftX = 0.0f;
    float driftY = 0.0f;
    float driftSpeedX = 0.0f;  // per second
    float driftSpeedY = 0.0f;
    uint8_t bounce = 0;  // stretches a little as it passes upright
    uint8_t gusty = 0;
    float gustTimer = 0.0f;  // seconds to the end of the next gust
    uint8_t gustOn = 0;
    uint8_t lightning = 0;
    float stormTimer = 0.0f;  // seconds to the next storm
    float flashGap = 0.0f;    // seconds to the next flash of the storm
    float flashTime = 0.0f;   // seconds the flash now showing has left
    int32_t flashesLeft = 0;

  private:
    void StepSway();
    void StepGust();
    void StepStorm();
};
