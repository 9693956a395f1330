#include "engine/TextureCoverage.h"

#include <algorithm>

namespace qor {

namespace {

// At most this many cells a side: textures up to 2048 texels get cells of 4,
// larger ones bigger cells (a strip hugs a sprite no closer than a cell).
constexpr uint32_t kMaxCellsPerSide = 512;
constexpr uint32_t kMinCellSide = 4;

// What one stretch of texels holds: any alpha above 0, every alpha at 255.
struct cReach {
    bool any = false;
    bool all = true;
    void Add(bool texelAny, bool texelAll) {
        any = any || texelAny;
        all = all && texelAll;
    }
};

// The texel indices a cell's rim reaches past each end of [from, to) in a
// line of `size`: one before and one after, wrapped round the edge (clamped
// reads stay inside and are counted already).
void RimIndices(uint32_t from, uint32_t to, uint32_t size, uint32_t* before, uint32_t* after) {
    *before = from > 0 ? from - 1 : size - 1;
    *after = to < size ? to : 0;
}

}  // namespace

cTextureCoverage cTextureCoverage::FromImage(const cImage& image) {
    cTextureCoverage map;
    int bpp = 0, alpha = -1;
    if (image.format.id == kImageRGBA32) {
        bpp = 4;
        alpha = 3;
    } else if (image.format.id == kImageL8A8) {
        bpp = 2;
        alpha = 1;
    }
    if (alpha < 0 || image.width == 0 || image.height == 0 || image.levels.empty() ||
        image.levels[0].size() < size_t{image.width} * image.height * static_cast<size_t>(bpp)) {
        return map;
    }
    const uint32_t w = image.width, h = image.height;
    const uint32_t longest = std::max(w, h);
    const uint32_t side =
        std::max(kMinCellSide, (longest + kMaxCellsPerSide - 1) / kMaxCellsPerSide);
    const int columns = static_cast<int>((w + side - 1) / side);
    const int rows = static_cast<int>((h + side - 1) / side);
    const uint8_t* pixels = image.levels[0].data();
    auto texel = [&](uint32_t x, uint32_t y) {
        return pixels[(size_t{y} * w + x) * static_cast<size_t>(bpp) + static_cast<size_t>(alpha)];
    };

    // First along every texel row: each cell's columns with their rim.
    std::vector<cReach> rowReach(static_cast<size_t>(h) * static_cast<size_t>(columns));
    for (uint32_t y = 0; y < h; ++y) {
        cReach* out = &rowReach[size_t{y} * static_cast<size_t>(columns)];
        for (int cx = 0; cx < columns; ++cx) {
            const uint32_t x0 = static_cast<uint32_t>(cx) * side;
            const uint32_t x1 = std::min(w, x0 + side);
            uint32_t before = 0, after = 0;
            RimIndices(x0, x1, w, &before, &after);
            cReach reach;
            for (uint32_t x : {before, after}) {
                const uint8_t a = texel(x, y);
                reach.Add(a != 0, a == 255);
            }
            for (uint32_t x = x0; x < x1 && (reach.all || !reach.any); ++x) {
                const uint8_t a = texel(x, y);
                reach.Add(a != 0, a == 255);
            }
            out[cx] = reach;
        }
    }
    // Then down every column of cells: the cell's rows with their rim.
    map.m_cells.assign(static_cast<size_t>(columns) * static_cast<size_t>(rows), 0);
    for (int cy = 0; cy < rows; ++cy) {
        const uint32_t y0 = static_cast<uint32_t>(cy) * side;
        const uint32_t y1 = std::min(h, y0 + side);
        uint32_t before = 0, after = 0;
        RimIndices(y0, y1, h, &before, &after);
        for (int cx = 0; cx < columns; ++cx) {
            cReach reach;
            auto add = [&](uint32_t y) {
                const cReach& r =
                    rowReach[size_t{y} * static_cast<size_t>(columns) + static_cast<size_t>(cx)];
                reach.Add(r.any, r.all);
            };
            add(before);
            add(after);
            for (uint32_t y = y0; y < y1; ++y)
                add(y);
            uint8_t& cell = map.m_cells[static_cast<size_t>(cy) * static_cast<size_t>(columns) +
                                        static_cast<size_t>(cx)];
            if (!reach.any) {
                cell = kClear;
                ++map.m_clearCells;
            } else if (reach.all) {
                cell = kSolid;
                ++map.m_solidCells;
            }
        }
    }
    map.m_width = w;
    map.m_height = h;
    map.m_cellSide = side;
    map.m_columns = columns;
    map.m_rows = rows;
    return map;
}

}  // namespace qor
