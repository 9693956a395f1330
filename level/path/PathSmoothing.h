#pragma once
// Straightening a walker's cell route into fewer, longer legs, and what a
// straight leg over the grid costs.
#include <vector>

#include "level/path/Grid.h"

// The cost of walking straight from cell a to cell b over the cells the line
// crosses, less b's own cost; for neighbouring cells (diagonals included) it is
// a's cost. -1 when either end lies outside the grid or when the line meets a
// cell that cannot be entered. The sum is exact (the costs are short binary
// fractions), so that equal routes compare equal.
double LineCost(const cGrid& grid, cCell a, cCell b);

// Straightens a cell path in place by dropping intermediate points wherever
// the straight line is open and costs no more than the two legs it replaces.
// Each round drops the longest such run after one anchor (the first anchor on
// ties) until no point can go. Paths of fewer than 3 points stay as they are.
void SmoothPath(const cGrid& grid, std::vector<cCell>& path);
