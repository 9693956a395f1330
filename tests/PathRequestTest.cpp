// A walker's path request on the grid's side: the ends are made walkable for
// the search and the grid is put back exactly; and where a walker stops
// beside an object it works on from the outside.
#include "level/path/PathRequest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/GridTestKit.h"

namespace {

cCellRect Around(cCell c, int radius) {
    return {c.i - radius, c.i + radius, c.j - radius, c.j + radius};
}

cCellRect Single(cCell c) {
    return Around(c, 0);
}

TEST(PathRequestTest, EndsAreOpenedForTheSearchAndTheGridIsPutBackExactly) {
    const cCell start{5, 5};
    const cCell goal{20, 15};
    struct Case {
        const char* what;
        void (*prepare)(cGrid&);
        cPathEnds ends;
        bool found;
    };
    const Case cases[] = {
        {"walker inside its own occupied footprint",
         [](cGrid& g) {
             g.Occupy(Around({5, 5}, 1));
         },
         {start, Around(start, 1), goal, Single(goal)},
         true},
        {"target building occupying its cells",
         [](cGrid& g) {
             g.Occupy(Around({20, 15}, 1));
         },
         {start, Single(start), goal, Around(goal, 1)},
         true},
        {"occupied target cell",
         [](cGrid& g) {
             g.SetCellKind({20, 15}, cGrid::kOccupied);
         },
         {start, Single(start), goal, Single(goal)},
         true},
        {"walker on blocked ground",
         [](cGrid& g) {
             g.SetCellKind({5, 5}, kTerrainBlocked);
         },
         {start, Single(start), goal, Single(goal)},
         true},
        {"walker on ground of an unknown kind",
         [](cGrid& g) {
             g.SetCellKind({5, 5}, 7);
         },
         {start, Single(start), goal, Single(goal)},
         true},
        // The target's other cells are free (its neighbour was cleared away,
        // say): they must stay free after the request.
        {"target footprint partly free",
         [](cGrid& g) {
             g.SetCellKind({20, 15}, cGrid::kOccupied);
         },
         {start, Single(start), goal, Around(goal, 1)},
         true},
        {"walker's footprint partly free",
         [](cGrid& g) {
             g.SetCellKind({5, 5}, cGrid::kOccupied);
         },
         {start, Around(start, 2), goal, Single(goal)},
         true},
        {"blocked goal stays blocked",
         [](cGrid& g) {
             g.SetCellKind({20, 15}, kTerrainBlocked);
         },
         {start, Single(start), goal, Single(goal)},
         false},
        {"walker walled in",
         [](cGrid& g) {
             g.Occupy(Around({5, 5}, 2));
             g.Free(Around({5, 5}, 1));
             g.SetCellKind({5, 5}, cGrid::kOccupied);
         },
         {start, Single(start), goal, Single(goal)},
         false},
    };
    cPathFinder finder;
    for (const Case& c : cases) {
        for (const bool smooth : {false, true}) {
            SCOPED_TRACE(c.what + std::string(smooth ? ", smoothed" : ""));
            cGrid grid;
            grid.Fill(kTerrainGrass);
            c.prepare(grid);
            const cGrid before = grid;
            std::vector<cCell> path;
            EXPECT_EQ(FindRequestCells(grid, finder, c.ends, smooth, path), c.found);
            EXPECT_EQ(grid, before);
            if (c.found) {
                ASSERT_FALSE(path.empty());
                EXPECT_EQ(path.front(), start);
                EXPECT_EQ(path.back(), goal);
                EXPECT_EQ(path.size() == 2, smooth);  // open grass straightens to one line
            } else {
                EXPECT_TRUE(path.empty());
            }
        }
    }
}

TEST(PathRequestTest, WorkersStopAtTheSideOfTheTargetFacingTheirApproach) {
    const qor::cVec2 target{500, 400};
    const float r = 20;
    const qor::cVec2 u = GridAxisI();
    const qor::cVec2 v = GridAxisJ();
    auto side = [&](qor::cVec2 d) { return qor::cVec2{target.x + r * d.x, target.y + r * d.y}; };
    struct Case {
        const char* what;
        qor::cVec2 last;
        qor::cVec2 expected;
    };
    const Case cases[] = {
        {"from +i", {target.x + 100 * u.x, target.y + 100 * u.y}, side(u)},
        {"from +j", {target.x + 100 * v.x, target.y + 100 * v.y}, side(v)},
        {"from -i", {target.x - 100 * u.x, target.y - 100 * u.y}, side({-u.x, -u.y})},
        {"from -j", {target.x - 3 * v.x, target.y - 3 * v.y}, side({-v.x, -v.y})},
        {"from the right, nearer +i than +j", {target.x + 50, target.y}, side(u)},
        {"from straight above, nearer +j than -i", {target.x, target.y + 50}, side(v)},
        {"exactly on the target", target, side(u)},
    };
    for (const Case& c : cases) {
        const qor::cVec2 p = ApproachPoint(target, r, c.last);
        EXPECT_NEAR(p.x, c.expected.x, 1e-3f) << c.what;
        EXPECT_NEAR(p.y, c.expected.y, 1e-3f) << c.what;
    }
    // Nonsense radii leave the path's end where it was.
    const qor::cVec2 last{520, 380};
    for (const float bad : {std::numeric_limits<float>::quiet_NaN(), 1e6f}) {
        const qor::cVec2 p = ApproachPoint(target, bad, last);
        EXPECT_EQ(p.x, last.x);
        EXPECT_EQ(p.y, last.y);
    }
}

}  // namespace
