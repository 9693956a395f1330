#include "tools/artgen/ConstructionKit.h"

#include <algorithm>
#include <cmath>

#include "tools/artgen/Scenery.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

const Rgb kEarth = Hex(0xD4AE73);
const Rgb kString = Hex(0xFFF3D6);

double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

void Post(cairo_t* cr, P3 base, double height, double width = 3.0) {
    MoveTo(cr, base);
    LineTo(cr, {base.a, base.b, base.z + height});
    InkedLine(cr, kWood, width);
}

void Beam(cairo_t* cr, P3 from, P3 to, Rgb color = kWoodLight, double width = 2.6) {
    MoveTo(cr, from);
    LineTo(cr, to);
    InkedLine(cr, color, width);
}

}  // namespace

double Stage::Walls() const {
    return Clamp01((Progress() - 0.05) / 0.6);
}

double Stage::Roof() const {
    return k == 0 ? -1 : std::min(1.0, (Progress() - 0.62) / 0.54);
}

SpriteDef BuildingSprite(const std::string& name, int stages, int levels,
                         const std::function<void(cairo_t*, Stage)>& site,
                         const std::function<void(cairo_t*, int)>& built) {
    return ProgressSprite(name, stages + 1 + levels, [=](cairo_t* cr, int frame) {
        if (frame <= stages) {
            site(cr, {frame, stages});
        } else {
            built(cr, frame - stages - 1);
        }
    });
}

void DrawPlot(cairo_t* cr, double a0, double a1, double b0, double b1) {
    InGround(cr, 0, [&] { RoundedRect(cr, a0 - 3, b0 - 3, a1 - a0 + 6, b1 - b0 + 6, 10); });
    FillFlat(cr, Lighten(kEarth, 0.15), 0, 0.55);
    InGround(cr, 0, [&] { RoundedRect(cr, a0 + 2, b0 + 2, a1 - a0 - 4, b1 - b0 - 4, 8); });
    FillFlat(cr, kEarth, 0, 0.8);
    // furrows of dug earth
    InGround(cr, 0, [&] {
        for (double b = b0 + 10; b < b1 - 6; b += 12) {
            cairo_move_to(cr, a0 + 10, b);
            cairo_line_to(cr, a1 - 10, b);
        }
    });
    Line(cr, Darken(kEarth, 0.2), 1.2, 0.5);
    const double h = 7;
    // string around the pegs
    MoveTo(cr, {a0, b0, h});
    LineTo(cr, {a0, b1, h});
    LineTo(cr, {a1, b1, h});
    LineTo(cr, {a1, b0, h});
    cairo_close_path(cr);
    InkedLine(cr, kString, 0.9);
    for (P3 peg : {P3{a0, b1, 0}, P3{a1, b1, 0}, P3{a0, b0, 0}, P3{a1, b0, 0}})
        Post(cr, peg, h + 3, 2.4);
}

void DrawPlanks(cairo_t* cr, double a, double b, int layers) {
    for (int layer = 0; layer < layers; ++layer) {
        const double z = layer * 3.2, shift = (layer % 2) * 3.0;
        for (int i = 0; i < 3 - (layer == layers - 1 ? 1 : 0); ++i) {
            const double bb = b - 9 + i * 6.5 + shift;
            DrawBox(cr, {a - 18 + shift, a + 18 + shift, bb, bb + 5.5, z, z + 3.2}, kWoodLight,
                    kWoodLight);
        }
    }
}

void DrawStoneHeap(cairo_t* cr, double a, double b, double size) {
    const double spots[][3] = {{-9, 4, 0}, {3, 6, 0},  {12, 0, 0},   {-5, -6, 0},
                               {7, -7, 0}, {-2, 2, 7}, {8, -1, 6.5}, {2, -4, 13}};
    Rng rng(static_cast<uint32_t>(a * 31 + b * 17 + 101));
    for (const auto& s : spots) {
        const P2 p = Project({a + s[0] * size, b + s[1] * size, s[2] * size + 3.5 * size});
        const double r = rng.Range(4.2, 5.8) * size;
        Ellipse(cr, p.x, p.y, r * 1.2, r * 0.9);
        Fill(cr, Mix(kStone, Hex(0xC9BFAE), rng.Next()), 1.2);
    }
}

void DrawLogPile(cairo_t* cr, double a, double b, int count) {
    // logs along b, cut ends facing the viewer; the back row first
    struct Spot {
        double a, z;
    };
    const Spot spots[] = {{-7, 0}, {7, 0}, {0, 11}, {14, 11}, {-14, 11}};
    const double r = 5.5;
    for (int i = 0; i < std::min(count, 5); ++i) {
        const double la = a + spots[i].a, lz = spots[i].z + r;
        // bark: the silhouette between the far and the near end
        InFront(cr, b + 14, [&] { Circle(cr, la, lz, r); });
        FillFlat(cr, kWoodDark, 1.2);
        Polygon(cr, {{la - r, b - 14, lz},
                     {la - r, b + 14, lz},
                     {la + r, b + 14, lz},
                     {la + r, b - 14, lz}});
        FillFlat(cr, kWood, 0);
        MoveTo(cr, {la - r, b - 14, lz});
        LineTo(cr, {la - r, b + 14, lz});
        MoveTo(cr, {la + r, b - 14, lz});
        LineTo(cr, {la + r, b + 14, lz});
        Line(cr, kInk, 1.2);
        InFront(cr, b - 14, [&] { Circle(cr, la, lz, r); });
        FillFlat(cr, kWoodLight, 1.2);
        InFront(cr, b - 14, [&] { Circle(cr, la, lz, r * 0.45); });
        Line(cr, kWood, 0.9);
    }
}

void DrawFooting(cairo_t* cr, double a0, double a1, double b0, double b1, double height) {
    DrawBox(cr, {a0 - 3, a1 + 3, b0 - 3, b1 + 3, 0, height}, kStone, kStone);
}

void DrawWalls(cairo_t* cr, const Box& box, Rgb wall, bool open) {
    DrawBox(cr, box, wall, wall);
    if (open) {
        const double t = 4, z = box.z1;
        Polygon(cr, {{box.a0 + t, box.b0 + t, z},
                     {box.a1 - t, box.b0 + t, z},
                     {box.a1 - t, box.b1 - t, z},
                     {box.a0 + t, box.b1 - t, z}});
        FillFlat(cr, Darken(kWood, 0.35), kDetail);
    }
}

void DrawDeck(cairo_t* cr, const Box& x) {
    Polygon(cr, {{x.a0, x.b0, x.z1}, {x.a1, x.b0, x.z1}, {x.a1, x.b1, x.z1}, {x.a0, x.b1, x.z1}});
    FillFlat(cr, kWoodLight, kOutline);
    InGround(cr, x.z1, [&] {
        for (double a = x.a0 + 9; a < x.a1 - 4; a += 9) {
            cairo_move_to(cr, a, x.b0 + 1);
            cairo_line_to(cr, a, x.b1 - 1);
        }
    });
    Line(cr, kWood, kDetail, 0.7);
}

void DrawOpenTop(cairo_t* cr, double a, double b, double r, double z, Rgb wall) {
    GroundCircle(cr, a, b, z, r);
    FillFlat(cr, TopShade(wall), kOutline);
    GroundCircle(cr, a, b, z, r - 3.5);
    FillFlat(cr, Darken(kWood, 0.35), kDetail);
}

void DrawTimberFrame(cairo_t* cr, const Box& x, bool beams) {
    const double h = x.z1 - x.z0;
    for (P3 p : {P3{x.a0, x.b1, x.z0}, P3{x.a0, x.b0, x.z0}, P3{x.a1, x.b0, x.z0},
                 P3{x.a1, x.b1, x.z0}, P3{(x.a0 + x.a1) / 2, x.b0, x.z0}})
        Post(cr, p, h);
    if (beams) {
        Beam(cr, {x.a0, x.b1, x.z1}, {x.a1, x.b1, x.z1});
        Beam(cr, {x.a0, x.b0, x.z1}, {x.a0, x.b1, x.z1});
        Beam(cr, {x.a0, x.b0, x.z1}, {x.a1, x.b0, x.z1});
        Beam(cr, {x.a1, x.b0, x.z1}, {x.a1, x.b1, x.z1});
    }
}

void DrawScaffold(cairo_t* cr, const Box& x, double deck) {
    const double o = 6, top = deck + 14;
    const double a0 = x.a0 - o, a1 = x.a1 + o, b0 = x.b0 - o, b1 = x.b1 + o;
    for (P3 p : {P3{a1, b1, 0}, P3{a1, (b0 + b1) / 2, 0}})
        Post(cr, p, top, 2.4);
    // the walkway plank along the right side, then along the front
    DrawBox(cr, {x.a1 + 1, a1 + 3, b0, b1, deck - 2.5, deck}, kWoodLight, kWoodLight);
    DrawBox(cr, {a0, a1 + 3, b0 - 3, x.b0 - 1, deck - 2.5, deck}, kWoodLight, kWoodLight);
    for (P3 p : {P3{a0, b0, 0}, P3{(a0 + a1) / 2, b0, 0}, P3{a1, b0, 0}})
        Post(cr, p, top, 2.4);
    // cross braces on the front
    MoveTo(cr, {a0, b0, 2});
    LineTo(cr, {(a0 + a1) / 2, b0, deck - 3});
    MoveTo(cr, {(a0 + a1) / 2, b0, 2});
    LineTo(cr, {a1, b0, deck - 3});
    InkedLine(cr, kWoodLight, 1.4);
    // a ladder leaning on the walkway
    const double la = a0 + 10;
    MoveTo(cr, {la, b0 - 14, 0});
    LineTo(cr, {la, b0 - 2, deck + 6});
    MoveTo(cr, {la + 8, b0 - 14, 0});
    LineTo(cr, {la + 8, b0 - 2, deck + 6});
    InkedLine(cr, kWoodLight, 1.6);
    for (double t = 0.15; t < 0.95; t += 0.2) {
        MoveTo(cr, {la, b0 - 14 + 12 * t, (deck + 6) * t});
        LineTo(cr, {la + 8, b0 - 14 + 12 * t, (deck + 6) * t});
    }
    Line(cr, kInk, 1.2);
}

void DrawRoundScaffold(cairo_t* cr, double a, double b, double r, double top, double deck) {
    const double ro = r + 7;
    // angles from +a toward +b; the front half runs from about 216 to 396 degrees
    const double angles[] = {230, 275, 320, 365};
    auto at = [&](double deg, double z) {
        const double t = deg * M_PI / 180;
        return P3{a + ro * std::cos(t), b + ro * std::sin(t), z};
    };
    MoveTo(cr, at(222, deck));
    for (double d = 222; d <= 382; d += 8)
        LineTo(cr, at(d, deck));
    InkedLine(cr, kWoodLight, 3.2);
    for (double deg : angles)
        Post(cr, at(deg, 0), top, 2.4);
}

void DrawBoxSite(cairo_t* cr, Stage stage, const Box& shell, const Roof& roof, Rgb wall, Rgb tiles,
                 const std::function<void()>& dress) {
    const double top = shell.z0 + (shell.z1 - shell.z0) * stage.Walls();
    const Box risen{shell.a0, shell.a1, shell.b0, shell.b1, shell.z0, std::max(top, shell.z0 + 3)};
    DrawFooting(cr, shell.a0, shell.a1, shell.b0, shell.b1, shell.z0);
    DrawTimberFrame(cr, shell, stage.Walls() > 0.5);
    DrawWalls(cr, risen, wall, stage.Walls() < 1);
    if (stage.Walls() >= 1) {
        dress();
        if (stage.Roof() < 1)
            DrawDeck(cr, shell);
    }
    if (stage.Roof() >= 0)
        DrawRoof(cr, roof, tiles, wall, stage.Roof());
    DrawScaffold(cr, risen, std::min(shell.z1, top + 4));
}

void Wall::Plane(cairo_t* cr, const std::function<void()>& build) const {
    if (side) {
        InSide(cr, at, build);
    } else {
        InFront(cr, at, build);
    }
}

Rgb Wall::Shade(Rgb color) const {
    return side ? SideShade(color) : FrontShade(color);
}

void DrawFraming(cairo_t* cr, Wall wall, double s0, double s1, double z0, double z1,
                 double spacing) {
    wall.Plane(cr, [&] {
        cairo_rectangle(cr, s0, z1 - 3.5, s1 - s0, 3.5);
        cairo_rectangle(cr, s0, z0, s1 - s0, 3);
        for (double s = s0; s <= s1 - 3 + 0.01; s += spacing)
            cairo_rectangle(cr, s, z0, 3.2, z1 - z0);
        cairo_rectangle(cr, s1 - 3.2, z0, 3.2, z1 - z0);
    });
    FillFlat(cr, wall.Shade(kWood), kDetail);
}

void ArchPath(cairo_t* cr, double s, double z, double w, double h) {
    const double r = w / 2;
    cairo_move_to(cr, s - r, z);
    cairo_line_to(cr, s - r, z + h - r);
    cairo_arc_negative(cr, s, z + h - r, r, M_PI, 0);
    cairo_line_to(cr, s + r, z);
    cairo_close_path(cr);
}

void DrawDoor(cairo_t* cr, Wall wall, double s, double z, double w, double h) {
    wall.Plane(cr, [&] { ArchPath(cr, s, z, w, h); });
    Fill(cr, wall.Shade(kWood), kOutline);
    wall.Plane(cr, [&] {
        cairo_move_to(cr, s, z + 1);
        cairo_line_to(cr, s, z + h - 1.5);
    });
    Line(cr, kWoodDark, kDetail);
    wall.Plane(cr, [&] { Circle(cr, s + w * 0.28, z + h * 0.42, 1.1); });
    FillFlat(cr, kGold, 0);
}

void DrawWindow(cairo_t* cr, Wall wall, double s, double z, double w, double h) {
    wall.Plane(cr, [&] { cairo_rectangle(cr, s - w / 2, z, w, h); });
    Fill(cr, wall.Shade(Hex(0xFFE08A)), kDetail + 0.3);
    wall.Plane(cr, [&] {
        cairo_move_to(cr, s, z);
        cairo_line_to(cr, s, z + h);
        cairo_move_to(cr, s - w / 2, z + h / 2);
        cairo_line_to(cr, s + w / 2, z + h / 2);
    });
    Line(cr, kWoodDark, 1.1);
    if (!wall.side) {
        wall.Plane(cr, [&] { cairo_rectangle(cr, s - w / 2 - 1.5, z - 2, w + 3, 2); });
        FillFlat(cr, kWoodLight, kDetail);
    }
}

void DrawChimney(cairo_t* cr, double a, double b, double z0, double z1) {
    DrawBox(cr, {a - 4, a + 4, b - 4, b + 4, z0, z1}, Hex(0xB5563F), Hex(0xB5563F));
    DrawBox(cr, {a - 5, a + 5, b - 5, b + 5, z1, z1 + 2.5}, kStoneDark, kStoneDark);
}

void DrawPennant(cairo_t* cr, double a, double b, double z, double height, Rgb color) {
    MoveTo(cr, {a, b, z});
    LineTo(cr, {a, b, z + height});
    InkedLine(cr, kWoodLight, 1.4);
    InFront(cr, b, [&] {
        cairo_move_to(cr, a + 0.5, z + height);
        cairo_curve_to(cr, a + 6, z + height + 1, a + 10, z + height - 3, a + 15, z + height - 4);
        cairo_line_to(cr, a + 0.5, z + height - 8);
        cairo_close_path(cr);
    });
    Fill(cr, color, kDetail);
}

void DrawFlowers(cairo_t* cr, double a, double b, int count, unsigned seed) {
    Rng rng(seed);
    const Rgb colors[] = {kWhite, kHoneyLight, Hex(0xF29BB0), kBerry};
    for (int i = 0; i < count; ++i) {
        const P2 p = Project({a + rng.Range(-9, 9), b + rng.Range(-6, 6), 2});
        Circle(cr, p.x, p.y + 1.5, 2.8);
        FillFlat(cr, kLeafDark, 0);
        Circle(cr, p.x, p.y, 1.9);
        FillFlat(cr, colors[static_cast<int>(rng.Next() * 4) % 4], 0.6);
    }
}

}  // namespace artgen
