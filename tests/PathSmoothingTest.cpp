// What a straight leg over the grid costs, and how walkers' routes are
// straightened into fewer, longer legs.
#include "level/path/PathSmoothing.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/GridTestKit.h"

namespace {

using cPath = std::vector<cCell>;

TEST(PathSmoothingTest, LineCostSumsTheCellsTheLineCrossesLessTheLast) {
    // Grass everywhere, rough at (1, 1) and (6, 6), road at (3, 0).
    cGrid grid = GridOf(kTerrainGrass);
    grid.SetCellKind({1, 1}, kTerrainRough);
    grid.SetCellKind({6, 6}, kTerrainRough);
    grid.SetCellKind({3, 0}, kTerrainRoad);
    grid.SetCellKind({9, 9}, cGrid::kOccupied);
    grid.SetCellKind({9, 2}, kTerrainBlocked);
    struct Case {
        cCell a, b;
        double cost;
    };
    const double g = 0.7f;  // the grass cost as the grid stores it
    const Case cases[] = {
        {{-1, 0}, {0, 0}, -1},
        {{0, 0}, {0, 24}, -1},
        {{9, 9}, {9, 8}, -1},
        {{8, 8}, {9, 9}, -1},
        // Neighbours, diagonals included, cost the first cell.
        {{1, 1}, {2, 2}, 3.0},
        {{2, 2}, {1, 1}, g},
        {{1, 1}, {1, 1}, 3.0},
        // Rows and columns: every cell, less the last.
        {{0, 0}, {4, 0}, g + g + g + 0.0 + g - g},
        {{4, 0}, {0, 0}, g + g + g + 0.0 + g - g},
        {{1, 0}, {1, 3}, g + 3.0 + g + g - g},
        {{9, 0}, {9, 4}, -1},
        // Shallow lines: per column the dearer of the cell under the line and
        // the one it rounds to; (0, 0) to (4, 2) runs between (1, 0) and (1, 1).
        {{0, 0}, {4, 2}, g + 3.0 + g + g + g - g},
        {{4, 2}, {0, 0}, g + 3.0 + g + g + g - g},
        {{0, 2}, {4, 4}, g + g + g + g + g - g},
        // Steep lines, the same across rows.
        {{0, 0}, {2, 4}, g + 3.0 + g + g + g - g},
        {{2, 4}, {0, 0}, g + 3.0 + g + g + g - g},
        {{5, 5}, {7, 7}, g + 3.0 + g - g},
        {{7, 7}, {11, 11}, -1},  // over the occupied cell
        {{8, 0}, {10, 4}, -1},   // over the blocked one
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(LineCost(grid, c.a, c.b), c.cost) << CellText({c.a, c.b});
    }
}

TEST(PathSmoothingTest, StraighteningDropsPointsOnlyWhereTheLineIsOpenAndNoDearer) {
    struct Case {
        const char* what;
        cPath before, after;
    };
    const Case cases[] = {
        {"too short", {{0, 0}, {1, 0}}, {{0, 0}, {1, 0}}},
        {"straight run of five", {{0, 20}, {1, 20}, {2, 20}, {3, 20}, {4, 20}}, {{0, 20}, {4, 20}}},
        {"corner round the occupied (1, 1)",
         {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}},
         {{0, 0}, {2, 0}, {2, 2}}},
        // The road turns at (6, 0); cutting across grass costs more.
        {"road corner",
         {{2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {6, 1}, {6, 2}, {6, 3}, {6, 4}},
         {{2, 0}, {6, 0}, {6, 4}}},
        // Grass: the whole staircase is one open line.
        {"grass staircase",
         {{10, 10}, {11, 10}, {11, 11}, {12, 11}, {12, 12}, {13, 12}, {13, 13}},
         {{10, 10}, {13, 13}}},
    };
    cGrid grid = GridOf(kTerrainGrass);
    grid.SetCellKind({1, 1}, cGrid::kOccupied);
    for (int i = 2; i <= 6; ++i)
        grid.SetCellKind({i, 0}, kTerrainRoad);
    for (int j = 0; j <= 4; ++j)
        grid.SetCellKind({6, j}, kTerrainRoad);
    for (const Case& c : cases) {
        cPath path = c.before;
        SmoothPath(grid, path);
        EXPECT_EQ(path, c.after) << c.what << ": " << CellText(path);
    }
}

}  // namespace
