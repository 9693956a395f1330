#include "engine/Script.h"

#include <gtest/gtest.h>

extern "C" {
#include <lua.h>
}

#include "app/Game.h"
#include "engine/Console.h"
#include "engine/Log.h"
#include "engine/Path.h"
#include "engine/Strings.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

// The script host lives inside a real cGame, as in the game.
class ScriptTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::UseTestSystemPaths();
        game = std::make_unique<cGame>();
        ASSERT_NE(g_lua, nullptr);
    }
    void TearDown() override { game.reset(); }

    std::u16string ConsoleText() const {
        std::u16string all;
        for (const auto& line : g_log->console()->lines())
            all += line + u"\n";
        return all;
    }
    double Number(const char* name) const {
        lua_getglobal(g_lua, name);
        const double v = lua_tonumber(g_lua, -1);
        lua_pop(g_lua, 1);
        return v;
    }

    std::unique_ptr<cGame> game;
};

TEST_F(ScriptTest, RunsFilesAndBuffersAndKeepsGlobals) {
    test::cTempFolder dir;
    test::WriteUtf16File(dir.path() / "a.lua", u"counter = 41 name = '\u00e9t\u00e9'");
    EXPECT_EQ(RunFile(cPath(dir.u16("a.lua"))), 0);
    EXPECT_EQ(RunBuffer(u"counter = counter + 1"), 0);
    EXPECT_EQ(Number("counter"), 42);
    EXPECT_EQ(RunBuffer(u""), 0);
}

TEST_F(ScriptTest, ErrorsAreLoggedAndNeverStopTheProgram) {
    test::cTempFolder dir;
    test::WriteBytes(dir.path() / "utf8.lua", "counter = 5");
    EXPECT_EQ(RunFile(cPath(dir.u16("utf8.lua"))), 1);
    EXPECT_NE(RunFile(cPath(dir.u16("missing.lua"))), 0);
    EXPECT_NE(RunBuffer(u"x = = 1"), 0);
    EXPECT_NE(RunBuffer(u"error('boom')"), 0);
    EXPECT_NE(RunBuffer(u"error({})"), 0);
    EXPECT_NE(RunBuffer(u"local t = nil; t.x = 1"), 0);

    const std::u16string log = test::ReadLog();
    EXPECT_NE(log.find(u"luafile: error in file " + dir.u16("utf8.lua")), std::u16string::npos);
    EXPECT_NE(log.find(u"Invalid buffer: x = = 1"), std::u16string::npos);
    EXPECT_NE(log.find(u"boom"), std::u16string::npos);
    EXPECT_EQ(RunBuffer(u"ok = 1"), 0);  // the state is still usable
}

TEST_F(ScriptTest, PrecompiledChunksAreRefusedEverywhere) {
    EXPECT_NE(RunBuffer(u"\x1bLuaQ\x00\x01\x04\x08"), 0);
    // Every loader a script can reach refuses bytecode too.
    EXPECT_EQ(RunBuffer(u"local f = function() return 1 end\n"
                        u"local dumped = string.dump(f)\n"
                        u"local a, ea = loadstring(dumped)\n"
                        u"local done = false\n"
                        u"local b, eb = load(function() if done then return nil end done = true "
                        u"return dumped end)\n"
                        u"refused = (a == nil and b == nil) and 1 or 0"),
              0);
    EXPECT_EQ(Number("refused"), 1);
    EXPECT_EQ(RunBuffer(u"local f = loadstring('return 7') seven = f()"), 0);
    EXPECT_EQ(Number("seven"), 7);
}

// A "#" first line is skipped in script files, as Lua does; what follows it must
// still never be taken as bytecode, whichever loader a script calls.
TEST_F(ScriptTest, BytecodeAfterAHashLineIsRefusedByEveryLoader) {
    test::cTempFolder dir;
    const std::string folder = dir.path().string();
    ASSERT_EQ(RunBuffer(u"folder = '" + FromUtf8(folder) + u"'"), 0);
    EXPECT_EQ(
        RunBuffer(
            u"local dumped = string.dump(function() return 42 end)\n"
            u"local function put(name, bytes)\n"
            u"  local f = assert(io.open(folder .. '/' .. name, 'wb'))\n"
            u"  f:write(bytes) f:close()\n"
            u"end\n"
            u"put('hashbin.lua', '#!/usr/bin/env lua\\n' .. dumped)\n"
            u"put('bin.lua', dumped)\n"
            u"put('hashtext.lua', '#!/usr/bin/env lua\\nreturn 7, debug.getinfo(1, "
            u"\"l\").currentline')\n"
            u"package.path = folder .. '/?.lua'\n"
            u"local function refused(f, err)\n"
            u"  return f == nil and tostring(err):find('binary chunks are not accepted', 1, true) "
            u"~= nil\n"
            u"end\n"
            u"local function refusedCall(ok, err) return refused(ok or nil, err) end\n"
            u"local function pieces(text)\n"
            u"  local done = false\n"
            u"  return function() if done then return nil end done = true return text end\n"
            u"end\n"
            u"results = {\n"
            u"  loadfile = refused(loadfile(folder .. '/hashbin.lua')),\n"
            u"  loadfilePlain = refused(loadfile(folder .. '/bin.lua')),\n"
            u"  dofile = refusedCall(pcall(dofile, folder .. '/hashbin.lua')),\n"
            u"  require = refusedCall(pcall(require, 'hashbin')),\n"
            u"  requirePlain = refusedCall(pcall(require, 'bin')),\n"
            u"  loadstring = loadstring('#!x\\n' .. dumped) == nil and "
            u"refused(loadstring(dumped)),\n"
            u"  load = load(pieces('#!x\\n' .. dumped)) == nil and refused(load(pieces(dumped))),\n"
            u"}\n"
            u"textValue, textLine = dofile(folder .. '/hashtext.lua')\n"
            u"requiredValue = require('hashtext')\n"
            u"missing = select(2, pcall(require, 'no.such'))\n"),
        0);
    for (const char* route :
         {"loadfile", "loadfilePlain", "dofile", "require", "requirePlain", "loadstring", "load"}) {
        lua_getglobal(g_lua, "results");
        lua_getfield(g_lua, -1, route);
        EXPECT_TRUE(lua_toboolean(g_lua, -1)) << route;
        lua_pop(g_lua, 2);
    }
    // Text after a "#" line still loads, with the file's own line numbers.
    EXPECT_EQ(Number("textValue"), 7);
    EXPECT_EQ(Number("textLine"), 2);
    EXPECT_EQ(Number("requiredValue"), 7);
    lua_getglobal(g_lua, "missing");
    EXPECT_NE(std::string(lua_tostring(g_lua, -1)).find("no file '" + folder + "/no/such.lua'"),
              std::string::npos);
    lua_pop(g_lua, 1);
}

TEST_F(ScriptTest, PrintGoesToTheSinkPieceByPiece) {
    EXPECT_EQ(RunBuffer(u"pieces = {} _QOR_PRINT = function(s) pieces[#pieces + 1] = s end "
                        u"print('a', 1) print() n = #pieces joined = table.concat(pieces, '|')"),
              0);
    EXPECT_EQ(Number("n"), 5);
    lua_getglobal(g_lua, "joined");
    EXPECT_STREQ(lua_tostring(g_lua, -1), "a|\t|1|\n|\n");
    lua_pop(g_lua, 1);
}

TEST_F(ScriptTest, PrintedTextReachesConsoleAndLogAsAFormat) {
    EXPECT_EQ(RunBuffer(u"print('hello', 'world 50%') print('gone %d here')"), 0);
    const std::u16string console = ConsoleText();
    EXPECT_NE(console.find(u"hello\tworld 50\n"), std::u16string::npos);
    EXPECT_NE(console.find(u"gone  here"), std::u16string::npos);
    EXPECT_NE(test::ReadLog().find(u"hello\tworld 50<br />"), std::u16string::npos);
    // With a sink that is not a function, print falls back to standard output.
    EXPECT_EQ(RunBuffer(u"_QOR_PRINT = 5 print('to stdout')"), 0);
}

TEST_F(ScriptTest, ReadsTheConfigurationGlobals) {
    bool windowed = false;
    EXPECT_FALSE(GetRunWindowedGlobal(&windowed));
    RunBuffer(u"runWindowed = 1");
    EXPECT_FALSE(GetRunWindowedGlobal(&windowed));
    RunBuffer(u"runWindowed = true");
    EXPECT_TRUE(GetRunWindowedGlobal(&windowed));
    EXPECT_TRUE(windowed);

    EXPECT_FLOAT_EQ(GetNumberGlobal("soundVolume", 0.5f), 0.5f);
    RunBuffer(u"soundVolume = '0.3' musicVolume = 'loud'");
    EXPECT_FLOAT_EQ(GetNumberGlobal("soundVolume", 0.5f), 0.3f);
    EXPECT_FLOAT_EQ(GetNumberGlobal("musicVolume", 0.5f), 0.5f);

    EXPECT_EQ(GetLocaleGlobal(u"en"), u"en");
    RunBuffer(u"currentLocale = 'de'");
    EXPECT_EQ(GetLocaleGlobal(u"en"), u"de");
    // A hostile metatable on the globals cannot break reads from the engine.
    RunBuffer(u"setmetatable(_G, {__index = function() error('no') end})");
    EXPECT_FLOAT_EQ(GetNumberGlobal("undefinedThing", 2.0f), 2.0f);
}

TEST_F(ScriptTest, SettingsScriptRunsWhenTheGameStarts) {
    game.reset();
    const std::string conf = ToUtf8(GetSystemPaths().appPath) + "/conf/settings.lua";
    test::WriteUtf16File(conf, u"runWindowed = true\nsoundVolume = 0.25\n");
    game = std::make_unique<cGame>();
    bool windowed = false;
    EXPECT_TRUE(GetRunWindowedGlobal(&windowed) && windowed);
    EXPECT_FLOAT_EQ(GetNumberGlobal("soundVolume", 0.5f), 0.25f);
    std::filesystem::remove(conf);
}

TEST_F(ScriptTest, CreateAndDestroyRefuseTwice) {
    EXPECT_FALSE(CreateScript());
    EXPECT_TRUE(DestroyScript());
    EXPECT_FALSE(DestroyScript());
    EXPECT_EQ(RunBuffer(u"x = 1"), 0);  // no state: nothing runs, nothing crashes
    EXPECT_TRUE(CreateScript());
    const std::u16string log = test::ReadLog();
    EXPECT_NE(log.find(u"Script system already exists"), std::u16string::npos);
    EXPECT_NE(log.find(u"Script system does not exist"), std::u16string::npos);
}

}  // namespace
}  // namespace qor
