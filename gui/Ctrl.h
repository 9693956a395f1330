#pragma once
// The base of every GUI control. One virtual interface covers placement,
// appearance, state flags and events, so that the window scripts can set any
// property on any control; a class ignores the properties it does not have.
// Coordinates are virtual GUI units with y growing upwards; rectangles are
// (x, y) of the bottom-left corner, width and height.
#include <cstdint>
#include <string>

#include "engine/SpriteBatch.h"

namespace qor {

class cGUI;
class cWindow;

// Control flags (bits of cCtrl::flags).
enum eCtrlFlag : int {
    kCtrlVisible = 1,
    kCtrlDisabled = 2,
    kCtrlIgnored = 4,  // invisible to the mouse, still drawn
    kCtrlSelected = 8,
};

// Alignment bits; the window scripts see them as the global table `align`.
// Right wins over Center, Top over Middle.
enum eAlign : int {
    kAlignNone = 0,
    kAlignLeft = 1,
    kAlignCenter = 2,
    kAlignRight = 4,
    kAlignTop = 8,
    kAlignMiddle = 16,
    kAlignBottom = 32,
};

// Events a control receives besides the window kinds it is forwarded.
enum eCtrlEvent : int {
    kCtrlFocusGained = 34,
    kCtrlFocusLost = 35,
};

inline constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;

// Red, green, blue in 0..1 as opaque ARGB, each channel truncated.
uint32_t RgbToArgb(float r, float g, float b);
// True when (x, y) lies strictly inside the rectangle.
bool StrictlyInside(const cRectF& rect, float x, float y);
// The batch every control draws into; null without an engine.
cSpriteBatch* GuiBatch();

class cCtrl {
  public:
    // Appends the control to `window` (which owns it from then on) unless the
    // window is null, as for the parts inside composite controls.
    cCtrl(std::u16string name, cWindow* window);
    virtual ~cCtrl();
    cCtrl(const cCtrl&) = delete;
    cCtrl& operator=(const cCtrl&) = delete;

    virtual void Draw() {}
    // 0 when the control consumed the event.
    virtual int OnEvent(int kind, int param1, int param2);
    virtual void Refresh() {}
    virtual std::u16string GetName() const { return name; }
    virtual int GetIndex() const { return index; }
    virtual void Offset(float dx, float dy);
    virtual void SetRect(float x, float y, float w, float h, int flags);
    virtual void SetUVRect(float u, float v, float w, float h, int flags);
    virtual void SetFrame(float x, float y, float w, float h, float bw, float bh, int flags);
    virtual void SetUVFrame(float u, float v, float w, float h, float bw, float bh, int flags);
    virtual bool HitTest(float x, float y) const;
    virtual cRectF GetRect() const { return {}; }
    virtual void Show(bool show);
    virtual void Enable(bool enable);
    virtual void Ignore(bool ignore);
    virtual void Select(bool select);
    virtual bool HasFlag(int mask) const { return (flags & mask) != 0; }
    virtual void SetTexture(const std::u16string& textureName, int flags);
    virtual void SetColor(float r, float g, float b, int extra);
    virtual void SetText(const std::u16string& text);
    virtual void SetFont(const std::u16string& fontName);
    virtual void SetAlign(int align, int extra);
    virtual std::u16string GetText() const { return text; }
    virtual std::u16string GetClassName() const { return u"cCtrl"; }

    // Visible and not ignored: the control takes part in input and ticks.
    bool TakesPart() const { return HasFlag(kCtrlVisible) && !HasFlag(kCtrlIgnored); }

    cWindow* window;
    cGUI* gui;
    std::u16string name;
    int flags = kCtrlVisible;
    int index = -1;
    // The first text ever given (usually a localization key), kept so that a
    // locale change can translate it again.
    std::u16string text;

  protected:
    // Posts a window event with this control's index; delivered next tick.
    void Post(int kind, int param1 = 0);
    // Sends a window event with this control's index at once.
    void Send(int kind, int param1 = 0);
    // True when the packed window position (y × 65536 + x) hits this control.
    bool IsAt(int position) const;
};

}  // namespace qor
