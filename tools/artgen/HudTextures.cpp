// The level's HUD: "gui00" (the progress bar over an object being worked on
// and the pictures of the level goals) and "gui_main0" (the resource icons,
// the hourglass, and the boards of the HUD window with the time bar and the
// menu button).
#include <string>

#include "tools/artgen/HudPanels.h"
#include "tools/artgen/TaskIcons.h"
#include "tools/artgen/TextureBook.h"
#include "tools/common/Palette.h"
#include "tools/common/ResourceIcons.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

// --- the work progress bar: frame 0 full, frame 1 empty, 64 x 12 each.
constexpr int kBarW = 64, kBarH = 12;

void PaintBar(cairo_t* cr, double top, bool full) {
    const double x = 1.5, y = top + 1.5, w = kBarW - 3, h = kBarH - 3, r = h / 2;
    RoundedRect(cr, x, y, w, h, r);
    if (full) {
        SetVerticalGradient(cr, y, h, kLeafLight, kLeafDark);
    } else {
        SetVerticalGradient(cr, y, h, Darken(kWoodDark, 0.35), kWoodDark);
    }
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.6);
    if (full)
        Sheen(cr, x + 2, y + 1, w - 4, h - 1, r - 1, 0.55);
}

void PaintProgress(cairo_t* cr) {
    PaintBar(cr, 0, true);
    PaintBar(cr, kBarH, false);
}

// --- goal pictures: five to a row below the bar, 4 pixels apart, far enough
// from the bar that the edge bleed of the picture file never reaches it.
constexpr int kIconStep = kTaskIconSize + 4, kIconsTop = 32, kIconsPerRow = 5;

int IconX(int i) {
    return (i % kIconsPerRow) * kIconStep;
}
int IconY(int i) {
    return kIconsTop + (i / kIconsPerRow) * kIconStep;
}

void PaintGui00(cairo_t* cr, const PaintContext&) {
    PaintProgress(cr);
    const auto& icons = TaskIcons();
    for (size_t i = 0; i < icons.size(); ++i) {
        cairo_save(cr);
        cairo_translate(cr, IconX(int(i)), IconY(int(i)));
        icons[i].paint(cr);
        cairo_restore(cr);
    }
}

std::vector<Area> Gui00Areas() {
    std::vector<Area> areas = {{"progress", 0, 0, kBarW, kBarH * 2, 1, 2, 30}};
    const auto& icons = TaskIcons();
    for (size_t i = 0; i < icons.size(); ++i)
        areas.push_back(
            {icons[i].area, IconX(int(i)), IconY(int(i)), kTaskIconSize, kTaskIconSize});
    return areas;
}

// --- gui_main0
constexpr int kIcon = 48, kIconGap = 4;
constexpr int kBarTop = 56, kClockTop = 128, kFillTop = 200, kTasksTop = 232;
constexpr int kMenuX = 264, kMenuTop = 232;
const Resource kResources[] = {Resource::kWood, Resource::kFood, Resource::kMoney, Resource::kMana};
const char* const kResourceNames[] = {"wood", "food", "money", "mana"};

void PaintGuiMain0(cairo_t* cr, const PaintContext&) {
    for (int i = 0; i < 4; ++i)
        DrawResourceIcon(cr, kResources[i], i * (kIcon + kIconGap) + 2, 2, kIcon - 4);
    auto at = [cr](double x, double y, void (*paint)(cairo_t*)) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        paint(cr);
        cairo_restore(cr);
    };
    at(4 * (kIcon + kIconGap), 0, PaintHourglass);
    at(0, kBarTop, PaintHudBar);
    at(0, kClockTop, PaintHudClock);
    at(0, kFillTop, PaintTimeFill);
    at(0, kTasksTop, PaintHudTasks);
    at(kMenuX, kMenuTop, PaintMenuFaces);
}

std::vector<Area> GuiMain0Areas() {
    std::vector<Area> areas;
    for (int i = 0; i < 4; ++i)
        areas.push_back({kResourceNames[i], i * (kIcon + kIconGap), 0, kIcon, kIcon});
    areas.push_back({"clock", 4 * (kIcon + kIconGap), 0, kIcon, kIcon});
    areas.push_back({"hud_bar", 0, kBarTop, kHudBarW, kHudBarH});
    areas.push_back({"hud_clock", 0, kClockTop, kHudClockW, kHudClockH});
    areas.push_back({"time_fill", 0, kFillTop, kTimeW, kTimeH});
    areas.push_back({"hud_tasks", 0, kTasksTop, kHudTasksW, kHudTasksH});
    const char* faces[] = {"menu", "menu_pressed", "menu_over", "menu_disabled"};
    for (int i = 0; i < 4; ++i)
        areas.push_back({faces[i], kMenuX, kMenuTop + i * kMenuSide, kMenuSide, kMenuSide});
    return areas;
}

std::string GuiMain0Note() {
    auto n = [](int v) { return std::to_string(v); };
    return "The HUD. Resource icons wood, food, money, mana and the hourglass \"clock\",\n"
           "48 x 48. Positions below are from a board's top-left corner.\n"
           "\"hud_bar\" (" +
           n(kHudBarW) + " x " + n(kHudBarH) + "): four slots from x = " + n(kHudSlotX0) +
           ", one every " + n(kHudSlotStep) +
           " pixels; a slot's icon sits at\n"
           "(slot, 8), its number well at (slot + " +
           n(kHudNumberDx) + ", " + n(kHudNumberY) + "), " + n(kHudNumberW) + " x " +
           n(kHudNumberH) + ".\n\"hud_clock\" (" + n(kHudClockW) + " x " + n(kHudClockH) +
           "): the hourglass at (12, 6); the time bar \"time_fill\"\n(" + n(kTimeW) + " x " +
           n(kTimeH) + ") at (" + n(kTimeX) + ", " + n(kTimeY) +
           "), its gold mark a third of the way along.\n\"hud_tasks\" (" + n(kHudTasksW) + " x " +
           n(kHudTasksH) + "): goal line i (0 to 2) at y = " + n(kTaskLineY0) + " + " +
           n(kTaskLineStep) +
           " i.\nMenu button faces menu, menu_pressed, menu_over, menu_disabled, " + n(kMenuSide) +
           " x " + n(kMenuSide) +
           ",\nstacked downwards: the button takes \"menu\" as its UV frame.";
}

}  // namespace

void AddHudTextures(std::vector<TextureDef>& book) {
    book.push_back({"gui00", 256, 256, PaintGui00, Gui00Areas(),
                    "The work progress bar (frame 0 full, frame 1 empty) and the level goal\n"
                    "pictures task_*, 48 x 48, shown 1:1 in the HUD's task lines."});
    book.push_back({"gui_main0", 512, 512, PaintGuiMain0, GuiMain0Areas(), GuiMain0Note()});
}

}  // namespace artgen
