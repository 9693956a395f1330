// One walker's path request on the 32 × 24 grid, in microseconds: the search
// alone and the search followed by straightening, over open grass, a maze of
// walls with one gap each, and a goal on the far side of a wall.
//
//   cmake --build build --target path_finder && build/bench/path_finder
#include <benchmark/benchmark.h>

#include <vector>

#include "level/path/PathFinder.h"
#include "level/path/PathRequest.h"
#include "level/path/PathSmoothing.h"

namespace {

struct cScene {
    cGrid grid;
    cCell start, goal;
};

cScene Grass(cCell start, cCell goal) {
    cScene s;
    s.grid.Fill(kTerrainGrass);
    s.start = start;
    s.goal = goal;
    return s;
}

cScene OpenGrass() {
    return Grass({2, 3}, {29, 20});
}

// Walls across every fourth column, each with one gap, alternately at the top
// and the bottom, and scattered occupied cells between them: the route winds
// through every corridor.
cScene Maze() {
    cScene s = Grass({0, 12}, {30, 12});
    for (int i = 3; i < kGridColumns; i += 4) {
        const int gap = (i / 4) % 2 ? 1 : kGridRows - 2;
        for (int j = 0; j < kGridRows; ++j) {
            if (j != gap)
                s.grid.SetCellKind({i, j}, kTerrainBlocked);
        }
    }
    for (int k = 0; k < kGridCells; k += 7) {
        const cCell c = cGrid::CellAt(k);
        if (c.i % 4 == 1 && c.j > 2 && c.j < kGridRows - 3)
            s.grid.SetCellKind(c, cGrid::kOccupied);
    }
    return s;
}

cScene WalledInTwo() {
    cScene s = OpenGrass();
    for (int j = 0; j < kGridRows; ++j)
        s.grid.SetCellKind({16, j}, kTerrainBlocked);
    return s;
}

void Run(benchmark::State& state, const cScene& scene) {
    const bool smooth = state.range(0) != 0;
    cPathFinder finder;
    std::vector<cCell> path;
    path.reserve(kGridCells);
    for (auto _ : state) {
        const bool found = finder.FindCellPath(scene.grid, scene.start, scene.goal, path);
        if (found && smooth)
            SmoothPath(scene.grid, path);
        benchmark::DoNotOptimize(path.data());
    }
    state.counters["expanded"] = finder.ExpandedCount();
    state.counters["points"] = static_cast<double>(path.size());
}

void BM_OpenGrass(benchmark::State& state) {
    Run(state, OpenGrass());
}
void BM_Maze(benchmark::State& state) {
    Run(state, Maze());
}
void BM_Unreachable(benchmark::State& state) {
    Run(state, WalledInTwo());
}

// The whole grid side of a request: a walker inside a building's cells,
// walking to another building, both freed for the search and put back.
void BM_Request(benchmark::State& state) {
    cScene scene = OpenGrass();
    const cCellRect home{1, 3, 2, 4};
    const cCellRect target{28, 30, 19, 21};
    scene.grid.Occupy(home);
    scene.grid.Occupy(target);
    const cPathEnds ends{scene.start, home, scene.goal, target};
    cPathFinder finder;
    std::vector<cCell> path;
    path.reserve(kGridCells);
    for (auto _ : state) {
        FindRequestCells(scene.grid, finder, ends, state.range(0) != 0, path);
        benchmark::DoNotOptimize(path.data());
    }
    state.counters["points"] = static_cast<double>(path.size());
}

BENCHMARK(BM_OpenGrass)->ArgName("smooth")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Maze)->ArgName("smooth")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Unreachable)->ArgName("smooth")->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Request)->ArgName("smooth")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
