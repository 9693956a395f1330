#pragma once
// Where a texture is clear (alpha 0) and where it is solid (alpha 255), in
// square cells of a few texels. The sprite batch cuts big quads along these
// cells: what lies over clear cells leaves no trace under alpha blending or
// the alpha test and is not drawn at all, and what lies over solid cells is
// drawn without blending. Both save a software rasteriser most of its work on
// sprites with wide transparent margins, such as trees.
//
// A cell's class covers its rim too: the texels one step outside it, read
// both wrapped and clamped at the texture's edges. A bilinear tap for a point
// inside a cell reads no further, so every pixel whose sample point falls in
// a clear cell gets alpha 0 and every one in a solid cell alpha 1, at any
// scale, rotation or mirroring (mipmapped sampling reads further and is not
// covered).
#include <cstdint>
#include <vector>

#include "engine/Image.h"

namespace qor {

class cTextureCoverage {
  public:
    static constexpr uint8_t kClear = 1;
    static constexpr uint8_t kSolid = 2;

    // From the first level of an image. Formats whose alpha is not read here
    // (without alpha, compressed, 16-bit) get no cells: nothing is known.
    static cTextureCoverage FromImage(const cImage& image);

    // Whether any cell is clear, or solid; false for both without cells.
    bool HasClearCells() const { return m_clearCells > 0; }
    bool HasSolidCells() const { return m_solidCells > 0; }

    uint32_t CellSide() const { return m_cellSide; }
    int Columns() const { return m_columns; }
    int Rows() const { return m_rows; }
    uint32_t Width() const { return m_width; }
    uint32_t Height() const { return m_height; }
    // kClear, kSolid or 0 (mixed) for the cell in `column`, `row`; rows count
    // from the top of the image. The indices must be inside the grid.
    uint8_t Cell(int column, int row) const {
        return m_cells[static_cast<size_t>(row) * static_cast<size_t>(m_columns) +
                       static_cast<size_t>(column)];
    }

  private:
    uint32_t m_width = 0, m_height = 0;
    uint32_t m_cellSide = 1;
    int m_columns = 0, m_rows = 0;
    uint32_t m_clearCells = 0, m_solidCells = 0;
    std::vector<uint8_t> m_cells;
};

}  // namespace qor
