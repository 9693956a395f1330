#pragma once
// The tutorial's hint window ("train"): a bouncing arrow at the thing a step
// points at and a framed text beside it, fading in and out over half a
// second. A message step adds "click to continue"; a click inside its frame
// tells the level (a key reaches the level on its own).
#include <string>

#include "engine/Ramp.h"
#include "engine/SpriteBatch.h"
#include "gui/WindowFunction.h"

namespace qor {
class cCtrl;
class cLabelCtrl;
}  // namespace qor

class cTrainWF : public qor::cWindowFunction {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;
    // Fills the text and places the frame beside the circle of `size` around
    // `point`: to its left when flags has 1, below it when flags has 32,
    // else to the right and above. The arrow points at the circle's edge.
    virtual void ShowStep(const std::u16string& text, qor::cVec2 point, float size,
                          bool clickToContinue, int flags);

    // The fade: 0 hidden, 1 shown; it takes 0.5 s either way.
    qor::cRamp fade{0.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f};
    qor::cCtrl* arrow = nullptr;  // optional
    qor::cLabelCtrl* text = nullptr;
    qor::cCtrl* frame = nullptr;
    bool broken = true;     // until "text" and "frame" are found
    bool arrowDown = true;  // the arrow hangs above its point (else stands below)
    float arrowClock = 0.0f;

  private:
    void StepArrow(float seconds);

    qor::cRectF m_arrowUV;  // the first frame as the script gave it
};
