#pragma once
// The one palette and the drawing habits of Brindlemoor's art: soft rounded
// shapes, warm colours, gentle dark-brown outlines, a light top and a shaded
// bottom. Every generator draws through these so the game looks of a piece.
#include <cairo.h>

namespace datakit {

struct Rgb {
    double r, g, b;
};

constexpr Rgb Hex(unsigned value) {
    return Rgb{((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0,
               (value & 0xFF) / 255.0};
}

namespace palette {
constexpr Rgb kInk = Hex(0x4A2E1C);  // outlines
constexpr Rgb kCream = Hex(0xFFF6E3);
constexpr Rgb kParchment = Hex(0xF6E4BF);
constexpr Rgb kParchmentShade = Hex(0xE6C993);
constexpr Rgb kWood = Hex(0xA06B3E);
constexpr Rgb kWoodDark = Hex(0x6E4526);
constexpr Rgb kWoodLight = Hex(0xC99462);
constexpr Rgb kLeaf = Hex(0x7CBF4A);
constexpr Rgb kLeafDark = Hex(0x4C8A2C);
constexpr Rgb kLeafLight = Hex(0xB2DC74);
constexpr Rgb kHoney = Hex(0xF5B53F);
constexpr Rgb kHoneyDark = Hex(0xCC8419);
constexpr Rgb kHoneyLight = Hex(0xFFDB7E);
constexpr Rgb kBerry = Hex(0xD9544C);
constexpr Rgb kBerryDark = Hex(0xA2352F);
constexpr Rgb kSky = Hex(0x86CDEB);
constexpr Rgb kSkyDeep = Hex(0x4E9CC8);
constexpr Rgb kSkyLight = Hex(0xCDEDF8);
constexpr Rgb kMana = Hex(0x5AA8F0);
constexpr Rgb kManaDark = Hex(0x2F6DB8);
constexpr Rgb kGold = Hex(0xF8C935);
constexpr Rgb kGoldDark = Hex(0xC48A10);
constexpr Rgb kStone = Hex(0xB4ADA2);
constexpr Rgb kStoneDark = Hex(0x7E776D);
constexpr Rgb kPlum = Hex(0x8C6BB8);
constexpr Rgb kWhite = Hex(0xFFFFFF);
}  // namespace palette

Rgb Mix(Rgb a, Rgb b, double t);
inline Rgb Lighten(Rgb c, double t) {
    return Mix(c, palette::kWhite, t);
}
inline Rgb Darken(Rgb c, double t) {
    return Mix(c, Rgb{0.12, 0.07, 0.04}, t);
}

void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
// A vertical gradient from `top` to `bottom` over [y, y + h] as the source.
void SetVerticalGradient(cairo_t* cr, double y, double h, Rgb top, Rgb bottom);
// Fills the current path with `fill` shaded top to bottom, then strokes it with
// the ink outline; the path is consumed.
void FillShaded(cairo_t* cr, Rgb fill, double y, double h, double outline = 2.0);
// A soft white sheen over the upper part of a rounded rectangle.
void Sheen(cairo_t* cr, double x, double y, double w, double h, double radius, double alpha);
// Soft drop shadow of a rounded rectangle (several widening translucent layers).
void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double radius, double spread,
                double alpha);
// Path helpers.
void Circle(cairo_t* cr, double cx, double cy, double radius);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// Strokes (and consumes) the current path with round joins and caps.
void Stroke(cairo_t* cr, Rgb color, double width, double alpha = 1.0);

}  // namespace datakit
