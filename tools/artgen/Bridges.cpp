// Wooden bridges over the island's water, broken until workers mend them.
//
// "bridge00" spans along the j axis over 1 x 2 cells, "bridge01" along the i
// axis over 2 x 1; "bridge_big00" (1 x 3, along j) and "bridge_big01" (3 x 1,
// along i) are longer and stand on stone piers. 4 frames each at 4 per
// second: broken (0), the beams laid (1), half the planks (2), repaired (3).
// Anchor: the centre of the footprint, on the water's surface.
#include <cmath>

#include "tools/artgen/ConstructionKit.h"
#include "tools/artgen/Obstacles.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

const Rgb kPlank = Hex(0xC99462);
const Rgb kBeam = Hex(0x8C5E36);

struct Span {
    bool alongA;    // the deck runs along a (else along b)
    double length;  // half the span
    double width;   // half the deck's width
    bool piers;     // stone piers at the ends and in the middle
};

// A point of the bridge: s along the span, t across it, at height z.
P3 At(const Span& span, double s, double t, double z) {
    return span.alongA ? P3{s, t, z} : P3{t, s, z};
}

double DeckHeight(const Span& span, double s) {
    const double u = s / span.length;
    return 7 + 7 * (1 - u * u);
}

// The far side of the deck first: for a span along b the far side is -t
// (toward -a); along a it is +t (toward +b). Planks go from far to near.
double FarSide(const Span& span) {
    return span.alongA ? 1 : -1;
}

void Ripples(cairo_t* cr, P3 at) {
    InGround(cr, 0, [&] {
        cairo_save(cr);
        cairo_translate(cr, at.a, at.b);
        cairo_scale(cr, 1, 0.6);
        cairo_arc(cr, 0, 0, 7, 0.3, 2.8);
        cairo_restore(cr);
    });
    Line(cr, kWhite, 1.2, 0.7);
}

void Pile(cairo_t* cr, const Span& span, double s, double t) {
    const P3 foot = At(span, s, t, -8);
    MoveTo(cr, foot);
    LineTo(cr, At(span, s, t, DeckHeight(span, s) - 2));
    InkedLine(cr, kBeam, 3.2);
    Ripples(cr, At(span, s, t, 0));
}

void Pier(cairo_t* cr, const Span& span, double s) {
    const P3 c = At(span, s, 0, 0);
    const double w = span.width + 4, d = 7;
    const Box box = span.alongA
                        ? Box{c.a - d, c.a + d, c.b - w, c.b + w, -6, DeckHeight(span, s) - 3}
                        : Box{c.a - w, c.a + w, c.b - d, c.b + d, -6, DeckHeight(span, s) - 3};
    DrawBox(cr, box, kStone, kStone);
    Ripples(cr, At(span, s, -w - 3, 0));
}

// The beam under one side of the deck, following its arch, from s0 to s1.
void Stringer(cairo_t* cr, const Span& span, double t, double s0, double s1, double sag) {
    for (double s = s0; s <= s1 + 0.01; s += 4) {
        const double drop = sag * std::sin(M_PI * (s - s0) / std::max(1.0, s1 - s0));
        const P3 p = At(span, s, t, DeckHeight(span, s) - 3 - drop);
        if (s == s0) {
            MoveTo(cr, p);
        } else {
            LineTo(cr, p);
        }
    }
    InkedLine(cr, kBeam, 3.4);
}

void Plank(cairo_t* cr, const Span& span, double s, double tilt) {
    const double z = DeckHeight(span, s), h = 2.6, half = 2.6;
    const double w = span.width;
    const Box box = span.alongA ? Box{s - half, s + half, -w, w, z - h + tilt, z + tilt}
                                : Box{-w, w, s - half, s + half, z - h + tilt, z + tilt};
    DrawBox(cr, box, kPlank, kPlank);
}

// Planks from the far end of the span to the near one, skipping the gap.
void Planks(cairo_t* cr, const Span& span, double gap) {
    const double step = 6;
    std::vector<double> spots;
    for (double s = -span.length + 3; s <= span.length - 3 + 0.01; s += step)
        spots.push_back(s);
    // along b the far end is +s; along a it is -s
    if (!span.alongA)
        std::reverse(spots.begin(), spots.end());
    for (double s : spots) {
        if (std::fabs(s) < gap)
            continue;
        Plank(cr, span, s, 0);
    }
}

void Railing(cairo_t* cr, const Span& span, double t, double gap) {
    auto segment = [&](double s0, double s1) {
        for (double s = s0; s <= s1 + 0.01; s += (s1 - s0) / 3) {
            MoveTo(cr, At(span, s, t, DeckHeight(span, s)));
            LineTo(cr, At(span, s, t, DeckHeight(span, s) + 10));
        }
        InkedLine(cr, kBeam, 2);
        for (double s = s0; s <= s1 + 0.01; s += 2) {
            const P3 p = At(span, s, t, DeckHeight(span, s) + 9);
            if (s == s0) {
                MoveTo(cr, p);
            } else {
                LineTo(cr, p);
            }
        }
        InkedLine(cr, kWoodLight, 1.8);
    };
    if (gap <= 0) {
        segment(-span.length + 2, span.length - 2);
    } else {
        segment(-span.length + 2, -gap - 4);
        segment(gap + 4, span.length - 2);
    }
}

void FloatingPlank(cairo_t* cr, const Span& span, double s, double t) {
    const P3 c = At(span, s, t, 0);
    InGround(cr, 0.5, [&] {
        cairo_save(cr);
        cairo_translate(cr, c.a, c.b);
        cairo_rotate(cr, 0.5);
        cairo_rectangle(cr, -10, -2.5, 20, 5);
        cairo_restore(cr);
    });
    Fill(cr, kPlank, 1.2);
    Ripples(cr, At(span, s + 6, t, 0));
}

void Bridge(cairo_t* cr, const Span& span, int frame) {
    const double far = FarSide(span), pileS = span.length * 0.55;
    const double gap = frame == 0 || frame == 1 ? span.length * 0.5
                       : frame == 2             ? span.length * 0.22
                                                : 0;
    if (span.piers) {
        Pier(cr, span, span.alongA ? -span.length + 4 : span.length - 4);
        Pier(cr, span, 0);
    }
    for (double s : {-pileS, pileS})
        Pile(cr, span, s, far * (span.width - 3));
    if (frame == 0) {
        Stringer(cr, span, far * (span.width - 6), -span.length, -gap * 0.7, 0);
        Stringer(cr, span, far * (span.width - 6), gap * 0.7, span.length, 0);
        Stringer(cr, span, -far * (span.width - 6), -span.length, span.length, 12);
        FloatingPlank(cr, span, -6, far * 4);
        FloatingPlank(cr, span, 10, -far * 10);
    } else {
        Stringer(cr, span, far * (span.width - 6), -span.length, span.length, 0);
        Stringer(cr, span, -far * (span.width - 6), -span.length, span.length, 0);
    }
    Railing(cr, span, far * span.width, gap);
    Planks(cr, span, gap);
    for (double s : {-pileS, pileS})
        Pile(cr, span, s, -far * (span.width - 3));
    if (span.piers)
        Pier(cr, span, span.alongA ? span.length - 4 : -span.length + 4);
    Railing(cr, span, -far * span.width, gap);
}

SpriteDef BridgeSprite(const char* name, Span span) {
    return ProgressSprite(name, 4, [span](cairo_t* cr, int frame) { Bridge(cr, span, frame); });
}

}  // namespace

std::vector<SpriteDef> BridgeSprites() {
    return {BridgeSprite("bridge00", {false, 54, 17, false}),
            BridgeSprite("bridge01", {true, 54, 17, false}),
            BridgeSprite("bridge_big00", {false, 78, 20, true}),
            BridgeSprite("bridge_big01", {true, 78, 20, true})};
}

}  // namespace artgen
