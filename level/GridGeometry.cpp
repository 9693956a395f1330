#include "level/GridGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// cos 15°, sin 15° and cos 45° = sin 45°.
constexpr double kCos15 = 0.96592582628906829;
constexpr double kSin15 = 0.25881904510252076;
constexpr double kCos45 = 0.70710678118654752;

constexpr double kUx = kCos15;
constexpr double kUy = -kSin15;
constexpr double kVx = kCos45;
constexpr double kVy = kCos45;
constexpr double kCell = kCellSize;
// The grid's corner: the centre of the screen less half the grid along each axis.
constexpr double kOx = 512.0 - kCell * (kGridColumns / 2) * kUx - kCell * (kGridRows / 2) * kVx;
constexpr double kOy = 384.0 - kCell * (kGridColumns / 2) * kUy - kCell * (kGridRows / 2) * kVy;
constexpr double kDet = kUx * kVy - kUy * kVx;  // sin 60°

// Farther than this from the grid corner, in cells, a position is nowhere near
// the island; the bound also keeps the cell arithmetic far from overflow.
constexpr double kFarAway = 1024.0;

struct cGridPoint {
    double a = 0, b = 0;  // along i and along j, in cells
};

cGridPoint Decompose(qor::cVec2 point) {
    const double dx = point.x - kOx;
    const double dy = point.y - kOy;
    return {(dx * kVy - dy * kVx) / kDet / kCell, (kUx * dy - kUy * dx) / kDet / kCell};
}

struct cSpan {
    int first = 0;
    int last = -1;
};

cSpan Span(double g, int extent) {
    if (!(std::fabs(g) < kFarAway))
        return {};
    const int s = std::clamp(extent, 1, 2 * kGridColumns);
    if (s % 2) {
        const int c = static_cast<int>(std::floor(g));
        return {c - s / 2, c + s / 2};
    }
    const int c = static_cast<int>(std::floor(g + 0.5));
    return {c - s / 2, c + s / 2 - 1};
}

}  // namespace

qor::cVec2 GridAxisI() {
    return {static_cast<float>(kUx), static_cast<float>(kUy)};
}

qor::cVec2 GridAxisJ() {
    return {static_cast<float>(kVx), static_cast<float>(kVy)};
}

qor::cVec2 WorldToGrid(qor::cVec2 point) {
    const cGridPoint g = Decompose(point);
    return {static_cast<float>(g.a), static_cast<float>(g.b)};
}

qor::cVec2 GridToWorld(qor::cVec2 grid) {
    const double a = grid.x * kCell;
    const double b = grid.y * kCell;
    return {static_cast<float>(kOx + a * kUx + b * kVx),
            static_cast<float>(kOy + a * kUy + b * kVy)};
}

cCell CellOfPoint(qor::cVec2 point) {
    const cGridPoint g = Decompose(point);
    // Signed on purpose: a point before the grid's corner edges lies outside,
    // not in the cell it would mirror onto. Written so that NaN fails too.
    if (!(g.a >= 0.0 && g.a < kGridColumns && g.b >= 0.0 && g.b < kGridRows))
        return {};
    return {static_cast<int>(g.a), static_cast<int>(g.b)};
}

qor::cVec2 CellCentre(cCell cell) {
    return GridToWorld({cell.i + 0.5f, cell.j + 0.5f});
}

std::array<qor::cVec2, 4> CellCorners(cCell cell) {
    const float i = static_cast<float>(cell.i);
    const float j = static_cast<float>(cell.j);
    return {GridToWorld({i, j}), GridToWorld({i + 1, j}), GridToWorld({i, j + 1}),
            GridToWorld({i + 1, j + 1})};
}

bool IsWalkableTerrain(int32_t kind) {
    return kind == kTerrainRoad || kind == kTerrainGrass || kind == kTerrainRough;
}

cCellRect FootprintCells(qor::cVec2 position, int width, int height) {
    const cGridPoint g = Decompose(position);
    const cSpan i = Span(g.a, width);
    const cSpan j = Span(g.b, height);
    if (i.last < i.first || j.last < j.first)
        return {};
    return {i.first, i.last, j.first, j.last};
}
