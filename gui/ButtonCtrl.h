#pragma once
// A push button: a nine-patch background with a centred caption. The texture
// holds the normal, pressed and pointer-over images stacked one UV height
// apart (unless it is a single frame). A click is a press and a release on the
// button; it reaches the window function one tick later as event 48.
#include <memory>

#include "gui/FrameCtrl.h"
#include "gui/LabelCtrl.h"

namespace qor {

enum eButtonState : int { kButtonNormal = 0, kButtonPressed = 1, kButtonHover = 2 };

class cButtonSysCtrl : public cCtrl {
  public:
    cButtonSysCtrl(std::u16string name, cWindow* window);

    void Draw() override;
    int OnEvent(int kind, int param1, int param2) override;
    void Refresh() override;
    void Offset(float dx, float dy) override;
    void SetRect(float x, float y, float w, float h, int flags) override;
    void SetUVRect(float u, float v, float w, float h, int flags) override;
    void SetFrame(float x, float y, float w, float h, float bw, float bh, int flags) override;
    void SetUVFrame(float u, float v, float w, float h, float bw, float bh, int flags) override;
    bool HitTest(float x, float y) const override { return background->HitTest(x, y); }
    cRectF GetRect() const override { return background->GetRect(); }
    void SetTexture(const std::u16string& textureName, int flags) override;
    void SetColor(float r, float g, float b, int extra) override;
    void SetText(const std::u16string& text) override;
    void SetFont(const std::u16string& fontName) override;
    void SetAlign(int align, int extra) override;
    std::u16string GetClassName() const override { return u"cButtonSysCtrl"; }

    virtual void SetSingleFrame(bool single) { singleFrame = single; }

    std::unique_ptr<cLabelCtrl> caption;
    std::unique_ptr<cFrameCtrl> background;
    int state = kButtonNormal;
    bool singleFrame = false;
};

}  // namespace qor
