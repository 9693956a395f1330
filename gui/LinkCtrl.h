#pragma once
// Clickable text: every left-button release over it is a command (event 48),
// wherever the press began; a release elsewhere is none, even with the focus.
// The text takes its pointer-over colour while the pointer is on it.
#include "gui/LabelCtrl.h"

namespace qor {

struct cColorF {
    float r = 1, g = 1, b = 1, a = 1;
};

class cLinkSysCtrl : public cLabelCtrl {
  public:
    cLinkSysCtrl(std::u16string name, cWindow* window) : cLabelCtrl(std::move(name), window) {}

    int OnEvent(int kind, int param1, int param2) override;
    // `hover` ≠ 0 sets the pointer-over colour only; otherwise the normal
    // colour, which is shown at once.
    void SetColor(float r, float g, float b, int hover) override;
    std::u16string GetClassName() const override { return u"cLinkSysCtrl"; }

    cColorF normalColor;
    cColorF hoverColor;
};

}  // namespace qor
