#include "gui/LabelCtrl.h"

#include <cmath>

namespace qor {

cFontRef LookUpFont(const std::u16string& name) {
    return name.empty() ? cFontRef() : FindFont(name);
}

float AlignOffsetX(int align, float w, float tw) {
    if (align & kAlignRight)
        return w - tw;
    if (align & kAlignCenter)
        return (w - tw) / 2;
    return 0.0f;
}

float AlignOffsetY(int align, float h, float th) {
    if (align & kAlignTop)
        return h - th;
    if (align & kAlignMiddle)
        return (h - th) / 2;
    return 0.0f;
}

void cLabelCtrl::Draw() {
    if (!font || caption.empty())
        return;
    if (cSpriteBatch* batch = GuiBatch()) {
        DrawColoredText(batch, caption, textRect.x, textRect.y, font.get(), color);
    }
}

void cLabelCtrl::Refresh() {
    // Colour codes take no room: they are drawn as colours, not glyphs.
    const cVec2 size = MeasureColoredText(caption, font.get());
    textRect.w = size.x;
    textRect.h = size.y;
    // Whole units, so that text lands on whole pixels.
    textRect.x = std::trunc(rect.x + AlignOffsetX(align, rect.w, size.x));
    textRect.y = std::trunc(rect.y + AlignOffsetY(align, rect.h, size.y));
}

void cLabelCtrl::Offset(float dx, float dy) {
    rect.x += dx;
    rect.y += dy;
    cCtrl::Offset(dx, dy);
}

void cLabelCtrl::SetRect(float x, float y, float w, float h, int) {
    rect = {x, y, w, h};
    Refresh();
}

void cLabelCtrl::SetColor(float r, float g, float b, int) {
    color = RgbToArgb(r, g, b);
}

void cLabelCtrl::SetText(const std::u16string& newText) {
    caption = newText;
    cCtrl::SetText(newText);
}

void cLabelCtrl::SetFont(const std::u16string& fontName) {
    font = LookUpFont(fontName);
    Refresh();
}

void cLabelCtrl::SetAlign(int newAlign, int) {
    align = newAlign;
    Refresh();
}

}  // namespace qor
