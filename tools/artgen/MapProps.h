#pragma once
// What stands on the world map's landscape: the castle at the road's end, the
// harbour where it begins, villages, fields, woods and rocks. Painted in the
// landscape's picture space (see MapTerrain.h).
#include <cairo.h>

namespace artgen {

// Flat things lying on the ground, painted under the road.
void PaintFields(cairo_t* cr);
// Everything standing up, nearer things over farther ones.
void PaintProps(cairo_t* cr);

// The castle with its gate at (x, ground), and the hill under it, which lies
// under the road that climbs it.
inline constexpr double kCastleX = 1944, kCastleGround = 150;
void PaintCastleHill(cairo_t* cr, double x, double ground);
void PaintCastle(cairo_t* cr, double x, double ground);
// The jetty running into the sea at x, with a moored boat.
void PaintHarbour(cairo_t* cr, double x);
// Small islands in the shallows, one with a lighthouse.
void PaintIslets(cairo_t* cr);

}  // namespace artgen
