// A patch of island at game scale with sprites stood on it the way the game
// places them (anchors on grid cells, shadows under trees and nuggets, job
// markers at a tree's hint corner), to judge how the art reads in play. The
// walkers get a plain oval for the ground shadow the game draws under them.
#include <algorithm>
#include <cmath>

#include "tools/artgen/Scenery.h"
#include "tools/artgen/SpriteLibrary.h"
#include "tools/common/ImageFile.h"
#include "tools/common/Palette.h"

namespace artgen {

using namespace datakit;

namespace {

constexpr double kW = 1024, kH = 768, kCell = 48;

// A point of the level grid on screen (y downwards): the grid is centred on
// the middle of the screen, its i axis 15 degrees below the horizontal, its
// j axis 45 degrees above.
struct Spot {
    double x, y;
};
Spot GridPoint(double i, double j) {
    const double ux = std::cos(M_PI / 12), uy = -std::sin(M_PI / 12);
    const double vx = std::cos(M_PI / 4), vy = std::sin(M_PI / 4);
    const double ox = 512 - kCell * (16 * ux + 12 * vx), oy = 384 - kCell * (16 * uy + 12 * vy);
    const double wx = ox + kCell * (i * ux + j * vx), wy = oy + kCell * (i * uy + j * vy);
    return {wx, kH - wy};
}
Spot CellCentre(int i, int j) {
    return GridPoint(i + 0.5, j + 0.5);
}

struct Placed {
    std::string sprite;
    int frame;
    Spot at;
    bool walker;
};

void Ground(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kW, kH);
    SetVerticalGradient(cr, 0, kH, Hex(0x9ACF62), Hex(0x83BE50));
    cairo_fill(cr);
    Rng rng(99);
    for (int n = 0; n < 260; ++n) {
        const double x = rng.Range(0, kW), y = rng.Range(0, kH);
        cairo_move_to(cr, x - 2, y);
        cairo_line_to(cr, x - 1, y - 4);
        cairo_move_to(cr, x + 1, y);
        cairo_line_to(cr, x + 2, y - 3.5);
    }
    Stroke(cr, Hex(0x6FA844), 1.0, 0.8);
    for (int i = 0; i <= 32; ++i) {
        const Spot a = GridPoint(i, 0), b = GridPoint(i, 24);
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
    }
    for (int j = 0; j <= 24; ++j) {
        const Spot a = GridPoint(0, j), b = GridPoint(32, j);
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
    }
    Stroke(cr, Hex(0x5E9638), 0.8, 0.25);
}

void WalkerShadow(cairo_t* cr, Spot at) {
    Ellipse(cr, at.x, at.y, 11, 3.6);
    cairo_set_source_rgba(cr, 0.12, 0.2, 0.05, 0.3);
    cairo_fill(cr);
}

}  // namespace

bool WriteIslandMock(const SpriteLibrary& library, const std::string& path, double zoom,
                     std::string* error) {
    for (const char* needed : {"tree00", "field00", "worker_run0", "target"}) {
        if (!library.Find(needed)) {
            *error = std::string("the mock-up needs the sprite ") + needed;
            return false;
        }
    }
    const std::vector<Placed> flat = {
        {"field00", 5, GridPoint(12, 7), false},
        {"field00", 2, GridPoint(14, 7), false},
        {"field01", 5, GridPoint(12, 9), false},
        {"field01", 3, GridPoint(14, 9), false},
    };
    std::vector<Placed> standing = {
        {"tree00", 0, CellCentre(8, 13), false},    {"tree01", 0, CellCentre(9, 15), false},
        {"tree03", 0, CellCentre(6, 11), false},    {"tree04", 0, CellCentre(11, 15), false},
        {"tree02", 0, CellCentre(7, 16), false},    {"tree05", 0, CellCentre(12, 17), false},
        {"tree00", 2, CellCentre(17, 13), false},   {"stump00", 0, CellCentre(15, 14), false},
        {"well00", 0, CellCentre(19, 9), false},    {"nugget00", 0, CellCentre(21, 12), false},
        {"nugget00", 3, CellCentre(23, 10), false}, {"wood", 0, CellCentre(16, 5), false},
        {"food", 2, CellCentre(17, 5), false},      {"money", 1, CellCentre(18, 5), false},
        {"mana", 0, CellCentre(19, 5), false},
    };
    auto near = [](Spot s, double dx, double dy) { return Spot{s.x + dx, s.y + dy}; };
    const Spot felled = CellCentre(17, 13), nugget = CellCentre(21, 12), well = CellCentre(19, 9);
    const std::vector<Placed> walkers = {
        {"worker_hack0", 4, near(felled, -22, 4), true},
        {"worker_pick2", 3, near(nugget, 26, 6), true},
        {"worker_collect3", 0, near(well, -4, 26), true},
        {"worker_collect3", 3, near(GridPoint(12, 7), 0, 30), true},
        {"worker_run0", 2, CellCentre(14, 12), true},
        {"worker_bag2", 5, CellCentre(13, 11), true},
        {"worker_walk3", 1, CellCentre(10, 9), true},
        {"worker_fear1", 3, CellCentre(20, 15), true},
        {"worker_rest30", 0, CellCentre(16, 9), true},
        {"hero_walk3", 2, CellCentre(22, 15), true},
        {"hero_strike2", 1, CellCentre(24, 13), true},
        {"goblin_pick0", 3, near(CellCentre(23, 10), -26, 4), true},
        {"goblin_bag2", 2, CellCentre(25, 11), true},
        {"skeleton_walk2", 4, CellCentre(22, 17), true},
        {"bandit_walk0", 3, CellCentre(19, 17), true},
        {"worker_tied0", 3, near(CellCentre(19, 17), -30, 6), true},
    };
    standing.insert(standing.end(), walkers.begin(), walkers.end());
    std::stable_sort(standing.begin(), standing.end(),
                     [](const Placed& a, const Placed& b) { return a.at.y < b.at.y; });

    cairo_surface_t* surface = cairo_image_surface_create(
        CAIRO_FORMAT_RGB24, static_cast<int>(kW * zoom), static_cast<int>(kH * zoom));
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, zoom, zoom);
    Ground(cr);
    for (const Placed& p : flat)
        library.Draw(cr, p.sprite, p.frame, p.at.x, p.at.y);
    // shadows lie under everything that stands
    for (const Placed& p : standing) {
        if (p.walker) {
            WalkerShadow(cr, p.at);
            continue;
        }
        const bool broad = p.sprite == "tree00" || p.sprite == "tree03" || p.sprite == "tree04";
        const bool slender = p.sprite == "tree01" || p.sprite == "tree02" || p.sprite == "tree05";
        if (broad || slender)
            library.Draw(cr, broad ? "tree00_sh" : "tree01_sh", 0, p.at.x, p.at.y);
        if (p.sprite == "nugget00")
            library.Draw(cr, "nugget00_sh", 0, p.at.x, p.at.y);
    }
    for (const Placed& p : standing) {
        library.Draw(cr, p.sprite, p.frame, p.at.x, p.at.y);
        if (p.sprite == "well00")
            library.Draw(cr, "well00_water", 3, p.at.x, p.at.y);
    }
    // two queued jobs on a tree: markers from its hint corner to the left
    const ExSprite* tree = library.Find("tree03");
    const ExSprite* marker = library.Find("target");
    const Spot at = CellCentre(6, 11);
    const ExFrame& f = tree->frames[0];
    const double ax = at.x - f.dx + 0.8 * f.w, ay = at.y + f.dy;
    const double mw = marker->frames[0].w;
    for (int i = 0; i < 2; ++i)
        library.Draw(cr, "target", 0, ax + (0.3 * i - 1) * mw, ay);
    cairo_destroy(cr);
    const bool ok = WritePng(path, FromCairo(surface), error);
    cairo_surface_destroy(surface);
    return ok;
}

}  // namespace artgen
