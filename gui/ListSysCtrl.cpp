#include "gui/ListSysCtrl.h"

#include "gui/WindowFunction.h"

namespace qor {

cListItemSysCtrl::cListItemSysCtrl(std::u16string name) : cLabelCtrl(std::move(name), nullptr) {
    align = kAlignLeft | kAlignMiddle;
}

void cListItemSysCtrl::Draw() {
    if (list && HasFlag(kCtrlSelected)) {
        const cFrameCtrl& frame = *list->highlight;
        frame.DrawPatch(rect, frame.uvRect, frame.drawInner, frame.color);
    }
    cLabelCtrl::Draw();
}

int cListItemSysCtrl::OnEvent(int kind, int param1, int param2) {
    if (list && kind == kWndPointerEnter)
        color = list->hoverTextColor;
    if (list && kind == kWndPointerLeave)
        color = list->textColor;
    return cLabelCtrl::OnEvent(kind, param1, param2);
}

void cListItemSysCtrl::ApplyStyle(const cListItemSysCtrl& style) {
    rect.w = style.rect.w;
    rect.h = style.rect.h;
    font = style.font;
    color = style.color;
    align = style.align;
    Refresh();
}

void cListItemSysCtrl::SetList(cListSysCtrl* owner) {
    if (!owner)
        return;
    list = owner;
    color = owner->textColor;
}

cListSysCtrl::cListSysCtrl(std::u16string name, cWindow* window)
    : cListCtrl(std::move(name), window),
      highlight(std::make_unique<cFrameCtrl>(u"", nullptr)),
      itemStyle(std::make_unique<cListItemSysCtrl>(u"")) {
    SizeTemplate();
}

void cListSysCtrl::SizeTemplate() {
    itemStyle->rect.w = itemWidth;
    itemStyle->rect.h = itemHeight;
}

void cListSysCtrl::SetRect(float x, float y, float w, float h, int flags) {
    cListCtrl::SetRect(x, y, w, h, flags);
    SizeTemplate();
}

void cListSysCtrl::SetFrame(float x, float y, float w, float h, float bw, float bh, int flags) {
    highlight->SetFrame(x, y, w, h, bw, bh, flags);
    itemWidth = w;
    itemHeight = h;
    SizeTemplate();
    Refresh();
}

void cListSysCtrl::SetUVFrame(float u, float v, float w, float h, float bw, float bh, int flags) {
    highlight->SetUVFrame(u, v, w, h, bw, bh, flags);
}

void cListSysCtrl::SetTexture(const std::u16string& textureName, int flags) {
    highlight->SetTexture(textureName, flags);
}

void cListSysCtrl::SetColor(float r, float g, float b, int flags) {
    if (flags & kListNormalColorFlag) {
        textColor = RgbToArgb(r, g, b);
        itemStyle->color = textColor;
    } else {
        hoverTextColor = RgbToArgb(r, g, b);
    }
}

void cListSysCtrl::SetFont(const std::u16string& fontName) {
    itemStyle->SetFont(fontName);
    ApplyStyle();
}

void cListSysCtrl::SetAlign(int align, int extra) {
    itemStyle->SetAlign(align, extra);
    ApplyStyle();
}

void cListSysCtrl::ApplyStyle() {
    for (cListItem& item : items) {
        if (auto* row = dynamic_cast<cListItemSysCtrl*>(item.control.get())) {
            row->ApplyStyle(*itemStyle);
        }
    }
    // The style's size is the template's; shown rows take the list's place again.
    Refresh();
}

void cListSysCtrl::AddItem(int position, const std::u16string& text, int data) {
    auto* item = new cListItemSysCtrl(u"");
    item->SetList(this);
    item->ApplyStyle(*itemStyle);
    item->SetText(text);
    InsertItem(position, item, data);
}

void cListSysCtrl::SetItemText(int index, const std::u16string& text) {
    if (cCtrl* item = ItemAt(index))
        item->SetText(text);
}

std::u16string cListSysCtrl::GetItemText(int index) const {
    const auto* row = dynamic_cast<const cLabelCtrl*>(ItemAt(index));
    return row ? row->GetCaption() : std::u16string();
}

}  // namespace qor
