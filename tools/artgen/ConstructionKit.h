#pragma once
// What every building site shares: the staked plot, heaps of building
// material, timber posts, scaffolding and walls that are still going up.
// Buildings show their construction as stages 0..n: stage 0 is the bare plot
// with material, the last stage the finished shell under a half-laid roof.
#include <cairo.h>

#include <functional>

#include "tools/artgen/Oblique.h"
#include "tools/artgen/SpriteSheet.h"

namespace artgen {

// A construction stage k of n (n >= 1).
struct Stage {
    int k = 0, n = 1;
    double Progress() const { return double(k) / n; }
    // How far the walls have risen (0..1), and how much of the roof is laid
    // (below 0: no roof yet, 0: rafters only, 1: all of it).
    double Walls() const;
    double Roof() const;
};

// A building's progress sprite: construction stages 0..stages drawn by
// `site`, then the finished building at levels 0..levels - 1 drawn by `built`.
SpriteDef BuildingSprite(const std::string& name, int stages, int levels,
                         const std::function<void(cairo_t*, Stage)>& site,
                         const std::function<void(cairo_t*, int)>& built);

// The plot: levelled earth over the footprint rectangle, pegs at its corners
// and a string between them.
void DrawPlot(cairo_t* cr, double a0, double a1, double b0, double b1);
// Planks stacked on the ground at (a, b), lying along a.
void DrawPlanks(cairo_t* cr, double a, double b, int layers = 3);
// A heap of building stones at (a, b).
void DrawStoneHeap(cairo_t* cr, double a, double b, double size = 1.0);
// Logs stacked at (a, b), their cut ends toward the viewer.
void DrawLogPile(cairo_t* cr, double a, double b, int count = 3);

// A low stone footing under a building.
void DrawFooting(cairo_t* cr, double a0, double a1, double b0, double b1, double height = 4);
// Walls risen to `height` above z0: the outer faces, and the hollow inside
// seen from above while they are unfinished (`open`).
void DrawWalls(cairo_t* cr, const Box& box, datakit::Rgb wall, bool open);
// A plank floor laid over the top of a box (an attic before its roof).
void DrawDeck(cairo_t* cr, const Box& box);
// The open top of a round wall still going up: its rim and the dark inside.
void DrawOpenTop(cairo_t* cr, double a, double b, double r, double z, datakit::Rgb wall);
// Corner and middle posts of a timber frame up to z1, with the top beams
// when `beams` is set.
void DrawTimberFrame(cairo_t* cr, const Box& box, bool beams);
// Scaffolding along the front and the right of a box, with a walkway plank
// at height `deck`.
void DrawScaffold(cairo_t* cr, const Box& box, double deck);
// Scaffolding poles around a round tower of radius r up to `top`.
void DrawRoundScaffold(cairo_t* cr, double a, double b, double r, double top, double deck);

// A walled building going up at a stage past 0: footing, the timber frame,
// walls risen as far as the stage has them, the roof being laid once they
// stand, scaffolding in front. `dress` draws doors and windows on the
// finished walls.
void DrawBoxSite(cairo_t* cr, Stage stage, const Box& shell, const Roof& roof, datakit::Rgb wall,
                 datakit::Rgb tiles, const std::function<void()>& dress);

// A wall face to draw on: the front (facing the viewer) at b = at, or the
// right side at a = at. On it, s runs along the wall and t (or z) up.
struct Wall {
    bool side = false;
    double at = 0;
    void Plane(cairo_t* cr, const std::function<void()>& build) const;
    datakit::Rgb Shade(datakit::Rgb color) const;
};
inline Wall FrontWall(double b) {
    return {false, b};
}
inline Wall SideWall(double a) {
    return {true, a};
}

// Timber framing over a wall from s0 to s1: beams along the top and the foot,
// posts at the ends and every `spacing` units.
void DrawFraming(cairo_t* cr, Wall wall, double s0, double s1, double z0, double z1,
                 double spacing);
// An arch of width w and height h standing at (s, z) of a plane, as a path.
void ArchPath(cairo_t* cr, double s, double z, double w, double h);
// An arched door centred at s, and a lit window with a cross bar.
void DrawDoor(cairo_t* cr, Wall wall, double s, double z, double w, double h);
void DrawWindow(cairo_t* cr, Wall wall, double s, double z, double w, double h);
// A brick chimney standing on a roof, from z0 to z1.
void DrawChimney(cairo_t* cr, double a, double b, double z0, double z1);
// A little flag on a pole standing at (a, b, z).
void DrawPennant(cairo_t* cr, double a, double b, double z, double height, datakit::Rgb color);
// Tufts of flowers on the ground.
void DrawFlowers(cairo_t* cr, double a, double b, int count, unsigned seed);

}  // namespace artgen
