#pragma once
// What the ground of a level looks like, cell by cell, worked out from its
// grid: the walkable kinds give grass, road and rough ground; a cell under
// water (a lake's or bridge's footprint, or a cell that floods while the
// water is not frozen) is a pond; and blocked cells are read by their shape: a
// blocked patch joined to the sea round the island is sea, a lone blocked
// cell on the island is a rock, and a larger blocked patch inside is a pond;
// a one-cell channel of the sea between land on both sides is a pond too.
#include <array>
#include <cstdint>
#include <vector>

#include "scene/LevelGrid.h"

namespace backgen {

enum class eGround : uint8_t { kSea, kPond, kRock, kGrass, kRoad, kRough };

struct cGroundMap {
    std::array<eGround, kGridCells> cells{};

    eGround At(cCell c) const { return c.IsValid() ? cells[c.i * kGridRows + c.j] : eGround::kSea; }
    // Ground that stands out of the water.
    static bool IsLand(eGround g) { return g != eGround::kSea && g != eGround::kPond; }
};

// `terrain` holds the grid's kinds column by column (cell (i, j) at
// i * 24 + j), as level files store them; `water` lists the cells under water.
cGroundMap ReadGround(const std::array<int32_t, kGridCells>& terrain,
                      const std::vector<cCell>& water);

}  // namespace backgen
