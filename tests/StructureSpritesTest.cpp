// The scene sprites of the buildings, obstacles and spells, loaded through
// the engine from the generated data as the game loads them: how many frames
// each shows and at what rate, where its anchor (the object's position) falls
// on the picture, where overlays and attachment points meet their building,
// and how the frames sit in their sheets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/Game.h"
#include "engine/Atlas.h"
#include "engine/Path.h"
#include "engine/ScriptFunctions.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

namespace fs = std::filesystem;

const char* const kSheets[] = {"structures0", "structures1", "structures2", "structures3"};

// Footprints in cells along the grid's i and j axes.
struct Footprint {
    const char* sprite;
    int frame;  // the finished picture
    int cellsA, cellsB;
    double overhang = 10;  // how far the picture may reach past the outline
};

const Footprint kFootprints[] = {
    {"base00", 0, 3, 3},
    {"house00", 8, 3, 2},
    {"zone3x2", 0, 3, 2},
    {"zone2x2", 0, 2, 2},
    {"zone1x1", 0, 1, 1},
    {"sawmill00", 5, 2, 2},
    {"mill00", 4, 2, 2},
    {"goldmill00", 5, 2, 2},
    {"tower00", 7, 1, 1},
    {"tower_enemy00", 0, 1, 1},
    {"lighthouse00", 4, 2, 2},
    {"key_statue00", 4, 2, 2},
    {"key_altar00", 5, 4, 3},
    {"key_castle00", 4, 4, 4},
    {"bell00", 0, 1, 1},
    {"altar00", 0, 2, 2},
    {"log00", 0, 2, 1},
    {"stone00", 0, 1, 1},
    {"stone_big00", 0, 2, 2},
    {"bridge00", 3, 1, 2, 16},
    {"bridge01", 3, 2, 1, 16},
    {"bridge_big00", 3, 1, 3, 16},
    {"bridge_big01", 3, 3, 1, 16},
    {"ice", 0, 3, 3},
};

class StructureSprites : public ::testing::Test {
  protected:
    void SetUp() override {
        test::UseTestSystemPaths();
        game = std::make_unique<cGame>();
        ASSERT_TRUE(RegisterEngineScriptFunctions());
        for (const char* sheet : kSheets) {
            const fs::path file = fs::absolute(fs::path("data") / "texture" / "structures" /
                                               (std::string(sheet) + ".png"));
            ASSERT_EQ(LoadTexture(cPath(FromUtf8(file.string()))), 0) << file;
        }
    }
    void TearDown() override {
        ClearAtlasCaches();
        game.reset();
    }

    static cSpriteInfo Sprite(const std::string& name) {
        cSpriteInfo sprite = GetSpriteInfoEx(FromUtf8(name));
        EXPECT_TRUE(sprite.texture && sprite.offsets && sprite.sizes) << name << " not found";
        return sprite;
    }

    // Opacity (0..255) of the pixel under the point (x, y) of the world, y
    // up, measured from the anchor of a frame drawn at the origin; 0 off the
    // frame.
    static int Alpha(const cSpriteInfo& sprite, int frame, double x, double y) {
        if (!sprite.texture || frame >= sprite.frameCount || !sprite.texture->image)
            return 0;
        const cImage& image = *sprite.texture->image;
        const cVec2 offset = sprite.offsets[frame], size = sprite.sizes[frame];
        const double fx = x + offset.x, fy = y + offset.y;  // from the frame's lower left
        if (fx < 0 || fy < 0 || fx >= size.x || fy >= size.y)
            return 0;
        const cRectF& uv = sprite.frames[frame];
        const int px = static_cast<int>(uv.x * image.width + fx);
        const int py = static_cast<int>((1 - uv.y - uv.h) * image.height + (size.y - fy));
        return image.levels[0][(static_cast<size_t>(py) * image.width + px) * 4 + 3];
    }

    std::unique_ptr<cGame> game;
};

// Construction and repair are drawn by giving progress as the time: a
// sprite of n frames plays at n per second, so progress p shows frame
// trunc(p * n). Buildings show their stages 0..s, then one frame per level.
TEST_F(StructureSprites, ProgressSpritesHaveOneFramePerStepAndLastOneSecond) {
    struct Case {
        const char* sprite;
        int stages, levels;
    };
    const Case cases[] = {
        {"house00", 4, 4},      {"sawmill00", 4, 1},   {"mill00", 3, 1},
        {"goldmill00", 4, 1},   {"tower00", 4, 3},     {"lighthouse00", 3, 1},
        {"key_statue00", 3, 1}, {"key_altar00", 4, 1}, {"key_castle00", 3, 1},
        {"log00", 3, 0},        {"stone00", 3, 0},     {"stone_big00", 3, 0},
        {"bridge00", 3, 0},     {"bridge01", 3, 0},    {"bridge_big00", 3, 0},
        {"bridge_big01", 3, 0},
    };
    for (const Case& c : cases) {
        const cSpriteInfo sprite = Sprite(c.sprite);
        const int frames = c.stages + 1 + c.levels;
        EXPECT_EQ(sprite.frameCount, frames) << c.sprite;
        EXPECT_FLOAT_EQ(sprite.fps, static_cast<float>(frames)) << c.sprite;
    }
}

// The anchor is the centre of the footprint on the ground: the picture
// stands over the footprint's outline as the grid's skewed axes draw it
// (bridges reach a little further, onto the banks).
TEST_F(StructureSprites, BuildingsAndObstaclesStandOnTheirFootprints) {
    const double cos15 = std::cos(M_PI / 12), sin15 = std::sin(M_PI / 12), c45 = std::sqrt(0.5);
    for (const Footprint& f : kFootprints) {
        const cSpriteInfo sprite = Sprite(f.sprite);
        ASSERT_LT(f.frame, sprite.frameCount) << f.sprite;
        const double ha = 24.0 * f.cellsA, hb = 24.0 * f.cellsB;
        const double halfWidth = ha * cos15 + hb * c45, lowest = -(ha * sin15 + hb * c45);
        const cVec2 offset = sprite.offsets[f.frame], size = sprite.sizes[f.frame];
        double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
        for (double y = -offset.y; y < size.y - offset.y; y += 1) {
            for (double x = -offset.x; x < size.x - offset.x; x += 1) {
                if (Alpha(sprite, f.frame, x + 0.5, y + 0.5) > 128) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                    bottom = std::min(bottom, y);
                    top = std::max(top, y + 1);
                }
            }
        }
        EXPECT_GE(left, -halfWidth - f.overhang) << f.sprite;
        EXPECT_LE(right, halfWidth + f.overhang) << f.sprite;
        EXPECT_GE(bottom, lowest - f.overhang) << f.sprite;
        EXPECT_LT(bottom, lowest * 0.25) << f.sprite << " floats above its anchor";
        EXPECT_GT(top, 0) << f.sprite;
        // roughly centred: neither side of the anchor is empty
        EXPECT_LT(left, -halfWidth * 0.3) << f.sprite;
        EXPECT_GT(right, halfWidth * 0.3) << f.sprite;
    }
}

// Overlays share their building's anchor, and the game puts smoke, fire,
// stones and the flag at fixed points over a building: each lands on the
// picture (or, for the furnace, shows through it).
TEST_F(StructureSprites, AttachmentPointsAndOverlaysMeetTheirBuildings) {
    struct Case {
        const char* sprite;
        int frame;
        double x, y;
        bool opaque;
    };
    const Case cases[] = {
        {"base00", 0, -6, 103, true},     // the pole the flag hangs from
        {"base00_flag", 0, 8, 10, true},  // the cloth flies above and right of it
        {"tower00", 5, 0, 50, true},      // the stone in the thrower at every level
        {"tower00", 6, 0, 50, true},
        {"tower00", 7, 0, 50, true},
        {"tower_enemy00", 0, 0, 50, true},
        {"lighthouse00", 4, 0, 120, true},   // the lantern where the fire burns
        {"sawmill00", 5, -5, 58.5, true},    // the stovepipe's mouth
        {"goldmill00", 5, -30, 98.5, true},  // the chimneys' mouths
        {"goldmill00", 5, 20, 98.5, true},
        {"mill00", 4, 0, 82.5, true},  // the cap carries the sails' hub
        {"mill00_screw", 0, 0, 82.5, true},
        {"bell00_bell", 0, 0, 40, true},  // the bell under the frame's beam
        {"bell00", 0, 0, 55, true},
        {"goldmill00", 5, -26, 5, false},      // the open furnace mouth...
        {"goldmill00_back", 0, -26, 5, true},  // ...and the fire behind it
        {"altar00", 0, 0, 34, true},           // the basin...
        {"spell_shield_off", 0, 0, 66, true},  // ...and the emblem hovering over it
        {"spell_shield_on", 0, 0, 66, true},
        {"spell_shield", 0, 0, 0, true},  // icons are anchored at their centre
        {"icon_build0", 0, 0, 0, true},
    };
    for (const Case& c : cases) {
        const int alpha = Alpha(Sprite(c.sprite), c.frame, c.x, c.y);
        if (c.opaque) {
            EXPECT_GT(alpha, 128) << c.sprite << ":" << c.frame << " at " << c.x << ", " << c.y;
        } else {
            EXPECT_EQ(alpha, 0) << c.sprite << ":" << c.frame << " at " << c.x << ", " << c.y;
        }
    }
}

// Every frame keeps a transparent edge inside its rectangle (nothing drawn
// was cut off, and filtering never reaches a neighbour), is drawn at its
// pixel size, and shares no pixel with another frame of its sheet.
TEST_F(StructureSprites, FramesAreWholeAndApartInTheirSheets) {
    std::vector<std::string> names;
    for (const Footprint& f : kFootprints)
        names.push_back(f.sprite);
    for (const char* name : {"base00_sh", "base00_flag", "mill00_screw", "mill00_sh",
                             "goldmill00_pad", "goldmill00_back", "bell00_bell", "icon_build0",
                             "icon_build1", "base_enemy_gold", "base_enemy_spirit"})
        names.push_back(name);
    for (const char* spell : {"spell_field_fast", "spell_worker_fast", "spell_water_freeze",
                              "spell_tree_restore", "spell_enemy_freeze", "spell_shield"}) {
        for (const char* suffix : {"", "_off", "_on"})
            names.push_back(std::string(spell) + suffix);
    }
    struct Placed {
        std::string what;
        int x0, y0, x1, y1;
    };
    std::map<const cTexture*, std::vector<Placed>> sheets;
    for (const std::string& name : names) {
        const cSpriteInfo sprite = Sprite(name);
        ASSERT_TRUE(sprite.texture && sprite.texture->image) << name;
        const double W = sprite.texture->image->width, H = sprite.texture->image->height;
        for (int k = 0; k < sprite.frameCount; ++k) {
            const std::string what = name + ":" + std::to_string(k);
            const cRectF& uv = sprite.frames[k];
            const cVec2 size = sprite.sizes[k], offset = sprite.offsets[k];
            EXPECT_FLOAT_EQ(static_cast<float>(uv.w * W), size.x) << what;
            EXPECT_FLOAT_EQ(static_cast<float>(uv.h * H), size.y) << what;
            const int x0 = static_cast<int>(std::lround(uv.x * W));
            const int y0 = static_cast<int>(std::lround((1 - uv.y - uv.h) * H));
            const Placed placed{what, x0, y0, x0 + static_cast<int>(size.x),
                                y0 + static_cast<int>(size.y)};
            EXPECT_TRUE(placed.x0 >= 0 && placed.y0 >= 0 && placed.x1 <= W && placed.y1 <= H)
                << what;
            int edge = 0;
            for (double x = 0.5; x < size.x; x += 1) {
                edge = std::max({edge, Alpha(sprite, k, x - offset.x, 0.5 - offset.y),
                                 Alpha(sprite, k, x - offset.x, size.y - 0.5 - offset.y)});
            }
            for (double y = 0.5; y < size.y; y += 1) {
                edge = std::max({edge, Alpha(sprite, k, 0.5 - offset.x, y - offset.y),
                                 Alpha(sprite, k, size.x - 0.5 - offset.x, y - offset.y)});
            }
            EXPECT_EQ(edge, 0) << what << " touches the edge of its frame";
            for (const Placed& other : sheets[sprite.texture.get()]) {
                const bool apart = placed.x1 <= other.x0 || other.x1 <= placed.x0 ||
                                   placed.y1 <= other.y0 || other.y1 <= placed.y0;
                EXPECT_TRUE(apart) << what << " overlaps " << other.what;
            }
            sheets[sprite.texture.get()].push_back(placed);
        }
    }
}

}  // namespace
}  // namespace qor
