#pragma once
// Multi-line text, word-wrapped inside the label rectangle. Colour codes take
// no room; text beyond the lines that fit is dropped, not scrolled. A line can
// be flagged to be drawn struck through.
#include <vector>

#include "gui/LabelCtrl.h"

namespace qor {

class cTextBoxSysCtrl : public cLabelCtrl {
  public:
    cTextBoxSysCtrl(std::u16string name, cWindow* window) : cLabelCtrl(std::move(name), window) {}

    void Draw() override;
    void Refresh() override;
    void Offset(float dx, float dy) override;
    std::u16string GetClassName() const override { return u"cTextBoxSysCtrl"; }

    // The line's origin and its text measured with the font (colour codes take
    // no room); zero for a bad index.
    virtual cRectF GetLineRect(int index) const;
    // 1 strikes the line through; ignored for a bad index.
    virtual void SetLineFlag(int index, int value);

    std::vector<std::u16string> lines;
    std::vector<cRectF> lineRects;
    cRectF blockRect;
    std::vector<int> lineFlags;
};

}  // namespace qor
