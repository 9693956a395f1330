#pragma once
// The ground of a level as the walkers see it: one value per cell of the
// 32 × 24 grid, the terrain kind, plus 1000 while an object stands on the
// cell. The value decides the cost of entering the cell: road 0.0, grass 0.7,
// rough ground 3.0; every other kind and every occupied cell cannot be
// entered (-1). The grid counts the objects standing on each cell: two of
// them share the one +1000, and the cell is free again only once both left.
#include <array>
#include <bitset>
#include <cstdint>

#include "scene/LevelGrid.h"

// Cells a caller freed for a while, so that it can occupy exactly those again.
using cCellSet = std::bitset<kGridCells>;

class cGrid {
  public:
    // CellState of a cell an object stands on.
    static constexpr int32_t kOccupied = -2;
    // CellState of a cell outside the grid.
    static constexpr int32_t kOutside = -1;

    // Every cell road (kind 0, cost 0).
    cGrid();

    // Gives every cell the kind, unoccupied.
    void Fill(int32_t kind);

    // -1 outside the grid, -2 while an object stands on the cell, otherwise the kind.
    int32_t CellState(cCell cell) const;
    // Kind -2 occupies the cell (unless it is occupied already); any other kind
    // replaces the value, occupation and its count included, and sets the cost from the
    // kind. Kinds beyond ±500 are stored as -1: they block like any unknown
    // kind, and a value above 500 must mean an object on the cell. Cells
    // outside the grid are ignored.
    void SetCellKind(cCell cell, int32_t kind);

    // The terrain under any object on the cell: what a level file keeps.
    // -1 outside the grid.
    int32_t UnderlyingKind(cCell cell) const;
    // The cost of entering the cell, -1 when it cannot be entered or lies outside.
    float Cost(cCell cell) const { return cell.IsValid() ? costs[Index(cell)] : -1.0f; }
    // The same by index, for loops that stay inside the grid: the index is not checked.
    float CostAt(int index) const { return costs[index]; }
    bool IsOccupied(cCell cell) const;
    // Inside the grid, unoccupied and walkable.
    bool IsFree(cCell cell) const;

    // One more object stands on every cell of the rectangle that lies in the grid.
    void Occupy(const cCellRect& cells);
    // One object fewer stands on every cell of the rectangle; a cell nobody
    // stands on any more gets its kind's cost back.
    void Free(const cCellRect& cells);
    // Lifts the occupation of the rectangle's cells for a while, whoever
    // stands there, noting in `freed` each cell it lifted.
    void Free(const cCellRect& cells, cCellSet& freed);
    // Puts the lifted occupation of the noted cells back as it was.
    void Occupy(const cCellSet& cells);
    // Changes whenever a new kind wipes out the occupation of a cell (a level
    // read anew): what was taken on the grid before is nobody's to give back.
    uint32_t Generation() const { return generation; }

    // The cell itself when it is free, else the first free one of its edge
    // neighbours, in the order the path search visits them ((i, j - 1),
    // (i - 1, j), (i + 1, j), (i, j + 1)), then of its corner neighbours
    // ((i - 1, j - 1), (i + 1, j - 1), (i - 1, j + 1), (i + 1, j + 1));
    // (-1, -1) when none is free or the cell lies outside the grid.
    cCell NearestFreeCell(cCell cell) const;

    // Index of a cell in the value and cost arrays: i + j × 32.
    static int Index(cCell cell) { return cell.i + cell.j * kGridColumns; }
    static cCell CellAt(int index) { return {index % kGridColumns, index / kGridColumns}; }

    bool operator==(const cGrid&) const = default;

  private:
    static float CostOfKind(int32_t kind);
    void OccupyAt(int index);
    void FreeAt(int index);
    // The +1000 of the cell, on or off, leaving the count alone.
    void MarkAt(int index, bool occupied);

    std::array<int32_t, kGridCells> values;
    std::array<float, kGridCells> costs;
    std::array<uint16_t, kGridCells> occupants{};  // objects standing on each cell
    uint32_t generation = 1;
};
