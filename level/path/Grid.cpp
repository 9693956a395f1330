#include "level/path/Grid.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int32_t kOccupation = 1000;
// A value above this is a kind with an object on it.
constexpr int32_t kOccupiedAbove = 500;
// Kinds are kept within (-500, 500] so that the +1000 of an object can always
// be told apart from the kind and taken off again; level files may say
// anything, and every kind out there blocks anyway.
constexpr int32_t kLowestKind = -kOccupiedAbove + 1;

constexpr cCell kNeighbours[] = {{0, -1},  {-1, 0}, {1, 0},  {0, 1},
                                 {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

// Calls f(index) for every cell of the rectangle that lies in the grid.
template <typename F>
void ForEachCell(const cCellRect& r, F&& f) {
    for (int j = std::max(r.firstJ, 0); j <= r.lastJ && j < kGridRows; ++j) {
        for (int i = std::max(r.firstI, 0); i <= r.lastI && i < kGridColumns; ++i)
            f(cGrid::Index({i, j}));
    }
}

}  // namespace

cGrid::cGrid() {
    Fill(kTerrainRoad);
}

float cGrid::CostOfKind(int32_t kind) {
    switch (kind) {
        case kTerrainRoad:
            return 0.0f;
        case kTerrainGrass:
            return 0.7f;
        case kTerrainRough:
            return 3.0f;
        default:
            return -1.0f;
    }
}

void cGrid::Fill(int32_t kind) {
    for (int k = 0; k < kGridCells; ++k)
        SetCellKind(CellAt(k), kind == kOccupied ? kTerrainBlocked : kind);
}

int32_t cGrid::CellState(cCell cell) const {
    if (!cell.IsValid())
        return kOutside;
    const int32_t value = values[Index(cell)];
    return value > kOccupiedAbove ? kOccupied : value;
}

void cGrid::SetCellKind(cCell cell, int32_t kind) {
    if (!cell.IsValid())
        return;
    const int k = Index(cell);
    if (kind == kOccupied) {
        if (values[k] <= kOccupiedAbove)
            OccupyAt(k);
        return;
    }
    if (kind < kLowestKind || kind > kOccupiedAbove)
        kind = kTerrainBlocked;
    if (occupants[k] != 0 || values[k] > kOccupiedAbove)
        ++generation;
    occupants[k] = 0;
    values[k] = kind;
    costs[k] = CostOfKind(kind);
}

int32_t cGrid::UnderlyingKind(cCell cell) const {
    if (!cell.IsValid())
        return kTerrainBlocked;
    const int32_t value = values[Index(cell)];
    return value > kOccupiedAbove ? value - kOccupation : value;
}

bool cGrid::IsOccupied(cCell cell) const {
    return CellState(cell) == kOccupied;
}

bool cGrid::IsFree(cCell cell) const {
    return Cost(cell) >= 0.0f;
}

void cGrid::MarkAt(int k, bool occupied) {
    if (occupied == (values[k] > kOccupiedAbove))
        return;
    if (occupied) {
        values[k] += kOccupation;
        costs[k] = -1.0f;
    } else {
        values[k] -= kOccupation;
        costs[k] = CostOfKind(values[k]);
    }
}

void cGrid::OccupyAt(int k) {
    if (occupants[k] < std::numeric_limits<uint16_t>::max())
        ++occupants[k];
    MarkAt(k, true);
}

void cGrid::FreeAt(int k) {
    if (occupants[k] == 0)
        return;
    if (--occupants[k] == 0)
        MarkAt(k, false);
}

void cGrid::Occupy(const cCellRect& cells) {
    ForEachCell(cells, [this](int k) { OccupyAt(k); });
}

void cGrid::Free(const cCellRect& cells) {
    ForEachCell(cells, [this](int k) { FreeAt(k); });
}

void cGrid::Free(const cCellRect& cells, cCellSet& freed) {
    ForEachCell(cells, [&](int k) {
        if (values[k] > kOccupiedAbove) {
            MarkAt(k, false);
            freed.set(k);
        }
    });
}

void cGrid::Occupy(const cCellSet& cells) {
    for (int k = 0; k < kGridCells; ++k) {
        if (cells.test(k))
            MarkAt(k, true);
    }
}

cCell cGrid::NearestFreeCell(cCell cell) const {
    if (!cell.IsValid())
        return {};
    if (IsFree(cell))
        return cell;
    for (const cCell d : kNeighbours) {
        const cCell n{cell.i + d.i, cell.j + d.j};
        if (IsFree(n))
            return n;
    }
    return {};
}
