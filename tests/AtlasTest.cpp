// Texture atlases: cutting nodes into frames, pixel rectangles, the script
// functions that build atlases, extended atlases and the sprite lookups.
#include "engine/Atlas.h"

#include <gtest/gtest.h>

extern "C" {
#include <lua.h>
}

#include "app/Game.h"
#include "engine/Console.h"
#include "engine/Log.h"
#include "engine/Script.h"
#include "engine/ScriptFunctions.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "tests/GoldenImage.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

class AtlasTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::UseTestSystemPaths();
        game = std::make_unique<cGame>();
        ASSERT_TRUE(RegisterEngineScriptFunctions());
    }
    void TearDown() override {
        ClearAtlasCaches();
        game.reset();
    }

    static void AddBlankTexture(const std::u16string& name, uint32_t w, uint32_t h) {
        cImage image;
        ASSERT_TRUE(image.Create(kImageRGBA32, w, h));
        AddTexture(name, std::move(image));
    }
    static double Global(const char* name) {
        lua_getglobal(g_lua, name);
        const double v = lua_tonumber(g_lua, -1);
        lua_pop(g_lua, 1);
        return v;
    }
    static int LogCount(std::u16string_view needle) {
        int n = 0;
        for (const auto& line : g_log->console()->lines())
            n += line.find(needle) != line.npos;
        return n;
    }

    std::unique_ptr<cGame> game;
};

void ExpectFrame(const cRectF& f, float x, float y, float w, float h) {
    EXPECT_FLOAT_EQ(f.x, x);
    EXPECT_FLOAT_EQ(f.y, y);
    EXPECT_FLOAT_EQ(f.w, w);
    EXPECT_FLOAT_EQ(f.h, h);
}

TEST_F(AtlasTest, NodesAreCutRowByRowFromTheTopOfTheRectangle) {
    cTextureInfoRef atlas = CreateTextureInfo(u"sheet");
    EXPECT_EQ(AddNode(atlas.get(), u"grid", {0, 0, 1, 1}, 2, 2, 12), 0);
    const cTextureNode& grid = GetNode(*atlas, 0);
    ASSERT_EQ(grid.FrameCount(), 4);
    EXPECT_FLOAT_EQ(grid.fps, 12);
    ExpectFrame((*grid.frames)[0], 0, 0.5f, 0.5f, 0.5f);  // top-left
    ExpectFrame((*grid.frames)[1], 0.5f, 0.5f, 0.5f, 0.5f);
    ExpectFrame((*grid.frames)[2], 0, 0, 0.5f, 0.5f);
    ExpectFrame((*grid.frames)[3], 0.5f, 0, 0.5f, 0.5f);

    // An offset rectangle with three columns and two rows.
    EXPECT_EQ(AddNode(atlas.get(), u"strip", {0.25f, 0.5f, 0.75f, 0.5f}, 3, 2, 30), 1);
    const cTextureNode& strip = GetNode(*atlas, 1);
    ASSERT_EQ(strip.FrameCount(), 6);
    ExpectFrame((*strip.frames)[0], 0.25f, 0.75f, 0.25f, 0.25f);
    ExpectFrame((*strip.frames)[2], 0.75f, 0.75f, 0.25f, 0.25f);
    ExpectFrame((*strip.frames)[3], 0.25f, 0.5f, 0.25f, 0.25f);
}

TEST_F(AtlasTest, ColumnsAndRowsBelowOneCountAsOne) {
    struct Case {
        int columns, rows, frames;
    } cases[] = {{0, 0, 1}, {-3, 2, 2}, {4, -1, 4}, {1, 1, 1}};
    cTextureInfoRef atlas = CreateTextureInfo(u"sheet");
    for (const Case& c : cases) {
        const int index = AddNode(atlas.get(), u"n", {0, 0, 1, 1}, c.columns, c.rows, 30);
        EXPECT_EQ(GetNode(*atlas, index).FrameCount(), c.frames) << c.columns << "x" << c.rows;
    }
    // Through the script function as data scripts call it.
    ASSERT_EQ(RunBuffer(u"local a = createTextureInfo('sheet')\n"
                        u"i = addTextureInfoNode4f(a, 'zero', {x=0, y=0, w=1, h=1}, 0, 2)"),
              0);
    const cTextureNode& zero = GetNode(*atlas, static_cast<int>(Global("i")));
    EXPECT_EQ(zero.name, u"zero");
    ASSERT_EQ(zero.FrameCount(), 2);
    ExpectFrame((*zero.frames)[0], 0, 0.5f, 1, 0.5f);
}

TEST_F(AtlasTest, AbsurdFrameCountsAreRefusedWithoutAllocating) {
    cTextureInfoRef atlas = CreateTextureInfo(u"sheet");
    const int index = AddNode(atlas.get(), u"huge", {0, 0, 1, 1}, 100000, 100000, 30);
    EXPECT_EQ(GetNode(*atlas, index).FrameCount(), 1);
    SetNodeFrameCount(atlas.get(), u"huge", 2000000000);
    EXPECT_EQ(GetNode(*atlas, index).FrameCount(), 1);
    EXPECT_EQ(LogCount(u"Too many frames in node huge"), 2);
}

TEST_F(AtlasTest, PixelRectanglesUseTheTextureSize) {
    AddBlankTexture(u"tiles", 512, 256);
    cTextureInfoRef atlas = CreateTextureInfo(u"tiles");
    const int index = AddNodePixels(atlas.get(), u"tile", {128, 64, 256, 128}, 1, 1, 10);
    ExpectFrame(GetNode(*atlas, index).frames->front(), 0.25f, 0.25f, 0.5f, 0.5f);

    // Without the texture the node covers everything, whatever was asked.
    cTextureInfoRef orphan = CreateTextureInfo(u"no_such_texture");
    const int lost = AddNodePixels(orphan.get(), u"x", {8, 8, 16, 16}, 4, 4, 5);
    const cTextureNode& node = GetNode(*orphan, lost);
    ASSERT_EQ(node.FrameCount(), 1);
    ExpectFrame(node.frames->front(), 0, 0, 1, 1);
    EXPECT_FLOAT_EQ(node.fps, 30);
    EXPECT_EQ(LogCount(u"[AddNode] Can't find texture with this name: no_such_texture"), 1);
}

TEST_F(AtlasTest, ScriptFunctionsGiveTheirFrameRatesAndShapes) {
    AddBlankTexture(u"sheet", 256, 128);
    ASSERT_EQ(RunBuffer(u"local a = createTextureInfo('sheet')\n"
                        u"local r = {x=0, y=0, w=0.5, h=0.5}\n"
                        u"local p = {x=64, y=32, w=128, h=64}\n"
                        u"addTextureInfoNode5f(a, 'n5f', r, 2, 1, 12)\n"
                        u"addTextureInfoNode4f(a, 'n4f', r, 2, 1)\n"
                        u"addTextureInfoNode2f(a, 'n2f', r)\n"
                        u"addTextureInfoNode4(a, 'n4', 2, 2, 8)\n"
                        u"addTextureInfoNode3(a, 'n3', 2, 2)\n"
                        u"addTextureInfoNode5i(a, 'n5i', p, 1, 2, 6)\n"
                        u"addTextureInfoNode4i(a, 'n4i', p, 1, 2)\n"
                        u"last = addTextureInfoNode2i(a, 'n2i', p)\n"
                        u"addTextureInfoNode5f(a, 'nofps', r, 1, 1)\n"
                        u"addTextureInfoNode2f(a, 'norect', 'not a table')\n"
                        u"addTextureInfoNode2f(a, 'partial', {w=1})\n"),
              0);
    EXPECT_EQ(Global("last"), 7);
    struct Case {
        const char16_t* name;
        float fps;
        int frames;
        cRectF first;
    } cases[] = {
        {u"n5f", 12, 2, {0, 0, 0.25f, 0.5f}},
        {u"n4f", 30, 2, {0, 0, 0.25f, 0.5f}},
        {u"n2f", 30, 1, {0, 0, 0.5f, 0.5f}},
        {u"n4", 8, 4, {0, 0.5f, 0.5f, 0.5f}},
        {u"n3", 30, 4, {0, 0.5f, 0.5f, 0.5f}},
        {u"n5i", 6, 2, {0.25f, 0.5f, 0.5f, 0.25f}},
        {u"n4i", 30, 2, {0.25f, 0.5f, 0.5f, 0.25f}},
        {u"n2i", 30, 1, {0.25f, 0.25f, 0.5f, 0.5f}},
        {u"nofps", 0, 1, {0, 0, 0.5f, 0.5f}},  // a missing number is 0
        {u"norect", 30, 1, {0, 0, 0, 0}},
        {u"partial", 30, 1, {0, 0, 1, 0}},
    };
    const cTextureInfoRef atlas = FindTextureInfo(u"sheet");
    ASSERT_TRUE(atlas);
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.name));
        const cTextureNode& node = GetNode(*atlas, FindNode(*atlas, c.name));
        EXPECT_EQ(node.name, c.name);
        EXPECT_FLOAT_EQ(node.fps, c.fps);
        ASSERT_EQ(node.FrameCount(), c.frames);
        ExpectFrame(node.frames->front(), c.first.x, c.first.y, c.first.w, c.first.h);
    }
}

TEST_F(AtlasTest, SetTextureNodeCountTruncatesAndExtendsWithZeroFrames) {
    AddBlankTexture(u"sheet", 64, 64);
    ASSERT_EQ(RunBuffer(u"a = createTextureInfo('sheet')\n"
                        u"addTextureInfoNode4(a, 'walk', 4, 1, 10)\n"
                        u"addTextureInfoNode4(a, 'idle', 2, 1, 10)\n"),
              0);
    const cSpriteInfo before = GetSpriteInfo(u"sheet", u"walk");
    ASSERT_EQ(before.frameCount, 4);

    ASSERT_EQ(RunBuffer(u"r = setTextureNodeCount(a, 'walk', 2)\n"
                        u"setTextureNodeCount(a, 'idle', 5)\n"
                        u"setTextureNodeCount(a, 'missing', 3)\n"),
              0);
    const cTextureInfoRef atlas = FindTextureInfo(u"sheet");
    EXPECT_EQ(atlas->nodes.size(), 2u);
    EXPECT_EQ(GetNode(*atlas, 0).FrameCount(), 2);
    const cTextureNode& idle = GetNode(*atlas, 1);
    ASSERT_EQ(idle.FrameCount(), 5);
    ExpectFrame((*idle.frames)[1], 0.5f, 0, 0.5f, 1);
    for (int i = 2; i < 5; ++i)
        ExpectFrame((*idle.frames)[i], 0, 0, 0, 0);

    // A sprite looked up before the change still reads its own frames.
    ExpectFrame(before.frames[3], 0.75f, 0, 0.25f, 1);
    EXPECT_EQ(GetSpriteInfo(u"sheet", u"walk").frameCount, 2);
}

TEST_F(AtlasTest, SpriteLookupFindsTheFirstNodeOfANameWithItsPixelSize) {
    AddBlankTexture(u"hero", 256, 128);
    cTextureInfoRef atlas = CreateTextureInfo(u"hero");
    AddNode(atlas.get(), u"run", {0, 0, 0.5f, 0.5f}, 2, 1, 15);
    AddNode(atlas.get(), u"run", {0, 0, 1, 1}, 1, 1, 5);

    const cSpriteInfo run = GetSpriteInfo(u"hero", u"run");
    ASSERT_TRUE(run.texture);
    EXPECT_EQ(run.texture, FindTexture(u"hero"));
    ASSERT_NE(run.frames, nullptr);
    EXPECT_EQ(run.frameCount, 2);
    EXPECT_FLOAT_EQ(run.fps, 15);
    EXPECT_FLOAT_EQ(run.width, 64);
    EXPECT_FLOAT_EQ(run.height, 64);
    EXPECT_EQ(run.offsets, nullptr);
    EXPECT_EQ(run.sizes, nullptr);

    EXPECT_EQ(FindNode(*atlas, u"run"), 0);
    EXPECT_EQ(FindNode(*atlas, u"Run"), 2);  // exact comparison: the node count
    EXPECT_EQ(GetNodeCount(u"hero"), 2);
    EXPECT_EQ(GetNodeCount(u"nobody"), 0);
    EXPECT_EQ(GetNodeName(u"hero", 1), u"run");
    EXPECT_EQ(GetNodeName(u"hero", 2), u"unnamed");
    EXPECT_EQ(GetNodeName(u"hero", -1), u"unnamed");
    EXPECT_EQ(GetNodeName(u"nobody", 0), u"");
    const cTextureNode& fallback = GetNode(*atlas, 99);
    EXPECT_FLOAT_EQ(fallback.fps, 30);
    ASSERT_EQ(fallback.FrameCount(), 1);
    ExpectFrame(fallback.frames->front(), 0, 0, 1, 1);

    // The frames outlive the atlas caches for whoever holds the lookup.
    ClearAtlasCaches();
    ExpectFrame(run.frames[1], 0.25f, 0, 0.25f, 0.5f);
}

TEST_F(AtlasTest, FailedLookupsLogOnceAndReturnAnEmptySprite) {
    AddBlankTexture(u"plain", 32, 32);  // a texture without atlas
    AddBlankTexture(u"hero", 32, 32);
    AddNode(CreateTextureInfo(u"hero").get(), u"run", {0, 0, 1, 1}, 1, 1, 30);
    CreateTextureInfo(u"ghost");  // an atlas without texture

    struct Case {
        const char16_t* texture;
        const char16_t* area;
        const char16_t* message;
    } cases[] = {
        {u"plain", u"run", u"Sprite in texture plain with area run not found"},
        {u"hero", u"jump", u"Sprite in texture hero with area jump not found"},
        {u"ghost", u"run", u"Sprite in texture ghost with area run not found"},
        {u"", u"run", u"Sprite in texture  with area run not found"},
    };
    for (const Case& c : cases) {
        const cSpriteInfo info = GetSpriteInfo(c.texture, c.area);
        EXPECT_FALSE(info.texture);
        EXPECT_EQ(info.frames, nullptr);
        EXPECT_EQ(info.frameCount, 0);
        EXPECT_EQ(LogCount(c.message), 1) << ToUtf8(c.message);
    }
    const int lines = static_cast<int>(g_log->console()->lines().size());
    EXPECT_FALSE(GetSpriteInfo(u"", u"").texture);
    EXPECT_EQ(static_cast<int>(g_log->console()->lines().size()), lines);
}

TEST_F(AtlasTest, ExtendedAtlasesCarryFramesOffsetsAndSizes) {
    AddBlankTexture(u"fx", 128, 128);
    ASSERT_EQ(RunBuffer(u"local e = createTextureInfoEx('spark')\n"
                        u"same = (e == createTextureInfoEx('spark'))\n"
                        u"r = addTextureInfoExNodes(e, 'fx', {\n"
                        u"  {dx=3, dy=4, u=0.5, v=0.25, cu=0.125, cv=0.25, w=16, h=32},\n"
                        u"  'not a frame',\n"
                        u"  {u=0.75},\n"
                        u"}, 20)\n"
                        u"none = addTextureInfoExNodes(nil, 'fx', {}, 20)\n"),
              0);
    EXPECT_EQ(Global("r"), 0);
    EXPECT_EQ(Global("none"), 1);
    lua_getglobal(g_lua, "same");
    EXPECT_TRUE(lua_toboolean(g_lua, -1));
    lua_pop(g_lua, 1);

    const cSpriteInfo spark = GetSpriteInfoEx(u"spark");
    EXPECT_EQ(spark.texture, FindTexture(u"fx"));
    // An entry that is not a frame keeps its place with all values 0, so the
    // frames after it keep the numbers the script gave them.
    ASSERT_EQ(spark.frameCount, 3);
    EXPECT_FLOAT_EQ(spark.fps, 20);
    ExpectFrame(spark.frames[0], 0.5f, 0.25f, 0.125f, 0.25f);
    ExpectFrame(spark.frames[1], 0, 0, 0, 0);
    ExpectFrame(spark.frames[2], 0.75f, 0, 0, 0);
    EXPECT_FLOAT_EQ(spark.offsets[0].x, 3);
    EXPECT_FLOAT_EQ(spark.offsets[0].y, 4);
    EXPECT_FLOAT_EQ(spark.offsets[1].x, 0);
    EXPECT_FLOAT_EQ(spark.sizes[1].y, 0);
    EXPECT_FLOAT_EQ(spark.sizes[2].x, 0);
    EXPECT_FLOAT_EQ(spark.width, 16);
    EXPECT_FLOAT_EQ(spark.height, 32);

    // Replacing the frames leaves an earlier lookup intact.
    ASSERT_EQ(RunBuffer(u"addTextureInfoExNodes(createTextureInfoEx('spark'), 'fx', {{w=1}}, 5)"),
              0);
    EXPECT_EQ(GetSpriteInfoEx(u"spark").frameCount, 1);
    EXPECT_FLOAT_EQ(spark.sizes[0].y, 32);

    // No such atlas, and an atlas whose texture is unknown.
    EXPECT_FALSE(GetSpriteInfoEx(u"nothing").texture);
    EXPECT_EQ(LogCount(u"SpriteEx with area nothing not found"), 1);
    ASSERT_EQ(RunBuffer(u"addTextureInfoExNodes(createTextureInfoEx('blind'), 'nope', {{w=1}}, 5)"),
              0);
    const cSpriteInfo blind = GetSpriteInfoEx(u"blind");
    EXPECT_FALSE(blind.texture);
    EXPECT_EQ(blind.frameCount, 1);
    EXPECT_EQ(LogCount(u"SpriteEx with area blind not found"), 1);
}

TEST_F(AtlasTest, LoadingATextureRunsItsAtlasScriptAndAReloadAppends) {
    test::cTempFolder dir;
    test::cRgbaImage png{64, 32, std::vector<uint8_t>(64 * 32 * 4, 200)};
    ASSERT_TRUE(test::WritePng((dir.path() / "sheet.png").string(), png));
    test::WriteUtf16File(dir.path() / "sheet.lua",
                         u"local a = createTextureInfo('sheet')\n"
                         u"addTextureInfoNode5i(a, 'walk', {x=0, y=0, w=32, h=16}, 2, 1, 10)\n");

    ASSERT_EQ(LoadTexture(cPath(dir.u16("sheet.png"))), 0);
    const cSpriteInfo walk = GetSpriteInfo(u"sheet", u"walk");
    ASSERT_TRUE(walk.texture);
    EXPECT_EQ(walk.frameCount, 2);
    EXPECT_FLOAT_EQ(walk.fps, 10);
    ExpectFrame(walk.frames[1], 0.25f, 0, 0.25f, 0.5f);
    EXPECT_FLOAT_EQ(walk.width, 16);
    EXPECT_FLOAT_EQ(walk.height, 16);

    // A reload (a locale switch) runs the script again: its nodes come after
    // the old ones, and lookups keep finding the first.
    test::WriteUtf16File(dir.path() / "sheet.lua",
                         u"local a = createTextureInfo('sheet')\n"
                         u"addTextureInfoNode5i(a, 'walk', {x=0, y=0, w=64, h=32}, 1, 1, 3)\n");
    ASSERT_EQ(ReloadTexture(cPath(dir.u16("sheet.png")), u"sheet"), 0);
    EXPECT_EQ(GetNodeCount(u"sheet"), 2);
    EXPECT_FLOAT_EQ(GetSpriteInfo(u"sheet", u"walk").fps, 10);
}

}  // namespace
}  // namespace qor
