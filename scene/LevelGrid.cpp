#include "scene/LevelGrid.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
const double kUx = std::cos(15.0 * kPi / 180.0);
const double kUy = -std::sin(15.0 * kPi / 180.0);
const double kVx = std::cos(45.0 * kPi / 180.0);
const double kVy = std::sin(45.0 * kPi / 180.0);
const double kOx = 512.0 - kCellSize * (kGridColumns / 2) * kUx - kCellSize * (kGridRows / 2) * kVx;
const double kOy = 384.0 - kCellSize * (kGridColumns / 2) * kUy - kCellSize * (kGridRows / 2) * kVy;

// Anything farther than this from the grid is nowhere near the island, and
// keeps cell arithmetic far from integer overflow.
constexpr double kFarAway = 4096.0;

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

struct cSpan {
    int first = 0;
    int last = -1;
};

cSpan Span(float g, int extent) {
    if (!(std::fabs(g) < kFarAway / kCellSize))
        return {};
    const int s = std::clamp(extent, 1, kGridColumns * 2);
    const int c = static_cast<int>(std::floor(s % 2 ? g : g + 0.5f));
    return s % 2 ? cSpan{c - s / 2, c + s / 2} : cSpan{c - s / 2, c + s / 2 - 1};
}

}  // namespace

qor::cVec2 WorldToGrid(qor::cVec2 point) {
    const double dx = point.x - kOx;
    const double dy = point.y - kOy;
    const double det = kUx * kVy - kUy * kVx;
    const double alpha = (dx * kVy - dy * kVx) / det;
    const double beta = (kUx * dy - kUy * dx) / det;
    return {static_cast<float>(alpha / kCellSize), static_cast<float>(beta / kCellSize)};
}

qor::cVec2 GridToWorld(qor::cVec2 grid) {
    const double a = grid.x * static_cast<double>(kCellSize);
    const double b = grid.y * static_cast<double>(kCellSize);
    return {static_cast<float>(kOx + a * kUx + b * kVx),
            static_cast<float>(kOy + a * kUy + b * kVy)};
}

cCell CellOfPoint(qor::cVec2 point) {
    const qor::cVec2 g = WorldToGrid(point);
    // Written so that NaN fails every test.
    if (!(g.x >= 0.0f && g.x < kGridColumns && g.y >= 0.0f && g.y < kGridRows))
        return {};
    return {static_cast<int>(g.x), static_cast<int>(g.y)};
}

qor::cVec2 CellCentre(cCell cell) {
    return GridToWorld({cell.i + 0.5f, cell.j + 0.5f});
}

bool IsWalkableTerrain(int32_t kind) {
    return kind == kTerrainRoad || kind == kTerrainGrass || kind == kTerrainRough;
}

cCellRect FootprintCells(qor::cVec2 position, int width, int height) {
    const qor::cVec2 g = WorldToGrid(position);
    const cSpan i = Span(g.x, width);
    const cSpan j = Span(g.y, height);
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
