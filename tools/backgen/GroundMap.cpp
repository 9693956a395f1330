#include "tools/backgen/GroundMap.h"

namespace backgen {

namespace {

int Index(cCell c) {
    return c.i * kGridRows + c.j;
}

}  // namespace

cGroundMap ReadGround(const std::array<int32_t, kGridCells>& terrain,
                      const std::vector<cCell>& water) {
    cGroundMap map;
    std::array<bool, kGridCells> wet{};
    for (cCell c : water) {
        if (c.IsValid())
            wet[Index(c)] = true;
    }
    std::array<bool, kGridCells> blocked{};
    for (int i = 0; i < kGridColumns; ++i) {
        for (int j = 0; j < kGridRows; ++j) {
            const cCell c{i, j};
            const int32_t kind = terrain[Index(c)];
            blocked[Index(c)] = !IsIslandCell(c) || !IsWalkableTerrain(kind);
            if (blocked[Index(c)])
                continue;
            map.cells[Index(c)] = wet[Index(c)]           ? eGround::kPond
                                  : kind == kTerrainRoad  ? eGround::kRoad
                                  : kind == kTerrainRough ? eGround::kRough
                                                          : eGround::kGrass;
        }
    }
    // Each patch of blocked cells, four-way connected, is read as a whole.
    std::array<bool, kGridCells> seen{};
    std::vector<cCell> patch, stack;
    for (int start = 0; start < kGridCells; ++start) {
        if (!blocked[start] || seen[start])
            continue;
        patch.clear();
        stack.assign(1, cCell{start / kGridRows, start % kGridRows});
        seen[start] = true;
        bool open = false;  // joined to the sea outside the island
        bool wetPatch = false;
        while (!stack.empty()) {
            const cCell c = stack.back();
            stack.pop_back();
            patch.push_back(c);
            open = open || !IsIslandCell(c);
            wetPatch = wetPatch || wet[Index(c)];
            for (cCell n : {cCell{c.i + 1, c.j}, cCell{c.i - 1, c.j}, cCell{c.i, c.j + 1},
                            cCell{c.i, c.j - 1}}) {
                if (n.IsValid() && blocked[Index(n)] && !seen[Index(n)]) {
                    seen[Index(n)] = true;
                    stack.push_back(n);
                }
            }
        }
        const eGround ground = open                             ? eGround::kSea
                               : patch.size() == 1 && !wetPatch ? eGround::kRock
                                                                : eGround::kPond;
        for (cCell c : patch)
            map.cells[Index(c)] = ground;
    }
    // A channel of the sea one cell wide that runs on between land on either
    // side (a brook, a ford) is drawn as water too: the coast's beach would
    // fill it and make it look like a path the workers cannot take. A bay
    // (land on three sides) stays a sandy cove.
    std::vector<cCell> channel;
    for (int i = 0; i < kGridColumns; ++i) {
        for (int j = 0; j < kGridRows; ++j) {
            const cCell c{i, j};
            if (map.At(c) != eGround::kSea || !IsIslandCell(c))
                continue;
            const auto land = [&](cCell n) { return cGroundMap::IsLand(map.At(n)); };
            const bool across = land({i - 1, j}) && land({i + 1, j});
            const bool along = land({i, j - 1}) && land({i, j + 1});
            const bool runsAcross = !land({i - 1, j}) && !land({i + 1, j});
            const bool runsAlong = !land({i, j - 1}) && !land({i, j + 1});
            if ((across && runsAlong) || (along && runsAcross))
                channel.push_back(c);
        }
    }
    for (cCell c : channel)
        map.cells[Index(c)] = eGround::kPond;
    return map;
}

}  // namespace backgen
