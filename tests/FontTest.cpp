// Fonts: the font script functions, glyph conversion, measuring, and the
// vertices DrawText and DrawColoredText put into the batch.
#include "engine/Font.h"

#include <gtest/gtest.h>

extern "C" {
#include <lua.h>
}

#include "app/Game.h"
#include "engine/Atlas.h"
#include "engine/Script.h"
#include "engine/ScriptFunctions.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

class FontTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::UseTestSystemPaths();
        game = std::make_unique<cGame>();
        ASSERT_TRUE(RegisterEngineScriptFunctions());
    }
    void TearDown() override {
        ClearAtlasCaches();
        ClearFontCache();
        game.reset();
    }

    static double Global(const char* name) {
        lua_getglobal(g_lua, name);
        const double v = lua_tonumber(g_lua, -1);
        lua_pop(g_lua, 1);
        return v;
    }
    static void* GlobalPointer(const char* name) {
        lua_getglobal(g_lua, name);
        void* p = lua_touserdata(g_lua, -1);
        lua_pop(g_lua, 1);
        return p;
    }
    static void AddBlankTexture(const std::u16string& name, uint32_t w, uint32_t h) {
        cImage image;
        ASSERT_TRUE(image.Create(kImageRGBA32, w, h));
        AddTexture(name, std::move(image));
    }

    std::unique_ptr<cGame> game;
};

// A font with hand-made metrics: "A" 10 wide advancing 8, "B" 6 wide advancing
// 7 with a bearing of 1, cells 16 pixels high.
cFontRef MakeTestFont(const std::u16string& name) {
    cFontRef font = CreateOrResetFont(name);
    font->cellHeight = 16;
    font->SetGlyph(u'A', {10, 0.0f, 0.5f, 0.25f, 0.5f, 0, 8});
    font->SetGlyph(u'B', {6, 0.25f, 0.5f, 0.25f, 0.5f, 1, 7});
    return font;
}

TEST_F(FontTest, CreateFontReturnsTheCachedFontEmptied) {
    AddBlankTexture(u"glyphs", 64, 64);
    const cFontRef early = FindFont(u"main");  // taken before the font existed
    EXPECT_FALSE(early);
    ASSERT_EQ(RunBuffer(u"f = createFont('main')\n"
                        u"initFont(f, 'Sans', 'Bold', 14, 18)\n"
                        u"setFontTexture(f, 'glyphs', 0, 0)\n"
                        u"setFontTransform(f, 2, 5, 5)\n"
                        u"fillFont(f, {{ch='A', fWidth=9, u=0, v=0, cu=8, cv=16, dx=8}})\n"),
              0);
    const cFontRef font = FindFont(u"main");
    ASSERT_TRUE(font);
    EXPECT_EQ(GlobalPointer("f"), font.get());
    EXPECT_FALSE(early);  // an early holder keeps its empty reference
    EXPECT_EQ(font->faceName, u"Sans");
    EXPECT_EQ(font->styleName, u"Bold");
    EXPECT_EQ(font->size, 14);
    EXPECT_FLOAT_EQ(font->cellHeight, 18);
    EXPECT_FLOAT_EQ(font->spacing, 2);
    EXPECT_EQ(font->texture, FindTexture(u"glyphs"));
    EXPECT_TRUE(font->HasGlyph(u'A'));

    ASSERT_EQ(RunBuffer(u"g = createFont('main')"), 0);
    EXPECT_EQ(GlobalPointer("g"), font.get());
    EXPECT_FALSE(font->texture);
    EXPECT_FALSE(font->HasGlyph(u'A'));
    EXPECT_FLOAT_EQ(font->Glyph(u'A').dx, 0);
    EXPECT_FLOAT_EQ(font->cellHeight, 0);
    EXPECT_FLOAT_EQ(font->spacing, 0);
    EXPECT_EQ(font->faceName, u"");
    EXPECT_EQ(font->textureName, u"");
    EXPECT_FLOAT_EQ(font->textureWidth, 0);
    // The emptied font takes glyphs again.
    ASSERT_EQ(RunBuffer(u"fillFont(g, {{ch='A', dx=3}})"), 0);
    EXPECT_FLOAT_EQ(font->Glyph(u'A').dx, 3);
}

TEST_F(FontTest, FillFontKeepsTheFirstGlyphAndDefaultsMissingFields) {
    ASSERT_EQ(RunBuffer(u"f = createFont('f')\n"
                        u"r = fillFont(f, {\n"
                        u"  {ch='Ab', fWidth=7.5, dx=6, fBearingX=-1},\n"
                        u"  {ch='A', fWidth=99, dx=99},\n"
                        u"  {ch='', fWidth=5},\n"
                        u"  {fWidth=5},\n"
                        u"  'junk', 42,\n"
                        u"  {ch='\u00e9', u=1.9, v=2.7},\n"
                        u"})\n"
                        u"none = fillFont(nil, {})\n"
                        u"notable = fillFont(f, 'glyphs')\n"),
              0);
    EXPECT_EQ(Global("r"), 0);
    EXPECT_EQ(Global("none"), 1);
    EXPECT_EQ(Global("notable"), 0);
    const cFontRef font = FindFont(u"f");
    const cGlyph& a = font->Glyph(u'A');
    EXPECT_FLOAT_EQ(a.fWidth, 7.5f);
    EXPECT_FLOAT_EQ(a.dx, 6);
    EXPECT_FLOAT_EQ(a.fBearingX, -1);
    EXPECT_FALSE(font->HasGlyph(u'b'));
    EXPECT_FALSE(font->HasGlyph(0));
    // Without texture size the cell is stored as given, integers truncated.
    const cGlyph& e = font->Glyph(u'\u00e9');
    EXPECT_FLOAT_EQ(e.u, 1);
    EXPECT_FLOAT_EQ(e.v, 2);
    EXPECT_FLOAT_EQ(e.fWidth, 0);
    EXPECT_FLOAT_EQ(e.dx, 0);
}

TEST_F(FontTest, GlyphCellsAreConvertedWithTheTextureSize) {
    AddBlankTexture(u"atlas256", 256, 128);
    cFontRef known = CreateOrResetFont(u"known");
    SetFontTexture(known.get(), u"atlas256", 1, 1);  // the texture's size wins
    EXPECT_FLOAT_EQ(known->textureWidth, 256);
    EXPECT_FLOAT_EQ(known->textureHeight, 128);
    AddGlyph(known.get(), u"x", 0, 0, 16, 32, 16, 0, 16);
    AddGlyph(known.get(), u"y", 64, 32, 32, 64, 32, 0, 32);
    const cGlyph& x = known->Glyph(u'x');
    EXPECT_FLOAT_EQ(x.u, 0);
    EXPECT_FLOAT_EQ(x.v, 0.75f);
    EXPECT_FLOAT_EQ(x.cu, 0.0625f);
    EXPECT_FLOAT_EQ(x.cv, 0.25f);
    const cGlyph& y = known->Glyph(u'y');
    EXPECT_FLOAT_EQ(y.u, 0.25f);
    EXPECT_FLOAT_EQ(y.v, 0.25f);

    // An unknown texture: the given size is used.
    cFontRef unknown = CreateOrResetFont(u"unknown");
    SetFontTexture(unknown.get(), u"nowhere", 512, 256);
    EXPECT_FALSE(unknown->texture);
    EXPECT_EQ(unknown->textureName, u"nowhere");
    EXPECT_FLOAT_EQ(unknown->textureWidth, 512);
    AddGlyph(unknown.get(), u"x", 0, 0, 16, 32, 16, 0, 16);
    EXPECT_FLOAT_EQ(unknown->Glyph(u'x').v, 0.875f);
}

TEST_F(FontTest, MeasuringCountsAdvancesSpacingAndTheLastQuad) {
    cFontRef font = MakeTestFont(u"m");
    struct Case {
        const char16_t* text;
        float width;
    } plain[] = {
        {u"", 0},        {u"A", 10},          {u"AB", 8 + 6},
        {u"BA", 7 + 10}, {u"AAB", 8 + 8 + 6}, {u"A?", 8 + 0},  // no glyph: advances 0, quad width 0
    };
    for (const Case& c : plain) {
        const cVec2 size = MeasureText(c.text, font.get());
        EXPECT_FLOAT_EQ(size.x, c.width) << ToUtf8(c.text);
        EXPECT_FLOAT_EQ(size.y, 16);
    }
    font->spacing = 2;
    EXPECT_FLOAT_EQ(MeasureText(u"AAB", font.get()).x, 10 + 10 + 6);
    EXPECT_FLOAT_EQ(MeasureText(u"AB", nullptr).x, 0);
    EXPECT_FLOAT_EQ(MeasureText(u"AB", nullptr).y, 0);

    // Colour codes take no room; a cut-off code swallows the rest.
    struct ColoredCase {
        const char16_t* colored;
        const char16_t* plain;
    } colored[] = {
        {u"A^FF0000FFB", u"AB"}, {u"^ff00ff80AB^^A", u"ABA"}, {u"^^", u""},
        {u"AB^^", u"AB"},        {u"AB^1234", u"AB"},         {u"A^", u"A"},
        {u"^^^00000000A", u"A"},
    };
    for (const ColoredCase& c : colored) {
        EXPECT_FLOAT_EQ(MeasureColoredText(c.colored, font.get()).x,
                        MeasureText(c.plain, font.get()).x)
            << ToUtf8(c.colored);
    }
}

// What one character's six vertices hold.
struct cQuad {
    float x0, y0, x1, y1, u0, v0, u1, v1;
    uint32_t color;
};

cQuad QuadAt(const cSpriteBatch& batch, int character) {
    const cVertex* v = &batch.vertices[static_cast<size_t>(character) * 6];
    return {v[0].x, v[0].y, v[5].x, v[5].y, v[0].u, v[0].v, v[5].u, v[5].v, v[0].color};
}

bool IsZeroed(const cSpriteBatch& batch, int character) {
    for (int i = 0; i < 6; ++i) {
        const cVertex& v = batch.vertices[static_cast<size_t>(character) * 6 + i];
        if (v.x != 0 || v.y != 0 || v.color != 0 || v.u != 0 || v.v != 0)
            return false;
    }
    return true;
}

TEST_F(FontTest, DrawTextSnapsThePenAndWritesOneQuadPerCharacter) {
    cFontRef font = MakeTestFont(u"d");
    font->spacing = 1;
    cSpriteBatch batch;
    DrawText(&batch, u"AB?A", 10.7f, 20.2f, font.get(), 0x80FF0000u);
    ASSERT_EQ(batch.runCount, 1);
    EXPECT_EQ(batch.runs[0].count, 24);
    EXPECT_EQ(batch.runs[0].texture, font->texture);

    const cQuad a = QuadAt(batch, 0);
    EXPECT_FLOAT_EQ(a.x0, 10);
    EXPECT_FLOAT_EQ(a.y0, 20);
    EXPECT_FLOAT_EQ(a.x1, 20);
    EXPECT_FLOAT_EQ(a.y1, 36);
    EXPECT_FLOAT_EQ(a.u0, 0);
    EXPECT_FLOAT_EQ(a.v0, 0.5f);
    EXPECT_FLOAT_EQ(a.u1, 0.25f);
    EXPECT_FLOAT_EQ(a.v1, 1);
    EXPECT_EQ(a.color, 0x80FF0000u);
    const cQuad b = QuadAt(batch, 1);  // pen 10 + 8 + 1, bearing 1
    EXPECT_FLOAT_EQ(b.x0, 20);
    EXPECT_FLOAT_EQ(b.x1, 26);
    const cQuad none = QuadAt(batch, 2);  // pen 19 + 7 + 1: an empty quad
    EXPECT_FLOAT_EQ(none.x0, 27);
    EXPECT_FLOAT_EQ(none.x1, 27);
    EXPECT_FLOAT_EQ(QuadAt(batch, 3).x0, 28);  // advanced by the spacing only

    // Nothing for an empty text or without a font.
    cSpriteBatch empty;
    DrawText(&empty, u"", 0, 0, font.get(), kTextWhite);
    DrawText(&empty, u"AB", 0, 0, nullptr, kTextWhite);
    DrawColoredText(&empty, u"AB", 0, 0, nullptr);
    EXPECT_EQ(empty.VertexEnd(), 0);
}

TEST_F(FontTest, DrawColoredTextSwitchesColoursAndZeroesTheCodes) {
    cFontRef font = MakeTestFont(u"c");
    cSpriteBatch batch;
    // "A", red "B", the call's colour "A", then half-transparent green "A", and a
    // "^" too short to be a code.
    const std::u16string text = u"A^ff0000FFB^^A^00Ff0080A^12";
    DrawColoredText(&batch, text, 0.5f, 0, font.get(), 0xFF102030u);
    EXPECT_EQ(batch.VertexEnd(), static_cast<int>(text.size()) * 6);

    EXPECT_EQ(QuadAt(batch, 0).color, 0xFF102030u);
    for (int i = 1; i <= 9; ++i)
        EXPECT_TRUE(IsZeroed(batch, i)) << i;
    const cQuad red = QuadAt(batch, 10);
    EXPECT_EQ(red.color, 0xFFFF0000u);
    EXPECT_FLOAT_EQ(red.x0, 8 + 1);  // codes take no room
    EXPECT_TRUE(IsZeroed(batch, 11));
    EXPECT_TRUE(IsZeroed(batch, 12));
    EXPECT_EQ(QuadAt(batch, 13).color, 0xFF102030u);
    EXPECT_FLOAT_EQ(QuadAt(batch, 13).x0, 15);
    const cQuad green = QuadAt(batch, 23);
    EXPECT_EQ(green.color, 0x8000FF00u);
    EXPECT_FLOAT_EQ(green.x0, 23);
    // The trailing "^12" is drawn as glyphs: an empty quad at the pen each.
    EXPECT_FALSE(IsZeroed(batch, 24));
    EXPECT_FLOAT_EQ(QuadAt(batch, 24).x0, 31);
    EXPECT_EQ(QuadAt(batch, 24).color, 0x8000FF00u);

    // Without a colour the text starts opaque white.
    cSpriteBatch white;
    DrawColoredText(&white, u"A", 0, 0, font.get());
    EXPECT_EQ(QuadAt(white, 0).color, kTextWhite);
}

// The four resource icons are pictures: a dark text leaves their colours
// alone and only its fading reaches them; letters take the text's colour.
TEST_F(FontTest, ResourceIconsKeepTheirColoursAndFadeWithTheText) {
    cFontRef font = MakeTestFont(u"i");
    const std::u16string text = u"A\u00BD\u00BC\u00BE\u2030";
    cSpriteBatch plain;
    DrawText(&plain, text, 0, 0, font.get(), 0x80301008u);
    cSpriteBatch coded;
    DrawColoredText(&coded, text, 0, 0, font.get(), 0xFF301008u);
    EXPECT_EQ(QuadAt(plain, 0).color, 0x80301008u);
    EXPECT_EQ(QuadAt(coded, 0).color, 0xFF301008u);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(QuadAt(plain, i).color, 0x80FFFFFFu) << i;
        EXPECT_EQ(QuadAt(coded, i).color, 0xFFFFFFFFu) << i;
    }
}

TEST_F(FontTest, TextThatDoesNotFitTheBatchIsDropped) {
    cFontRef font = MakeTestFont(u"big");
    cSpriteBatch batch;
    const std::u16string tooLong(cSpriteBatch::kMaxVertices / 6 + 1, u'A');
    DrawText(&batch, tooLong, 0, 0, font.get(), kTextWhite);
    DrawColoredText(&batch, tooLong, 0, 0, font.get());
    EXPECT_EQ(batch.VertexEnd(), 0);

    DrawText(&batch, std::u16string(10000, u'A'), 0, 0, font.get(), kTextWhite);
    EXPECT_EQ(batch.VertexEnd(), 60000);
    DrawColoredText(&batch, std::u16string(1000, u'B'), 0, 0, font.get());  // would reach the end
    EXPECT_EQ(batch.VertexEnd(), 60000);
    DrawText(&batch, u"AB", 0, 0, font.get(), kTextWhite);
    EXPECT_EQ(batch.VertexEnd(), 60012);
}

TEST_F(FontTest, FontFunctionsRefuseHandlesThatAreNotLiveFonts) {
    AddBlankTexture(u"glyphs", 64, 64);
    ASSERT_EQ(RunBuffer(u"f = createFont('real')\n"
                        u"atlas = createTextureInfo('glyphs')\n"
                        u"doomed = createFont('doomed')\n"),
              0);
    const cFontRef real = FindFont(u"real");
    ClearFontCache();  // "doomed" dies; "real" lives on through our reference

    // Every font function with a handle of the wrong kind, a stale one, a
    // plain number, a string or nothing: nothing happens, the failure value
    // comes back, and no Lua error is raised.
    for (const char16_t* handle : {u"atlas", u"doomed", u"12345", u"'real'", u"nil", u"{}"}) {
        SCOPED_TRACE(ToUtf8(handle));
        const std::u16string h(handle);
        ASSERT_EQ(RunBuffer(u"initFont(" + h +
                            u", 'Evil', 'X', 9, 99)\n"
                            u"setFontTexture(" +
                            h +
                            u", 'glyphs', 1, 1)\n"
                            u"setFontTransform(" +
                            h +
                            u", 7, 0, 0)\n"
                            u"r = fillFont(" +
                            h + u", {{ch='Z', dx=5}})\n"),
                  0);
        EXPECT_EQ(Global("r"), 1);
    }
    EXPECT_FALSE(real->HasGlyph(u'Z'));
    EXPECT_FLOAT_EQ(real->cellHeight, 0);
    EXPECT_FLOAT_EQ(real->spacing, 0);
    EXPECT_FALSE(real->texture);
    EXPECT_TRUE(FindTextureInfo(u"glyphs")->nodes.empty());
    // The live font behind a handle still answers, cached or not.
    ASSERT_EQ(RunBuffer(u"setFontTransform(f, 3, 0, 0)"), 0);
    EXPECT_FLOAT_EQ(real->spacing, 3);
}

}  // namespace
}  // namespace qor
