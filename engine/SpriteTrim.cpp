#include "engine/SpriteTrim.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/TextureCoverage.h"

namespace qor {

namespace {

// Quads smaller than this (square units, 128 × 128) are drawn as they are:
// the trapezoids a strip adds cost the rasteriser about what the pixels it
// leaves out would, and working the strip out costs time of its own.
constexpr float kMinTrimmedArea = 16384.0f;
// A strip covering more than this share of its quad saves too little.
constexpr float kKeepWholeShare = 0.85f;
// Cells a quad may span at most; beyond that it is drawn as it is.
constexpr int kMaxCells = 1 << 16;
// Texels by which a quad may pass a texture edge through rounding alone.
constexpr float kEdgeSlack = 1e-3f;
// Window pixels between the places a strip may be cut.
constexpr float kCandidatePixels = 8.0f;
constexpr size_t kMaxCandidates = 256;
// What a trapezoid costs the rasteriser beyond its pixels, in pixels (measured
// on the glade's trees: cheaper bands make more of them for less).
constexpr float kBandPixels = 800.0f;

// p at x = 0, q at x = 1, exactly; and exactly p all along when p equals q.
float Lerp(float p, float q, float x) {
    return p == q ? p : (1.0f - x) * p + x * q;
}

bool SameVertex(const cVertex& a, const cVertex& b) {
    return std::memcmp(&a, &b, sizeof(cVertex)) == 0;
}

bool Near(float a, float b, float tolerance) {
    return std::fabs(a - b) <= tolerance;
}

// A quad as DrawSprite writes it: (c00, c10, c01) and (c01, c10, c11), one
// colour, its corners a parallelogram on screen and in the texture.
struct cQuad {
    const cVertex* c00 = nullptr;
    const cVertex* c10 = nullptr;
    const cVertex* c01 = nullptr;
    const cVertex* c11 = nullptr;
    float area = 0;

    // The point at share s of the way from c00 to c10 and t from c00 to c01.
    cVertex At(float s, float t) const {
        cVertex v = *c00;
        v.x = Lerp(Lerp(c00->x, c10->x, s), Lerp(c01->x, c11->x, s), t);
        v.y = Lerp(Lerp(c00->y, c10->y, s), Lerp(c01->y, c11->y, s), t);
        v.u = Lerp(Lerp(c00->u, c10->u, s), Lerp(c01->u, c11->u, s), t);
        v.v = Lerp(Lerp(c00->v, c10->v, s), Lerp(c01->v, c11->v, s), t);
        return v;
    }
};

bool ReadQuad(const cVertex* v, cQuad* quad) {
    if (!SameVertex(v[3], v[2]) || !SameVertex(v[4], v[1]))
        return false;
    const cVertex &a = v[0], &b = v[1], &c = v[2], &d = v[5];
    if (a.color != b.color || a.color != c.color || a.color != d.color || a.z != b.z ||
        a.z != c.z || a.z != d.z)
        return false;
    for (const cVertex* p : {&a, &b, &c, &d}) {
        if (!std::isfinite(p->x) || !std::isfinite(p->y) || !std::isfinite(p->u) ||
            !std::isfinite(p->v))
            return false;
    }
    const float extent =
        std::fabs(b.x - a.x) + std::fabs(b.y - a.y) + std::fabs(c.x - a.x) + std::fabs(c.y - a.y);
    const float texExtent =
        std::fabs(b.u - a.u) + std::fabs(b.v - a.v) + std::fabs(c.u - a.u) + std::fabs(c.v - a.v);
    const float tol = 1e-4f * (1.0f + extent), texTol = 1e-6f * (1.0f + texExtent);
    if (!Near(d.x - b.x, c.x - a.x, tol) || !Near(d.y - b.y, c.y - a.y, tol) ||
        !Near(d.u - b.u, c.u - a.u, texTol) || !Near(d.v - b.v, c.v - a.v, texTol))
        return false;
    quad->c00 = &a;
    quad->c10 = &b;
    quad->c01 = &c;
    quad->c11 = &d;
    quad->area = std::fabs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y));
    return true;
}

// One axis of the quad against the texture's cells, in texels (rows counted
// from the top for v, as the cells are).
struct cAxis {
    bool alongU = true;      // the texture's u changes along it (else v)
    float from = 0, to = 0;  // at the axis's two ends
    float lo = 0, hi = 0;    // the same in order
    int firstCell = 0, cellCount = 0;
    float side = 1;

    float CellStart(int i) const { return static_cast<float>(firstCell + i) * side; }
    float CellEnd(int i) const { return CellStart(i) + side; }
    // The share of the axis at `p`, exactly 0 and 1 at its ends.
    float Share(float p) const {
        if (p == from)
            return 0.0f;
        if (p == to)
            return 1.0f;
        return std::clamp((p - from) / (to - from), 0.0f, 1.0f);
    }
    float At(float share) const { return Lerp(from, to, share); }
    // The cells [*first, *last] over the stretch [p0, p1]; a point on a cell
    // boundary needs only one of the two cells, whose rim reaches across.
    void CellsOver(float p0, float p1, int* first, int* last) const {
        *first = std::clamp(static_cast<int>(std::floor(p0 / side)) - firstCell, 0, cellCount - 1);
        *last = std::clamp(static_cast<int>(std::ceil(p1 / side)) - 1 - firstCell, *first,
                           cellCount - 1);
    }
};

// `c0` and `c1` are the texture coordinate (u or v) at the axis's two ends.
bool SetUpAxis(float c0, float c1, bool alongU, const cTextureCoverage& coverage, bool wrap,
               cAxis* axis) {
    const uint32_t texels = alongU ? coverage.Width() : coverage.Height();
    const float size = static_cast<float>(texels);
    const int cells = alongU ? coverage.Columns() : coverage.Rows();
    axis->alongU = alongU;
    axis->side = static_cast<float>(coverage.CellSide());
    axis->from = alongU ? c0 * size : (1.0f - c0) * size;
    axis->to = alongU ? c1 * size : (1.0f - c1) * size;
    if (!(axis->from != axis->to) || !std::isfinite(axis->from) || !std::isfinite(axis->to))
        return false;
    axis->lo = std::min(axis->from, axis->to);
    axis->hi = std::max(axis->from, axis->to);
    const bool inside = axis->lo >= -kEdgeSlack && axis->hi <= size + kEdgeSlack;
    // Past an edge the cells repeat, but only a grid that fills the texture
    // exactly repeats with it; clamped textures stretch their edge instead.
    if (!inside && (!wrap || texels % coverage.CellSide() != 0))
        return false;
    int k0 = static_cast<int>(std::floor(axis->lo / axis->side));
    int k1 = static_cast<int>(std::ceil(axis->hi / axis->side));
    if (inside) {
        k0 = std::clamp(k0, 0, cells - 1);
        k1 = std::clamp(k1, k0 + 1, cells);
    }
    k1 = std::max(k1, k0 + 1);
    if (k1 - k0 > kMaxCells)
        return false;
    axis->firstCell = k0;
    axis->cellCount = k1 - k0;
    return true;
}

int Wrapped(int k, int count) {
    const int m = k % count;
    return m < 0 ? m + count : m;
}

// One cut across the strip: where it lies on the across axis and how far it
// reaches along the other, in texels.
struct cCut {
    float across = 0;
    float left = 0, right = 0;
    bool bandAfter = false;  // whether a trapezoid runs from here to the next cut
};

class cQuadTrimmer {
  public:
    cQuadTrimmer(const cTextureCoverage& coverage, const cTrimSettings& settings)
        : m_coverage(coverage), m_settings(settings) {}

    // Writes the quad's strip, or the quad as it came, to `out`; the vertices
    // written, or -1 when `room` is too small.
    int Trim(const cQuad& quad, const cVertex* original, cVertex* out, int room) {
        bool uAlongS;
        if (quad.c10->v == quad.c00->v && quad.c01->u == quad.c00->u) {
            uAlongS = true;
        } else if (quad.c10->u == quad.c00->u && quad.c01->v == quad.c00->v) {
            uAlongS = false;
        } else {
            return Copy(original, out, room);
        }
        if (!SetUpAxis(uAlongS ? quad.c00->u : quad.c00->v, uAlongS ? quad.c10->u : quad.c10->v,
                       uAlongS, m_coverage, m_settings.wrap, &m_s) ||
            !SetUpAxis(uAlongS ? quad.c00->v : quad.c00->u, uAlongS ? quad.c01->v : quad.c01->u,
                       !uAlongS, m_coverage, m_settings.wrap, &m_t) ||
            m_s.cellCount * m_t.cellCount > kMaxCells) {
            return Copy(original, out, room);
        }
        // Only strips whose cuts lie along pixel rows or columns: there the
        // trapezoids keep the quad's texture mapping to the last rounding step
        // (a turned quad is drawn as it came).
        const bool sLevel = Level(quad, true) != eLevel::kNot;
        const bool tLevel = Level(quad, false) != eLevel::kNot;
        if (!m_settings.mapped || (!sLevel && !tLevel))
            return Copy(original, out, room);
        ReadCells();
        // A strip across t (cut along s) or across s, whichever is smaller.
        std::vector<cCut> alongS, alongT;
        const float shareS = sLevel ? Strip(quad, true, &alongS) : 2.0f;
        const float shareT = tLevel ? Strip(quad, false, &alongT) : 2.0f;
        const bool sBest = shareS <= shareT;
        if (std::min(shareS, shareT) > kKeepWholeShare)
            return Copy(original, out, room);
        return Write(quad, sBest, sBest ? alongS : alongT, out, room);
    }

  private:
    static int Copy(const cVertex* v, cVertex* out, int room) {
        if (room < 6)
            return -1;
        std::copy_n(v, 6, out);
        return 6;
    }

    void ReadCells() {
        const int columns = m_coverage.Columns(), rows = m_coverage.Rows();
        m_cells.resize(static_cast<size_t>(m_s.cellCount) * static_cast<size_t>(m_t.cellCount));
        for (int it = 0; it < m_t.cellCount; ++it) {
            for (int is = 0; is < m_s.cellCount; ++is) {
                const int ks = m_s.firstCell + is, kt = m_t.firstCell + it;
                const int column = m_s.alongU ? ks : kt, row = m_s.alongU ? kt : ks;
                m_cells[static_cast<size_t>(it * m_s.cellCount + is)] =
                    m_coverage.Cell(Wrapped(column, columns), Wrapped(row, rows));
            }
        }
    }

    bool Clear(int is, int it) const {
        return m_cells[static_cast<size_t>(it * m_s.cellCount + is)] == cTextureCoverage::kClear;
    }

    enum class eLevel { kNot, kRows, kColumns };

    // Whether cuts along s (`cutAlongS`) or along t would lie along pixel
    // rows or columns: the axis they follow keeps y (or x) on both edges of
    // the quad, while the other axis moves it.
    static eLevel Level(const cQuad& quad, bool cutAlongS) {
        const cVertex& from = *quad.c00;
        const cVertex& alongEnd = cutAlongS ? *quad.c10 : *quad.c01;
        const cVertex& acrossEnd = cutAlongS ? *quad.c01 : *quad.c10;
        if (alongEnd.y == from.y && quad.c11->y == acrossEnd.y && from.y != acrossEnd.y)
            return eLevel::kRows;
        if (alongEnd.x == from.x && quad.c11->x == acrossEnd.x && from.x != acrossEnd.x)
            return eLevel::kColumns;
        return eLevel::kNot;
    }

    // Where the cuts across `across` go, in texels, from `first` to `last`.
    // They may fall every kCandidatePixels window pixels (rows counted from
    // the window's top, columns from its left, so that a cut never splits the
    // rasteriser's blocks of 4 × 4 pixels); among those, the cuts chosen make
    // the rectangles round each band's cells, plus kBandPixels for each band,
    // smallest.
    void ChooseCuts(const cQuad& quad, bool cutAlongS, const cAxis& along, const cAxis& across,
                    float first, float last, std::vector<float>* cuts) {
        const bool rows = Level(quad, cutAlongS) == eLevel::kRows;
        // Window pixels of the across axis's two ends, and of the along axis's length.
        const cVertex& from = *quad.c00;
        const cVertex& to = cutAlongS ? *quad.c01 : *quad.c10;
        const cVertex& alongEnd = cutAlongS ? *quad.c10 : *quad.c01;
        const cPixelMapping& m = m_settings.mapping;
        const float p0 = rows ? from.y * m.sy + m.oy : from.x * m.sx + m.ox;
        const float p1 = rows ? to.y * m.sy + m.oy : to.x * m.sx + m.ox;
        const float alongPixels =
            std::hypot((alongEnd.x - from.x) * m.sx, (alongEnd.y - from.y) * m.sy);
        const float pixelsPerTexel =
            alongPixels / (along.hi - along.lo) * std::fabs(p1 - p0) / (across.hi - across.lo);
        const float origin = rows ? static_cast<float>(m_settings.windowHeight) : 0.0f;
        m_candidates.clear();
        m_candidates.push_back(first);
        const float lo = std::min(p0, p1), hi = std::max(p0, p1);
        const int k0 = static_cast<int>(std::ceil((lo - origin) / kCandidatePixels));
        const int k1 = static_cast<int>(std::floor((hi - origin) / kCandidatePixels));
        for (int k = k0; k <= k1 && m_candidates.size() < kMaxCandidates; ++k) {
            const float p = origin + static_cast<float>(k) * kCandidatePixels;
            const float at = across.At((p - p0) / (p1 - p0));
            if (at > first + 0.5f && at < last - 0.5f)
                m_candidates.push_back(at);
        }
        m_candidates.push_back(last);
        std::sort(m_candidates.begin() + 1, m_candidates.end() - 1);
        // The cells along each slice between two candidates.
        const size_t n = m_candidates.size() - 1;
        m_sliceFirst.assign(n, along.cellCount);
        m_sliceLast.assign(n, -1);
        for (size_t i = 0; i < n; ++i) {
            int r0 = 0, r1 = 0;
            across.CellsOver(m_candidates[i], m_candidates[i + 1], &r0, &r1);
            for (int r = r0; r <= r1; ++r) {
                m_sliceFirst[i] = std::min(m_sliceFirst[i], m_rowFirst[static_cast<size_t>(r)]);
                m_sliceLast[i] = std::max(m_sliceLast[i], m_rowLast[static_cast<size_t>(r)]);
            }
        }
        // best[j]: the least cost of cutting up to candidate j, cutting there;
        // from[j]: the cut before it.
        m_best.assign(n + 1, 0.0f);
        m_from.assign(n + 1, 0);
        for (size_t j = 1; j <= n; ++j) {
            int i0 = along.cellCount, i1 = -1;
            m_best[j] = -1.0f;
            for (size_t i = j; i-- > 0;) {
                i0 = std::min(i0, m_sliceFirst[i]);
                i1 = std::max(i1, m_sliceLast[i]);
                float cost = m_best[i];
                if (i1 >= i0) {
                    const float width = along.CellEnd(i1) - along.CellStart(i0);
                    cost +=
                        width * (m_candidates[j] - m_candidates[i]) * pixelsPerTexel + kBandPixels;
                }
                if (m_best[j] < 0.0f || cost < m_best[j]) {
                    m_best[j] = cost;
                    m_from[j] = i;
                }
            }
        }
        cuts->clear();
        for (size_t j = n; j > 0; j = m_from[j])
            cuts->push_back(m_candidates[j]);
        cuts->push_back(first);
        std::reverse(cuts->begin(), cuts->end());
    }

    // Builds the strip of trapezoids whose cuts run along s (`cutAlongS`) or
    // t; the share of the quad it covers (0 when nothing shows).
    float Strip(const cQuad& quad, bool cutAlongS, std::vector<cCut>* strip) {
        const cAxis& along = cutAlongS ? m_s : m_t;
        const cAxis& across = cutAlongS ? m_t : m_s;
        // How far each row of cells across reaches along.
        m_rowFirst.assign(static_cast<size_t>(across.cellCount), along.cellCount);
        m_rowLast.assign(static_cast<size_t>(across.cellCount), -1);
        int firstRow = across.cellCount, lastRow = -1;
        for (int r = 0; r < across.cellCount; ++r) {
            for (int i = 0; i < along.cellCount; ++i) {
                if (cutAlongS ? Clear(i, r) : Clear(r, i))
                    continue;
                m_rowFirst[static_cast<size_t>(r)] =
                    std::min(m_rowFirst[static_cast<size_t>(r)], i);
                m_rowLast[static_cast<size_t>(r)] = i;
                firstRow = std::min(firstRow, r);
                lastRow = r;
            }
        }
        strip->clear();
        if (lastRow < 0)
            return 0.0f;
        const float first = std::max(across.lo, across.CellStart(firstRow));
        const float last = std::min(across.hi, across.CellEnd(lastRow));
        ChooseCuts(quad, cutAlongS, along, across, first, last, &m_cutsAt);
        // Each band's reach: the rows of cells over it.
        const size_t bands = m_cutsAt.size() - 1;
        m_bandLeft.assign(bands, 0.0f);
        m_bandRight.assign(bands, -1.0f);
        for (size_t b = 0; b < bands; ++b) {
            int r0 = 0, r1 = 0;
            across.CellsOver(m_cutsAt[b], m_cutsAt[b + 1], &r0, &r1);
            int i0 = along.cellCount, i1 = -1;
            for (int r = r0; r <= r1; ++r) {
                i0 = std::min(i0, m_rowFirst[static_cast<size_t>(r)]);
                i1 = std::max(i1, m_rowLast[static_cast<size_t>(r)]);
            }
            if (i1 >= i0) {
                m_bandLeft[b] = std::max(along.lo, along.CellStart(i0));
                m_bandRight[b] = std::min(along.hi, along.CellEnd(i1));
            }
        }
        // A cut reaches as far as either band beside it, so the straight
        // edges between cuts enclose both bands' cells.
        float area = 0;
        strip->resize(m_cutsAt.size());
        for (size_t k = 0; k < m_cutsAt.size(); ++k) {
            cCut& cut = (*strip)[k];
            cut.across = m_cutsAt[k];
            cut.left = along.hi;
            cut.right = along.lo;
            for (size_t b : {k - 1, k}) {
                if (b < bands && m_bandRight[b] >= m_bandLeft[b]) {
                    cut.left = std::min(cut.left, m_bandLeft[b]);
                    cut.right = std::max(cut.right, m_bandRight[b]);
                }
            }
            cut.bandAfter = k < bands && m_bandRight[k] >= m_bandLeft[k];
        }
        Tighten(across, cutAlongS, strip);
        for (size_t k = 0; k < bands; ++k) {
            const cCut &a = (*strip)[k], &b = (*strip)[k + 1];
            if (a.bandAfter)
                area += 0.5f * ((a.right - a.left) + (b.right - b.left)) * (b.across - a.across);
        }
        return area / ((along.hi - along.lo) * (across.hi - across.lo));
    }

    // Moves each cut's ends inwards as far as the straight edges to the cuts
    // beside it still pass outside every row of cells that is not clear.
    // Each move keeps the strip enclosing, so a few rounds only tighten it.
    void Tighten(const cAxis& across, bool cutAlongS, std::vector<cCut>* strip) const {
        const cAxis& along = cutAlongS ? m_s : m_t;
        std::vector<cCut>& cuts = *strip;
        const size_t n = cuts.size();
        // The rows of cells across band b, each clipped to it: where it starts
        // and ends as shares w of the band, and how far it reaches along.
        struct cLimit {
            float w0, w1, left, right;
        };
        auto limits = [&](size_t b, std::vector<cLimit>* out) {
            out->clear();
            const float a0 = cuts[b].across, a1 = cuts[b + 1].across;
            int r0 = 0, r1 = 0;
            across.CellsOver(a0, a1, &r0, &r1);
            for (int r = r0; r <= r1; ++r) {
                const int i0 = m_rowFirst[static_cast<size_t>(r)];
                const int i1 = m_rowLast[static_cast<size_t>(r)];
                if (i1 < i0)
                    continue;
                const float p0 = std::max(a0, across.CellStart(r)),
                            p1 = std::min(a1, across.CellEnd(r));
                out->push_back({(p0 - a0) / (a1 - a0), (p1 - a0) / (a1 - a0),
                                std::max(along.lo, along.CellStart(i0)),
                                std::min(along.hi, along.CellEnd(i1))});
            }
        };
        std::vector<std::vector<cLimit>> bandLimits(n > 0 ? n - 1 : 0);
        for (size_t b = 0; b + 1 < n; ++b) {
            if (cuts[b].bandAfter)
                limits(b, &bandLimits[b]);
        }
        for (int round = 0; round < 4; ++round) {
            for (size_t k = 0; k < n; ++k) {
                float left = along.hi, right = along.lo;
                bool bound = false;
                // Band k has this cut at w = 0, band k - 1 at w = 1.
                for (int side = 0; side < 2; ++side) {
                    if ((side == 0 && (k + 1 >= n || !cuts[k].bandAfter)) ||
                        (side == 1 && (k == 0 || !cuts[k - 1].bandAfter)))
                        continue;
                    const size_t b = side == 0 ? k : k - 1;
                    const cCut& other = cuts[side == 0 ? k + 1 : k - 1];
                    for (const cLimit& l : bandLimits[b]) {
                        for (float w : {l.w0, l.w1}) {
                            const float mine = side == 0 ? 1.0f - w : w;  // this cut's weight
                            if (mine <= 1e-6f)
                                continue;
                            bound = true;
                            left = std::min(left, (l.left - other.left * (1.0f - mine)) / mine);
                            right = std::max(right, (l.right - other.right * (1.0f - mine)) / mine);
                        }
                    }
                }
                if (bound) {
                    cuts[k].left = std::clamp(std::max(cuts[k].left, left), along.lo, along.hi);
                    cuts[k].right = std::clamp(std::min(cuts[k].right, right), along.lo, along.hi);
                }
            }
        }
    }

    int Write(const cQuad& quad, bool cutAlongS, const std::vector<cCut>& strip, cVertex* out,
              int room) {
        const cAxis& along = cutAlongS ? m_s : m_t;
        const cAxis& across = cutAlongS ? m_t : m_s;
        auto at = [&](float alongTexel, float acrossTexel) {
            const float a = along.Share(alongTexel), b = across.Share(acrossTexel);
            return cutAlongS ? quad.At(a, b) : quad.At(b, a);
        };
        int written = 0;
        cVertex left = {}, right = {};
        for (size_t k = 0; k + 1 < strip.size(); ++k) {
            const cCut &a = strip[k], &b = strip[k + 1];
            if (k == 0 || !strip[k - 1].bandAfter) {
                left = at(a.left, a.across);
                right = at(a.right, a.across);
            }
            if (!a.bandAfter)
                continue;
            if (written + 6 > room)
                return -1;
            // Each cut's two corners are worked out once: the trapezoids on
            // both sides of it share them exactly.
            const cVertex nextLeft = at(b.left, b.across), nextRight = at(b.right, b.across);
            cVertex* v = out + written;
            v[0] = left;
            v[1] = right;
            v[2] = nextLeft;
            v[3] = nextLeft;
            v[4] = right;
            v[5] = nextRight;
            written += 6;
            left = nextLeft;
            right = nextRight;
        }
        return written;
    }

    const cTextureCoverage& m_coverage;
    const cTrimSettings& m_settings;
    cAxis m_s, m_t;
    std::vector<uint8_t> m_cells;
    std::vector<int> m_rowFirst, m_rowLast;
    std::vector<float> m_cutsAt, m_bandLeft, m_bandRight;
    std::vector<float> m_candidates, m_best;
    std::vector<int> m_sliceFirst, m_sliceLast;
    std::vector<size_t> m_from;
};

}  // namespace

int TrimQuads(const cVertex* in, int count, const cTextureCoverage& coverage,
              const cTrimSettings& settings, cVertex* out, int capacity) {
    cQuadTrimmer trimmer(coverage, settings);
    int written = 0;
    int i = 0;
    while (i + 3 <= count) {
        cQuad quad;
        int added;
        if (i + 6 <= count && ReadQuad(in + i, &quad)) {
            added =
                quad.area >= kMinTrimmedArea
                    ? trimmer.Trim(quad, in + i, out + written, capacity - written)
                    : (capacity - written >= 6 ? (std::copy_n(in + i, 6, out + written), 6) : -1);
            i += 6;
        } else {
            added = capacity - written >= 3 ? (std::copy_n(in + i, 3, out + written), 3) : -1;
            i += 3;
        }
        if (added < 0)
            return -1;
        written += added;
    }
    return written;
}

}  // namespace qor
