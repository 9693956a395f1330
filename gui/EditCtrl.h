#pragma once
// Single-line text entry. Characters are appended at the end and Backspace
// removes the last one; there is no cursor movement or selection. Changes are
// reported as event 50, Enter as 35 and the loss of the focus as 52, all one
// tick later. The drawn field refuses characters its font cannot show.
#include <memory>

#include "gui/FrameCtrl.h"
#include "gui/LabelCtrl.h"

namespace qor {

class cEditCtrl : public cCtrl {
  public:
    cEditCtrl(std::u16string name, cWindow* window) : cCtrl(std::move(name), window) {}

    int OnEvent(int kind, int param1, int param2) override;
    // The text lives in the drawn subclass; the stored text stays empty so that
    // a locale change never rewrites what the player typed.
    void SetText(const std::u16string&) override {}

    virtual std::u16string GetEditText() const { return {}; }
    virtual void SetMaxLength(int n);
    virtual int GetMaxLength() const { return maxLength; }

    int maxLength = 256;
};

// No edit field holds more than this, whatever a script asks for.
inline constexpr int kMaxEditLength = 4096;

class cEditSysCtrl : public cEditCtrl {
  public:
    cEditSysCtrl(std::u16string name, cWindow* window);

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
    std::u16string GetClassName() const override { return u"cEditSysCtrl"; }

    std::u16string GetEditText() const override { return caption->caption; }

    std::unique_ptr<cLabelCtrl> caption;
    std::unique_ptr<cFrameCtrl> background;
};

}  // namespace qor
