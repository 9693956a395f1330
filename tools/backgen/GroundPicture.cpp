#include "tools/backgen/GroundPicture.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "scene/Random.h"
#include "tools/backgen/GroundFields.h"
#include "tools/common/Palette.h"

namespace backgen {

namespace {

using datakit::Hex;
using datakit::Rgb;
using datakit::Stroke;

// How soft the outlines are, in pixels of blur. The coast follows the rim's
// steps across the skewed grid, so it is smoothed the most.
constexpr int kCoastBlur = 18;
constexpr int kPatchBlur = 8;

// Levels of the fields. The walkable ground ends at 0.5, the cells' own edge:
// the island's beach lies beyond it in the rim, a pond's beach inside the pond.
constexpr float kGrassEdge = 0.5f;
constexpr float kSandEdge = 0.2f;
constexpr float kFoamLine = 0.09f;
constexpr float kPondWater = 0.72f;

const Rgb kDeepSea = Hex(0x3F93C4);
const Rgb kShallowSea = Hex(0x8FD3EC);
const Rgb kSand = Hex(0xF2D99C);
const Rgb kGrassTop = Hex(0xA7D46B);
const Rgb kGrassBottom = Hex(0x86C053);
const Rgb kRough = Hex(0x8DA552);
const Rgb kRoad = Hex(0xEBD5A2);
const Rgb kRoadEdge = Hex(0xC39F63);

Rgb Mix(Rgb a, Rgb b, float t) {
    return datakit::Mix(a, b, t);
}

struct cFields {
    explicit cFields(const cGroundMap& map)
        : island(
              map, [](eGround g) { return g != eGround::kSea; }, kCoastBlur),
          pond(
              map, [](eGround g) { return g == eGround::kPond; }, kPatchBlur),
          road(
              map, [](eGround g) { return g == eGround::kRoad; }, kPatchBlur),
          rough(
              map, [](eGround g) { return g == eGround::kRough; }, kPatchBlur) {}
    cField island, pond, road, rough;
};

// Gentle light and shade over the grass, so large meadows do not look flat.
float Mottle(int x, int y) {
    return 0.5f + 0.25f * std::sin(x * 0.021f + std::sin(y * 0.013f) * 2.0f) +
           0.25f * std::sin(y * 0.027f + std::cos(x * 0.011f) * 1.7f);
}

Rgb Water(float shallow) {
    shallow = std::clamp(shallow, 0.0f, 1.0f);
    return Mix(kDeepSea, kShallowSea, shallow * shallow * (3 - 2 * shallow));
}

Rgb PixelColour(const cFields& f, int x, int y) {
    using datakit::palette::kInk;
    using datakit::palette::kWhite;
    // the sea, its foam and the beach round the island
    Rgb c = Water(f.island.At(x, y) / 0.3f);
    c = Mix(c, kWhite, 0.55f * f.island.Line(x, y, kFoamLine, 1.0f));
    c = Mix(c, kSand, f.island.Inside(x, y, kSandEdge));
    c = Mix(c, kInk, 0.35f * f.island.Line(x, y, kSandEdge, 0.6f));
    // the meadow with its rough patches and paths
    Rgb meadow = Mix(kGrassTop, kGrassBottom, static_cast<float>(y) / kPictureHeight);
    meadow = Mix(meadow, datakit::palette::kLeafLight, 0.18f * Mottle(x, y));
    meadow = Mix(meadow, kRough, 0.9f * f.rough.Inside(x, y, 0.5f));
    meadow = Mix(meadow, kRoadEdge, f.road.Inside(x, y, 0.36f));
    meadow = Mix(meadow, kRoad, f.road.Inside(x, y, 0.5f));
    c = Mix(c, meadow, f.island.Inside(x, y, kGrassEdge));
    c = Mix(c, kInk, 0.9f * f.island.Line(x, y, kGrassEdge, 0.9f));
    // ponds: a beach inside the pond's cells, then the water
    c = Mix(c, kSand, f.pond.Inside(x, y, kGrassEdge));
    c = Mix(c, kInk, 0.9f * f.pond.Line(x, y, kGrassEdge, 0.9f));
    c = Mix(c, Water(1.6f - f.pond.At(x, y)), f.pond.Inside(x, y, kPondWater));
    return Mix(c, kInk, 0.3f * f.pond.Line(x, y, kPondWater, 0.6f));
}

void PaintPixels(cairo_surface_t* surface, const cFields& f) {
    cairo_surface_flush(surface);
    uint8_t* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            const Rgb c = PixelColour(f, x, y);
            // Opaque, so premultiplied equals straight: B G R A in memory.
            auto* p = reinterpret_cast<uint32_t*>(data + y * stride) + x;
            *p = 0xFF000000u | (static_cast<uint32_t>(c.r * 255 + 0.5) << 16) |
                 (static_cast<uint32_t>(c.g * 255 + 0.5) << 8) |
                 static_cast<uint32_t>(c.b * 255 + 0.5);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void Waves(cairo_t* cr, const cFields& f, cRandom& random) {
    for (int n = 0; n < 160; ++n) {
        const double x = random.Range(0, kPictureWidth), y = random.Range(0, kPictureHeight);
        const double len = random.Range(14, 30);
        auto open = [&](double px) {
            const int ix = static_cast<int>(px), iy = static_cast<int>(y);
            return f.island.At(ix, iy) < 0.02f || f.pond.At(ix, iy) > 0.95f;
        };
        if (!open(x) || !open(x + len))
            continue;
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + len * 0.3, y - 3, x + len * 0.7, y - 3, x + len, y);
    }
    Stroke(cr, datakit::palette::kWhite, 2.0, 0.4);
}

eGround GroundAt(const cGroundMap& map, double x, double y) {
    return map.At(CellOfPoint({static_cast<float>(x), static_cast<float>(kPictureHeight - y)}));
}

// Meadow only, away from paths, rough ground and the shore.
bool OpenGrass(const cGroundMap& map, const cFields& f, double x, double y) {
    const int px = static_cast<int>(x), py = static_cast<int>(y);
    return GroundAt(map, x, y) == eGround::kGrass && f.island.At(px, py) > 0.75f &&
           f.pond.At(px, py) < 0.25f && f.road.At(px, py) < 0.25f && f.rough.At(px, py) < 0.25f;
}

void Meadow(cairo_t* cr, const cGroundMap& map, const cFields& f, cRandom& random) {
    for (int n = 0; n < 420; ++n) {
        const double x = random.Range(0, kPictureWidth), y = random.Range(0, kPictureHeight);
        if (!OpenGrass(map, f, x, y))
            continue;
        cairo_move_to(cr, x - 3, y);
        cairo_line_to(cr, x - 1.5, y - 6);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 0.5, y - 8);
        cairo_move_to(cr, x + 3, y);
        cairo_line_to(cr, x + 2, y - 5);
    }
    Stroke(cr, Hex(0x5E9A3A), 1.4, 0.65);
    const Rgb petals[] = {datakit::palette::kWhite, datakit::palette::kHoneyLight, Hex(0xF29BB0)};
    for (int n = 0; n < 160; ++n) {
        const double x = random.Range(0, kPictureWidth), y = random.Range(0, kPictureHeight);
        const Rgb petal = petals[random.Next() % 3];
        if (!OpenGrass(map, f, x, y))
            continue;
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            datakit::Circle(cr, x + std::cos(a) * 2.2, y + std::sin(a) * 2.2, 1.8);
        }
        datakit::SetColor(cr, petal);
        cairo_fill(cr);
        datakit::Circle(cr, x, y, 1.2);
        datakit::SetColor(cr, datakit::palette::kHoney);
        cairo_fill(cr);
    }
}

void Pebble(cairo_t* cr, double x, double y, double r, double ink) {
    datakit::Ellipse(cr, x, y, r, r * 0.65);
    datakit::SetVerticalGradient(cr, y - r, r * 1.3,
                                 datakit::Lighten(datakit::palette::kStone, 0.25),
                                 datakit::palette::kStoneDark);
    cairo_fill_preserve(cr);
    Stroke(cr, datakit::palette::kInk, ink, 1.0);
}

// A screen point of the cell's middle, y down.
void CellMiddle(cCell c, double* x, double* y) {
    const qor::cVec2 p = CellCentre(c);
    *x = p.x;
    *y = kPictureHeight - p.y;
}

void Stones(cairo_t* cr, const cGroundMap& map, cRandom& random) {
    for (int i = 0; i < kGridColumns; ++i) {
        for (int j = 0; j < kGridRows; ++j) {
            double x, y;
            CellMiddle({i, j}, &x, &y);
            if (map.At({i, j}) == eGround::kRough) {
                for (int k = 0; k < 4; ++k) {
                    Pebble(cr, x + random.Range(-18, 18), y + random.Range(-12, 12),
                           random.Range(2.5, 4.5), 1.2);
                }
            } else if (map.At({i, j}) == eGround::kRock) {
                // a boulder with a smaller one leaning on it
                datakit::Ellipse(cr, x + 2, y + 12, 24, 7);
                cairo_set_source_rgba(cr, 0.1, 0.2, 0.05, 0.25);
                cairo_fill(cr);
                Pebble(cr, x + 12, y + 6, 10, 2.0);
                cairo_move_to(cr, x - 22, y + 10);
                cairo_curve_to(cr, x - 24, y - 8, x - 12, y - 22, x + 2, y - 20);
                cairo_curve_to(cr, x + 16, y - 18, x + 22, y - 4, x + 18, y + 10);
                cairo_close_path(cr);
                datakit::SetVerticalGradient(cr, y - 22, 32,
                                             datakit::Lighten(datakit::palette::kStone, 0.25),
                                             datakit::palette::kStoneDark);
                cairo_fill_preserve(cr);
                Stroke(cr, datakit::palette::kInk, 2.2, 1.0);
                cairo_move_to(cr, x - 12, y - 10);
                cairo_curve_to(cr, x - 8, y - 16, x - 2, y - 17, x + 4, y - 16);
                Stroke(cr, datakit::palette::kWhite, 2.0, 0.5);
            }
        }
    }
}

}  // namespace

datakit::RgbaImage PaintGround(const cGroundMap& map, uint32_t seed) {
    const cFields fields(map);
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kPictureWidth, kPictureHeight);
    PaintPixels(surface, fields);
    cairo_t* cr = cairo_create(surface);
    cRandom random(seed);
    Waves(cr, fields, random);
    Meadow(cr, map, fields, random);
    Stones(cr, map, random);
    cairo_destroy(cr);
    datakit::RgbaImage image = datakit::FromCairo(surface);
    cairo_surface_destroy(surface);
    return image;
}

}  // namespace backgen
