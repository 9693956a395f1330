// "gui_main1": the prize cups of the results screen (gold, silver, bronze),
// the sunburst to set behind them, and small medals on ribbons for the
// briefing's and the results' time lines.
#include <cmath>

#include "tools/artgen/ArtShapes.h"
#include "tools/artgen/TextureBook.h"
#include "tools/common/Palette.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr int kCupW = 160, kCupH = 208, kCupStep = 168;
constexpr int kGlowTop = 216, kGlowSide = 256;
constexpr int kMedal = 48, kMedalX = 264;

// The bowl's outline: a rim at the top, round below, narrowing into the stem.
void BowlPath(cairo_t* cr, double cx) {
    cairo_move_to(cr, cx - 54, 30);
    cairo_curve_to(cr, cx - 56, 84, cx - 34, 116, cx - 8, 122);
    cairo_line_to(cr, cx + 8, 122);
    cairo_curve_to(cr, cx + 34, 116, cx + 56, 84, cx + 54, 30);
    cairo_close_path(cr);
}

void Handles(cairo_t* cr, double cx, const Metal& metal) {
    for (int side : {-1, 1}) {
        cairo_move_to(cr, cx + side * 50, 44);
        cairo_curve_to(cr, cx + side * 76, 36, cx + side * 78, 88, cx + side * 38, 100);
        Stroke(cr, kInk, 13);
        cairo_move_to(cr, cx + side * 50, 44);
        cairo_curve_to(cr, cx + side * 76, 36, cx + side * 78, 88, cx + side * 38, 100);
        Stroke(cr, metal.base, 7);
        cairo_move_to(cr, cx + side * 56, 45);
        cairo_curve_to(cr, cx + side * 70, 42, cx + side * 72, 70, cx + side * 62, 82);
        Stroke(cr, metal.light, 2.2, 0.8);
    }
}

void Cup(cairo_t* cr, const Metal& metal, int stars) {
    const double cx = kCupW / 2.0;
    SoftGroundShadow(cr, cx, 200, 70, 8, 0.4);
    Handles(cr, cx, metal);
    // stem, knot and foot
    cairo_move_to(cr, cx - 9, 120);
    cairo_curve_to(cr, cx - 7, 134, cx - 10, 146, cx - 24, 156);
    cairo_line_to(cr, cx + 24, 156);
    cairo_curve_to(cr, cx + 10, 146, cx + 7, 134, cx + 9, 120);
    cairo_close_path(cr);
    cairo_path_t* stem = cairo_copy_path(cr);
    FillMetal(cr, metal, 120, 36);
    cairo_append_path(cr, stem);
    Stroke(cr, kInk, 3);
    cairo_path_destroy(stem);
    Ellipse(cr, cx, 134, 13, 5);
    FillMetal(cr, metal, 129, 10);
    Ellipse(cr, cx, 134, 13, 5);
    Stroke(cr, kInk, 2.5);
    RoundedRect(cr, cx - 38, 154, 76, 12, 5);
    FillMetal(cr, metal, 154, 12);
    RoundedRect(cr, cx - 38, 154, 76, 12, 5);
    Stroke(cr, kInk, 3);
    // the wooden plinth with its plaque of stars
    RoundedRect(cr, cx - 54, 166, 108, 30, 7);
    SetVerticalGradient(cr, 166, 30, kWoodLight, kWoodDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    RoundedRect(cr, cx - 38, 171, 76, 20, 5);
    FillMetal(cr, metal, 171, 20);
    RoundedRect(cr, cx - 38, 171, 76, 20, 5);
    Stroke(cr, kInk, 2);
    for (int i = 0; i < stars; ++i) {
        const double sx = cx + (i - (stars - 1) / 2.0) * 22;
        StarPath(cr, sx, 181.5, 8, 3.6, 5, -M_PI / 2);
    }
    cairo_path_t* plaque = cairo_copy_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Stroke(cr, metal.dark, 2.4);
    cairo_append_path(cr, plaque);
    SetColor(cr, kCream);
    cairo_fill(cr);
    cairo_path_destroy(plaque);
    // the bowl, its dark inside under the rim, a big star on its front
    BowlPath(cr, cx);
    FillMetal(cr, metal, 24, 98);
    cairo_save(cr);
    BowlPath(cr, cx);
    cairo_clip(cr);
    cairo_rectangle(cr, cx + 22, 24, 40, 100);
    SetColor(cr, metal.dark, 0.35);
    cairo_fill(cr);
    cairo_move_to(cr, cx - 38, 42);
    cairo_curve_to(cr, cx - 40, 76, cx - 28, 98, cx - 14, 108);
    Stroke(cr, kWhite, 7, 0.55);
    cairo_restore(cr);
    BowlPath(cr, cx);
    Stroke(cr, kInk, 3.5);
    Ellipse(cr, cx, 30, 54, 9);
    SetVerticalGradient(cr, 21, 18, metal.dark, Darken(metal.dark, 0.3));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3.5);
    Ellipse(cr, cx, 29, 50, 6.5);
    Stroke(cr, metal.light, 1.6, 0.7);
    StarPath(cr, cx, 72, 22, 10, 5, -M_PI / 2);
    cairo_path_t* emblem = cairo_copy_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Stroke(cr, metal.dark, 5);
    cairo_append_path(cr, emblem);
    FillMetal(cr, Metal{kWhite, metal.light, metal.base}, 50, 44);
    cairo_path_destroy(emblem);
    // a sparkle or two of pride
    TwinkleStar(cr, cx - 30, 48, 9, 0.95);
    TwinkleStar(cr, cx + 58, 20, 7, 0.9);
    TwinkleStar(cr, cx + 40, 112, 5, 0.8);
}

void Sunburst(cairo_t* cr) {
    const double c = kGlowSide / 2.0;
    cairo_push_group(cr);
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8, w = M_PI / 17;
        cairo_move_to(cr, c, c);
        cairo_arc(cr, c, c, c, a - w, a + w);
        cairo_close_path(cr);
    }
    SetColor(cr, kHoneyLight, 0.75);
    cairo_fill(cr);
    Circle(cr, c, c, c * 0.45);
    SetColor(cr, kCream, 0.8);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    // fades out towards the edge so it melts into any panel
    cairo_pattern_t* fade = cairo_pattern_create_radial(c, c, c * 0.25, c, c, c - 2);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 0);
    cairo_mask(cr, fade);
    cairo_pattern_destroy(fade);
}

// A medal hanging from a short ribbon, for a line of text.
void SmallMedal(cairo_t* cr, const Metal& metal, int stars, Rgb ribbon) {
    for (int side : {-1, 1}) {
        cairo_move_to(cr, 24 + side * 3, 4);
        cairo_line_to(cr, 24 + side * 13, 4);
        cairo_line_to(cr, 24 + side * 6, 22);
        cairo_line_to(cr, 24 - side * 2, 22);
        cairo_close_path(cr);
        SetColor(cr, side < 0 ? ribbon : Darken(ribbon, 0.2));
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.6);
    }
    PaintMedalDisc(cr, 24, 28, 16, metal, stars, 2);
}

void PaintGuiMain1(cairo_t* cr, const PaintContext&) {
    const Metal* metals[] = {&kGoldMetal, &kSilverMetal, &kBronzeMetal};
    const Rgb ribbons[] = {kBerry, kMana, kLeafDark};
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, i * kCupStep, 0);
        cairo_rectangle(cr, 1, 1, kCupW - 2, kCupH - 2);
        cairo_clip(cr);
        Cup(cr, *metals[i], 3 - i);
        cairo_restore(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, 0, kGlowTop);
    Sunburst(cr);
    cairo_restore(cr);
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, kMedalX + i * (kMedal + 4), kGlowTop);
        SmallMedal(cr, *metals[i], 3 - i, ribbons[i]);
        cairo_restore(cr);
    }
}

}  // namespace

void AddMedalCupTextures(std::vector<TextureDef>& book) {
    std::vector<Area> areas = {{"gold", 0, 0, kCupW, kCupH},
                               {"silver", kCupStep, 0, kCupW, kCupH},
                               {"bronze", 2 * kCupStep, 0, kCupW, kCupH},
                               {"glow", 0, kGlowTop, kGlowSide, kGlowSide}};
    const char* medals[] = {"medal_gold", "medal_silver", "medal_bronze"};
    for (int i = 0; i < 3; ++i)
        areas.push_back({medals[i], kMedalX + i * (kMedal + 4), kGlowTop, kMedal, kMedal});
    book.push_back({"gui_main1", 512, 512, PaintGuiMain1, areas,
                    "Results: the cups gold, silver, bronze (160 x 208, the cup control pops\n"
                    "them in at twice that size); \"glow\" (256 x 256), a sunburst fading at its\n"
                    "edge, to stretch behind the cup; medal_gold, medal_silver, medal_bronze\n"
                    "(48 x 48) beside the gold and silver times of the briefing."});
}

}  // namespace artgen
