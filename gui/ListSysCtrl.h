#pragma once
// A list of text rows. One template row carries the size, font, colour and
// alignment every row takes; a selected row is drawn over the highlight frame.
#include <memory>

#include "gui/FrameCtrl.h"
#include "gui/LabelCtrl.h"
#include "gui/ListCtrl.h"

namespace qor {

class cListSysCtrl;

class cListItemSysCtrl : public cLabelCtrl {
  public:
    explicit cListItemSysCtrl(std::u16string name);

    void Draw() override;
    int OnEvent(int kind, int param1, int param2) override;
    std::u16string GetClassName() const override { return u"cListItemSysCtrl"; }

    // Width, height, font, colour and alignment of the template, then Refresh.
    virtual void ApplyStyle(const cListItemSysCtrl& style);
    // Binds the row to its list (nothing for null) and takes the list's text colour.
    virtual void SetList(cListSysCtrl* owner);

    cListSysCtrl* list = nullptr;
};

// SetColor with this bit sets the normal text colour, else the pointer-over one.
inline constexpr int kListNormalColorFlag = 1;

class cListSysCtrl : public cListCtrl {
  public:
    cListSysCtrl(std::u16string name, cWindow* window);

    void SetRect(float x, float y, float w, float h, int flags) override;
    void SetFrame(float x, float y, float w, float h, float bw, float bh, int flags) override;
    void SetUVFrame(float u, float v, float w, float h, float bw, float bh, int flags) override;
    void SetTexture(const std::u16string& textureName, int flags) override;
    void SetColor(float r, float g, float b, int flags) override;
    void SetFont(const std::u16string& fontName) override;
    void SetAlign(int align, int extra) override;
    std::u16string GetClassName() const override { return u"cListSysCtrl"; }

    virtual void ApplyStyle();
    virtual void AddItem(int position, const std::u16string& text, int data);
    virtual void SetItemText(int index, const std::u16string& text);
    // Empty for a bad index.
    virtual std::u16string GetItemText(int index) const;

    std::unique_ptr<cFrameCtrl> highlight;
    std::unique_ptr<cListItemSysCtrl> itemStyle;
    uint32_t textColor = kOpaqueWhite;
    uint32_t hoverTextColor = kOpaqueWhite;

  private:
    // The template's size follows the item size.
    void SizeTemplate();
};

}  // namespace qor
