#pragma once
// What the pages of the picture stories share: a parchment page with the
// caption strip along its foot, inked panels, skies for the times of day,
// the island's walkers and speakers drawn large, and the few props the story
// needs (a castle, a ship, fireworks). Pages are 1024 x 768, y down; the strip
// below kStripTop stays free for the captions and the panel's two buttons.
#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/artgen/TextureBook.h"
#include "tools/common/Palette.h"

namespace artgen {

inline constexpr double kPageW = 1024, kPageH = 768, kStripTop = 676;

struct Panel {
    double x, y, w, h;
};

// The whole page: parchment, the caption strip's ruled edge and corner leaves.
void PaintPageBack(cairo_t* cr);
// Runs `paint` clipped to the panel with the origin at its top-left corner,
// then inks the panel's rounded border.
void InPanel(cairo_t* cr, const Panel& panel, const std::function<void(cairo_t*)>& paint);

// Skies over [0, w] x [0, h]; `sunX`/`sunY` place the sun or moon.
void DaySky(cairo_t* cr, double w, double h, double sunX, double sunY);
void StormSky(cairo_t* cr, double w, double h);
void GreySky(cairo_t* cr, double w, double h);
void SunsetSky(cairo_t* cr, double w, double h);
// Rolling ground from `top` down to `bottom`, shaded from `light` to `dark`.
void Hills(cairo_t* cr, double w, double top, double bottom, datakit::Rgb light, datakit::Rgb dark,
           double phase);
// Sea from `top` down to `bottom` with wave marks.
void Sea(cairo_t* cr, double w, double top, double bottom, datakit::Rgb light, datakit::Rgb dark,
         unsigned seed);

// A walker of the game (a sprite name such as "hero_strike0") drawn `scale`
// times its size with its feet at (x, y), with a soft shadow; `mirror` turns
// it round.
void PaintWalker(cairo_t* cr, const std::string& sprite, int frame, double x, double y,
                 double scale, bool mirror = false, double alpha = 1.0);
// A speaker's round portrait (as in the talks) of diameter `size` centred on
// (cx, cy).
void PaintSpeaker(cairo_t* cr, void (*figure)(cairo_t*), datakit::Rgb back, double cx, double cy,
                  double size);
// The princess of Brindlemoor, head and shoulders, for PaintSpeaker.
void PaintPrincess(cairo_t* cr);

// A castle of the island `scale` times the map's, its gate on (x, ground).
void PaintBigCastle(cairo_t* cr, double x, double ground, double scale);
// The bandits' ship with its patched dark sail, on the water line at (x, y).
void PaintBanditShip(cairo_t* cr, double x, double y, double scale);
// A rope of little flags from (x0, y0) to (x1, y1), sagging by `sag`.
void PaintBunting(cairo_t* cr, double x0, double y0, double x1, double y1, double sag,
                  unsigned seed);
void PaintFirework(cairo_t* cr, double x, double y, double radius, datakit::Rgb color);
// Scattered twinkles of `color` in the rectangle.
void PaintSparkles(cairo_t* cr, double x, double y, double w, double h, int count,
                   datakit::Rgb color, unsigned seed);
// A page of the book: painted in the 4:3 space of the screen and squeezed
// into a square texture, which the game stretches back over the screen (a
// texture of powers of two, as every texture of the game).
TextureDef ComicsPage(const std::string& name, void (*paint)(cairo_t*, const PaintContext&));

// The pages of the two stories, comics1-4 and comics5-8.
void AddOpeningPages(std::vector<TextureDef>& book);
void AddClosingPages(std::vector<TextureDef>& book);

// A heap of gold nuggets standing on (x, y).
void PaintGoldHeap(cairo_t* cr, double x, double y, double size);

}  // namespace artgen
