#include "scene/LevelGrid.h"

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

// The rim as column: rows.
constexpr std::array<cCell, 70> kRim = {{
    {1, 16},  {1, 17},  {1, 18},  {2, 14},  {2, 15},  {2, 18},  {3, 13},  {3, 18},  {4, 12},
    {4, 19},  {5, 10},  {5, 11},  {5, 19},  {6, 9},   {6, 19},  {7, 8},   {7, 20},  {8, 6},
    {8, 7},   {8, 20},  {9, 5},   {9, 20},  {10, 3},  {10, 4},  {10, 21}, {11, 2},  {11, 21},
    {12, 1},  {12, 21}, {13, 0},  {13, 22}, {14, 0},  {14, 22}, {15, 0},  {15, 22}, {16, 0},
    {16, 23}, {17, 1},  {17, 23}, {18, 1},  {18, 23}, {19, 1},  {19, 22}, {20, 2},  {20, 20},
    {20, 21}, {21, 2},  {21, 19}, {22, 3},  {22, 18}, {23, 3},  {23, 16}, {23, 17}, {24, 3},
    {24, 15}, {25, 4},  {25, 14}, {26, 4},  {26, 12}, {26, 13}, {27, 4},  {27, 11}, {28, 5},
    {28, 10}, {29, 5},  {29, 8},  {29, 9},  {30, 5},  {30, 7},  {31, 6},
}};

int Index(cCell c) {
    return c.i * kGridRows + c.j;
}

// Inside = not reachable from the grid's border without crossing the rim.
std::array<bool, kGridCells> FindIsland() {
    std::array<bool, kGridCells> rim{};
    for (cCell c : kRim)
        rim[Index(c)] = true;
    std::array<bool, kGridCells> outside{};
    std::array<cCell, kGridCells> stack{};
    int top = 0;
    auto visit = [&](cCell c) {
        if (c.IsValid() && !rim[Index(c)] && !outside[Index(c)]) {
            outside[Index(c)] = true;
            stack[top++] = c;
        }
    };
    for (int i = 0; i < kGridColumns; ++i) {
        visit({i, 0});
        visit({i, kGridRows - 1});
    }
    for (int j = 0; j < kGridRows; ++j) {
        visit({0, j});
        visit({kGridColumns - 1, j});
    }
    while (top > 0) {
        const cCell c = stack[--top];
        visit({c.i + 1, c.j});
        visit({c.i - 1, c.j});
        visit({c.i, c.j + 1});
        visit({c.i, c.j - 1});
    }
    std::array<bool, kGridCells> island{};
    for (int k = 0; k < kGridCells; ++k)
        island[k] = !rim[k] && !outside[k];
    return island;
}

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

qor::cVec2 FootprintPosition(cCell first, int width, int height) {
    const int w = std::max(width, 1);
    const int h = std::max(height, 1);
    return GridToWorld({first.i + w * 0.5f, first.j + h * 0.5f});
}

const std::array<cCell, 70>& IslandRim() {
    return kRim;
}

bool IsRimCell(cCell cell) {
    for (cCell c : kRim) {
        if (c == cell)
            return true;
    }
    return false;
}

bool IsIslandCell(cCell cell) {
    static const std::array<bool, kGridCells> island = FindIsland();
    return cell.IsValid() && island[Index(cell)];
}
