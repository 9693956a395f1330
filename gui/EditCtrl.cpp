#include "gui/EditCtrl.h"

#include <algorithm>

#include "gui/GUI.h"
#include "gui/GuiSound.h"
#include "gui/Window.h"
#include "gui/WindowFunction.h"

namespace qor {

namespace {

constexpr int kKeyBackspace = 8;
constexpr int kKeyEnter = 13;

// The grave accent (which also opens the console), the tilde and the spacing
// diaeresis and cedilla never reach the text.
bool IsRefusedChar(int ch) {
    return ch == 96 || ch == 126 || ch == 168 || ch == 184;
}

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}
bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

}  // namespace

void cEditCtrl::SetMaxLength(int n) {
    maxLength = std::clamp(n, 0, kMaxEditLength);
}

int cEditCtrl::OnEvent(int kind, int param1, int param2) {
    switch (kind) {
        case kWndKeyDown:
            if (param1 == kKeyBackspace) {
                std::u16string t = GetEditText();
                if (!t.empty()) {
                    // A character outside the basic plane goes as a whole.
                    size_t cut = t.size() - 1;
                    if (cut > 0 && IsLowSurrogate(t[cut]) && IsHighSurrogate(t[cut - 1]))
                        --cut;
                    t.resize(cut);
                    SetText(t);
                    Post(kWndEditChanged);
                }
            } else if (param1 == kKeyEnter) {
                Post(kWndEditEnter);
            }
            return 0;
        case kWndChar:
            if (!IsRefusedChar(param1)) {
                std::u16string t = GetEditText();
                if (static_cast<int>(t.size()) < maxLength) {
                    t.push_back(static_cast<char16_t>(param1));
                    SetText(t);
                    Post(kWndEditChanged);
                }
            }
            PlayGuiSound(u"typing");
            return 0;
        case kCtrlFocusLost:
            Post(kWndEditFocusLost);
            return 0;
        default:
            return cCtrl::OnEvent(kind, param1, param2);
    }
}

cEditSysCtrl::cEditSysCtrl(std::u16string name, cWindow* window)
    : cEditCtrl(std::move(name), window),
      caption(std::make_unique<cLabelCtrl>(u"", nullptr)),
      background(std::make_unique<cFrameCtrl>(u"", nullptr)) {
    caption->SetAlign(kAlignLeft | kAlignMiddle, 0);
}

void cEditSysCtrl::Draw() {
    background->Draw();
    caption->Draw();
    const bool caretOn = gui && gui->caretOn;
    if (caretOn && window && window->focused == this && caption->font) {
        if (cSpriteBatch* batch = GuiBatch()) {
            const cRectF r = caption->textRect;
            DrawText(batch, u"|", r.x + r.w, r.y, caption->font.get(), caption->color);
        }
    }
}

int cEditSysCtrl::OnEvent(int kind, int param1, int param2) {
    // Also keeps control characters out: no font has glyphs for them.
    if (kind == kWndChar) {
        const cFont* font = caption->font.get();
        if (param1 < 0 || param1 > 0xFFFF || !font ||
            !font->HasGlyph(static_cast<char16_t>(param1))) {
            return 1;
        }
    }
    return cEditCtrl::OnEvent(kind, param1, param2);
}

void cEditSysCtrl::Refresh() {
    const cRectF r = background->rect;
    const cVec2 b = background->border;
    caption->SetRect(r.x + b.x, r.y + b.y, r.w - 2 * b.x, r.h - 2 * b.y, 0);
}

void cEditSysCtrl::Offset(float dx, float dy) {
    background->Offset(dx, dy);
    caption->Offset(dx, dy);
}

void cEditSysCtrl::SetRect(float x, float y, float w, float h, int flags) {
    background->SetRect(x, y, w, h, flags);
    Refresh();
}

void cEditSysCtrl::SetUVRect(float u, float v, float w, float h, int flags) {
    background->SetUVRect(u, v, w, h, flags);
}

void cEditSysCtrl::SetFrame(float x, float y, float w, float h, float bw, float bh, int flags) {
    background->SetFrame(x, y, w, h, bw, bh, flags);
    Refresh();
}

void cEditSysCtrl::SetUVFrame(float u, float v, float w, float h, float bw, float bh, int flags) {
    background->SetUVFrame(u, v, w, h, bw, bh, flags);
}

void cEditSysCtrl::SetTexture(const std::u16string& textureName, int flags) {
    background->SetTexture(textureName, flags);
}

void cEditSysCtrl::SetColor(float r, float g, float b, int extra) {
    caption->SetColor(r, g, b, extra);
}

void cEditSysCtrl::SetText(const std::u16string& newText) {
    caption->SetText(newText.substr(0, kMaxEditLength));
}

void cEditSysCtrl::SetFont(const std::u16string& fontName) {
    caption->SetFont(fontName);
}

void cEditSysCtrl::SetAlign(int align, int extra) {
    caption->SetAlign(align, extra);
}

}  // namespace qor
