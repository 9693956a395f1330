#include "level/path/PathRequest.h"

#include <cmath>

bool FindRequestCells(cGrid& grid, cPathFinder& finder, const cPathEnds& ends, bool smooth,
                      std::vector<cCell>& path) {
    cCellSet freed;
    // A walker may stand where it cannot walk: inside an object's cells, or on
    // blocked ground it was pushed onto; it must still be able to walk away.
    const int32_t startState = grid.CellState(ends.start);
    const bool startBlocked =
        ends.start.IsValid() && startState != cGrid::kOccupied && grid.Cost(ends.start) < 0.0f;
    if (startState == cGrid::kOccupied)
        grid.Free(ends.walkerCells, freed);
    else if (startBlocked)
        grid.SetCellKind(ends.start, kTerrainGrass);
    if (grid.CellState(ends.goal) == cGrid::kOccupied)
        grid.Free(ends.targetCells, freed);

    const bool found = finder.FindCellPath(grid, ends.start, ends.goal, path);
    if (found && smooth)
        SmoothPath(grid, path);

    grid.Occupy(freed);
    if (startBlocked)
        grid.SetCellKind(ends.start, startState);
    return found;
}

qor::cVec2 ApproachPoint(qor::cVec2 target, float radius, qor::cVec2 last) {
    const qor::cVec2 u = GridAxisI();
    const qor::cVec2 v = GridAxisJ();
    const qor::cVec2 directions[] = {u, v, {-u.x, -u.y}, {-v.x, -v.y}};

    // Arriving on the target itself has no direction; take the first side.
    qor::cVec2 toward{target.x + radius * u.x, target.y + radius * u.y};
    const float dx = last.x - target.x;
    const float dy = last.y - target.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (length > 0.0f)
        toward = {target.x + radius * dx / length, target.y + radius * dy / length};

    float nearest = 100000.0f;
    qor::cVec2 result = last;
    for (const qor::cVec2 d : directions) {
        const qor::cVec2 candidate{target.x + radius * d.x, target.y + radius * d.y};
        const float distance = std::hypot(candidate.x - toward.x, candidate.y - toward.y);
        if (distance < nearest) {
            nearest = distance;
            result = candidate;
        }
    }
    return result;
}
