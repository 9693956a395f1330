// The walkers' route finder: which cells a search returns (ties included)
// and when it gives up.
#include "level/path/PathFinder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "level/path/PathSmoothing.h"
#include "tests/GridTestKit.h"

namespace {

using cPath = std::vector<cCell>;

TEST(PathFinderTest, NoPathWhenAnEndIsOffTheGridOrCannotBeEntered) {
    cGrid grid = GridOf(kTerrainGrass);
    grid.SetCellKind({6, 6}, kTerrainBlocked);
    grid.SetCellKind({7, 7}, cGrid::kOccupied);
    struct Case {
        cCell start, goal;
    };
    const Case cases[] = {
        {{-1, 5}, {5, 5}}, {{5, 5}, {32, 5}}, {{5, 24}, {5, 5}}, {{}, {}},
        {{6, 6}, {5, 5}},  {{5, 5}, {6, 6}},  {{7, 7}, {5, 5}},  {{5, 5}, {7, 7}},
    };
    cPathFinder finder;
    for (const Case& c : cases) {
        cPath path{{1, 1}, {1, 2}};  // a stale route must not survive a failure
        EXPECT_FALSE(finder.FindCellPath(grid, c.start, c.goal, path))
            << CellText({c.start, c.goal});
        EXPECT_TRUE(path.empty()) << CellText({c.start, c.goal});
    }
}

TEST(PathFinderTest, TiesGoToTheFirstNeighbourAndTheEarliestPush) {
    struct Case {
        cCell start, goal;
        cPath path;
    };
    const Case cases[] = {
        {{5, 5}, {5, 5}, {{5, 5}}},
        {{5, 5}, {6, 5}, {{5, 5}, {6, 5}}},
        {{5, 5}, {5, 8}, {{5, 5}, {5, 6}, {5, 7}, {5, 8}}},
        // Diagonal neighbours: up (j - 1) is tried before left, left before
        // right, right before down.
        {{10, 10}, {11, 11}, {{10, 10}, {11, 10}, {11, 11}}},
        {{11, 11}, {10, 10}, {{11, 11}, {11, 10}, {10, 10}}},
        {{11, 10}, {10, 11}, {{11, 10}, {10, 10}, {10, 11}}},
        {{10, 11}, {11, 10}, {{10, 11}, {10, 10}, {11, 10}}},
        // On grass (2, 1) and (1, 2) tie at the end; (2, 1) was pushed first and
        // stays ahead when (0, 1) leaves the list before them.
        {{0, 0}, {2, 2}, {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}}},
    };
    cPathFinder finder;
    for (const int32_t kind : {kTerrainRoad, kTerrainGrass}) {
        const cGrid grid = GridOf(kind);
        for (const Case& c : cases) {
            cPath path;
            EXPECT_TRUE(finder.FindCellPath(grid, c.start, c.goal, path));
            EXPECT_EQ(path, c.path) << "kind " << kind << ": " << CellText(path);
        }
    }
}

// A staircase of road that climbs first: on plain grass the search would
// step right first, so following it shows that road is preferred.
TEST(PathFinderTest, RoutesKeepToRoadThatLeadsTowardTheGoal) {
    cPath road;
    for (int k = 0; k < 6; ++k) {
        road.push_back({5 + k, 5 + k});
        road.push_back({5 + k, 6 + k});
    }
    road.push_back({11, 11});
    cGrid grid = GridOf(kTerrainGrass);
    cPathFinder finder;
    cPath path;
    ASSERT_TRUE(finder.FindCellPath(grid, road.front(), road.back(), path));
    EXPECT_NE(path, road) << "the road would not be tested";

    for (const cCell c : road)
        grid.SetCellKind(c, kTerrainRoad);
    ASSERT_TRUE(finder.FindCellPath(grid, road.front(), road.back(), path));
    EXPECT_EQ(path, road) << CellText(path);
}

TEST(PathFinderTest, RoutesGoRoundRoughGroundAndThroughTheGapInAWall) {
    cGrid grid = GridOf(kTerrainGrass);
    for (int i = 8; i <= 12; ++i) {
        for (int j = 8; j <= 12; ++j)
            grid.SetCellKind({i, j}, kTerrainRough);
    }
    for (int i = 0; i < kGridColumns; ++i) {
        if (i != 3)
            grid.SetCellKind({i, 16}, i % 2 ? kTerrainBlocked : cGrid::kOccupied);
    }
    cPathFinder finder;
    cPath path;
    ASSERT_TRUE(finder.FindCellPath(grid, {10, 5}, {10, 14}, path));
    for (const cCell c : path)
        EXPECT_EQ(grid.CellState(c), kTerrainGrass) << CellText(path);

    ASSERT_TRUE(finder.FindCellPath(grid, {10, 5}, {20, 20}, path));
    EXPECT_NE(std::find(path.begin(), path.end(), cCell{3, 16}), path.end()) << CellText(path);
}

// Random ground of every kind, with start and goal on grass.
struct cRandomGround {
    cGrid grid;
    cCell start, goal;
};

class cGroundMaker {
  public:
    cRandomGround Next() {
        cRandomGround r;
        r.grid.Fill(kTerrainGrass);
        const int objects = Random(40);
        for (int k = 0; k < kGridCells; ++k) {
            const int roll = Random(100);
            const cCell c = cGrid::CellAt(k);
            if (roll < objects)
                r.grid.SetCellKind(c, cGrid::kOccupied);
            else if (roll < objects + 5)
                r.grid.SetCellKind(c, kTerrainBlocked);
            else if (roll < objects + 25)
                r.grid.SetCellKind(c, kTerrainRoad);
            else if (roll < objects + 35)
                r.grid.SetCellKind(c, kTerrainRough);
        }
        r.start = {Random(kGridColumns), Random(kGridRows)};
        r.goal = {Random(kGridColumns), Random(kGridRows)};
        r.grid.SetCellKind(r.start, kTerrainGrass);
        r.grid.SetCellKind(r.goal, kTerrainGrass);
        return r;
    }

  private:
    int Random(int n) {
        seed = seed * 69069u + 1u;
        return static_cast<int>((seed >> 16) % static_cast<uint32_t>(n));
    }
    uint32_t seed = 20240611u;
};

// The search written as plainly as possible: an unsorted list in push order,
// scanned for the first entry with the strictly smallest f, erased in place.
bool PlainSearch(const cGrid& grid, cCell start, cCell goal, cPath& path, int& expanded) {
    struct cNode {
        float g = 0, f = 0;
        int parent = -1;
        bool open = false, closed = false;
    };
    std::vector<cNode> nodes(kGridCells);
    std::vector<int> list{cGrid::Index(start)};
    nodes[list[0]].open = true;
    expanded = 0;
    path.clear();
    while (!list.empty()) {
        size_t best = 0;
        for (size_t k = 1; k < list.size(); ++k) {
            if (nodes[list[k]].f < nodes[list[best]].f)
                best = k;
        }
        const int current = list[best];
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(best));
        nodes[current].open = false;
        ++expanded;
        const cCell here = cGrid::CellAt(current);
        if (here == goal) {
            for (int k = current; k >= 0; k = nodes[k].parent)
                path.insert(path.begin(), cGrid::CellAt(k));
            return true;
        }
        for (const cCell step : {cCell{0, -1}, cCell{-1, 0}, cCell{1, 0}, cCell{0, 1}}) {
            const cCell c{here.i + step.i, here.j + step.j};
            if (!c.IsValid() || grid.Cost(c) < 0)
                continue;
            cNode& n = nodes[cGrid::Index(c)];
            const float g = nodes[current].g + grid.Cost(c);
            if ((n.open || n.closed) && g >= n.g)
                continue;
            const float dx = static_cast<float>(c.i - goal.i);
            const float dy = static_cast<float>(c.j - goal.j);
            n = {g, g + std::sqrt(dx * dx + dy * dy), current, true, false};
            list.push_back(cGrid::Index(c));
        }
        nodes[current].closed = true;
    }
    return false;
}

TEST(PathFinderTest, ChoosesExactlyAsAPlainUnsortedListWould) {
    cGroundMaker maker;
    cPathFinder finder;
    int found = 0;
    for (int round = 0; round < 300; ++round) {
        const cRandomGround r = maker.Next();
        cPath expected, path;
        int plainExpanded = 0;
        const bool plain = PlainSearch(r.grid, r.start, r.goal, expected, plainExpanded);
        ASSERT_EQ(finder.FindCellPath(r.grid, r.start, r.goal, path), plain) << round;
        ASSERT_EQ(path, expected) << round;
        ASSERT_EQ(finder.ExpandedCount(), plainExpanded) << round;
        found += plain;
    }
    EXPECT_GT(found, 100);  // the grounds must not all be closed
}

// Every route found is a chain of edge steps over enterable cells from start
// to goal, and straightening keeps its ends, keeps its points in order and
// never draws a line over a cell that cannot be entered.
TEST(PathFinderTest, RoutesOnRandomGroundAreWalkableBeforeAndAfterStraightening) {
    cGroundMaker maker;
    cPathFinder finder;
    for (int round = 0; round < 100; ++round) {
        const cRandomGround r = maker.Next();
        cPath path;
        if (!finder.FindCellPath(r.grid, r.start, r.goal, path))
            continue;
        ASSERT_EQ(path.front(), r.start);
        ASSERT_EQ(path.back(), r.goal);
        for (size_t k = 0; k < path.size(); ++k) {
            ASSERT_TRUE(r.grid.IsFree(path[k])) << CellText(path);
            if (k > 0) {
                ASSERT_EQ(std::abs(path[k].i - path[k - 1].i) + std::abs(path[k].j - path[k - 1].j),
                          1)
                    << CellText(path);
            }
        }

        cPath smooth = path;
        SmoothPath(r.grid, smooth);
        ASSERT_EQ(smooth.front(), r.start);
        ASSERT_EQ(smooth.back(), r.goal);
        auto at = path.begin();
        for (size_t k = 0; k < smooth.size(); ++k) {
            at = std::find(at, path.end(), smooth[k]);
            ASSERT_NE(at, path.end()) << CellText(smooth) << " not within " << CellText(path);
            if (k > 0) {
                ASSERT_GE(LineCost(r.grid, smooth[k - 1], smooth[k]), 0.0) << CellText(smooth);
            }
        }
    }
}

TEST(PathFinderTest, ARepeatedSearchIsNotSwayedByTheOneBefore) {
    cGrid grid = GridOf(kTerrainGrass);
    for (int j = 3; j < 20; ++j)
        grid.SetCellKind({15, j}, kTerrainBlocked);
    cPathFinder fresh;
    cPath expected;
    ASSERT_TRUE(fresh.FindCellPath(grid, {25, 10}, {2, 12}, expected));

    cPathFinder used;
    cPath path;
    ASSERT_TRUE(used.FindCellPath(grid, {2, 2}, {30, 22}, path));
    ASSERT_FALSE(used.FindCellPath(grid, {2, 2}, {15, 10}, path));
    ASSERT_TRUE(used.FindCellPath(grid, {25, 10}, {2, 12}, path));
    EXPECT_EQ(path, expected);
}

// A grid walled in two, goal on the far side: the search must give up after
// visiting the near side, no cell more than a couple of times (grass reopens
// 14 of its 384 cells, road and rough ground none).
TEST(PathFinderTest, AnUnreachableGoalEndsTheSearchAfterTheReachableSide) {
    for (const int32_t kind : {kTerrainRoad, kTerrainGrass, kTerrainRough}) {
        cGrid grid = GridOf(kind);
        for (int j = 0; j < kGridRows; ++j)
            grid.SetCellKind({16, j}, j % 2 ? kTerrainBlocked : cGrid::kOccupied);
        cPathFinder finder;
        cPath path;
        EXPECT_FALSE(finder.FindCellPath(grid, {2, 3}, {30, 20}, path));
        EXPECT_TRUE(path.empty());
        const int reachable = 16 * kGridRows;
        EXPECT_GE(finder.ExpandedCount(), reachable) << "kind " << kind;
        EXPECT_LE(finder.ExpandedCount(), 2 * reachable) << "kind " << kind;
    }
}

}  // namespace
