#pragma once
// Where a texture is fully opaque. The sprite batch asks it whether a triangle
// samples only opaque texels: such triangles cover what lies below them
// completely, so they can be drawn without blending or alpha test, which a
// software rasteriser turns into far less work (and a tiled GPU into less
// memory traffic). The answer is conservative: "opaque" is only said when
// every texel that bilinear filtering could touch has alpha 255.
#include <cstdint>
#include <vector>

#include "engine/Image.h"

namespace qor {

class cTextureOpacity {
  public:
    // From the first level of an image. Formats without alpha are opaque
    // throughout; formats whose alpha is not read here (compressed with alpha,
    // 16-bit with alpha) are never opaque.
    static cTextureOpacity FromImage(const cImage& image);

    bool AllOpaque() const { return m_all; }
    bool NoneOpaque() const { return !m_all && m_opaqueCells == 0; }

    // Whether every texel within one texel of the texture rectangle (u0, v0) -
    // (u1, v1) is opaque; u and v in 0..1 with v counted from the bottom of the
    // image. A rectangle reaching outside 0..1 is only opaque when the whole
    // texture is (it would sample wrapped or clamped texels).
    bool IsOpaque(float u0, float v0, float u1, float v1) const;

  private:
    // Translucent cells in the rectangle of cells [x0, x1) × [y0, y1), rows from the top.
    uint32_t TranslucentCells(int x0, int y0, int x1, int y1) const;

    bool m_all = false;
    uint32_t m_width = 0, m_height = 0;
    // The image is cut into square cells of m_cellSide texels; a cell counts as
    // opaque when all its texels are. m_sums is the summed-area table of
    // translucent cells, (columns + 1) × (rows + 1), rows from the top.
    uint32_t m_cellSide = 1;
    int m_columns = 0, m_rows = 0;
    uint32_t m_opaqueCells = 0;
    std::vector<uint32_t> m_sums;
};

}  // namespace qor
