// The textures of the glade behind the main menu. The room's scene
// (data-src/level/achieve.lvx.scene) names its decor as "texture;area", and
// the game picks how each one moves by the area's name, so these names are
// fixed:
//   menu_room    the trees of both edges (menu_tree_l0 .. l4, menu_tree_r0 .. r4),
//                the mushrooms (menu_mush0 .. 2) and the storm's bolt (menu_lighting)
//   menu_clouds  two strips of cloud (menu_clouds0 near, menu_clouds1 far), each as
//                wide as the texture, which the game scrolls sideways
//   achieve_t, achieve_b   the background picture, upper 512 and lower 256 rows,
//                loaded by the room's background object from texture/back/. What
//                stands still (the game's name, the storm cloud) is painted into
//                it: a picture drawn without blending costs the software renderer
//                far less than the same sprites blended over it.
// Every room sprite has its foot kRoomFootMargin pixels above the bottom of its
// area, in the middle; the game lays an area's centre on the object's position.
#include <algorithm>
#include <functional>
#include <vector>

#include "tools/artgen/RoomArt.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr int kRoomWidth = 2048, kRoomHeight = 1024, kPad = 6;

struct RoomSprite {
    const char* name;
    int w, h;
    std::function<void(cairo_t*, const PaintContext&)> paint;
};

const std::vector<RoomSprite>& RoomSprites() {
    static const std::vector<RoomSprite> sprites = {
        {"menu_tree_r1", 330, 490,
         [](cairo_t* cr, auto&) { PaintOak(cr, 330, 470, Hex(0x72B84E), 9); }},
        {"menu_tree_l0", 330, 480, [](cairo_t* cr, auto&) { PaintOak(cr, 330, 460, kLeaf, 3); }},
        {"menu_tree_l1", 200, 370, [](cairo_t* cr, auto&) { PaintTallPine(cr, 200, 350); }},
        {"menu_tree_r3", 190, 350, [](cairo_t* cr, auto&) { PaintTallPine(cr, 190, 330); }},
        {"menu_tree_l2", 150, 320, [](cairo_t* cr, auto&) { PaintBirch(cr, 150, 300, 4); }},
        {"menu_tree_r0", 150, 310, [](cairo_t* cr, auto&) { PaintBirch(cr, 150, 290, 8); }},
        {"menu_tree_l3", 190, 270,
         [](cairo_t* cr, auto&) { PaintFarTree(cr, 190, 250, Mix(kLeaf, kSky, 0.25)); }},
        {"menu_tree_r4", 180, 260,
         [](cairo_t* cr, auto&) { PaintFarTree(cr, 180, 240, Mix(kLeafDark, kSky, 0.2)); }},
        {"menu_tree_r2", 230, 230, [](cairo_t* cr, auto&) { PaintStumpHouse(cr, 230, 210); }},
        {"menu_tree_l4", 190, 230, [](cairo_t* cr, auto&) { PaintBlossomTree(cr, 190, 210); }},
        {"menu_lighting", 160, 220, [](cairo_t* cr, auto&) { PaintBolt(cr, 160, 204); }},
        {"menu_mush0", 130, 130, [](cairo_t* cr, auto&) { PaintToadstool(cr, 120); }},
        {"menu_mush1", 120, 130, [](cairo_t* cr, auto&) { PaintGlowCap(cr, 120); }},
        {"menu_mush2", 170, 120, [](cairo_t* cr, auto&) { PaintMushroomRing(cr, 150); }},
    };
    return sprites;
}

// Shelves left to right, top to bottom, in the order above.
std::vector<Area> RoomAreas() {
    std::vector<Area> areas;
    int x = 0, y = 0, shelf = 0;
    for (const RoomSprite& s : RoomSprites()) {
        if (x + s.w > kRoomWidth) {
            x = 0;
            y += shelf + kPad;
            shelf = 0;
        }
        areas.push_back({s.name, x, y, s.w, s.h});
        x += s.w + kPad;
        shelf = std::max(shelf, s.h);
    }
    return areas;
}

void PaintRoomSprites(cairo_t* cr, const PaintContext& context) {
    const std::vector<Area> areas = RoomAreas();
    for (size_t i = 0; i < areas.size(); ++i) {
        const Area& a = areas[i];
        cairo_save(cr);
        cairo_rectangle(cr, a.x, a.y, a.w, a.h);
        cairo_clip(cr);
        cairo_translate(cr, a.x + a.w / 2.0, a.y + a.h - kRoomFootMargin);
        RoomSprites()[i].paint(cr, context);
        cairo_restore(cr);
    }
}

// Two strips as wide as the texture with clear rows around them, so the
// scroll wraps within each strip's own row of pixels.
constexpr Area kNearClouds{"menu_clouds0", 0, 16, 1024, 120};
constexpr Area kFarClouds{"menu_clouds1", 0, 160, 1024, 90};

void PaintCloudStrips(cairo_t* cr, const PaintContext&) {
    for (const Area* a : {&kNearClouds, &kFarClouds}) {
        cairo_save(cr);
        cairo_rectangle(cr, a->x, a->y + 2, a->w, a->h - 4);
        cairo_clip(cr);
        cairo_translate(cr, a->x, a->y);
        if (a == &kNearClouds)
            PaintCloudStrip(cr, a->w, a->h, 1.05, 1.0, 11);
        else
            PaintCloudStrip(cr, a->w, a->h, 0.7, 0.75, 17);
        cairo_restore(cr);
    }
}

// The two halves of the one picture.
void PaintGladePart(cairo_t* cr, const PaintContext& context, double top) {
    cairo_translate(cr, 0, -top);
    PaintGlade(cr, context);
}

}  // namespace

void AddRoomTextures(std::vector<TextureDef>& book) {
    book.push_back({"menu_room", kRoomWidth, kRoomHeight, PaintRoomSprites, RoomAreas(),
                    "The glade behind the main menu: its trees, mushrooms and the storm's\n"
                    "bolt. Each sprite's foot is 14 pixels above the bottom\n"
                    "of its area, in the middle."});
    book.push_back({"menu_clouds",
                    1024,
                    512,
                    PaintCloudStrips,
                    {kNearClouds, kFarClouds},
                    "Strips of cloud as wide as the texture; the glade scrolls them sideways."});
    book.push_back({"achieve_t",
                    1024,
                    512,
                    [](cairo_t* cr, const PaintContext& c) { PaintGladePart(cr, c, 0); },
                    {},
                    "The glade's background above the lowest 256 rows."});
    book.push_back({"achieve_b",
                    1024,
                    256,
                    [](cairo_t* cr, const PaintContext& c) { PaintGladePart(cr, c, 512); },
                    {},
                    "The glade's background, its lowest 256 rows."});
}

}  // namespace artgen
