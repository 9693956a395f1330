#pragma once
// Text of several lines, broken only at line feeds (no word wrapping). The
// last line sits on the rectangle's bottom edge and each earlier line one cell
// height above it.
#include <vector>

#include "gui/LabelCtrl.h"

class cTextAreaCtrl : public qor::cLabelCtrl {
  public:
    cTextAreaCtrl(std::u16string name, qor::cWindow* window)
        : cLabelCtrl(std::move(name), window) {}

    void Draw() override;
    void Refresh() override;
    void Offset(float dx, float dy) override;
    std::u16string GetClassName() const override { return u"cTextAreaCtrl"; }

    std::vector<std::u16string> lines;
    std::vector<qor::cVec2> linePositions;
};
