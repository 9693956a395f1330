#pragma once
// A horizontal fill bar: the inner image shows the filled part, its texture
// cropped (not squeezed) to the progress.
#include <memory>

#include "gui/ImageCtrl.h"

namespace qor {

class cProgressBarSysCtrl : public cCtrl {
  public:
    cProgressBarSysCtrl(std::u16string name, cWindow* window);

    void Draw() override { bar->Draw(); }
    void Refresh() override;
    void Offset(float dx, float dy) override;
    void SetRect(float x, float y, float w, float h, int flags) override;
    // Takes effect at the next Refresh.
    void SetUVRect(float u, float v, float w, float h, int flags) override;
    bool HitTest(float x, float y) const override { return StrictlyInside(rect, x, y); }
    cRectF GetRect() const override { return rect; }
    void SetTexture(const std::u16string& textureName, int flags) override;
    std::u16string GetClassName() const override { return u"cProgressBarSysCtrl"; }

    // Clamped to 0..1.
    virtual void SetProgress(float value);
    virtual float GetProgress() const { return progress; }

    std::unique_ptr<cImageCtrl> bar;
    float progress = 0.0f;
    cRectF rect;
    cRectF uvRect;
};

}  // namespace qor
