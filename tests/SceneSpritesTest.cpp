// The scene sprites of the generated data (data/texture/level), read the way
// the game reads them: each sprite's frames from its atlas script, its pixels
// from the texture. The game draws a frame at its object's position minus the
// frame's anchor offset, so the anchors must sit where the objects stand, and
// work animations must keep the timing of the game's stroke sounds.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "app/Game.h"
#include "engine/Atlas.h"
#include "engine/Image.h"
#include "engine/ScriptFunctions.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "tests/AtlasSprites.h"
#include "tests/TestUtil.h"

namespace {

namespace fs = std::filesystem;

const fs::path kFolder = fs::path("data") / "texture" / "level";

using Frame = qor::test::cExFrameRecord;
using Sprite = qor::test::cAtlasSprite;

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A texture's pixels, red first, four bytes each.
struct Picture {
    qor::cImage image;
    int Alpha(int x, int y) const {
        if (x < 0 || y < 0 || x >= int(image.width) || y >= int(image.height))
            return 0;
        return image.levels[0][(static_cast<size_t>(y) * image.width + x) * 4 + 3];
    }
};

class SceneSprites : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fs::is_directory(kFolder)) << "build the game_data target first";
        std::string error;
        m_sprites = qor::test::ReadAtlasSprites(kFolder, &error);
        ASSERT_TRUE(error.empty()) << error;
        ASSERT_FALSE(m_sprites.empty());
        for (const auto& [name, sprite] : m_sprites) {
            if (m_pictures.count(sprite.texture))
                continue;
            const std::string png = ReadBytes(kFolder / (sprite.texture + ".png"));
            Picture& picture = m_pictures[sprite.texture];
            ASSERT_EQ(qor::DecodePng(&picture.image, reinterpret_cast<const uint8_t*>(png.data()),
                                     png.size(), qor::Widen(sprite.texture)),
                      0)
                << sprite.texture;
            ASSERT_EQ(picture.image.format.id, qor::kImageRGBA32) << sprite.texture;
        }
    }

    const Sprite& Get(const std::string& name) {
        static const Sprite none;
        const auto it = m_sprites.find(name);
        EXPECT_NE(it, m_sprites.end()) << "no sprite " << name;
        return it == m_sprites.end() ? none : it->second;
    }

    // Opacity at (x, y) pixels from the frame's anchor, y upwards.
    int AlphaNearAnchor(const Sprite& sprite, const Frame& f, int x, int y) {
        const Picture& p = m_pictures.at(sprite.texture);
        const double left = f.u * p.image.width;
        const double top = (1 - f.v - f.cv) * p.image.height;
        const int px = static_cast<int>(std::floor(left + f.dx + x));
        const int py = static_cast<int>(std::floor(top + f.h - f.dy - 1 - y));
        if (px < left || px >= left + f.w || py < top || py >= top + f.h)
            return 0;
        return p.Alpha(px, py);
    }

    std::map<std::string, Sprite> m_sprites;
    std::map<std::string, Picture> m_pictures;
};

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

TEST_F(SceneSprites, WalkersStandWithTheirFeetOnTheAnchor) {
    int checked = 0;
    for (const auto& [name, sprite] : m_sprites) {
        if (!(StartsWith(name, "worker_") || StartsWith(name, "hero_") ||
              StartsWith(name, "goblin_") || StartsWith(name, "skeleton_") ||
              StartsWith(name, "bandit_")))
            continue;
        for (size_t i = 0; i < sprite.frames.size(); ++i) {
            const Frame& f = sprite.frames[i];
            const std::string what = name + " frame " + std::to_string(i);
            ++checked;
            EXPECT_TRUE(f.dx >= 0 && f.dx <= f.w) << what << ": the anchor is beside the frame";
            // feet at the bottom: a leap lifts them off the ground, a forward
            // foot or a lowered blade reaches a little below the anchor
            EXPECT_TRUE(f.dy >= -6 && f.dy <= 8)
                << what << ": the anchor is " << f.dy << " pixels above the frame's bottom";
            bool foot = false;
            for (int y = -3; y <= 8 && !foot; ++y) {
                for (int x = -12; x <= 12 && !foot; ++x)
                    foot = AlphaNearAnchor(sprite, f, x, y) > 128;
            }
            EXPECT_TRUE(foot) << what << ": nothing stands on the anchor";
            if (name != "skeleton_death3") {
                EXPECT_TRUE(f.h >= 34 && f.h <= 96)
                    << what << " is " << f.h << " pixels tall, not about one cell";
            }
        }
    }
    EXPECT_GT(checked, 500);
}

TEST_F(SceneSprites, SourcesSitOnTheirAnchor) {
    struct Case {
        const char* sprite;
        int height;  // pixels above the anchor that must be solid (trunk, soil, rock)
    };
    const Case cases[] = {{"tree00", 4},  {"tree01", 4},   {"tree02", 4},  {"tree03", 4},
                          {"tree04", 4},  {"tree05", 4},   {"stump00", 4}, {"field00", 0},
                          {"field01", 0}, {"nugget00", 3}, {"well00", 3},  {"wood", 3},
                          {"food", 3},    {"money", 3},    {"mana", 3}};
    for (const Case& c : cases) {
        const Sprite& sprite = Get(c.sprite);
        for (size_t i = 0; i < sprite.frames.size(); ++i) {
            EXPECT_GT(AlphaNearAnchor(sprite, sprite.frames[i], 0, c.height), 200)
                << c.sprite << " frame " << i << " does not stand on its anchor";
        }
    }
    // job markers are placed by their lower-left corner
    const Sprite& marker = Get("target");
    ASSERT_EQ(marker.frames.size(), 1u);
    EXPECT_EQ(marker.frames[0].dx, 0);
    EXPECT_EQ(marker.frames[0].dy, 0);
}

TEST_F(SceneSprites, AnimationsKeepTheGamesTiming) {
    struct Case {
        const char* sprite;
        size_t frames;
        double seconds;  // of one pass; 0: the game picks frames, time never moves them
    };
    const Case cases[] = {
        // one loop per stroke, so each blow meets its sound
        {"worker_hack0", 8, 1.0},
        {"worker_hack3", 8, 1.0},
        {"worker_pick1", 8, 1.0},
        {"worker_pick2", 8, 1.0},
        {"worker_build0", 6, 0.52},
        {"worker_build3", 6, 0.52},
        {"worker_collect3", 6, 0.45},
        {"goblin_pick0", 8, 1.0},
        {"goblin_pick3", 8, 1.0},
        // one frame per load dug; a progress 0..1 used as time shows the stage
        {"nugget00", 5, 1.0},
        // felling and growing stages chosen from progress
        {"tree00", 5, 0},
        {"tree05", 5, 0},
        {"field00", 6, 0},
        {"field01", 6, 0},
    };
    for (const Case& c : cases) {
        const Sprite& sprite = Get(c.sprite);
        EXPECT_EQ(sprite.frames.size(), c.frames) << c.sprite;
        if (c.seconds == 0) {
            EXPECT_EQ(sprite.fps, 0) << c.sprite << " would run through its stages on its own";
        } else {
            ASSERT_GT(sprite.fps, 0) << c.sprite;
            EXPECT_NEAR(sprite.frames.size() / sprite.fps, c.seconds, 1e-3) << c.sprite;
        }
    }
}

// The engine itself loads the textures and runs their atlas scripts: every
// sprite is then found by its name alone, bound to its texture, with its
// frames, rate and anchors.
TEST_F(SceneSprites, TheEngineFindsEverySpriteByItsNameAlone) {
    qor::test::UseTestSystemPaths();
    auto game = std::make_unique<qor::cGame>();
    ASSERT_TRUE(qor::RegisterEngineScriptFunctions());
    for (const auto& [texture, picture] : m_pictures) {
        const fs::path file = fs::absolute(kFolder / (texture + ".png"));
        ASSERT_EQ(qor::LoadTexture(qor::cPath(qor::FromUtf8(file.string()))), 0) << file;
    }
    for (const auto& [name, sprite] : m_sprites) {
        const qor::cSpriteInfo info = qor::GetSpriteInfoEx(qor::FromUtf8(name));
        ASSERT_TRUE(info.texture) << name;
        EXPECT_EQ(info.texture, qor::FindTexture(qor::FromUtf8(sprite.texture))) << name;
        ASSERT_EQ(info.frameCount, static_cast<int>(sprite.frames.size())) << name;
        EXPECT_FLOAT_EQ(info.fps, static_cast<float>(sprite.fps)) << name;
        ASSERT_TRUE(info.offsets && info.sizes) << name;
        const Frame& last = sprite.frames.back();
        EXPECT_FLOAT_EQ(info.offsets[info.frameCount - 1].x, static_cast<float>(last.dx)) << name;
        EXPECT_FLOAT_EQ(info.sizes[info.frameCount - 1].y, static_cast<float>(last.h)) << name;
    }
    qor::ClearAtlasCaches();
    game.reset();
}

}  // namespace
