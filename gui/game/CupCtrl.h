#pragma once
// The medal cup of the results screen. Hidden until ShowCup; a new medal pops
// in at twice its size, transparent, and shrinks to its normal size while
// becoming opaque over 0.7 s.
#include "engine/Atlas.h"
#include "gui/Ctrl.h"

enum eMedal : int { kMedalGold = 0, kMedalSilver = 1, kMedalBronze = 2 };

inline constexpr float kCupPopSeconds = 0.7f;

class cCupCtrl : public qor::cCtrl {
  public:
    cCupCtrl(std::u16string name, qor::cWindow* window);

    void Draw() override;
    int OnEvent(int kind, int param1, int param2) override;
    void Offset(float dx, float dy) override;
    void SetRect(float x, float y, float w, float h, int flags) override;
    void SetFrame(float x, float y, float w, float h, float bw, float bh, int flags) override;
    bool HitTest(float x, float y) const override { return qor::StrictlyInside(rect, x, y); }
    qor::cRectF GetRect() const override { return rect; }
    std::u16string GetClassName() const override { return u"cCupCtrl"; }

    virtual void ShowCup(int medal);
    virtual void ResetCup();

    // Where and how the medal is drawn now; false when nothing is drawn.
    bool DrawnQuad(qor::cRectF* where, float* alpha) const;

    qor::cSpriteInfo gold;
    qor::cSpriteInfo silver;
    qor::cSpriteInfo bronze;
    qor::cRectF rect;
    int medal = kMedalGold;
    float pop = 0.0f;  // seconds of the pop-in left

  private:
    const qor::cSpriteInfo* Sprite() const;
};
