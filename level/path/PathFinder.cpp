#include "level/path/PathFinder.h"

#include <algorithm>
#include <cmath>

namespace {

// The order of this table decides which of two equally good routes is taken.
constexpr cCell kSteps[] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};

float Estimate(cCell from, cCell goal) {
    const float dx = static_cast<float>(from.i - goal.i);
    const float dy = static_cast<float>(from.j - goal.j);
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

bool cPathFinder::FindCellPath(const cGrid& grid, cCell start, cCell goal,
                               std::vector<cCell>& path) {
    path.clear();
    expanded = 0;
    if (grid.Cost(start) < 0.0f || grid.Cost(goal) < 0.0f)
        return false;

    flags.fill(0);
    open.Clear();
    const int startIndex = cGrid::Index(start);
    const int goalIndex = cGrid::Index(goal);
    g[startIndex] = 0.0f;
    parent[startIndex] = -1;
    flags[startIndex] = kOpen;
    open.Push(startIndex, 0.0f);

    while (!open.Empty()) {
        const int current = open.Pop();
        flags[current] &= ~kOpen;
        ++expanded;

        if (current == goalIndex) {
            flags[current] |= kClosed;
            TracePath(goalIndex, path);
            return true;
        }

        const cCell here = cGrid::CellAt(current);
        for (const cCell step : kSteps) {
            const cCell next{here.i + step.i, here.j + step.j};
            const float cost = grid.Cost(next);  // -1 outside the grid
            if (cost < 0.0f)
                continue;
            const int index = cGrid::Index(next);
            const float newG = g[current] + cost;
            if (flags[index] != 0 && newG >= g[index])
                continue;
            parent[index] = static_cast<int16_t>(current);
            g[index] = newG;
            flags[index] = kOpen;  // and no longer closed
            open.Push(index, newG + Estimate(next, goal));
        }
        flags[current] |= kClosed;
    }
    return false;
}

void cPathFinder::TracePath(int goal, std::vector<cCell>& path) const {
    // Costs never fall below zero and a parent changes only on a strict
    // improvement, so the links form a tree; the bound only guards that.
    for (int index = goal, guard = 0; index >= 0 && guard < kGridCells; ++guard) {
        path.push_back(cGrid::CellAt(index));
        index = parent[index];
    }
    std::reverse(path.begin(), path.end());
}
