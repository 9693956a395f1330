#pragma once
// The boards of the level's HUD, painted at the size they are shown: the
// resource board, the clock board with its time bar, the task board and the
// round menu button. The layout constants are what the window script needs to
// put its controls onto the boards' wells.
#include <cairo.h>

namespace artgen {

// Resource board: four slots, each a round socket for the icon and a well
// for the number.
inline constexpr int kHudBarW = 480, kHudBarH = 64;
inline constexpr int kHudSlotX0 = 12, kHudSlotStep = 116;
inline constexpr int kHudNumberDx = 52, kHudNumberY = 16, kHudNumberW = 60, kHudNumberH = 32;
void PaintHudBar(cairo_t* cr);

// Clock board: a socket for the hourglass and the groove of the time bar,
// whose fill is painted separately at exactly the groove's inner size. The
// gold mark sits a third of the way along: while the bar reaches past it the
// level can still be won for gold.
inline constexpr int kHudClockW = 256, kHudClockH = 64;
inline constexpr int kTimeX = 68, kTimeY = 22, kTimeW = 176, kTimeH = 20;
void PaintHudClock(cairo_t* cr);
void PaintTimeFill(cairo_t* cr);

// Task board behind the three goal lines.
inline constexpr int kHudTasksW = 240, kHudTasksH = 192;
inline constexpr int kTaskLineY0 = 16, kTaskLineStep = 56;
void PaintHudTasks(cairo_t* cr);

// The menu button: faces of kMenuSide stacked downwards (normal, pressed,
// pointer over, disabled), as the button control steps through them.
inline constexpr int kMenuSide = 56;
void PaintMenuFaces(cairo_t* cr);

// The hourglass of the clock, in a 48 x 48 cell.
void PaintHourglass(cairo_t* cr);

}  // namespace artgen
