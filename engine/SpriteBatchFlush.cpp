// Flushing the sprite batch: each run is drawn in order with its texture, its
// big quads trimmed to what of their texture can show (engine/SpriteTrim.h),
// runs that would only read white or one colour from their texture drawn
// without reading it, and cut into draws where that lets the renderer do less
// work for the same pixels.
#include <algorithm>
#include <cmath>

#include "engine/Log.h"
#include "engine/SpriteBatch.h"
#include "engine/SpriteTrim.h"
#include "engine/Texture.h"

namespace qor {

namespace {

// An opaque stretch of a run gets a draw of its own only when it covers at
// least this many square units: a switch of blending costs more than it saves
// on a few pixels.
constexpr float kMinOpaqueArea = 4096.0f;

float TriangleArea(const cVertex* v) {
    return 0.5f *
           std::fabs((v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[2].x - v[0].x) * (v[1].y - v[0].y));
}

// How a run's triangles are told opaque: by the vertex alpha, and where the
// texture is only partly opaque, by the texels under the triangle. Mipmapped
// sampling reads further than the triangle's texels, so there only a wholly
// opaque texture counts.
class cOpacityTest {
  public:
    explicit cOpacityTest(const cTexture* texture) {
        if (!texture)
            return;  // plain white
        m_opacity = &texture->opacity;
        const bool mipmapped = texture->filterKind >= kFilterLinearMipPoint && texture->device &&
                               texture->device->levelCount > 1;
        m_regions = !mipmapped && !m_opacity->AllOpaque();
    }
    // Whether nothing in the run can be opaque.
    bool Never() const {
        return m_opacity && !m_opacity->AllOpaque() && (!m_regions || m_opacity->NoneOpaque());
    }
    bool Opaque(const cVertex* v) const {
        if (((v[0].color & v[1].color & v[2].color) >> 24) != 0xFF)
            return false;
        if (!m_opacity || m_opacity->AllOpaque())
            return true;
        if (!m_regions)
            return false;
        return m_opacity->IsOpaque(
            std::min({v[0].u, v[1].u, v[2].u}), std::min({v[0].v, v[1].v, v[2].v}),
            std::max({v[0].u, v[1].u, v[2].u}), std::max({v[0].v, v[1].v, v[2].v}));
    }

  private:
    const cTextureOpacity* m_opacity = nullptr;
    bool m_regions = false;
};

// Whether the triangle puts one texel on each pixel with pixel centres on
// texel centres (mirrored or not): there bilinear filtering returns the texel
// itself. Triangles without area draw no pixels and pass.
bool TexelPerPixel(const cVertex* v, const cPixelMapping& m, float texWidth, float texHeight) {
    constexpr float kSlope = 1e-4f;   // of a texel per pixel
    constexpr float kOffset = 1e-3f;  // of a texel
    float px[3], py[3], tu[3], tv[3];
    for (int i = 0; i < 3; ++i) {
        px[i] = v[i].x * m.sx + m.ox;
        py[i] = v[i].y * m.sy + m.oy;
        tu[i] = v[i].u * texWidth;
        tv[i] = v[i].v * texHeight;
    }
    const float dx1 = px[1] - px[0], dy1 = py[1] - py[0];
    const float dx2 = px[2] - px[0], dy2 = py[2] - py[0];
    const float det = dx1 * dy2 - dx2 * dy1;
    if (std::fabs(det) < 1e-6f)
        return true;
    const float du1 = tu[1] - tu[0], du2 = tu[2] - tu[0];
    const float dv1 = tv[1] - tv[0], dv2 = tv[2] - tv[0];
    const float dudx = (du1 * dy2 - du2 * dy1) / det, dudy = (du2 * dx1 - du1 * dx2) / det;
    const float dvdx = (dv1 * dy2 - dv2 * dy1) / det, dvdy = (dv2 * dx1 - dv1 * dx2) / det;
    if (std::fabs(dudy) > kSlope || std::fabs(dvdx) > kSlope ||
        std::fabs(std::fabs(dudx) - 1.0f) > kSlope || std::fabs(std::fabs(dvdy) - 1.0f) > kSlope) {
        return false;
    }
    // Pixel centres must fall on the same texel centres at every corner, not
    // only at one: a slope a hair off 1 still drifts between texels across a
    // wide quad. How far they are off is affine over the triangle, so the
    // corners bound it everywhere inside.
    auto onCentres = [](const float* t, const float* p, float slope) {
        const float s = slope > 0.0f ? 1.0f : -1.0f;
        float centre = 0.0f;
        for (int i = 0; i < 3; ++i) {
            const float c = t[i] - s * p[i] + 0.5f * s - 0.5f;
            if (i == 0)
                centre = std::round(c);
            if (std::fabs(c - centre) > kOffset)
                return false;
        }
        return true;
    };
    return onCentres(tu, px, dudx) && onCentres(tv, py, dvdy);
}

// What holds for every triangle of a run: all vertices opaque white, and
// nearest sampling gives what the texture's filter gives (one texel on each
// pixel, or one colour all over the texture).
struct cRunTraits {
    bool plain = true;
    bool nearestIsExact = false;
};

cRunTraits TraitsOf(const cTexture* texture, const cVertex* v, int first, int end) {
    cRunTraits traits;
    uint32_t all = 0xFFFFFFFFu;
    for (int i = first; i < end; ++i)
        all &= v[i].color;
    traits.plain = all == 0xFFFFFFFFu;
    if (!texture || texture->filterKind == kFilterPoint)
        return traits;
    traits.nearestIsExact = texture->uniform;
    cPixelMapping mapping;
    if (traits.nearestIsExact || !g_render->PixelMapping(&mapping))
        return traits;
    const float w = static_cast<float>(texture->GetWidth());
    const float h = static_cast<float>(texture->GetHeight());
    traits.nearestIsExact = true;
    for (int i = first; i < end && traits.nearestIsExact; i += 3)
        traits.nearestIsExact = TexelPerPixel(v + i, mapping, w, h);
    return traits;
}

// A run as it is drawn: its texture and vertices [first, end), and whether
// every texel it samples is opaque white.
struct cDrawnRun {
    const cTexture* texture = nullptr;
    int first = 0;
    int end = 0;
    bool whiteTexels = false;
};

// Whether each triangle of the run has one colour at its three corners. Only
// such colours come out of the rasteriser the same whether it multiplies them
// by a white texel or not: a colour that varies over a triangle is rounded a
// little differently in the two.
bool FlatTriangles(const cVertex* vertices, int first, int end) {
    for (int i = first; i < end; i += 3) {
        if (vertices[i].color != vertices[i + 1].color ||
            vertices[i].color != vertices[i + 2].color)
            return false;
    }
    return true;
}

// A run of white vertices over a texture of one colour is written at the free
// end of the array with that colour in its vertices, so that it can be drawn
// without reading the texture: the same pixels, since texture × white is the
// texel. False where the run's vertices are coloured or there is no room.
bool ColourIntoVertices(cDrawnRun* run, cVertex* vertices, int* free) {
    if (!run->texture->uniform || !run->texture->uniformColor)
        return false;
    const int count = run->end - run->first;
    if (count > cSpriteBatch::kMaxVertices - *free)
        return false;
    const cVertex* in = vertices + run->first;
    if (!std::all_of(in, in + count, [](const cVertex& v) { return v.color == 0xFFFFFFFFu; }))
        return false;
    cVertex* out = vertices + *free;
    for (int i = 0; i < count; ++i) {
        out[i] = in[i];
        out[i].color = *run->texture->uniformColor;
    }
    run->first = *free;
    run->end = *free + count;
    *free += count;
    return true;
}

// Draws a run in order, cut where large opaque stretches begin and end.
void DrawRun(const cDrawnRun& run, const cVertex* vertices) {
    const cRunTraits traits = TraitsOf(run.texture, vertices, run.first, run.end);
    g_render->BindTexture(run.texture, traits.nearestIsExact);
    const int hints =
        (traits.plain ? kDrawPlainTexture : 0) | (run.whiteTexels ? kDrawWhiteTexels : 0);
    const cOpacityTest test(run.texture);
    if (!g_render->OpaqueDrawsPayOff() || test.Never()) {
        g_render->DrawTriangles(run.first, run.end - run.first, hints);
        return;
    }
    int drawnTo = run.first;
    int spanStart = -1;
    float spanArea = 0.0f;
    auto closeSpan = [&](int spanEnd) {
        if (spanArea >= kMinOpaqueArea) {
            if (spanStart > drawnTo)
                g_render->DrawTriangles(drawnTo, spanStart - drawnTo, hints);
            g_render->DrawTriangles(spanStart, spanEnd - spanStart, hints | kDrawOpaque);
            drawnTo = spanEnd;
        }
        spanStart = -1;
    };
    for (int i = run.first; i < run.end; i += 3) {
        if (test.Opaque(vertices + i)) {
            if (spanStart < 0) {
                spanStart = i;
                spanArea = 0.0f;
            }
            spanArea += TriangleArea(vertices + i);
        } else if (spanStart >= 0) {
            closeSpan(i);
        }
    }
    if (spanStart >= 0)
        closeSpan(run.end);
    if (drawnTo < run.end)
        g_render->DrawTriangles(drawnTo, run.end - drawnTo, hints);
}

// Whether the run's quads are cut down to what of their texture can show.
bool Trimmable(const cTexture* texture) {
    if (!texture || !texture->coverage.HasClearCells() || !g_render->ClearTexelsHidden())
        return false;
    // Mipmapped sampling reads beyond the cells' rims.
    return texture->filterKind < kFilterLinearMipPoint || texture->device->levelCount <= 1;
}

}  // namespace

void FlushBatch(cSpriteBatch* batch) {
    if (!batch || batch->runCount == 0 || !g_render || !g_render->HasDevice())
        return;
    // Trimmed runs are written into the unused end of the vertex array and
    // drawn from there; the batch's own runs stay as they are.
    static thread_local std::vector<cDrawnRun> drawn;
    drawn.clear();
    const bool nothingShows = g_render->NothingShows();
    cTrimSettings settings;
    settings.mapped = g_render->PixelMapping(&settings.mapping);
    settings.windowHeight = g_render->windowViewport().h;
    int free = batch->VertexEnd();
    const bool texelTimesVertex =
        g_render->colorMode() < 0 || g_render->colorMode() == kColorTexVertex;
    for (int i = 0; i < batch->runCount; ++i) {
        const cBatchRun& run = batch->runs[i];
        if (run.count == 0) {
            LogEntry(kLogWarning, u"cRender", u"Trying to draw empty primitive.");
            continue;
        }
        // No texture draws plain vertex colour; a texture without a device
        // texture (its creation failed, or no device yet) draws nothing.
        if ((run.texture && !run.texture->HasDeviceTexture()) || nothingShows)
            continue;
        cDrawnRun d{run.texture.get(), run.first, run.first + run.count / 3 * 3};
        if (Trimmable(d.texture)) {
            settings.wrap = d.texture->device->addressMode != kAddressClamp;
            const int written = TrimQuads(&batch->vertices[static_cast<size_t>(d.first)],
                                          d.end - d.first, d.texture->coverage, settings,
                                          &batch->vertices[static_cast<size_t>(free)],
                                          cSpriteBatch::kMaxVertices - free);
            if (written >= 0) {  // else no room: drawn as it came
                d.first = free;
                d.end = free + written;
                free += written;
            }
        }
        // Only texture × vertex colour can take the texel into the vertices.
        if (texelTimesVertex) {
            d.whiteTexels = d.texture ? ColourIntoVertices(&d, batch->vertices.data(), &free)
                                      : FlatTriangles(batch->vertices.data(), d.first, d.end);
        }
        if (d.end > d.first)
            drawn.push_back(d);
    }
    if (drawn.empty())
        return;
    g_render->UploadVertices(batch->vertices.data(), static_cast<size_t>(free));
    for (const cDrawnRun& d : drawn)
        DrawRun(d, batch->vertices.data());
}

}  // namespace qor
