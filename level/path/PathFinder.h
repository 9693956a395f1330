#pragma once
// How walkers find their way over a level's grid: an A* search over the cells,
// stepping to the four edge neighbours only, paying each cell's cost when it is
// entered, with the straight distance in cells to the goal as the estimate.
// The estimate counts a whole unit per cell while grass costs 0.7 and road
// nothing, so the search heads for the goal eagerly rather than proving its
// path the cheapest; the routes that result are what players see walkers take,
// ties included, so the order of the search is fixed:
//  - the open list hands out the first entry in push order with the strictly
//    smallest f (g plus the estimate), so earlier pushes win ties;
//  - neighbours are visited as (x, y - 1), (x - 1, y), (x + 1, y), (x, y + 1);
//  - a cell is pushed again whenever its cost so far improves, so it may stand
//    in the list more than once and a closed cell may be opened again.
#include <array>
#include <cstdint>
#include <vector>

#include "level/path/Grid.h"
#include "level/path/OpenList.h"

class cPathFinder {
  public:
    cPathFinder() = default;
    cPathFinder(const cPathFinder&) = delete;
    cPathFinder& operator=(const cPathFinder&) = delete;

    // The cells from start to goal, both included, into `path`; false (and an
    // empty path) when either end lies outside the grid or cannot be entered,
    // or when no path joins them. The search allocates nothing once the open
    // list and `path` have room (the list keeps a few thousand entries).
    bool FindCellPath(const cGrid& grid, cCell start, cCell goal, std::vector<cCell>& path);

    // Entries taken from the open list by the last search: how much work it did.
    int ExpandedCount() const { return expanded; }

  private:
    enum : uint8_t { kOpen = 1, kClosed = 2 };

    void TracePath(int goal, std::vector<cCell>& path) const;

    // Per cell. g and parent mean something only once the cell has been
    // reached, that is once its flags are not 0.
    std::array<float, kGridCells> g;         // cost so far
    std::array<int16_t, kGridCells> parent;  // the cell it was reached from, -1 for none
    std::array<uint8_t, kGridCells> flags;   // kOpen, kClosed
    cOpenList open;
    int expanded = 0;
};
