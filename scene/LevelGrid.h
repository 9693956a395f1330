#pragma once
// The geometry of a level's ground, shared by the game and the scene
// compiler: 32 × 24 cells of 48 × 48
// world units laid obliquely over the island. The i axis (columns) runs 15°
// below the horizontal to the right, the j axis (rows) 45° above it, both unit
// vectors; the grid is centred on the middle of the 1024 × 768 screen.
// Grid coordinates are fractions of cells from the grid's corner, so cell
// (i, j) covers [i, i + 1) × [j, j + 1) and a point outside that has no cell.
#include <array>
#include <cstdint>

#include "engine/SpriteBatch.h"

inline constexpr int kGridColumns = 32;  // i
inline constexpr int kGridRows = 24;     // j
inline constexpr int kGridCells = kGridColumns * kGridRows;
inline constexpr float kCellSize = 48.0f;

// Terrain kinds of a cell. Stored in level files: do not renumber. Any other
// value blocks as well; a cell an object stands on holds kind + 1000.
inline constexpr int32_t kTerrainRoad = 0;   // costs nothing to cross
inline constexpr int32_t kTerrainGrass = 1;  // ordinary ground
inline constexpr int32_t kTerrainRough = 2;  // slow going
inline constexpr int32_t kTerrainBlocked = -1;

struct cCell {
    int i = -1;
    int j = -1;

    bool IsValid() const { return i >= 0 && i < kGridColumns && j >= 0 && j < kGridRows; }
    bool operator==(const cCell&) const = default;
};

// A rectangle of cells, both ends included. It may reach beyond the grid.
struct cCellRect {
    int firstI = 0, lastI = -1;
    int firstJ = 0, lastJ = -1;

    bool IsEmpty() const { return lastI < firstI || lastJ < firstJ; }
    bool Contains(cCell c) const {
        return c.i >= firstI && c.i <= lastI && c.j >= firstJ && c.j <= lastJ;
    }
    bool operator==(const cCellRect&) const = default;
};

// The two axes, for callers that place things around a point in the grid's
// own directions.
qor::cVec2 GridAxisI();
qor::cVec2 GridAxisJ();

// Grid coordinates of a world point (it may lie outside the grid), and back.
qor::cVec2 WorldToGrid(qor::cVec2 point);
qor::cVec2 GridToWorld(qor::cVec2 grid);

// The cell a world point lies in, or (-1, -1) outside the grid (and for a
// point that is not a number).
cCell CellOfPoint(qor::cVec2 point);
// The middle of a cell's parallelogram.
qor::cVec2 CellCentre(cCell cell);
// The cell's corners at (i, j), (i + 1, j), (i, j + 1) and (i + 1, j + 1).
std::array<qor::cVec2, 4> CellCorners(cCell cell);

bool IsWalkableTerrain(int32_t kind);

// The cells an object of `width` × `height` cells covers around its position.
// Along each axis, an odd extent covers the position's own cell and as many
// on each side; an even extent covers half of it on each side of the grid
// line nearest to the position. Extents below 1 count as 1. The rectangle
// may reach beyond the grid; a position far off the grid (or not a number)
// covers nothing.
cCellRect FootprintCells(qor::cVec2 position, int width, int height);
// The position that makes a footprint start at `first`: the inverse of
// FootprintCells for positions the compiler places by cell.
qor::cVec2 FootprintPosition(cCell first, int width, int height);

// The 70 cells that outline the island. Every level forces them blocked.
const std::array<cCell, 70>& IslandRim();
bool IsRimCell(cCell cell);
// True for the cells inside the rim: the ground a level can use.
bool IsIslandCell(cCell cell);
