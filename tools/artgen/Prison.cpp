// The bandits' prison: a barred wooden cage under a plank roof, locked with
// a big padlock.
//
// "prison00": one picture, footprint 2 x 2, anchor at its centre.
#include "tools/artgen/Buildings.h"
#include "tools/artgen/ConstructionKit.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr double R = 30, kFloor = 6, kTop = 44;
const Rgb kTimber = Hex(0x8A5A36);

void Bars(cairo_t* cr, P3 from, P3 to, int count) {
    for (int k = 0; k <= count; ++k) {
        const double t = double(k) / count;
        const P3 p{from.a + (to.a - from.a) * t, from.b + (to.b - from.b) * t, kFloor};
        MoveTo(cr, p);
        LineTo(cr, {p.a, p.b, kTop});
    }
    InkedLine(cr, kTimber, 2.2);
}

void Beams(cairo_t* cr, std::initializer_list<P3> points) {
    bool first = true;
    for (P3 p : points) {
        if (first) {
            MoveTo(cr, p);
        } else {
            LineTo(cr, p);
        }
        first = false;
    }
    InkedLine(cr, kWood, 3);
}

void Prison(cairo_t* cr) {
    GroundShadow(cr, -R - 4, R + 4, -R - 4, R + 4);
    DrawBox(cr, {-R - 4, R + 4, -R - 4, R + 4, 0, kFloor}, kWood, Hex(0xC9A46A));
    // straw on the floor
    InGround(cr, kFloor, [&] {
        for (int k = 0; k < 9; ++k) {
            cairo_move_to(cr, -20 + 5 * k, -6 + (k % 3) * 5);
            cairo_line_to(cr, -14 + 5 * k, -3 + (k % 3) * 5);
        }
    });
    Line(cr, kHoneyDark, 1.2);
    // the back and left bars first, then the right and the front
    Bars(cr, {-R, R, 0}, {R, R, 0}, 7);
    Bars(cr, {-R, -R, 0}, {-R, R, 0}, 7);
    Beams(cr, {{-R, -R, kTop}, {-R, R, kTop}, {R, R, kTop}});
    Bars(cr, {R, -R, 0}, {R, R, 0}, 7);
    Bars(cr, {-R, -R, 0}, {R, -R, 0}, 7);
    Beams(cr, {{-R, -R, kTop}, {R, -R, kTop}, {R, R, kTop}});
    Beams(cr, {{-R, -R, kFloor + 14}, {R, -R, kFloor + 14}, {R, R, kFloor + 14}});
    DrawRoof(cr, {-R - 2, R + 2, -R - 2, R + 2, kTop + 2, kTop + 20, 4, true}, Hex(0x9C7A55),
             kWood);
    // the lock on the door
    InFront(cr, -R - 1, [&] { RoundedRect(cr, -6, kFloor + 8, 12, 10, 2); });
    Fill(cr, kGold, 1.4);
    InFront(cr, -R - 1, [&] {
        cairo_move_to(cr, -3.5, kFloor + 18);
        cairo_curve_to(cr, -3.5, kFloor + 24, 3.5, kFloor + 24, 3.5, kFloor + 18);
    });
    Line(cr, kInk, 2.4);
    InFront(cr, -R - 1, [&] { datakit::Circle(cr, 0, kFloor + 13, 1.4); });
    FillFlat(cr, kInk, 0);
}

}  // namespace

SpriteDef PrisonSprite() {
    return LoopSprite("prison00", 1, 1, [](cairo_t* cr, int) { Prison(cr); });
}

}  // namespace artgen
