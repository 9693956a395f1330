// Villages, fields, woods, rocks and flowers of the world map, kept off the
// road and out of the water.
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "tools/artgen/MapProps.h"
#include "tools/artgen/MapTerrain.h"
#include "tools/artgen/Scenery.h"
#include "tools/common/Palette.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

// The landscape's things are the title card's scenery at a smaller scale,
// outlines and all, so the map looks like the same island.
constexpr double kScale = 0.5;

struct Field {
    double x, y, w, h, skew;
    Rgb crop, rows;
};

const std::vector<Field>& Fields() {
    static const std::vector<Field> fields = {
        {96, 224, 70, 30, 10, kHoneyLight, kHoney},   {40, 262, 64, 30, 8, kLeafLight, kLeaf},
        {120, 268, 60, 28, 8, Hex(0xD9B07A), kWood},  {400, 380, 74, 32, 10, kHoneyLight, kHoney},
        {1190, 392, 70, 30, 8, kHoneyLight, kHoney},  {1268, 392, 62, 30, 8, kLeafLight, kLeaf},
        {1900, 370, 84, 34, 10, kHoneyLight, kHoney}, {1810, 390, 70, 30, 8, Hex(0xD9B07A), kWood},
    };
    return fields;
}

struct Spot {
    double x, y;
};

const Spot kHouses[] = {{120, 344},  {36, 370},   {212, 430},  {808, 262},
                        {852, 292},  {900, 250},  {1216, 304}, {1262, 334},
                        {1306, 300}, {1846, 310}, {1892, 336}, {500, 262}};

bool InField(double x, double y, double margin) {
    for (const Field& f : Fields()) {
        if (x > f.x - margin && x < f.x + f.w + f.skew + margin && y > f.y - margin &&
            y < f.y + f.h + margin)
            return true;
    }
    return false;
}

bool NearHouse(double x, double y, double margin) {
    for (const Spot& h : kHouses) {
        if (std::abs(x - h.x) < margin && y > h.y - margin && y < h.y + 10)
            return true;
    }
    return false;
}

bool FreeGround(double x, double y, double margin) {
    return IsDry(x, y, margin) && DistanceToRoad(x, y) > 18 + margin && !InField(x, y, margin) &&
           !NearHouse(x, y, 22) && std::hypot(x - kCastleX, y - kCastleGround) > 100 &&
           !(x < 110 && y > 400);
}

struct Prop {
    double y;
    std::function<void(cairo_t*)> paint;
};

// Runs a title-card painter at the map's scale with its ground at (x, y).
template <class Paint>
Prop Scaled(double x, double y, Paint paint) {
    return {y, [=](cairo_t* cr) {
                cairo_save(cr);
                cairo_translate(cr, x, y);
                cairo_scale(cr, kScale, kScale);
                paint(cr);
                cairo_restore(cr);
            }};
}

void Rock(cairo_t* cr, double x, double y, double s) {
    cairo_move_to(cr, x - s, y);
    cairo_curve_to(cr, x - s, y - s * 0.8, x - s * 0.3, y - s * 1.1, x + s * 0.2, y - s);
    cairo_curve_to(cr, x + s * 0.8, y - s * 0.9, x + s, y - s * 0.4, x + s, y);
    cairo_close_path(cr);
    FillShaded(cr, kStone, y - s, s, 1.2);
    cairo_move_to(cr, x - s * 0.3, y - s * 0.8);
    cairo_line_to(cr, x, y - s * 0.4);
    Stroke(cr, kWhite, 1, 0.5);
}

void Bush(cairo_t* cr, double x, double y, double s, Rgb leaf) {
    cairo_new_path(cr);
    Circle(cr, x - s * 0.5, y - s * 0.45, s * 0.55);
    Circle(cr, x + s * 0.45, y - s * 0.4, s * 0.5);
    Circle(cr, x, y - s * 0.75, s * 0.6);
    FillShaded(cr, leaf, y - s * 1.4, s * 1.4, 1.2);
}

void Flowers(cairo_t* cr, Rng& rng, double x, double y) {
    static const Rgb colors[] = {kWhite, kHoneyLight, kBerry, kPlum};
    const Rgb c = colors[int(rng.Next() * 4) % 4];
    for (int i = 0; i < 5; ++i) {
        Circle(cr, x + rng.Range(-7, 7), y + rng.Range(-4, 4), 1.3);
        SetColor(cr, c, 0.9);
        cairo_fill(cr);
    }
}

// Scatters `count` things over a rectangle of the picture where the ground
// is free; `make` builds the thing standing at a spot.
void Scatter(std::vector<Prop>& props, Rng& rng, double x0, double y0, double x1, double y1,
             int count, double margin, const std::function<Prop(double, double)>& make) {
    for (int tries = 0; tries < count * 12 && count > 0; ++tries) {
        const double x = rng.Range(x0, x1), y = rng.Range(y0, y1);
        if (!FreeGround(x, y, margin))
            continue;
        props.push_back(make(x, y));
        --count;
    }
}

}  // namespace

void PaintFields(cairo_t* cr) {
    for (const Field& f : Fields()) {
        auto outline = [&] {
            cairo_move_to(cr, f.x + f.skew, f.y);
            cairo_line_to(cr, f.x + f.w + f.skew, f.y);
            cairo_line_to(cr, f.x + f.w, f.y + f.h);
            cairo_line_to(cr, f.x, f.y + f.h);
            cairo_close_path(cr);
        };
        outline();
        SetColor(cr, f.crop);
        cairo_fill(cr);
        cairo_save(cr);
        outline();
        cairo_clip(cr);
        for (double r = 3; r < f.h; r += 6) {
            const double t = r / f.h;
            cairo_move_to(cr, f.x + f.skew * (1 - t) - 2, f.y + r);
            cairo_line_to(cr, f.x + f.w + f.skew * (1 - t) + 2, f.y + r);
        }
        Stroke(cr, f.rows, 2, 0.8);
        cairo_restore(cr);
        outline();
        Stroke(cr, kInk, 1.3, 0.7);
    }
}

void PaintProps(cairo_t* cr) {
    std::vector<Prop> props;
    Rng rng(2024);
    for (const Spot& h : kHouses)
        props.push_back(Scaled(h.x, h.y, [](cairo_t* c) { PaintCottage(c, 0, 0, 36); }));
    props.push_back(Scaled(206, 242, [](cairo_t* c) { PaintWindmill(c, 0, 0, 48, 0.4); }));
    props.push_back(Scaled(1352, 420, [](cairo_t* c) { PaintWindmill(c, 0, 0, 44, 1.0); }));
    props.push_back({kCastleGround, [](cairo_t* c) { PaintCastle(c, kCastleX, kCastleGround); }});
    const Rgb leaves[] = {kLeaf, Hex(0x6DB44A), Hex(0x8FCB57)};
    auto tree = [&](double x, double y) {
        const Rgb leaf = leaves[int(rng.Next() * 3) % 3];
        const double size = rng.Range(26, 36);
        return Scaled(x, y, [=](cairo_t* c) { PaintRoundTree(c, 0, 0, size, leaf); });
    };
    auto pine = [&](double x, double y) {
        const double size = rng.Range(36, 50);
        return Scaled(x, y, [=](cairo_t* c) { PaintPine(c, 0, 0, size); });
    };
    auto rock = [&](double x, double y) {
        const double s = rng.Range(5, 9);
        return Prop{y, [=](cairo_t* c) { Rock(c, x, y, s); }};
    };
    auto bush = [&](double x, double y) {
        const double s = rng.Range(5, 8);
        const Rgb leaf = leaves[int(rng.Next() * 3) % 3];
        return Prop{y, [=](cairo_t* c) { Bush(c, x, y, s, leaf); }};
    };
    // woods of round trees in the west and the middle, pines in the east
    Scatter(props, rng, 0, 130, 300, 210, 20, 6, tree);
    Scatter(props, rng, 380, 220, 520, 300, 9, 6, tree);
    Scatter(props, rng, 600, 130, 780, 260, 24, 5, tree);
    Scatter(props, rng, 700, 130, 1040, 220, 24, 5, tree);
    Scatter(props, rng, 1150, 130, 1420, 160, 6, 4, tree);
    Scatter(props, rng, 1400, 130, 1700, 330, 48, 5, pine);
    Scatter(props, rng, 1740, 190, 2048, 300, 14, 6, pine);
    Scatter(props, rng, 1160, 230, 1340, 280, 5, 6, tree);
    // rocks in the eastern hills and at the mountains' feet
    Scatter(props, rng, 1760, 240, 2048, 440, 10, 4, rock);
    Scatter(props, rng, 0, 125, kMapW, 150, 14, 2, rock);
    // bushes along the coast and beside the lake
    Scatter(props, rng, 0, 380, kMapW, 450, 40, 3, bush);
    Scatter(props, rng, 470, 270, 650, 370, 6, 3, bush);
    std::stable_sort(props.begin(), props.end(),
                     [](const Prop& a, const Prop& b) { return a.y < b.y; });
    // flowers lie flat: under everything that stands
    for (int i = 0; i < 70; ++i) {
        const double x = rng.Range(0, kMapW), y = rng.Range(150, 440);
        if (FreeGround(x, y, 2))
            Flowers(cr, rng, x, y);
    }
    for (const Prop& p : props)
        p.paint(cr);
}

}  // namespace artgen
