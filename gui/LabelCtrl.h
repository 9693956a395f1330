#pragma once
// One line of text placed inside a rectangle by its alignment. Only the text
// itself is clickable, not the whole rectangle.
#include "engine/Font.h"
#include "gui/Ctrl.h"

namespace qor {

class cLabelCtrl : public cCtrl {
  public:
    cLabelCtrl(std::u16string name, cWindow* window) : cCtrl(std::move(name), window) {}

    void Draw() override;
    void Refresh() override;
    void Offset(float dx, float dy) override;
    void SetRect(float x, float y, float w, float h, int flags) override;
    bool HitTest(float x, float y) const override { return StrictlyInside(textRect, x, y); }
    cRectF GetRect() const override { return rect; }
    void SetColor(float r, float g, float b, int extra) override;
    // Shows the text; the first text given is also kept as the stored key.
    void SetText(const std::u16string& text) override;
    void SetFont(const std::u16string& fontName) override;
    void SetAlign(int align, int extra) override;
    std::u16string GetClassName() const override { return u"cLabelCtrl"; }

    virtual std::u16string GetCaption() const { return caption; }
    virtual cRectF GetTextRect() const { return textRect; }
    virtual cFontRef GetFont() const { return font; }
    virtual uint32_t GetColor() const { return color; }

    cRectF rect;
    std::u16string caption;
    cFontRef font;
    uint32_t color = kOpaqueWhite;
    int align = kAlignLeft | kAlignBottom;
    cRectF textRect;
};

// The cached font of that name; none for an empty name.
cFontRef LookUpFont(const std::u16string& name);

// Offset of a block of (tw, th) inside (w, h) by alignment bits: Right wins over
// Center, Top over Middle; neither keeps the left or bottom edge.
float AlignOffsetX(int align, float w, float tw);
float AlignOffsetY(int align, float h, float th);

}  // namespace qor
