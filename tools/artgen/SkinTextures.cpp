// The interface skin: buttons, panels, frames, fields, list highlight, progress
// bar, slider, check box and title ribbon. Each texture's note tells the window
// scripts how its parts are laid out (the atlas script repeats it).
#include <cmath>

#include "tools/artgen/TextureBook.h"
#include "tools/common/Palette.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

// A dark band fading downwards inside a rounded rectangle: the inset look of
// fields and grooves.
void InnerShadow(cairo_t* cr, double x, double y, double w, double h, double r, double depth,
                 double alpha) {
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h, r);
    cairo_clip(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + depth);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.25, 0.14, 0.06, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.25, 0.14, 0.06, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

enum class ButtonState { kNormal, kPressed, kOver, kDisabled };

// One button image in a 256 x 64 cell: a soft rounded slab with a darker lip
// below its face, sitting on a faint shadow.
void ButtonCell(cairo_t* cr, double top, Rgb base, ButtonState state) {
    const double x = 6, w = 244, r = 20;
    const double y = top + 6, h = 50;
    const bool pressed = state == ButtonState::kPressed;
    Rgb face = base;
    if (state == ButtonState::kOver)
        face = Lighten(base, 0.22);
    if (pressed)
        face = Darken(base, 0.08);
    if (state == ButtonState::kDisabled)
        face = Mix(base, kStone, 0.75);
    const double lip = pressed ? 1.5 : 5;
    const double shift = pressed ? 3.5 : 0;

    SoftShadow(cr, x + 1, y + 3, w - 2, h, r, pressed ? 2.5 : 4.5, 0.35);
    // lip (the slab's side)
    RoundedRect(cr, x, y + shift, w, h - shift, r);
    SetColor(cr, Darken(face, 0.32));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    // face
    const double fy = y + shift, fh = h - shift - lip;
    RoundedRect(cr, x, fy, w, fh, r);
    SetVerticalGradient(cr, fy, fh, Lighten(face, 0.3), face);
    cairo_fill(cr);
    if (state == ButtonState::kOver) {
        // a warm inner glow when the pointer is over it
        cairo_save(cr);
        RoundedRect(cr, x, fy, w, fh, r);
        cairo_clip(cr);
        cairo_pattern_t* glow =
            cairo_pattern_create_radial(128, fy + fh * 0.5, 10, 128, fy + fh * 0.5, 150);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 0.85, 0.35);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 0.85, 0);
        cairo_set_source(cr, glow);
        cairo_paint(cr);
        cairo_pattern_destroy(glow);
        cairo_restore(cr);
    }
    Sheen(cr, x + 5, fy + 3, w - 10, fh - 6, r - 5, pressed ? 0.25 : 0.45);
    // light inner rim
    RoundedRect(cr, x + 3, fy + 3, w - 6, fh - 6, r - 3);
    Stroke(cr, kWhite, 1.5, 0.35);
    RoundedRect(cr, x, fy, w, fh, r);
    Stroke(cr, kInk, 3);
}

void PaintButton(cairo_t* cr, Rgb base) {
    ButtonCell(cr, 0, base, ButtonState::kNormal);
    ButtonCell(cr, 64, base, ButtonState::kPressed);
    ButtonCell(cr, 128, base, ButtonState::kOver);
    ButtonCell(cr, 192, base, ButtonState::kDisabled);
}

std::vector<Area> ButtonAreas() {
    return {{"normal", 0, 0, 256, 64},
            {"pressed", 0, 64, 256, 64},
            {"over", 0, 128, 256, 64},
            {"disabled", 0, 192, 256, 64}};
}

const char* kButtonNote =
    "Button faces stacked from the top: normal, pressed, pointer over, disabled;\n"
    "each 256 x 64. A button takes the normal face as its UV frame,\n"
    "{x = 0, y = 0.75, w = 1, h = 0.25} with the border {x = 0.109375, y = 0.109375}\n"
    "(28 pixels), and the engine steps down one face per state.";

// The window background: a parchment sheet in a rounded wooden rim.
void PaintPanel(cairo_t* cr, const PaintContext&) {
    const double x = 10, y = 8, w = 236, h = 236, r = 34;
    SoftShadow(cr, x + 2, y + 5, w - 4, h - 4, r, 7, 0.45);
    RoundedRect(cr, x, y, w, h, r);
    SetVerticalGradient(cr, y, h, kWoodLight, kWood);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    // wood grain along the rim
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h, r);
    cairo_clip(cr);
    for (int i = 0; i < 7; ++i) {
        const double gy = y + 4 + i * 2.2;
        cairo_move_to(cr, x + r, gy);
        cairo_line_to(cr, x + w - r, gy);
        const double by = y + h - 4 - i * 2.2;
        cairo_move_to(cr, x + r, by);
        cairo_line_to(cr, x + w - r, by);
    }
    Stroke(cr, kWoodDark, 0.8, 0.25);
    cairo_restore(cr);
    RoundedRect(cr, x + 3, y + 3, w - 6, h - 6, r - 3);
    Stroke(cr, kWhite, 1.5, 0.25);
    // the parchment
    const double px = x + 13, py = y + 13, pw = w - 26, ph = h - 26, pr = r - 12;
    RoundedRect(cr, px, py, pw, ph, pr);
    SetVerticalGradient(cr, py, ph, kCream, kParchment);
    cairo_fill(cr);
    InnerShadow(cr, px, py, pw, ph, pr, 12, 0.3);
    RoundedRect(cr, px, py, pw, ph, pr);
    Stroke(cr, kInk, 2.5);
    // brass studs in the corners of the rim
    for (double sx : {x + 15.5, x + w - 15.5}) {
        for (double sy : {y + 15.5, y + h - 15.5}) {
            Circle(cr, sx, sy, 4.5);
            SetVerticalGradient(cr, sy - 4.5, 9, kHoneyLight, kHoneyDark);
            cairo_fill_preserve(cr);
            Stroke(cr, kInk, 1.5);
        }
    }
}

// A recessed parchment area for text boxes and lists inside a panel.
void PaintFrame(cairo_t* cr, const PaintContext&) {
    const double x = 4, y = 4, w = 120, h = 120, r = 16;
    RoundedRect(cr, x, y, w, h, r);
    SetVerticalGradient(cr, y, h, Mix(kParchment, kParchmentShade, 0.6),
                        Mix(kCream, kParchment, 0.4));
    cairo_fill(cr);
    InnerShadow(cr, x, y, w, h, r, 10, 0.35);
    RoundedRect(cr, x + 1.5, y + 1.5, w - 3, h - 3, r - 1.5);
    Stroke(cr, kInk, 2.5, 0.75);
    // a light edge along the bottom: the lip of the recess
    cairo_move_to(cr, x + r, y + h + 0.5);
    cairo_line_to(cr, x + w - r, y + h + 0.5);
    Stroke(cr, kWhite, 1.2, 0.5);
}

// The single-line edit field.
void PaintEdit(cairo_t* cr, const PaintContext&) {
    const double x = 4, y = 4, w = 248, h = 56, r = 14;
    RoundedRect(cr, x, y, w, h, r);
    SetVerticalGradient(cr, y, h, Hex(0xFFFDF6), kCream);
    cairo_fill(cr);
    InnerShadow(cr, x, y, w, h, r, 9, 0.3);
    RoundedRect(cr, x + 1.5, y + 1.5, w - 3, h - 3, r - 1.5);
    Stroke(cr, kWoodDark, 3);
}

// The bar behind a selected list item.
void PaintListHighlight(cairo_t* cr, const PaintContext&) {
    const double x = 4, y = 6, w = 248, h = 52, r = 16;
    RoundedRect(cr, x, y, w, h, r);
    SetVerticalGradient(cr, y, h, kHoneyLight, kHoney);
    cairo_fill(cr);
    Sheen(cr, x + 3, y + 2, w - 6, h - 4, r - 3, 0.45);
    RoundedRect(cr, x + 1, y + 1, w - 2, h - 2, r - 1);
    Stroke(cr, kHoneyDark, 2.5);
}

// Progress bar: the full bar above, the empty track below (each 256 x 32).
void PaintProgress(cairo_t* cr, const PaintContext&) {
    const double x = 3, w = 250, h = 24, r = 12;
    // fill
    double y = 4;
    RoundedRect(cr, x, y, w, h, r);
    SetVerticalGradient(cr, y, h, kLeafLight, kLeafDark);
    cairo_fill(cr);
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h, r);
    cairo_clip(cr);
    for (double sx = -20; sx < 270; sx += 22) {  // gentle diagonal stripes
        cairo_move_to(cr, sx, y + h);
        cairo_line_to(cr, sx + 10, y + h);
        cairo_line_to(cr, sx + 10 + h * 0.7, y);
        cairo_line_to(cr, sx + h * 0.7, y);
        cairo_close_path(cr);
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 0.16);
    cairo_fill(cr);
    cairo_restore(cr);
    Sheen(cr, x + 3, y + 2, w - 6, h - 4, r - 3, 0.5);
    RoundedRect(cr, x, y, w, h, r);
    Stroke(cr, kInk, 2.5);
    // track
    y = 36;
    RoundedRect(cr, x, y, w, h, r);
    SetVerticalGradient(cr, y, h, Mix(kWoodDark, kInk, 0.4), kWood);
    cairo_fill(cr);
    InnerShadow(cr, x, y, w, h, r, 8, 0.45);
    RoundedRect(cr, x, y, w, h, r);
    Stroke(cr, kInk, 2.5);
}

// Slider: the groove (left half, as a nine-patch) and the knob, normal and
// pointer over, side by side.
void Knob(cairo_t* cr, double cx, double cy, bool over) {
    if (over) {
        cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 16, cx, cy, 31);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.7, 0.75);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.95, 0.7, 0);
        cairo_set_source(cr, glow);
        Circle(cr, cx, cy, 31);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
    Circle(cr, cx + 1, cy + 3, 21);
    cairo_set_source_rgba(cr, 0.2, 0.1, 0.04, 0.3);
    cairo_fill(cr);
    const Rgb face = over ? Lighten(kHoney, 0.2) : kHoney;
    Circle(cr, cx, cy, 20);
    SetVerticalGradient(cr, cy - 20, 40, Lighten(face, 0.35), Darken(face, 0.1));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    Circle(cr, cx, cy, 12);
    SetVerticalGradient(cr, cy - 12, 24, Darken(face, 0.1), Lighten(face, 0.3));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, cx - 6, cy - 9);
    cairo_scale(cr, 1.4, 0.8);
    Circle(cr, 0, 0, 4.5);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
    cairo_fill(cr);
}

void PaintSlider(cairo_t* cr, const PaintContext&) {
    const double x = 6, y = 24, w = 116, h = 16, r = 8;
    RoundedRect(cr, x, y, w, h, r);
    SetVerticalGradient(cr, y, h, Mix(kWoodDark, kInk, 0.5), kWood);
    cairo_fill(cr);
    InnerShadow(cr, x, y, w, h, r, 6, 0.5);
    RoundedRect(cr, x, y, w, h, r);
    Stroke(cr, kInk, 2.5);
    cairo_move_to(cr, x + r, y + h + 1.5);
    cairo_line_to(cr, x + w - r, y + h + 1.5);
    Stroke(cr, kWhite, 1.2, 0.45);
    Knob(cr, 160, 32, false);
    Knob(cr, 224, 32, true);
}

// Check box: columns normal and pointer over, rows unchecked and checked.
void CheckCell(cairo_t* cr, double ox, double oy, bool over, bool checked) {
    const double x = ox + 10, y = oy + 10, s = 44, r = 11;
    if (over) {
        for (int i = 4; i >= 1; --i) {
            RoundedRect(cr, x - i * 1.5, y - i * 1.5, s + i * 3, s + i * 3, r + i * 1.5);
            cairo_set_source_rgba(cr, 1, 0.85, 0.4, 0.14);
            cairo_fill(cr);
        }
    }
    RoundedRect(cr, x + 1, y + 3, s, s, r);
    cairo_set_source_rgba(cr, 0.2, 0.1, 0.04, 0.25);
    cairo_fill(cr);
    RoundedRect(cr, x, y, s, s, r);
    SetVerticalGradient(cr, y, s, over ? Hex(0xFFFDF3) : kCream, over ? kCream : kParchment);
    cairo_fill(cr);
    InnerShadow(cr, x, y, s, s, r, 8, 0.25);
    RoundedRect(cr, x, y, s, s, r);
    Stroke(cr, kInk, 3);
    if (checked) {
        cairo_move_to(cr, x + 10, y + 23);
        cairo_line_to(cr, x + 19, y + 33);
        cairo_line_to(cr, x + 36, y + 10);
        Stroke(cr, kInk, 10);
        cairo_move_to(cr, x + 10, y + 23);
        cairo_line_to(cr, x + 19, y + 33);
        cairo_line_to(cr, x + 36, y + 10);
        Stroke(cr, over ? Lighten(kLeaf, 0.15) : kLeaf, 5.5);
    }
}

void PaintCheckBox(cairo_t* cr, const PaintContext&) {
    CheckCell(cr, 0, 0, false, false);
    CheckCell(cr, 64, 0, true, false);
    CheckCell(cr, 0, 64, false, true);
    CheckCell(cr, 64, 64, true, true);
}

// A ribbon banner for window titles; stretches in the middle.
void PaintRibbon(cairo_t* cr, const PaintContext&) {
    const double top = 28, bottom = 92, tailTop = 44, tailBottom = 112;
    // tails behind the band
    for (int side = 0; side < 2; ++side) {
        const double dir = side == 0 ? 1 : -1;
        const double edge = side == 0 ? 4 : 508;
        const double inner = side == 0 ? 70 : 442;
        cairo_move_to(cr, edge, tailTop);
        cairo_line_to(cr, inner, tailTop);
        cairo_line_to(cr, inner, tailBottom);
        cairo_line_to(cr, edge, tailBottom);
        cairo_line_to(cr, edge + dir * 22, (tailTop + tailBottom) / 2);
        cairo_close_path(cr);
        SetVerticalGradient(cr, tailTop, tailBottom - tailTop, kBerryDark,
                            Darken(kBerryDark, 0.25));
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 3);
        // the fold
        cairo_move_to(cr, inner, tailBottom);
        cairo_line_to(cr, inner + dir * 26, bottom);
        cairo_line_to(cr, inner, bottom);
        cairo_close_path(cr);
        SetColor(cr, Darken(kBerryDark, 0.45));
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 2.5);
    }
    // the band
    cairo_move_to(cr, 70, top);
    cairo_curve_to(cr, 200, top - 10, 312, top - 10, 442, top);
    cairo_line_to(cr, 442, bottom);
    cairo_curve_to(cr, 312, bottom - 10, 200, bottom - 10, 70, bottom);
    cairo_close_path(cr);
    SetVerticalGradient(cr, top - 8, bottom - top, Lighten(kBerry, 0.15), kBerryDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    // stitching
    const double dashes[] = {6, 5};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_move_to(cr, 76, top + 7);
    cairo_curve_to(cr, 200, top - 2, 312, top - 2, 436, top + 7);
    cairo_move_to(cr, 76, bottom - 7);
    cairo_curve_to(cr, 200, bottom - 16, 312, bottom - 16, 436, bottom - 7);
    Stroke(cr, kCream, 1.6, 0.7);
    cairo_set_dash(cr, nullptr, 0, 0);
}

}  // namespace

void AddSkinTextures(std::vector<TextureDef>& book) {
    book.push_back({"gui_button", 256, 256,
                    [](cairo_t* cr, const PaintContext&) { PaintButton(cr, kHoney); },
                    ButtonAreas(), kButtonNote});
    book.push_back({"gui_button_alt", 256, 256,
                    [](cairo_t* cr, const PaintContext&) { PaintButton(cr, Hex(0x6DBFD8)); },
                    ButtonAreas(), kButtonNote});
    book.push_back({"gui_panel",
                    256,
                    256,
                    PaintPanel,
                    {{"panel", 0, 0, 256, 256}},
                    "Window background, a nine-patch over the whole texture with the border\n"
                    "{x = 0.25, y = 0.25} (64 pixels)."});
    book.push_back({"gui_frame",
                    128,
                    128,
                    PaintFrame,
                    {{"frame", 0, 0, 128, 128}},
                    "Recessed area for texts and lists, a nine-patch over the whole texture\n"
                    "with the border {x = 0.1875, y = 0.1875} (24 pixels)."});
    book.push_back({"gui_edit",
                    256,
                    64,
                    PaintEdit,
                    {{"edit", 0, 0, 256, 64}},
                    "Edit field, a nine-patch over the whole texture with the border\n"
                    "{x = 0.078125, y = 0.3125} (20 pixels)."});
    book.push_back({"gui_list",
                    256,
                    64,
                    PaintListHighlight,
                    {{"highlight", 0, 0, 256, 64}},
                    "Selected list item bar, a nine-patch over the whole texture with the\n"
                    "border {x = 0.078125, y = 0.3125} (20 pixels)."});
    book.push_back({"gui_progress",
                    256,
                    64,
                    PaintProgress,
                    {{"fill", 0, 0, 256, 32}, {"track", 0, 32, 256, 32}},
                    "Progress bar: the full bar in the upper half (the bar control crops it),\n"
                    "the empty track in the lower half (a nine-patch with the border\n"
                    "{x = 0.0625, y = 0.25})."});
    book.push_back(
        {"gui_slider",
         256,
         64,
         PaintSlider,
         {{"track", 0, 16, 128, 32}, {"thumb", 128, 0, 64, 64}, {"thumb_over", 192, 0, 64, 64}},
         "Slider: the groove {x = 0, y = 0.25, w = 0.5, h = 0.5} as a nine-patch with\n"
         "the border {x = 0.0625, y = 0.25}; the knob {x = 0.5, y = 0, w = 0.25, h = 1}\n"
         "with its pointer-over image to its right."});
    book.push_back({"gui_checkbox",
                    128,
                    128,
                    PaintCheckBox,
                    {{"box", 0, 0, 128, 128, 2, 2}},
                    "Check box sheet: columns normal and pointer over, rows unchecked (top)\n"
                    "and checked; the box control takes {x = 0, y = 0.5, w = 0.5, h = 0.5}."});
    book.push_back({"gui_shade",
                    16,
                    16,
                    [](cairo_t* cr, const PaintContext&) {
                        cairo_set_source_rgba(cr, 0.16, 0.09, 0.04, 0.5);
                        cairo_paint(cr);
                    },
                    {{"shade", 0, 0, 16, 16}},
                    "Dims the screen behind a modal window; stretch it over the whole screen."});
    book.push_back({"gui_ribbon",
                    512,
                    128,
                    PaintRibbon,
                    {{"ribbon", 0, 0, 512, 128}},
                    "Title ribbon, a nine-patch over the whole texture with the border\n"
                    "{x = 0.1875, y = 0} (96 pixels at the ends)."});
}

}  // namespace artgen
