// The opening story, four pages: the happy island, the night of the raid,
// the morning after, and Master Aldous calling the player to mend it.
#include <cmath>

#include "tools/artgen/ArtShapes.h"
#include "tools/artgen/ComicsKit.h"
#include "tools/artgen/RoomArt.h"
#include "tools/artgen/Scenery.h"
#include "tools/artgen/SpeakerFigures.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr Panel kWhole{16, 16, 992, 644};

// Brindlemoor in its good days: the island at work in the sun.
void PaintPeace(cairo_t* cr, const PaintContext&) {
    PaintPageBack(cr);
    InPanel(cr, kWhole, [](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, -16, -40);
        PaintIslandScene(c, 11, 150);
        PaintBigCastle(c, 600, 462, 0.8);
        cairo_restore(c);
        PaintWalker(c, "worker_walk0", 2, 420, 600, 1.7);
        PaintWalker(c, "worker_bag0", 1, 560, 628, 1.7, true);
        PaintWalker(c, "worker_hack0", 3, 160, 560, 1.6);
        PaintWalker(c, "worker_collect3", 2, 690, 470, 1.4);
    });
}

// The night of the raid: the bandits' ship, the goblins with the gold, the
// spirits out of the barrows, and the storm over it all.
void PaintRaid(cairo_t* cr, const PaintContext&) {
    PaintPageBack(cr);
    InPanel(cr, kWhole, [](cairo_t* c) {
        StormSky(c, 992, 644);
        cairo_save(c);
        cairo_translate(c, 640, 250);
        PaintBolt(c, 90, 240);
        cairo_restore(c);
        Sea(c, 992, 420, 644, Hex(0x2F4A78), Hex(0x1A2744), 4);
        PaintBanditShip(c, 210, 470, 1.15);
        // the shore and the village under the storm
        cairo_move_to(c, 330, 644);
        cairo_curve_to(c, 400, 500, 600, 470, 1000, 450);
        cairo_line_to(c, 1000, 644);
        cairo_close_path(c);
        SetVerticalGradient(c, 450, 194, Hex(0x4C6B48), Hex(0x2C4030));
        cairo_fill_preserve(c);
        Stroke(c, kInk, 3);
        PaintCottage(c, 860, 480, 110);
        PaintPine(c, 700, 486, 80);
        PaintPine(c, 960, 470, 70);
        PaintWalker(c, "bandit_walk0", 1, 470, 590, 2.4);
        PaintWalker(c, "bandit_walk0", 3, 580, 620, 2.4);
        PaintWalker(c, "goblin_bag2", 1, 700, 610, 2.3);
        PaintWalker(c, "goblin_bag2", 3, 790, 575, 2.1);
        // night over everything but the spirits' own light
        cairo_rectangle(c, 0, 0, 992, 644);
        cairo_set_source_rgba(c, 0.08, 0.1, 0.3, 0.32);
        cairo_fill(c);
        PaintGlow(c, 905, 570, 90, 110, Hex(0x9CFFC8), 0.45);
        PaintWalker(c, "skeleton_walk3", 1, 905, 610, 2.3);
        PaintGlow(c, 872, 450, 16, 14, Hex(0xFFD060), 0.9);  // the cottage's window
        // rain
        Rng rng(9);
        for (int i = 0; i < 170; ++i) {
            const double x = rng.Range(-40, 1000), y = rng.Range(-20, 640);
            cairo_move_to(c, x, y);
            cairo_line_to(c, x - 9, y + 26);
        }
        Stroke(c, Hex(0xBFD3F0), 1.6, 0.45);
    });
}

// The morning after: the bridge broken, stones on the road, a roof torn, and
// the islanders thinking of their princess.
void PaintRuins(cairo_t* cr, const PaintContext&) {
    PaintPageBack(cr);
    InPanel(cr, kWhole, [](cairo_t* c) {
        GreySky(c, 992, 400);
        PaintBigCastle(c, 170, 330, 1.3);
        Hills(c, 992, 330, 644, Hex(0xA6C27E), Hex(0x6E8E4E), 1.3);
        // the brook and what is left of its bridge
        cairo_move_to(c, 560, 330);
        cairo_curve_to(c, 520, 420, 640, 520, 600, 644);
        cairo_line_to(c, 720, 644);
        cairo_curve_to(c, 760, 520, 640, 420, 610, 330);
        cairo_close_path(c);
        SetVerticalGradient(c, 330, 314, Hex(0x9CC8DE), Hex(0x5E93B4));
        cairo_fill_preserve(c);
        Stroke(c, kInk, 3);
        for (int i = 0; i < 5; ++i) {
            cairo_save(c);
            cairo_translate(c, 560 + i * 34, 500 + (i % 2) * 12);
            cairo_rotate(c, i % 2 ? 0.5 : -0.35);
            RoundedRect(c, -14, -5, 30, 10, 3);
            SetVerticalGradient(c, -5, 10, kWoodLight, kWood);
            cairo_fill_preserve(c);
            Stroke(c, kInk, 2);
            cairo_restore(c);
        }
        for (double side : {-1.0, 1.0}) {
            cairo_rectangle(c, 650 + side * 110, 456, 12, 60);
            SetVerticalGradient(c, 456, 60, kWood, kWoodDark);
            cairo_fill_preserve(c);
            Stroke(c, kInk, 2);
        }
        // a torn cottage
        PaintCottage(c, 850, 430, 130);
        cairo_move_to(c, 820, 318);
        cairo_line_to(c, 858, 338);
        cairo_line_to(c, 836, 366);
        cairo_line_to(c, 872, 388);
        cairo_line_to(c, 818, 392);
        cairo_close_path(c);
        SetColor(c, Hex(0x3A2A22));
        cairo_fill_preserve(c);
        Stroke(c, kInk, 2);
        // stones on the road
        Rng rng(21);
        for (int i = 0; i < 6; ++i) {
            const double sx = 260 + rng.Range(0, 240), sy = 560 + rng.Range(0, 60);
            Ellipse(c, sx, sy, rng.Range(18, 30), rng.Range(12, 18));
            SetVerticalGradient(c, sy - 18, 36, kStone, kStoneDark);
            cairo_fill_preserve(c);
            Stroke(c, kInk, 2.2);
        }
        PaintWalker(c, "worker_walk3", 0, 360, 520, 2.3);
        PaintWalker(c, "worker_walk3", 2, 450, 500, 2.1);
        // the thought they share: the princess
        for (int i = 0; i < 3; ++i) {
            Circle(c, 420 + i * 24, 380 - i * 26, 6 + i * 3);
            SetColor(c, kWhite, 0.95);
            cairo_fill_preserve(c);
            Stroke(c, kInk, 2);
        }
        Ellipse(c, 560, 200, 128, 108);
        SetColor(c, kWhite, 0.95);
        cairo_fill_preserve(c);
        Stroke(c, kInk, 3);
        PaintSpeaker(c, PaintPrincess, Hex(0xF6C7D6), 560, 200, 180);
    });
}

// Master Aldous unrolls the island's map before the hero, Hilde and the
// workers: the player is to lead them.
void PaintCall(cairo_t* cr, const PaintContext&) {
    PaintPageBack(cr);
    InPanel(cr, kWhole, [](cairo_t* c) {
        DaySky(c, 992, 420, 820, 90);
        PaintCloud(c, 300, 80, 0.8);
        Hills(c, 992, 380, 644, kLeafLight, kLeaf, 0.4);
        // the island's map on its easel
        for (double side : {-1.0, 1.0}) {
            cairo_move_to(c, 496 + side * 150, 560);
            cairo_line_to(c, 496 + side * 120, 200);
            Stroke(c, kInk, 10);
            cairo_move_to(c, 496 + side * 150, 560);
            cairo_line_to(c, 496 + side * 120, 200);
            Stroke(c, kWood, 6);
        }
        RoundedRect(c, 316, 190, 360, 250, 10);
        SetVerticalGradient(c, 190, 250, kCream, kParchmentShade);
        cairo_fill_preserve(c);
        Stroke(c, kInk, 4);
        cairo_move_to(c, 350, 330);
        cairo_curve_to(c, 360, 240, 520, 220, 620, 260);
        cairo_curve_to(c, 680, 300, 640, 400, 520, 410);
        cairo_curve_to(c, 420, 418, 344, 390, 350, 330);
        cairo_close_path(c);
        SetVerticalGradient(c, 230, 190, kLeafLight, kLeaf);
        cairo_fill_preserve(c);
        Stroke(c, kInk, 3);
        cairo_move_to(c, 380, 360);
        cairo_curve_to(c, 440, 300, 500, 380, 560, 320);
        cairo_curve_to(c, 590, 290, 600, 280, 610, 300);
        const double dash[] = {8, 8};
        cairo_set_dash(c, dash, 2, 0);
        Stroke(c, kBerryDark, 4);
        cairo_set_dash(c, nullptr, 0, 0);
        Circle(c, 380, 360, 9);
        SetColor(c, kHoney);
        cairo_fill_preserve(c);
        Stroke(c, kInk, 2);
        StarPath(c, 612, 298, 16, 7, 5, -M_PI / 2);
        SetColor(c, kGold);
        cairo_fill_preserve(c);
        Stroke(c, kInk, 2);
        // the team before it
        PaintWalker(c, "worker_walk3", 0, 170, 600, 2.2);
        PaintWalker(c, "worker_walk3", 2, 290, 620, 2.2);
        PaintWalker(c, "hero_walk3", 0, 496, 628, 2.5);
        PaintWalker(c, "worker_walk3", 1, 700, 620, 2.2);
        PaintWalker(c, "worker_walk3", 3, 820, 600, 2.2);
        PaintSpeaker(c, PaintAdvisor, kSky, 140, 150, 220);
        PaintSpeaker(c, PaintMasterBuilder, kHoneyLight, 852, 160, 200);
        PaintSparkles(c, 330, 180, 340, 60, 5, kHoneyLight, 8);
    });
}

}  // namespace

void AddOpeningPages(std::vector<TextureDef>& book) {
    book.push_back(ComicsPage("comics1", PaintPeace));
    book.push_back(ComicsPage("comics2", PaintRaid));
    book.push_back(ComicsPage("comics3", PaintRuins));
    book.push_back(ComicsPage("comics4", PaintCall));
}

}  // namespace artgen
