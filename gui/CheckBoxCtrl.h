#pragma once
// A check box: a square box image and a caption to its right. The box texture
// is a 2 × 2 sheet: columns normal and pointer-over, rows unchecked and
// checked. It toggles on the press and reports the new state as event 49.
#include <memory>

#include "gui/ImageCtrl.h"
#include "gui/LabelCtrl.h"

namespace qor {

class cCheckBoxSysCtrl : public cCtrl {
  public:
    cCheckBoxSysCtrl(std::u16string name, cWindow* window);

    void Draw() override;
    int OnEvent(int kind, int param1, int param2) override;
    void Refresh() override;
    void Offset(float dx, float dy) override;
    void SetRect(float x, float y, float w, float h, int flags) override;
    void SetUVRect(float u, float v, float w, float h, int flags) override;
    bool HitTest(float x, float y) const override;
    cRectF GetRect() const override { return box->GetRect(); }
    void SetTexture(const std::u16string& textureName, int flags) override;
    void SetColor(float r, float g, float b, int extra) override;
    void SetText(const std::u16string& text) override;
    void SetFont(const std::u16string& fontName) override;
    void SetAlign(int align, int extra) override;
    std::u16string GetClassName() const override { return u"cCheckBoxSysCtrl"; }

    virtual void SetChecked(bool check) { checked = check ? 1 : 0; }
    virtual bool IsChecked() const { return checked != 0; }

    std::unique_ptr<cLabelCtrl> caption;
    std::unique_ptr<cImageCtrl> box;
    int checked = 0;
    bool hover = false;
    // The whole rectangle given; the box is its left square, the caption the rest.
    cRectF rect;
};

}  // namespace qor
