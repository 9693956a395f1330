#pragma once
// The grid's share of a walker's path request. The level controller answers
// "a path for this walker to that object (or to that cell)" in these steps:
//  1. No walker, or neither a target object nor a target cell ((-1, -1) is
//     none): no path.
//  2. start = the cell of the walker's position; goal = the cell of the target
//     object's position, or the given cell.
//  3-6. FindRequestCells below: frees the walker's and the target's cells for
//     the search, searches (and straightens), then puts the grid back.
//  7. Every cell of the path becomes its centre (CellCentre).
//  8. When there is more than one point and the walker is a worker, the hero or
//     an enemy walker, the first point becomes the walker's exact position.
//  9. For a target object without work places that is neither a field nor a
//     well, the last point becomes ApproachPoint(the target's position, its
//     radius, the last point); for a tree, that point then moves halfway
//     toward the tree's position.
// 10. There is a path when the list of points is not empty.
#include <vector>

#include "level/path/Grid.h"
#include "level/path/PathFinder.h"
#include "level/path/PathSmoothing.h"

// The two ends of a request, as cells.
struct cPathEnds {
    cCell start;            // the walker's cell
    cCellRect walkerCells;  // the walker's own footprint
    cCell goal;             // the target's cell
    cCellRect targetCells;  // the target object's footprint; for a plain target cell, that cell
};

// Searches from the start to the goal with both ends made walkable for the
// search: an occupied start frees the walker's footprint, a blocked start is
// grass for the while, an occupied goal frees the target's footprint. Smooths
// the path when asked. Afterwards the grid is exactly as before: only the
// cells the request freed are occupied again, so cells that were free stay free.
bool FindRequestCells(cGrid& grid, cPathFinder& finder, const cPathEnds& ends, bool smooth,
                      std::vector<cCell>& path);

// Where a walker stops beside an object it works on from the outside: of the
// four points at `radius` from the target along the grid's axes (+i, +j, -i,
// -j), the one nearest to the point at `radius` from the target toward `last`
// (the first on ties). Arriving exactly on the target counts as arriving along
// +i. `last` is kept when no point is nearer than 100000 units (a radius
// beyond reason, or not a number).
qor::cVec2 ApproachPoint(qor::cVec2 target, float radius, qor::cVec2 last);
