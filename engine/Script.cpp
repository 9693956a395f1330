#include "engine/Script.h"

#include <cstdio>
#include <cstring>
#include <string>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>
}

#include "app/Game.h"
#include "engine/Console.h"
#include "engine/FileSystem.h"
#include "engine/Log.h"
#include "engine/ScriptLoader.h"
#include "engine/Strings.h"

namespace qor {

lua_State* g_lua = nullptr;

namespace {

std::u16string StackString(lua_State* L, int index) {
    size_t size = 0;
    const char* s = lua_tolstring(L, index, &size);
    if (!s)
        return lua_isnil(L, index) ? u"nil" : u"(error object is not a string)";
    return FromUtf8(std::string_view(s, size));
}

void RawGetGlobal(lua_State* L, const char* name) {
    // Raw access: a metatable on the globals table must not raise an error
    // outside a protected call.
    lua_pushstring(L, name);
    lua_rawget(L, LUA_GLOBALSINDEX);
}

int ScriptErrorReporter(lua_State* L) {
    LogEntry(kLogWarning, u"cScript", u"%s", StackString(L, -1));
    return 0;
}

int PrintSink(lua_State* L) {
    size_t size = 0;
    const char* s = lua_tolstring(L, -1, &size);
    if (!s || !g_game)
        return 0;
    const std::u16string text = FromUtf8(std::string_view(s, size));
    if (g_log && g_log->console())
        g_log->console()->Print(text);
    LogText(text);
    return 0;
}

void EmitPrinted(lua_State* L, const char* s, size_t size) {
    if (!s)
        luaL_error(L, "'input parameter' must be a string to 'qor_print'");
    RawGetGlobal(L, "_QOR_PRINT");
    if (lua_isfunction(L, -1)) {
        lua_pushlstring(L, s, size);
        lua_call(L, 1, 0);
    } else {
        lua_pop(L, 1);
        std::fwrite(s, 1, size, stdout);
    }
}

// print: every piece of output goes to _QOR_PRINT, so scripts print to the
// console and the log instead of a terminal nobody sees.
int Print(lua_State* L) {
    const int n = lua_gettop(L);
    lua_getglobal(L, "tostring");
    for (int i = 1; i <= n; ++i) {
        lua_pushvalue(L, -1);
        lua_pushvalue(L, i);
        lua_call(L, 1, 1);
        size_t size = 0;
        const char* s = lua_tolstring(L, -1, &size);
        if (!s)
            return luaL_error(L, "'tostring' must return a string to 'print'");
        if (i > 1)
            EmitPrinted(L, "\t", 1);
        EmitPrinted(L, s, size);
        lua_pop(L, 1);
    }
    EmitPrinted(L, "\n", 1);
    return 0;
}

int Panic(lua_State* L) {
    LogEntry(kLogError, u"cScript", u"unprotected error: %s", StackString(L, -1));
    return 0;
}

void OpenLibrary(lua_State* L, lua_CFunction open, const char* name) {
    lua_pushcfunction(L, open);
    lua_pushstring(L, name);
    lua_call(L, 1, 0);
}

void SetGlobalFunction(lua_State* L, const char* name, lua_CFunction f) {
    lua_pushstring(L, name);
    lua_pushcfunction(L, f);
    lua_rawset(L, LUA_GLOBALSINDEX);
}

}  // namespace

bool CreateScript() {
    if (g_lua) {
        LogEntry(kLogWarning, u"CreateScript", u"Script system already exists");
        return false;
    }
    lua_State* L = luaL_newstate();
    if (!L) {
        LogEntry(kLogWarning, u"CreateScript", u"Can't open Lua core.");
        return false;
    }
    lua_atpanic(L, Panic);
    OpenLibrary(L, luaopen_base, "");
    OpenLibrary(L, luaopen_package, LUA_LOADLIBNAME);
    OpenLibrary(L, luaopen_table, LUA_TABLIBNAME);
    OpenLibrary(L, luaopen_io, LUA_IOLIBNAME);
    OpenLibrary(L, luaopen_os, LUA_OSLIBNAME);
    OpenLibrary(L, luaopen_string, LUA_STRLIBNAME);
    OpenLibrary(L, luaopen_math, LUA_MATHLIBNAME);
    OpenLibrary(L, luaopen_debug, LUA_DBLIBNAME);

    SetGlobalFunction(L, "print", Print);
    InstallChunkLoaders(L);
    SetGlobalFunction(L, "_ALERT", ScriptErrorReporter);
    SetGlobalFunction(L, "_ERROR", ScriptErrorReporter);
    SetGlobalFunction(L, "_QOR_PRINT", PrintSink);
    // The package loaders for C libraries would load native code from any
    // path a script names; scripts only ever need Lua modules.
    lua_getglobal(L, "package");
    if (lua_istable(L, -1)) {
        lua_pushstring(L, "");
        lua_setfield(L, -2, "cpath");
    }
    lua_pop(L, 1);

    g_lua = L;
    LogEntry(kLogText, u"cScript", u"CreateScript: Ok");
    return true;
}

bool DestroyScript() {
    if (!g_lua) {
        LogEntry(kLogWarning, u"DestroyScript", u"Script system does not exist");
        return false;
    }
    lua_close(g_lua);
    g_lua = nullptr;
    LogEntry(kLogText, u"DestroyScript", u"Ok");
    return true;
}

int RunBuffer(std::u16string_view text) {
    if (text.empty() || !g_lua)
        return 0;
    lua_State* L = g_lua;
    const std::string chunk = ToUtf8(text);
    int status = LoadChunk(L, chunk.data(), chunk.size(), chunk.c_str(), eChunkSource::kText);
    if (status != 0) {
        lua_pop(L, 1);
        LogEntry(kLogWarning, u"cScript", u"Invalid buffer: %s", text);
        return status;
    }
    status = lua_pcall(L, 0, 0, 0);
    if (status != 0) {
        LogEntry(kLogWarning, u"cScript", u"%s", StackString(L, -1));
        lua_pop(L, 1);
        return status;
    }
    return 0;
}

int RunFile(const cPath& path) {
    std::u16string text;
    if (ReadTextFile(path, &text) != 0) {
        LogEntry(kLogWarning, u"cScript", u"luafile: error in file %s", path.full);
        return 1;
    }
    return RunBuffer(text);
}

float GetNumberGlobal(const char* name, float defaultValue) {
    if (!g_lua || !name)
        return defaultValue;
    RawGetGlobal(g_lua, name);
    const float value =
        lua_isnumber(g_lua, -1) ? static_cast<float>(lua_tonumber(g_lua, -1)) : defaultValue;
    lua_pop(g_lua, 1);
    return value;
}

std::u16string GetLocaleGlobal(std::u16string_view defaultValue) {
    if (!g_lua)
        return std::u16string(defaultValue);
    RawGetGlobal(g_lua, "currentLocale");
    std::u16string value(defaultValue);
    if (lua_isstring(g_lua, -1))
        value = StackString(g_lua, -1);
    lua_pop(g_lua, 1);
    return value;
}

bool GetRunWindowedGlobal(bool* out) {
    if (!g_lua)
        return false;
    RawGetGlobal(g_lua, "runWindowed");
    const bool found = lua_isboolean(g_lua, -1);
    if (found && out)
        *out = lua_toboolean(g_lua, -1) != 0;
    lua_pop(g_lua, 1);
    return found;
}

}  // namespace qor
