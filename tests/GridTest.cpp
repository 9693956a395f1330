// The level's ground grid: where its cells lie in the world, which cells an
// object covers, and the cell values with their costs and occupation.
#include "level/path/Grid.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "tests/GridTestKit.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

float Degrees(qor::cVec2 v) {
    return std::atan2(v.y, v.x) * 180.0f / 3.14159265f;
}

TEST(GridGeometryTest, AxesAndCentreSitWhereTheIslandIsDrawn) {
    EXPECT_NEAR(Degrees(GridAxisI()), -15.0f, 1e-4f);
    EXPECT_NEAR(Degrees(GridAxisJ()), 45.0f, 1e-4f);
    EXPECT_NEAR(std::hypot(GridAxisI().x, GridAxisI().y), 1.0f, 1e-6f);

    // The middle of the grid is the middle of the screen.
    const qor::cVec2 middle = GridToWorld({16.0f, 12.0f});
    EXPECT_NEAR(middle.x, 512.0f, 1e-3f);
    EXPECT_NEAR(middle.y, 384.0f, 1e-3f);
    EXPECT_EQ(CellOfPoint({512.0f, 384.0f}), (cCell{16, 12}));

    // A cell is 48 units along each axis: the corners of (3, 4).
    const auto corners = CellCorners({3, 4});
    const qor::cVec2 alongI{corners[1].x - corners[0].x, corners[1].y - corners[0].y};
    const qor::cVec2 alongJ{corners[2].x - corners[0].x, corners[2].y - corners[0].y};
    EXPECT_NEAR(alongI.x, 48.0f * GridAxisI().x, 1e-3f);
    EXPECT_NEAR(alongI.y, 48.0f * GridAxisI().y, 1e-3f);
    EXPECT_NEAR(alongJ.x, 48.0f * GridAxisJ().x, 1e-3f);
    EXPECT_NEAR(alongJ.y, 48.0f * GridAxisJ().y, 1e-3f);
    EXPECT_NEAR(corners[3].x - corners[0].x, alongI.x + alongJ.x, 1e-3f);
    EXPECT_NEAR(corners[3].y - corners[0].y, alongI.y + alongJ.y, 1e-3f);
}

TEST(GridGeometryTest, EveryCellCentreLiesInItsOwnCell) {
    for (int j = 0; j < kGridRows; ++j) {
        for (int i = 0; i < kGridColumns; ++i) {
            const cCell cell{i, j};
            const qor::cVec2 centre = CellCentre(cell);
            EXPECT_EQ(CellOfPoint(centre), cell);
            // The centre is the midpoint of the first and last corner.
            const auto corners = CellCorners(cell);
            EXPECT_NEAR(centre.x, (corners[0].x + corners[3].x) / 2, 1e-3f) << CellText({cell});
            EXPECT_NEAR(centre.y, (corners[0].y + corners[3].y) / 2, 1e-3f) << CellText({cell});
            const qor::cVec2 g = WorldToGrid(centre);
            EXPECT_NEAR(g.x, i + 0.5f, 1e-4f);
            EXPECT_NEAR(g.y, j + 0.5f, 1e-4f);
        }
    }
}

TEST(GridGeometryTest, PointsJustInsideTheGridCornersHaveCellsAndPointsOutsideNone) {
    // Grid coordinates (in cells), so "just" is the same on every side.
    struct Case {
        qor::cVec2 grid;
        cCell cell;
    };
    const float in = 0.01f;
    const Case cases[] = {
        {{in, in}, {0, 0}},
        {{32 - in, in}, {31, 0}},
        {{in, 24 - in}, {0, 23}},
        {{32 - in, 24 - in}, {31, 23}},
        // Just outside, across each edge at each corner.
        {{-in, in}, {}},
        {{in, -in}, {}},
        {{32 + in, in}, {}},
        {{32 - in, -in}, {}},
        {{-in, 24 - in}, {}},
        {{in, 24 + in}, {}},
        {{32 + in, 24 - in}, {}},
        {{32 - in, 24 + in}, {}},
        // Beyond the corner's edges, far enough to mirror onto real cells if
        // the sign of the distance were dropped.
        {{-3.5f, 7.5f}, {}},
        {{7.5f, -3.5f}, {}},
        {{-3.5f, -3.5f}, {}},
    };
    for (const Case& c : cases) {
        const qor::cVec2 point = GridToWorld(c.grid);
        EXPECT_EQ(CellOfPoint(point), c.cell) << c.grid.x << ", " << c.grid.y;
    }
    for (const qor::cVec2 odd :
         {qor::cVec2{kNaN, 300}, qor::cVec2{500, kNaN}, qor::cVec2{kInf, 300},
          qor::cVec2{-kInf, -kInf}, qor::cVec2{3e38f, -3e38f}}) {
        EXPECT_EQ(CellOfPoint(odd), cCell{}) << odd.x << ", " << odd.y;
    }
}

TEST(GridGeometryTest, FootprintCoversOddExtentsAroundTheCellAndEvenOnesAroundTheNearestLine) {
    struct Case {
        qor::cVec2 grid;
        int width, height;
        cCellRect cells;
    };
    const Case cases[] = {
        {{5.3f, 7.6f}, 1, 1, {5, 5, 7, 7}},
        {{5.3f, 7.6f}, 3, 5, {4, 6, 5, 9}},
        // Even: 5.3 is nearest line 5, 7.6 nearest line 8.
        {{5.3f, 7.6f}, 2, 2, {4, 5, 7, 8}},
        {{5.7f, 7.4f}, 2, 4, {5, 6, 5, 8}},
        {{5.3f, 7.6f}, 3, 2, {4, 6, 7, 8}},
        // Extents below one count as one.
        {{5.3f, 7.6f}, 0, -3, {5, 5, 7, 7}},
        // Near the corner the rectangle reaches past the grid's edge.
        {{0.2f, 0.7f}, 3, 2, {-1, 1, 0, 1}},
        // A position before the corner's edge covers the cells before it, not
        // the mirrored cells inside.
        {{-0.5f, 3.2f}, 1, 1, {-1, -1, 3, 3}},
        {{31.8f, 23.9f}, 4, 1, {30, 33, 23, 23}},
    };
    for (const Case& c : cases) {
        const cCellRect r = FootprintCells(GridToWorld(c.grid), c.width, c.height);
        EXPECT_EQ(r, c.cells) << c.grid.x << ", " << c.grid.y << " " << c.width << "x" << c.height;
    }
    EXPECT_TRUE(FootprintCells({kNaN, 100}, 2, 2).IsEmpty());
    EXPECT_TRUE(FootprintCells({1e9f, 100}, 2, 2).IsEmpty());
    // Absurd extents stay within reach of the grid instead of overflowing.
    const cCellRect huge = FootprintCells(GridToWorld({5.3f, 5.3f}), INT_MIN, INT_MAX);
    EXPECT_EQ(huge, (cCellRect{5, 5, 5 - 32, 5 + 31}));
}

TEST(GridTest, KindsSetTheCostOfEnteringACell) {
    struct Case {
        int32_t kind;
        int32_t state;
        float cost;
    };
    const Case cases[] = {
        {0, 0, 0.0f},
        {1, 1, 0.7f},
        {2, 2, 3.0f},
        {-1, -1, -1.0f},
        {3, 3, -1.0f},
        {-7, -7, -1.0f},
        // A level file may hold anything; values that would read as an
        // occupied cell are stored as blocked ground.
        {700, -1, -1.0f},
        {INT_MAX, -1, -1.0f},
        {INT_MIN, -1, -1.0f},
    };
    cGrid grid;
    EXPECT_EQ(grid.CellState({4, 4}), 0);  // a new grid is road
    for (const Case& c : cases) {
        grid.SetCellKind({4, 4}, c.kind);
        EXPECT_EQ(grid.CellState({4, 4}), c.state) << c.kind;
        EXPECT_EQ(grid.UnderlyingKind({4, 4}), c.state) << c.kind;
        EXPECT_FLOAT_EQ(grid.Cost({4, 4}), c.cost) << c.kind;
        EXPECT_EQ(grid.IsFree({4, 4}), c.cost >= 0) << c.kind;
    }
    // Cells outside the grid are blocked and cannot be changed.
    for (const cCell outside :
         {cCell{-1, 0}, cCell{0, -1}, cCell{32, 0}, cCell{0, 24}, cCell{INT_MIN, INT_MAX}}) {
        grid.SetCellKind(outside, kTerrainRoad);
        grid.SetCellKind(outside, cGrid::kOccupied);
        EXPECT_EQ(grid.CellState(outside), cGrid::kOutside) << CellText({outside});
        EXPECT_EQ(grid.Cost(outside), -1.0f) << CellText({outside});
        EXPECT_FALSE(grid.IsFree(outside));
    }
}

TEST(GridTest, OccupyingAndFreeingKeepsTheKindUnderneath) {
    for (const int32_t kind : {0, 1, 2, -1, 3, -499, 500}) {
        SCOPED_TRACE(kind);
        cGrid grid;
        grid.SetCellKind({7, 8}, kind);
        const cGrid before = grid;

        grid.SetCellKind({7, 8}, cGrid::kOccupied);
        grid.SetCellKind({7, 8}, cGrid::kOccupied);  // a second object adds nothing
        EXPECT_EQ(grid.CellState({7, 8}), cGrid::kOccupied);
        EXPECT_TRUE(grid.IsOccupied({7, 8}));
        EXPECT_EQ(grid.Cost({7, 8}), -1.0f);
        EXPECT_EQ(grid.UnderlyingKind({7, 8}), kind);

        grid.Free(cCellRect{7, 7, 8, 8});
        EXPECT_EQ(grid, before);
        grid.Free(cCellRect{7, 7, 8, 8});  // freeing a free cell changes nothing
        EXPECT_EQ(grid, before);
    }
}

TEST(GridTest, FootprintsOccupyAndFreeOnlyTheirCellsInsideTheGrid) {
    cGrid grid;
    grid.Fill(kTerrainGrass);
    // Mixed ground under a footprint that reaches past the corner.
    grid.SetCellKind({0, 0}, kTerrainRoad);
    grid.SetCellKind({1, 0}, kTerrainRough);
    grid.SetCellKind({0, 1}, kTerrainBlocked);
    grid.SetCellKind({1, 1}, cGrid::kOccupied);  // another object stands here
    const cGrid before = grid;
    const cCellRect rect{-1, 1, -1, 1};

    grid.Occupy(rect);
    for (int j = 0; j < kGridRows; ++j) {
        for (int i = 0; i < kGridColumns; ++i) {
            const cCell c{i, j};
            EXPECT_EQ(grid.IsOccupied(c), rect.Contains(c)) << CellText({c});
            EXPECT_EQ(grid.UnderlyingKind(c), before.UnderlyingKind(c)) << CellText({c});
        }
    }

    // Freeing with a record notes every cell it freed, the shared one too,
    // and occupying the record again restores exactly that.
    cCellSet freed;
    grid.Free(rect, freed);
    EXPECT_EQ(freed.count(), 4u);
    EXPECT_EQ(grid.CellState({0, 1}), kTerrainBlocked);
    EXPECT_EQ(grid.Cost({1, 0}), 3.0f);
    grid.Occupy(freed);
    grid.Free(cCellRect{0, 0, 0, 1});
    grid.Free(cCellRect{1, 1, 0, 0});
    EXPECT_TRUE(grid.IsOccupied({1, 1})) << "the other object still stands there";
    grid.Free(cCellRect{1, 1, 1, 1});
    EXPECT_EQ(grid, before);

    // A rectangle wholly outside, or empty, touches nothing.
    grid.Occupy(cCellRect{-5, -2, 3, 4});
    grid.Occupy(cCellRect{40, 50, 3, 4});
    grid.Occupy(cCellRect{});
    EXPECT_EQ(grid, before);
}

// A house and a tree on one cell: the cell stays blocked until both have
// gone, whichever goes first; lifting the occupation for a path search and
// putting it back keeps both; new ground wipes it out for good.
TEST(GridTest, ACellStaysBlockedUntilEveryObjectOnItHasGone) {
    const cCellRect house{4, 6, 4, 5};
    const cCellRect tree{6, 6, 5, 5};
    for (const bool treeFirst : {true, false}) {
        SCOPED_TRACE(treeFirst);
        cGrid grid;
        grid.Fill(kTerrainGrass);
        const cGrid before = grid;
        grid.Occupy(house);
        grid.Occupy(tree);
        cCellSet lifted;
        grid.Free(house, lifted);
        EXPECT_TRUE(grid.IsFree({6, 5}));
        grid.Occupy(lifted);
        grid.Free(treeFirst ? tree : house);
        EXPECT_TRUE(grid.IsOccupied({6, 5}));
        EXPECT_EQ(grid.IsOccupied({4, 4}), treeFirst);
        grid.Free(treeFirst ? house : tree);
        EXPECT_EQ(grid, before);
    }
    cGrid grid;
    grid.Occupy(tree);
    const uint32_t generation = grid.Generation();
    grid.SetCellKind({6, 5}, kTerrainRough);
    EXPECT_NE(grid.Generation(), generation);
    EXPECT_EQ(grid.Cost({6, 5}), 3.0f);
    grid.SetCellKind({7, 5}, kTerrainRough);
    EXPECT_NE(grid.Generation(), generation + 2) << "a free cell's new kind wipes nothing";
}

TEST(GridTest, NearestFreeCellTriesTheCellThenItsNeighboursInOrder) {
    const cCell centre{10, 10};
    const cCell order[] = {{10, 10}, {10, 9}, {9, 10}, {11, 10}, {10, 11},
                           {9, 9},   {11, 9}, {9, 11}, {11, 11}};
    cGrid grid;
    grid.Fill(kTerrainGrass);
    for (const cCell expected : order) {
        EXPECT_EQ(grid.NearestFreeCell(centre), expected);
        // Alternate the two ways a cell is not free.
        grid.SetCellKind(expected, expected.i == 10 ? cGrid::kOccupied : kTerrainBlocked);
    }
    EXPECT_EQ(grid.NearestFreeCell(centre), cCell{});

    // At the grid's corner the missing neighbours are skipped.
    grid.Fill(kTerrainGrass);
    grid.SetCellKind({0, 0}, cGrid::kOccupied);
    EXPECT_EQ(grid.NearestFreeCell({0, 0}), (cCell{1, 0}));
    EXPECT_EQ(grid.NearestFreeCell({-1, 0}), cCell{});
    EXPECT_EQ(grid.NearestFreeCell(cCell{}), cCell{});
}

}  // namespace
