#pragma once
// A window function receives every event of its window and decides what the
// window does; the controls only draw themselves and report what happened.
#include <cstdint>

namespace qor {

class cWindow;

// Window event kinds. The numbers are shared with the window scripts: do not renumber.
enum eWindowEvent : int {
    kWndDraw = 1,
    kWndTick = 2,
    kWndKeyDown = 3,
    kWndChar = 4,
    kWndMouseMove = 5,
    kWndLeftDown = 6,
    kWndLeftUp = 7,
    kWndCreated = 8,
    kWndDestroyed = 9,
    kWndShown = 10,
    kWndCloseRequested = 11,
    kWndFilled = 12,
    kWndHidden = 14,
    kWndActivated = 15,
    kWndDeactivated = 16,
    kWndMiddleDown = 17,
    kWndMiddleUp = 18,
    kWndHoverTimeout = 19,
    kWndLocaleChanged = 20,
    kWndPointerEnter = 32,
    kWndPointerLeave = 33,
    kWndEditEnter = 35,
    kWndCommand = 48,
    kWndCheckBox = 49,
    kWndEditChanged = 50,
    kWndSlider = 51,
    kWndEditFocusLost = 52,
    kWndListSelection = 53,
};

// Mouse positions reach window functions packed as y × 65536 + x, 16 bits each.
inline int PackPosition(int x, int y) {
    return static_cast<int>((static_cast<unsigned>(y & 0xFFFF) << 16) | (x & 0xFFFF));
}
// Each half is signed: the bars beside the 4:3 area of a wide window map to
// negative virtual x.
inline int UnpackX(int position) {
    return static_cast<int16_t>(position & 0xFFFF);
}
inline int UnpackY(int position) {
    return static_cast<int16_t>((static_cast<unsigned>(position) >> 16) & 0xFFFF);
}

// The generic dispatcher every window function starts from: drawing, ticks
// with the hover time-out, keys to the focused control, pointer moves with
// hover tracking, clicks that move the focus, closing, (de)activation and
// re-translation of localization keys.
class cWindowFunction {
  public:
    virtual ~cWindowFunction() = default;
    // 1 when the event was consumed.
    virtual int OnEvent(cWindow* window, int kind, int param1, int param2);

  protected:
    // Adds every visible control to the sprite batch, without flushing.
    static void DrawControls(cWindow* window);
    // Draws the window at `alpha`, scaled by `scale` about the centre of the
    // virtual screen, and flushes; what earlier windows left in the batch is
    // drawn first, untouched.
    static void DrawControlsFaded(cWindow* window, float alpha, float scale);
};

}  // namespace qor
