// Full-screen pictures: the loading screen with its bar, and the side bars
// that fill a wide window beside the 4:3 play area.
#include <cmath>

#include "tools/artgen/Lettering.h"
#include "tools/artgen/Scenery.h"
#include "tools/artgen/TextureBook.h"
#include "tools/artgen/TitleLogo.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

// The picture fills the top 1024 x 768 pixels of the texture; the rest is a
// plain strip (the texture stays a power of two in size).
void PaintLoading(cairo_t* cr, const PaintContext& context) {
    cairo_rectangle(cr, 0, 0, 1024, 1024);
    SetColor(cr, Hex(0x3F93C4));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, 1024, 768);
    cairo_clip(cr);
    PaintIslandScene(cr, 7, 830);
    PaintTitleLogo(cr, context, 512, 190, 1.0);
    // the parchment scroll holding the progress bar (bar slot at 272..752 x 640..672),
    // no taller than the bar needs: the loading screen shows no text under it
    const double x = 204, y = 614, w = 616, h = 84;
    SoftShadow(cr, x + 2, y + 6, w - 4, h - 4, 30, 8, 0.5);
    for (int side = 0; side < 2; ++side) {  // rolled ends
        const double rx = side == 0 ? x - 10 : x + w - 22;
        RoundedRect(cr, rx, y - 8, 32, h + 16, 16);
        SetVerticalGradient(cr, y - 8, h + 16, kParchment, kParchmentShade);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 3);
    }
    RoundedRect(cr, x + 12, y, w - 24, h, 14);
    SetVerticalGradient(cr, y, h, kCream, kParchment);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    // the slot the bar fills
    RoundedRect(cr, 268, 636, 488, 40, 20);
    SetVerticalGradient(cr, 636, 40, Mix(kWoodDark, kInk, 0.45), kWood);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    cairo_move_to(cr, 290, 678.5);
    cairo_line_to(cr, 734, 678.5);
    Stroke(cr, kWhite, 1.5, 0.6);
    // leafy sprigs over the rolled ends
    for (int side = 0; side < 2; ++side) {
        const double cx = side == 0 ? x + 2 : x + w - 2, dir = side == 0 ? 1 : -1;
        for (int i = 0; i < 3; ++i) {
            cairo_save(cr);
            cairo_translate(cr, cx, y + 4);
            cairo_rotate(cr, dir * (0.4 + i * 0.55));
            cairo_move_to(cr, 0, 0);
            cairo_curve_to(cr, 8, -8, 20, -8, 26, 0);
            cairo_curve_to(cr, 20, 8, 8, 8, 0, 0);
            cairo_restore(cr);
            SetColor(cr, i == 1 ? kLeafDark : kLeaf);
            cairo_fill_preserve(cr);
            Stroke(cr, kInk, 1.8);
        }
        Circle(cr, cx, y + 4, 5);
        SetColor(cr, kBerry);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.8);
    }
    cairo_restore(cr);
}

// The bar that fills the slot of the loading screen (the control crops it).
void PaintLoadingBar(cairo_t* cr, const PaintContext&) {
    // Colour everywhere (the JPEG has no transparency of its own), shape in alpha.
    const double x = 2, y = 2, w = 508, h = 28, r = 14;
    cairo_rectangle(cr, 0, 0, 512, 32);
    SetColor(cr, kHoney, 0.004);  // invisible, keeps the colour defined around the bar
    cairo_fill(cr);
    RoundedRect(cr, x, y, w, h, r);
    SetVerticalGradient(cr, y, h, kHoneyLight, kHoneyDark);
    cairo_fill(cr);
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h, r);
    cairo_clip(cr);
    for (double sx = -30; sx < 540; sx += 26) {
        cairo_move_to(cr, sx, y + h);
        cairo_line_to(cr, sx + 12, y + h);
        cairo_line_to(cr, sx + 12 + h * 0.7, y);
        cairo_line_to(cr, sx + h * 0.7, y);
        cairo_close_path(cr);
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 0.2);
    cairo_fill(cr);
    cairo_restore(cr);
    Sheen(cr, x + 4, y + 2, w - 8, h - 4, r - 4, 0.55);
    RoundedRect(cr, x + 1, y + 1, w - 2, h - 2, r - 1);
    Stroke(cr, kHoneyDark, 2);
}

// The side bar: a leafy hedge with a carved wooden post along its inner (right)
// edge; the game mirrors it for the right side.
void PaintWidescreen(cairo_t* cr, const PaintContext&) {
    const double W = 256, H = 1024;
    cairo_rectangle(cr, 0, 0, W, H);
    SetVerticalGradient(cr, 0, H, Hex(0x356B33), Hex(0x244A24));
    cairo_fill(cr);
    Rng rng(42);
    const Rgb greens[] = {Hex(0x4C8A3C), Hex(0x5E9E45), Hex(0x3C7434), Hex(0x6DAF4E)};
    for (int i = 0; i < 340; ++i) {
        // leaves wrap vertically so the stretched bar never shows a seam pattern
        const double lx = rng.Range(-10, W - 20), ly = rng.Range(-20, H + 20);
        const double size = rng.Range(14, 30), angle = rng.Range(0, 2 * M_PI);
        cairo_save(cr);
        cairo_translate(cr, lx, ly);
        cairo_rotate(cr, angle);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, size * 0.3, -size * 0.35, size * 0.75, -size * 0.35, size, 0);
        cairo_curve_to(cr, size * 0.75, size * 0.35, size * 0.3, size * 0.35, 0, 0);
        cairo_restore(cr);
        SetColor(cr, greens[i % 4]);
        cairo_fill_preserve(cr);
        Stroke(cr, Hex(0x1E3A1C), 1.2, 0.6);
    }
    for (int i = 0; i < 26; ++i) {  // a few blossoms
        const double bx = rng.Range(10, W - 40), by = rng.Range(10, H - 10);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            Circle(cr, bx + 4 * std::cos(a), by + 4 * std::sin(a), 3.2);
        }
        SetColor(cr, i % 3 == 0 ? Hex(0xF29BB0) : kCream);
        cairo_fill(cr);
        Circle(cr, bx, by, 2);
        SetColor(cr, kHoney);
        cairo_fill(cr);
    }
    // shade towards the play area so the edge reads as depth
    cairo_pattern_t* shade = cairo_pattern_create_linear(150, 0, 226, 0);
    cairo_pattern_add_color_stop_rgba(shade, 0, 0.05, 0.1, 0.03, 0);
    cairo_pattern_add_color_stop_rgba(shade, 1, 0.05, 0.1, 0.03, 0.45);
    cairo_set_source(cr, shade);
    cairo_rectangle(cr, 150, 0, 80, H);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    // the post
    cairo_rectangle(cr, 226, -4, 34, H + 8);
    cairo_pattern_t* wood = cairo_pattern_create_linear(226, 0, 256, 0);
    cairo_pattern_add_color_stop_rgb(wood, 0, kWoodDark.r, kWoodDark.g, kWoodDark.b);
    cairo_pattern_add_color_stop_rgb(wood, 0.45, kWoodLight.r, kWoodLight.g, kWoodLight.b);
    cairo_pattern_add_color_stop_rgb(wood, 1, kWood.r, kWood.g, kWood.b);
    cairo_set_source(cr, wood);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(wood);
    Stroke(cr, kInk, 3);
    for (double gy = 20; gy < H; gy += 37) {
        cairo_move_to(cr, 232, gy);
        cairo_curve_to(cr, 238, gy + 6, 244, gy + 3, 250, gy + 12);
    }
    Stroke(cr, kWoodDark, 1.4, 0.55);
    for (double ry = 64; ry < H; ry += 128) {  // brass studs
        Circle(cr, 242, ry, 5);
        SetVerticalGradient(cr, ry - 5, 10, kHoneyLight, kHoneyDark);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.5);
    }
}

}  // namespace

void AddScreenTextures(std::vector<TextureDef>& book) {
    book.push_back(
        {"gui_loading",
         1024,
         1024,
         PaintLoading,
         {{"back", 0, 0, 1024, 768}},
         "Loading screen; the picture is the top 1024 x 768 pixels\n"
         "{x = 0, y = 0.25, w = 1, h = 0.75}. The bar slot is at GUI (268, 92, 488, 40)."});
    book.push_back({"gui_loading_progress",
                    512,
                    32,
                    PaintLoadingBar,
                    {{"bar", 0, 0, 512, 32}},
                    "The loading bar over the whole texture; the shape is in the alpha image."});
    book.push_back({"widescreen",
                    256,
                    1024,
                    PaintWidescreen,
                    {{"bar", 0, 0, 256, 1024}},
                    "Bar beside the 4:3 play area; its right edge meets the play area (the game\n"
                    "mirrors it for the right-hand bar)."});
}

}  // namespace artgen
