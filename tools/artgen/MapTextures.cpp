// The world map: its landscape in two halves ("map00" west, "map01" east),
// the marks of the level points ("map02") and the sea tile ("map03").
#include "tools/artgen/MapMarks.h"
#include "tools/artgen/MapProps.h"
#include "tools/artgen/MapTerrain.h"
#include "tools/artgen/SpriteCells.h"
#include "tools/artgen/TextureBook.h"

namespace artgen {

namespace {

constexpr int kHalfW = 1024, kHalfH = 512;

// One picture of the whole land, cut in two: each half paints all of it
// shifted, so the halves meet pixel for pixel where they join.
void PaintLandscape(cairo_t* cr, double shift) {
    cairo_translate(cr, -shift, 0);
    PaintSky(cr);
    PaintMountains(cr);
    PaintCoast(cr);
    PaintMeadows(cr);
    PaintLakeAndRiver(cr);
    PaintFields(cr);
    PaintCastleHill(cr, kCastleX, kCastleGround);
    PaintRoad(cr);
    PaintHarbour(cr, RoadWaypoints().front().x);
    PaintIslets(cr);
    PaintProps(cr);
}

const char* kLandNote =
    "Half of the world map's landscape (the map is 2048 x 768, y up). It covers\n"
    "the map from y = 256 to the top; the sea tile map03_total shows below.\n"
    "Place it as the decor \"map00;map00\" at (512, 512) and \"map01;map01\" at\n"
    "(1536, 512), layer 0: the two halves join without a seam.";

}  // namespace

void AddMapTextures(std::vector<TextureDef>& book) {
    book.push_back({"map00",
                    kHalfW,
                    kHalfH,
                    [](cairo_t* cr, const PaintContext&) { PaintLandscape(cr, 0); },
                    {{"map00", 0, 0, kHalfW, kHalfH}},
                    kLandNote});
    book.push_back({"map01",
                    kHalfW,
                    kHalfH,
                    [](cairo_t* cr, const PaintContext&) { PaintLandscape(cr, kHalfW); },
                    {{"map01", 0, 0, kHalfW, kHalfH}},
                    kLandNote});
    book.push_back({"map02", kMarksSide, kMarksSide, PaintMapMarks, MapMarkAreas(),
                    "Level points (48 x 48, centred on the point; \"_h\" the hovered form),\n"
                    "the trail dot map_pt and the bouncing marker map_current, looked up by\n"
                    "name.",
                    MapMarkSprites});
    book.push_back({"map03",
                    kSeaSide,
                    kSeaSide,
                    PaintSeaTile,
                    {{"map03_total", 0, 0, kSeaSide, kSeaSide}},
                    "The sea, tiled from the map's lower-left corner over the whole map; the\n"
                    "whole texture is the tile, so it repeats without a seam.",
                    [] {
                        return std::vector<ExSprite>{CellSprite("map03_total", kSeaSide, kSeaSide,
                                                                0, 0, kSeaSide, kSeaSide, 0, 0)};
                    }});
}

}  // namespace artgen
