// The closing story, four pages: the bandits driven off and the princess
// home, the gold returned and the spirits at rest, the island rebuilt, and
// the feast night that ends the game.
#include <cmath>

#include "tools/artgen/ArtShapes.h"
#include "tools/artgen/ComicsKit.h"
#include "tools/artgen/RoomArt.h"
#include "tools/artgen/Scenery.h"
#include "tools/artgen/SpeakerFigures.h"
#include "tools/artgen/TitleLogo.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr Panel kWhole{16, 16, 992, 644};
constexpr Panel kLeft{16, 16, 488, 644};
constexpr Panel kRight{520, 16, 488, 644};

void Tent(cairo_t* cr, double x, double ground, double size, Rgb cloth) {
    cairo_move_to(cr, x - size, ground);
    cairo_line_to(cr, x, ground - size * 1.1);
    cairo_line_to(cr, x + size, ground);
    cairo_close_path(cr);
    SetVerticalGradient(cr, ground - size * 1.1, size * 1.1, Lighten(cloth, 0.15), cloth);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    cairo_move_to(cr, x, ground - size * 1.1);
    cairo_line_to(cr, x - size * 0.25, ground);
    cairo_line_to(cr, x + size * 0.25, ground);
    cairo_close_path(cr);
    SetColor(cr, Darken(cloth, 0.5));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2);
}

// The hero storms the bandits' camp; they run for their ship, and the
// princess is free.
void PaintVictory(cairo_t* cr, const PaintContext&) {
    PaintPageBack(cr);
    InPanel(cr, kWhole, [](cairo_t* c) {
        DaySky(c, 992, 420, 160, 120);
        PaintCloud(c, 620, 90, 0.9);
        Sea(c, 992, 330, 644, Hex(0x8FD3EC), Hex(0x3F93C4), 6);
        PaintBanditShip(c, 850, 360, 0.6);
        // the beach of the camp
        cairo_move_to(c, -10, 400);
        cairo_curve_to(c, 300, 380, 600, 420, 800, 644);
        cairo_line_to(c, -10, 644);
        cairo_close_path(c);
        SetVerticalGradient(c, 380, 264, Hex(0xF7DDA0), Hex(0xE2B86C));
        cairo_fill_preserve(c);
        Stroke(c, kInk, 3);
        Tent(c, 120, 440, 70, Hex(0x6E6270));
        Tent(c, 280, 420, 56, Hex(0x8A5A44));
        PaintWalker(c, "hero_strike0", 1, 300, 600, 2.7);
        PaintWalker(c, "bandit_walk0", 2, 560, 560, 2.3);
        PaintWalker(c, "bandit_walk0", 0, 660, 600, 2.3);
        // the princess, free
        PaintSpeaker(c, PaintPrincess, Hex(0xF6C7D6), 120, 150, 200);
        PaintSparkles(c, 30, 50, 200, 200, 6, kHoneyLight, 12);
    });
}

// The goblins bring back the gold; Wenna's light lays the spirits to rest.
void PaintAmends(cairo_t* cr, const PaintContext&) {
    PaintPageBack(cr);
    InPanel(cr, kLeft, [](cairo_t* c) {
        DaySky(c, 488, 380, 400, 80);
        Hills(c, 488, 330, 644, kLeafLight, kLeaf, 2.0);
        PaintCottage(c, 330, 400, 120);
        PaintRoundTree(c, 90, 380, 80, kLeaf);
        PaintGoldHeap(c, 250, 560, 60);
        PaintWalker(c, "goblin_bag2", 1, 420, 600, 2.4);
        PaintWalker(c, "goblin_walk3", 0, 110, 590, 2.4);
        PaintWalker(c, "worker_walk3", 1, 250, 470, 2.0);
    });
    InPanel(cr, kRight, [](cairo_t* c) {
        cairo_rectangle(c, 0, 0, 488, 644);
        SetVerticalGradient(c, 0, 644, Hex(0x2E3D7A), Hex(0x6C8FC8));
        cairo_fill(c);
        PaintSparkles(c, 0, 0, 488, 250, 14, kWhite, 3);
        Hills(c, 488, 420, 644, Hex(0x5E8C76), Hex(0x355A4C), 0.7);
        // the well, shining again
        PaintGlow(c, 300, 470, 150, 120, kMana, 0.7);
        Ellipse(c, 300, 470, 60, 20);
        SetVerticalGradient(c, 450, 40, kStone, kStoneDark);
        cairo_fill_preserve(c);
        Stroke(c, kInk, 3);
        Ellipse(c, 300, 466, 44, 12);
        SetColor(c, Lighten(kMana, 0.4));
        cairo_fill(c);
        PaintWalker(c, "skeleton_walk3", 0, 150, 560, 2.3, false, 0.45);
        PaintWalker(c, "skeleton_walk3", 2, 400, 590, 2.2, false, 0.3);
        PaintSparkles(c, 80, 300, 380, 260, 12, kMana, 7);
        PaintSpeaker(c, PaintWiseWoman, Hex(0xC9B6E4), 130, 150, 210);
    });
}

// The island rebuilt, on the day of the feast.
void PaintRebuilt(cairo_t* cr, const PaintContext&) {
    PaintPageBack(cr);
    InPanel(cr, kWhole, [](cairo_t* c) {
        DaySky(c, 992, 420, 500, 100);
        PaintCloud(c, 160, 90, 0.9);
        PaintCloud(c, 820, 130, 0.8);
        PaintBigCastle(c, 500, 300, 1.5);
        Hills(c, 992, 320, 644, kLeafLight, kLeaf, 2.6);
        PaintWindmill(c, 860, 380, 150, 0.6);
        PaintCottage(c, 170, 400, 120);
        PaintCottage(c, 660, 420, 110);
        PaintRoundTree(c, 360, 420, 90, kLeaf);
        PaintBunting(c, 60, 300, 360, 330, 40, 0);
        PaintBunting(c, 360, 330, 760, 300, 50, 2);
        PaintWalker(c, "worker_walk3", 0, 150, 600, 2.2);
        PaintWalker(c, "worker_bag0", 2, 290, 580, 2.1);
        PaintWalker(c, "hero_walk3", 1, 470, 620, 2.5);
        PaintWalker(c, "worker_walk3", 2, 640, 610, 2.2);
        PaintWalker(c, "goblin_walk3", 1, 790, 600, 2.0);
        // confetti
        Rng rng(31);
        const Rgb colors[] = {kBerry, kHoney, kMana, kLeafLight, Hex(0xF29BB0)};
        for (int i = 0; i < 60; ++i) {
            cairo_save(c);
            cairo_translate(c, rng.Range(20, 970), rng.Range(180, 460));
            cairo_rotate(c, rng.Range(0, M_PI));
            cairo_rectangle(c, -5, -3, 10, 6);
            SetColor(c, colors[i % 5]);
            cairo_fill(c);
            cairo_restore(c);
        }
    });
}

// The feast night: fireworks over the island, and the game's name.
void PaintEnd(cairo_t* cr, const PaintContext& context) {
    PaintPageBack(cr);
    InPanel(cr, kWhole, [&context](cairo_t* c) {
        SunsetSky(c, 992, 460);
        PaintSparkles(c, 0, 0, 992, 200, 16, kWhite, 5);
        PaintFirework(c, 180, 300, 80, kBerry);
        PaintFirework(c, 830, 280, 90, kHoney);
        PaintFirework(c, 640, 380, 56, kMana);
        PaintFirework(c, 330, 400, 50, kLeafLight);
        Sea(c, 992, 460, 644, Hex(0xE8A07A), Hex(0x6A5A8C), 11);
        // the island's outline against the evening
        cairo_move_to(c, 80, 644);
        cairo_curve_to(c, 160, 450, 420, 430, 520, 440);
        cairo_curve_to(c, 700, 430, 900, 470, 940, 644);
        cairo_close_path(c);
        SetVerticalGradient(c, 430, 130, Hex(0x5D7E58), Hex(0x3A5440));
        cairo_fill_preserve(c);
        Stroke(c, kInk, 3);
        PaintBigCastle(c, 500, 470, 1.0);
        PaintWindmill(c, 760, 500, 90, 0.2);
        PaintCottage(c, 270, 510, 70);
        PaintWalker(c, "hero_walk3", 0, 430, 620, 2.0);
        PaintWalker(c, "worker_walk3", 0, 560, 616, 1.9);
        PaintWalker(c, "worker_walk3", 2, 640, 624, 1.9);
        PaintTitleLogo(c, context, 496, 170, 0.85);
    });
}

}  // namespace

void AddClosingPages(std::vector<TextureDef>& book) {
    book.push_back(ComicsPage("comics5", PaintVictory));
    book.push_back(ComicsPage("comics6", PaintAmends));
    book.push_back(ComicsPage("comics7", PaintRebuilt));
    book.push_back(ComicsPage("comics8", PaintEnd));
}

}  // namespace artgen
