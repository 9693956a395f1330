#pragma once
// The splash: a timed sequence of steps, each showing a few pictures that fade
// in over half a second and out over their last half second. The script
// "conf/splash.lua" describes the steps in its FillSplash(splash); a key or a
// mouse button skips the current step. When every step is over the game
// object hears OnEndSplash at each tick until it moves the focus on.
#include <memory>
#include <vector>

#include "app/GameObject.h"
#include "app/Widget.h"
#include "engine/SpriteBatch.h"
#include "engine/TextureCache.h"
#include "engine/Ramp.h"

namespace qor {

inline constexpr char16_t kSplashWidgetName[] = u"splash";
// The splash is laid out on its own 800 × 600 screen, origin at the bottom left.
inline constexpr float kSplashWidth = 800.0f;
inline constexpr float kSplashHeight = 600.0f;
// Seconds of the fade in and of the fade out of every step.
inline constexpr float kSplashFadeSeconds = 0.5f;

// One step; scripts hold it as a node handle while it lives.
struct cSplashStep {
    explicit cSplashStep(float duration);
    ~cSplashStep();
    cSplashStep(const cSplashStep&) = delete;
    cSplashStep& operator=(const cSplashStep&) = delete;

    void AddImage(cTextureRef texture, const cRectF& placement);

    float remaining;                  // seconds left to show
    std::vector<cTextureRef> images;  // an empty one draws nothing
    std::vector<cRectF> placements;   // x, y, w, h on the splash screen
};

class cSplashWidget : public cWidget {
  public:
    // Registers as "splash", loads the pictures of "texture/splash/" and lets
    // "conf/splash.lua" fill the steps; the first step starts fading in.
    explicit cSplashWidget(cGameObject* gameObject = g_gameObject);
    ~cSplashWidget() override;

    void Draw() override;
    void Tick() override;
    // Key down and mouse button down end the current step; never consumed.
    int OnEvent(int kind, int param) override;
    // The background colour of the splash and loading screens (alpha 1).
    virtual void SetBackColor(float r, float g, float b);
    virtual cSplashStep* AddStep(float duration);

    // The step shown now, or null once the sequence is over.
    cSplashStep* CurrentStep() const;

    cGameObject* game;
    std::vector<std::unique_ptr<cSplashStep>> steps;
    size_t current = 0;
    cRamp fader;  // the pictures' alpha
    bool fadingOut = false;

  private:
    void LoadPictures();
    void RunScript();
};

}  // namespace qor
