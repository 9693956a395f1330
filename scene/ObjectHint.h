#pragma once
// The blinking "!" bubble a level designer places to draw the eye: a cloud
// with an exclamation mark beside the point, on the side towards the middle of
// the screen. It fades in 5 s after it was made and then every 30 s: 20 s
// hidden, 1 s fading in, 8 s shown, 1 s fading out.
#include "scene/Object.h"

class cObjectHint : public cObject {
  public:
    explicit cObjectHint(cBaseWidget* scene);

    static constexpr uint32_t kType = scene_type::kObjectHint;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    void Tick() override;
    void Draw() override;

    float Alpha() const { return fade.current; }

    qor::cSpriteInfo cloudSprite;  // "cloud"
    qor::cRamp phaseTimer;         // time left of the current phase
    uint8_t shown = 0;
    qor::cRamp fade;  // its value is the alpha of the tint

  private:
    void StartPhase(float seconds);
};
