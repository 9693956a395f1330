#include "engine/TextureOpacity.h"

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

// Cells per side at most; keeps the table small for large atlases while a
// 256-texel skin still gets 4-texel cells.
constexpr uint32_t kMaxCellsPerSide = 64;
constexpr uint32_t kMinCellSide = 4;

// Offset of the alpha byte in a pixel, or -1 when the format's alpha is not read here.
int AlphaOffset(int formatId, int* bytesPerPixel) {
    switch (formatId) {
        case kImageL8A8:
            *bytesPerPixel = 2;
            return 1;
        case kImageRGBA32:
            *bytesPerPixel = 4;
            return 3;
        default:
            return -1;
    }
}

bool HasNoAlpha(int formatId) {
    switch (formatId) {
        case kImageL8:
        case kImageRGB16:
        case kImageRGB24:
        case kImageRGBX32:
        case kImageDXT1:  // uploaded as colour only
            return true;
        default:
            return false;
    }
}

}  // namespace

cTextureOpacity cTextureOpacity::FromImage(const cImage& image) {
    cTextureOpacity map;
    if (image.width == 0 || image.height == 0 || image.levels.empty())
        return map;
    if (HasNoAlpha(image.format.id)) {
        map.m_all = true;
        return map;
    }
    int bpp = 0;
    const int alpha = AlphaOffset(image.format.id, &bpp);
    const std::vector<uint8_t>& pixels = image.levels[0];
    if (alpha < 0 || pixels.size() < size_t{image.width} * image.height * bpp)
        return map;

    map.m_width = image.width;
    map.m_height = image.height;
    const uint32_t longest = std::max(image.width, image.height);
    map.m_cellSide = std::max(kMinCellSide, (longest + kMaxCellsPerSide - 1) / kMaxCellsPerSide);
    map.m_columns = static_cast<int>((image.width + map.m_cellSide - 1) / map.m_cellSide);
    map.m_rows = static_cast<int>((image.height + map.m_cellSide - 1) / map.m_cellSide);

    std::vector<uint8_t> translucent(static_cast<size_t>(map.m_columns) * map.m_rows, 0);
    // Cell by cell along each row, skipping cells already found translucent:
    // this runs for every texture that is loaded.
    for (uint32_t y = 0; y < image.height; ++y) {
        const uint8_t* row = pixels.data() + size_t{y} * image.width * bpp + alpha;
        uint8_t* cells = translucent.data() + size_t{y / map.m_cellSide} * map.m_columns;
        for (int cx = 0; cx < map.m_columns; ++cx) {
            if (cells[cx])
                continue;
            const uint32_t x0 = static_cast<uint32_t>(cx) * map.m_cellSide;
            const uint32_t x1 = std::min(image.width, x0 + map.m_cellSide);
            for (uint32_t x = x0; x < x1; ++x) {
                if (row[size_t{x} * bpp] != 255) {
                    cells[cx] = 1;
                    break;
                }
            }
        }
    }
    const int stride = map.m_columns + 1;
    map.m_sums.assign(static_cast<size_t>(stride) * (map.m_rows + 1), 0);
    for (int y = 0; y < map.m_rows; ++y) {
        uint32_t rowSum = 0;
        for (int x = 0; x < map.m_columns; ++x) {
            rowSum += translucent[static_cast<size_t>(y) * map.m_columns + x];
            map.m_sums[static_cast<size_t>(y + 1) * stride + x + 1] =
                map.m_sums[static_cast<size_t>(y) * stride + x + 1] + rowSum;
        }
    }
    const uint32_t cells = static_cast<uint32_t>(map.m_columns * map.m_rows);
    const uint32_t translucentCells = map.TranslucentCells(0, 0, map.m_columns, map.m_rows);
    map.m_opaqueCells = cells - translucentCells;
    map.m_all = translucentCells == 0;
    if (map.m_all || map.m_opaqueCells == 0)
        map.m_sums.clear();  // the flags say it all
    return map;
}

uint32_t cTextureOpacity::TranslucentCells(int x0, int y0, int x1, int y1) const {
    const size_t stride = static_cast<size_t>(m_columns) + 1;
    return m_sums[y1 * stride + x1] - m_sums[y0 * stride + x1] - m_sums[y1 * stride + x0] +
           m_sums[y0 * stride + x0];
}

bool cTextureOpacity::IsOpaque(float u0, float v0, float u1, float v1) const {
    if (m_all)
        return true;
    if (m_opaqueCells == 0)
        return false;
    const float uMin = std::min(u0, u1), uMax = std::max(u0, u1);
    const float vMin = std::min(v0, v1), vMax = std::max(v0, v1);
    if (!(uMin >= 0.0f && vMin >= 0.0f && uMax <= 1.0f && vMax <= 1.0f))
        return false;  // wraps or clamps somewhere; also NaN
    // Texels, rows from the top, widened by the one texel a bilinear tap may
    // reach beyond the rectangle.
    const float w = static_cast<float>(m_width), h = static_cast<float>(m_height);
    const float left = uMin * w - 1.0f, right = uMax * w + 1.0f;
    const float top = (1.0f - vMax) * h - 1.0f, bottom = (1.0f - vMin) * h + 1.0f;
    const int side = static_cast<int>(m_cellSide);
    auto cellsOf = [side](float from, float to, int limit, int* c0, int* c1) {
        const int t0 = std::max(0, static_cast<int>(std::floor(from)));
        const int t1 = std::min(limit * side, static_cast<int>(std::ceil(to)));
        *c0 = std::min(t0 / side, limit);
        *c1 = std::min((t1 + side - 1) / side, limit);
    };
    struct cSpan {
        int from, to;
    };
    // The cells under the rectangle, and for a tap past an edge the opposite
    // edge's cells: wrapping reads them (clamping reads this edge, already in).
    auto spans = [&cellsOf](float from, float to, float size, int limit, cSpan* out) {
        int count = 0;
        cellsOf(from, to, limit, &out[0].from, &out[0].to);
        ++count;
        if (from < 0.0f)
            out[count++] = {limit - 1, limit};
        if (to > size)
            out[count++] = {0, 1};
        return count;
    };
    cSpan xs[3], ys[3];
    const int nx = spans(left, right, w, m_columns, xs);
    const int ny = spans(top, bottom, h, m_rows, ys);
    for (int i = 0; i < nx; ++i) {
        for (int j = 0; j < ny; ++j) {
            if (xs[i].from >= xs[i].to || ys[j].from >= ys[j].to ||
                TranslucentCells(xs[i].from, ys[j].from, xs[i].to, ys[j].to) != 0)
                return false;
        }
    }
    return true;
}

}  // namespace qor
