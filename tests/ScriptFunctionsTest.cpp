// The engine's script functions as data scripts see them: registration order
// with the hooks, the window title, localized strings, and that no argument a
// script passes can raise an error or reach a dead or foreign object.
#include "engine/ScriptFunctions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

extern "C" {
#include <lua.h>
}

#include "app/Game.h"
#include "app/Platform.h"
#include "engine/Atlas.h"
#include "engine/Console.h"
#include "engine/Font.h"
#include "engine/Log.h"
#include "engine/Path.h"
#include "engine/Script.h"
#include "engine/StringTable.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

const char* const kEngineFunctions[] = {
    "setWindowTitle",
    "setLocale",
    "changeLocale",
    "createFont",
    "initFont",
    "setFontTexture",
    "setFontTransform",
    "fillFont",
    "createTextureInfo",
    "addTextureInfoNode5f",
    "addTextureInfoNode4f",
    "addTextureInfoNode2f",
    "addTextureInfoNode4",
    "addTextureInfoNode3",
    "addTextureInfoNode5i",
    "addTextureInfoNode4i",
    "addTextureInfoNode2i",
    "setTextureNodeCount",
    "createTextureInfoEx",
    "addTextureInfoExNodes",
};

bool GlobalIsFunction(lua_State* L, const char* name) {
    lua_getglobal(L, name);
    const bool is = lua_isfunction(L, -1);
    lua_pop(L, 1);
    return is;
}

class ScriptFunctionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::UseTestSystemPaths();
        savedTitle = g_windowTitle;
        game = std::make_unique<cGame>();
    }
    void TearDown() override {
        ClearAtlasCaches();
        ClearFontCache();
        ClearStringTable();
        game.reset();
        g_windowTitle = savedTitle;
    }

    static std::u16string GlobalString(const char* name) {
        lua_getglobal(g_lua, name);
        size_t size = 0;
        const char* s = lua_tolstring(g_lua, -1, &size);
        std::u16string text = s ? FromUtf8(std::string_view(s, size)) : u"(not a string)";
        lua_pop(g_lua, 1);
        return text;
    }
    static double Global(const char* name) {
        lua_getglobal(g_lua, name);
        const double v = lua_tonumber(g_lua, -1);
        lua_pop(g_lua, 1);
        return v;
    }
    static int GlobalType(const char* name) {
        lua_getglobal(g_lua, name);
        const int type = lua_type(g_lua, -1);
        const int truth = lua_toboolean(g_lua, -1);
        lua_pop(g_lua, 1);
        return type == LUA_TBOOLEAN && truth ? kTrue : type;
    }
    static constexpr int kTrue = 100;

    std::unique_ptr<cGame> game;
    std::u16string savedTitle;
};

TEST_F(ScriptFunctionsTest, RegistersInOrderAroundTheHooks) {
    // What each hook sees tells where it runs in the pass.
    std::vector<std::string> seen;
    auto probe = [&seen](const char* hook) {
        return [&seen, hook](lua_State* L) {
            seen.push_back(std::string(hook) + (GlobalIsFunction(L, "fillFont") ? " fonts" : "") +
                           (GlobalIsFunction(L, "createTextureInfo") ? " atlas" : "") +
                           (GlobalIsFunction(L, "addTextureInfoExNodes") ? " ex" : ""));
        };
    };
    cScriptFunctionHooks hooks;
    hooks.registerGuiFunctions = probe("gui");
    hooks.registerSplashAndLoadingFunctions = probe("splash");
    hooks.registerGameControlFunctions = probe("game");
    EXPECT_FALSE(GlobalIsFunction(g_lua, "setWindowTitle"));
    ASSERT_TRUE(RegisterEngineScriptFunctions(hooks));
    EXPECT_EQ(seen, (std::vector<std::string>{"gui fonts", "splash fonts", "game fonts atlas ex"}));
    for (const char* name : kEngineFunctions)
        EXPECT_TRUE(GlobalIsFunction(g_lua, name)) << name;

    // Without hooks the pass works just the same.
    ASSERT_TRUE(RegisterEngineScriptFunctions());
}

TEST_F(ScriptFunctionsTest, DefinesTheAlignFlags) {
    ASSERT_TRUE(RegisterEngineScriptFunctions());
    const struct {
        const char16_t* name;
        int value;
    } flags[] = {{u"None", 0}, {u"Left", 1},    {u"Center", 2}, {u"Right", 4},
                 {u"Top", 8},  {u"Middle", 16}, {u"Bottom", 32}};
    for (const auto& flag : flags) {
        ASSERT_EQ(RunBuffer(u"v = align." + std::u16string(flag.name)), 0);
        EXPECT_EQ(Global("v"), flag.value) << ToUtf8(flag.name);
    }
}

TEST_F(ScriptFunctionsTest, StringTableStartsWithItsDefaultsAndSetLocaleReplaces) {
    ASSERT_TRUE(RegisterEngineScriptFunctions());
    for (const char16_t* key : {u"Ok", u"Cancel", u"Yes", u"No", u"Ignore", u"Abort", u"Help",
                                u"Information", u"Warning", u"Error", u"Player"}) {
        EXPECT_EQ(GetLocalizedText(key), key);
    }
    EXPECT_EQ(StringTableSize(), 11u);

    ASSERT_EQ(RunBuffer(u"r = setLocale('Yes', 'Ja')\n"
                        u"setLocale('GameTitle', 'Brindlemoor \u00e9dition')\n"
                        u"setLocale('GameTitle', 'Brindlemoor')\n"
                        u"setLocale('Count', 3)\n"),
              0);
    EXPECT_EQ(GlobalType("r"), kTrue);
    EXPECT_EQ(GetLocalizedText(u"Yes"), u"Ja");
    EXPECT_EQ(GetLocalizedText(u"GameTitle"), u"Brindlemoor");
    EXPECT_EQ(GetLocalizedText(u"Count"), u"3");

    // A key nobody defined reads empty and stays in the table.
    EXPECT_FALSE(HasLocalizedText(u"Level7"));
    EXPECT_EQ(GetLocalizedText(u"Level7"), u"");
    EXPECT_TRUE(HasLocalizedText(u"Level7"));

    ClearStringTable();
    EXPECT_EQ(GetLocalizedText(u"Yes"), u"Yes");
    EXPECT_FALSE(HasLocalizedText(u"GameTitle"));
    EXPECT_EQ(StringTableSize(), 11u);
}

TEST_F(ScriptFunctionsTest, SetWindowTitleKeepsAtMost254Characters) {
    ASSERT_TRUE(RegisterEngineScriptFunctions());
    const std::u16string smile = u"\U0001F600";  // two UTF-16 units
    const struct {
        std::u16string title;
        std::u16string expected;
    } cases[] = {
        {u"Brindlemoor", u"Brindlemoor"},
        {std::u16string(254, u'x'), std::u16string(254, u'x')},
        {std::u16string(300, u'y'), std::u16string(254, u'y')},
        // A pair cut in half would be a broken character: it goes whole.
        {std::u16string(253, u'z') + smile, std::u16string(253, u'z')},
        {std::u16string(252, u'z') + smile + u"!", std::u16string(252, u'z') + smile},
    };
    for (const auto& c : cases) {
        lua_pushstring(g_lua, ToUtf8(c.title).c_str());
        lua_setglobal(g_lua, "t");
        ASSERT_EQ(RunBuffer(u"r = setWindowTitle(t)"), 0);
        EXPECT_EQ(g_windowTitle, c.expected);
        EXPECT_EQ(GlobalType("r"), kTrue);
    }
    // Without the engine core nothing changes.
    g_windowTitle = u"before";
    cGame* const core = g_game;
    g_game = nullptr;
    const int status = RunBuffer(u"setWindowTitle('after') changeLocale('ja')");
    g_game = core;
    EXPECT_EQ(status, 0);
    EXPECT_EQ(g_windowTitle, u"before");
    EXPECT_EQ(game->locale, u"");
}

TEST_F(ScriptFunctionsTest, ChangeLocaleSwitchesTheGameLocale) {
    test::cTempFolder data;
    test::WriteUtf16File(data.path() / "conf/locale_ja.lua", u"setLocale('Hello', '\u3053\u3093\u306b\u3061\u306f')");
    test::WriteUtf16File(data.path() / "conf/locale_en.lua", u"setLocale('Hello', 'Hello')");
    const cSystemPaths saved = GetSystemPaths();
    test::UseTestSystemPaths(data);
    ASSERT_TRUE(RegisterEngineScriptFunctions());
    ASSERT_EQ(RunBuffer(u"r = changeLocale('ja')"), 0);
    EXPECT_EQ(GlobalType("r"), kTrue);
    EXPECT_EQ(game->locale, u"ja");
    EXPECT_TRUE(game->cjkLocale);
    EXPECT_EQ(GetLocalizedText(u"Hello"), u"\u3053\u3093\u306b\u3061\u306f");
    ASSERT_EQ(RunBuffer(u"changeLocale('en')"), 0);
    EXPECT_EQ(game->locale, u"en");
    EXPECT_FALSE(game->cjkLocale);
    SetSystemPaths(saved);
}

// Every function with arguments of every wrong kind, hostile tables and
// numbers no int can hold: none may raise an error.
TEST_F(ScriptFunctionsTest, NoArgumentRaisesAnError) {
    ASSERT_TRUE(RegisterEngineScriptFunctions());
    AddTexture(u"sheet", [] {
        cImage image;
        image.Create(kImageRGBA32, 8, 8);
        return image;
    }());
    std::u16string script =
        u"local font = createFont('f')\n"
        u"local atlas = createTextureInfo('sheet')\n"
        u"local ex = createTextureInfoEx('ex')\n"
        u"local trap = setmetatable({}, {__index = function() error('trap') end,\n"
        u"                                __len = function() error('trap') end})\n"
        u"local argSets = {\n"
        u"  {}, {nil, nil, nil}, {1, 2, 3, 4, 5, 6}, {'a', 'b', 'c', 'd', 'e', 'f'},\n"
        u"  {{}, {}, {}, {}, {}, {}}, {true, false, true}, {print, print, print},\n"
        u"  {0/0, 1/0, -1/0, 1e300, -1e300, 2^31},\n"
        u"  {font, font, font, font, font}, {atlas, 'n', trap, 1e9, 1e9, 0/0},\n"
        u"  {atlas, 'n', {x=0/0, y=1/0, w='w', h={}}, -1e300, 2^40, 'fps'},\n"
        u"  {ex, 'sheet', {trap, {u=trap}, 7}, 0/0}, {font, {trap, {ch=trap}, {ch={}}}},\n"
        u"  {atlas, 'n', 3e9}, {font, 'face', 'style', 1e300, 0/0},\n"
        u"  {coroutine.create(function() end), io.stdout},\n"
        u"}\n"
        u"failures = ''\n"
        u"for _, name in ipairs(names) do\n"
        u"  for i, args in ipairs(argSets) do\n"
        u"    local ok, err = pcall(_G[name], unpack(args, 1, 6))\n"
        u"    if not ok then failures = failures .. name .. '#' .. i .. ': ' .. tostring(err) .. "
        u"'\\n' end\n"
        u"  end\n"
        u"end\n";
    lua_newtable(g_lua);
    int i = 1;
    for (const char* name : kEngineFunctions) {
        lua_pushstring(g_lua, name);
        lua_rawseti(g_lua, -2, i++);
    }
    lua_setglobal(g_lua, "names");
    ASSERT_EQ(RunBuffer(script), 0) << ToUtf8(g_log->console()->lines().back());
    EXPECT_EQ(GlobalString("failures"), u"");
    // The engine is still sound afterwards.
    ASSERT_EQ(
        RunBuffer(u"n = addTextureInfoNode2f(createTextureInfo('sheet'), 'after', {w=1, h=1})"), 0);
    EXPECT_EQ(GetNode(*FindTextureInfo(u"sheet"), static_cast<int>(Global("n"))).name, u"after");
}

TEST_F(ScriptFunctionsTest, AtlasFunctionsRefuseHandlesThatAreNotLiveAtlases) {
    ASSERT_TRUE(RegisterEngineScriptFunctions());
    ASSERT_EQ(RunBuffer(u"atlas = createTextureInfo('live')\n"
                        u"ex = createTextureInfoEx('liveEx')\n"
                        u"font = createFont('f')\n"
                        u"dead = createTextureInfo('dead')\n"
                        u"deadEx = createTextureInfoEx('deadEx')\n"),
              0);
    const cTextureInfoRef live = FindTextureInfo(u"live");
    const cTextureInfoExRef liveEx = FindTextureInfoEx(u"liveEx");
    ClearAtlasCaches();  // "dead" and "deadEx" go; the live ones are held here

    const struct {
        const char16_t* handle;
        const char16_t* exHandle;
    } cases[] = {
        {u"font", u"font"}, {u"dead", u"deadEx"},     {u"ex", u"atlas"},
        {u"42", u"42"},     {u"'live'", u"'liveEx'"}, {u"nil", u"nil"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.handle));
        const std::u16string h(c.handle), e(c.exHandle);
        ASSERT_EQ(RunBuffer(u"local r = {x=0, y=0, w=1, h=1}\n"
                            u"results = table.concat({\n"
                            u"  addTextureInfoNode5f(" +
                            h +
                            u", 'n', r, 1, 1, 5),\n"
                            u"  addTextureInfoNode4f(" +
                            h +
                            u", 'n', r, 1, 1),\n"
                            u"  addTextureInfoNode2f(" +
                            h +
                            u", 'n', r),\n"
                            u"  addTextureInfoNode4(" +
                            h +
                            u", 'n', 1, 1, 5),\n"
                            u"  addTextureInfoNode3(" +
                            h +
                            u", 'n', 1, 1),\n"
                            u"  addTextureInfoNode5i(" +
                            h +
                            u", 'n', r, 1, 1, 5),\n"
                            u"  addTextureInfoNode4i(" +
                            h +
                            u", 'n', r, 1, 1),\n"
                            u"  addTextureInfoNode2i(" +
                            h +
                            u", 'n', r),\n"
                            u"  addTextureInfoExNodes(" +
                            e +
                            u", 'tex', {{w=1}}, 5),\n"
                            u"}, ',')\n"
                            u"nothing = setTextureNodeCount(" +
                            h + u", 'n', 3)\n"),
                  0);
        EXPECT_EQ(GlobalString("results"), u"-1,-1,-1,-1,-1,-1,-1,-1,1");
        EXPECT_EQ(GlobalType("nothing"), LUA_TNIL);
    }
    EXPECT_TRUE(live->nodes.empty());
    EXPECT_EQ(liveEx->FrameCount(), 0);

    // The live handles, no longer cached, still reach their atlases.
    ASSERT_EQ(RunBuffer(u"a = addTextureInfoNode3(atlas, 'ok', 2, 1)\n"
                        u"b = addTextureInfoExNodes(ex, 'tex', {{w=1}, {w=2}}, 5)\n"),
              0);
    EXPECT_EQ(Global("a"), 0);
    EXPECT_EQ(Global("b"), 0);
    EXPECT_EQ(live->nodes.size(), 1u);
    EXPECT_EQ(liveEx->FrameCount(), 2);
}

}  // namespace
}  // namespace qor
