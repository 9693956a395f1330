#include "engine/ScriptLoader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

namespace qor {

namespace {

constexpr char kBinaryChunkMark = '\x1B';  // first byte of LUA_SIGNATURE
// A script file is a few kilobytes; this only stops a device file or a huge
// file from being read into memory without end.
constexpr size_t kMaxScriptFile = 64u * 1024 * 1024;

int PushRefusal(lua_State* L) {
    lua_pushstring(L, "binary chunks are not accepted");
    return LUA_ERRSYNTAX;
}

// Reads a whole file (standard input when `name` is null) in one go, so that
// the bytes checked are the bytes loaded. On failure pushes Lua's own message.
bool ReadScriptFile(lua_State* L, const char* name, std::string* out) {
    FILE* f = name ? std::fopen(name, "rb") : stdin;
    if (!f) {
        lua_pushfstring(L, "cannot open %s: %s", name, std::strerror(errno));
        return false;
    }
    char piece[16 * 1024];
    size_t n = 0;
    bool tooLarge = false;
    while ((n = std::fread(piece, 1, sizeof piece, f)) > 0) {
        if (out->size() + n > kMaxScriptFile) {
            tooLarge = true;
            break;
        }
        out->append(piece, n);
    }
    const bool failed = std::ferror(f) != 0;
    const int error = errno;
    if (name)
        std::fclose(f);
    if (failed || tooLarge) {
        lua_pushfstring(L, "cannot read %s: %s", name ? name : "stdin",
                        tooLarge ? "file too large" : std::strerror(error));
        return false;
    }
    return true;
}

int LoadFileChunk(lua_State* L, const char* name) {
    std::string bytes;
    if (!ReadScriptFile(L, name, &bytes))
        return LUA_ERRFILE;
    const std::string chunkName = name ? std::string("@") + name : std::string("=stdin");
    return LoadChunk(L, bytes.data(), bytes.size(), chunkName.c_str(), eChunkSource::kFile);
}

// Pushes nil and the error message below it, as Lua's loaders report failure.
int LoadFailed(lua_State* L) {
    lua_pushnil(L);
    lua_insert(L, -2);
    return 2;
}

int LoadStringFunction(lua_State* L) {
    size_t size = 0;
    const char* s = luaL_checklstring(L, 1, &size);
    const char* chunkName = luaL_optstring(L, 2, s);
    if (LoadChunk(L, s, size, chunkName, eChunkSource::kText) != 0)
        return LoadFailed(L);
    return 1;
}

// load(reader): the pieces are gathered first and then loaded as one text.
int LoadFunction(lua_State* L) {
    luaL_checktype(L, 1, LUA_TFUNCTION);
    const char* chunkName = luaL_optstring(L, 2, "=(load)");
    lua_settop(L, 2);
    luaL_Buffer text;
    luaL_buffinit(L, &text);
    for (;;) {
        lua_pushvalue(L, 1);
        if (lua_pcall(L, 0, 1, 0) != 0)
            return LoadFailed(L);
        if (lua_isnil(L, -1)) {
            lua_pop(L, 1);
            break;
        }
        if (!lua_isstring(L, -1)) {
            lua_pop(L, 1);
            lua_pushstring(L, "reader function must return a string");
            return LoadFailed(L);
        }
        if (lua_objlen(L, -1) == 0) {
            lua_pop(L, 1);
            break;
        }
        luaL_addvalue(&text);
    }
    luaL_pushresult(&text);
    size_t size = 0;
    const char* s = lua_tolstring(L, -1, &size);
    if (LoadChunk(L, s, size, chunkName, eChunkSource::kText) != 0)
        return LoadFailed(L);
    return 1;
}

int LoadFileFunction(lua_State* L) {
    const char* name = luaL_optstring(L, 1, nullptr);
    if (LoadFileChunk(L, name) != 0)
        return LoadFailed(L);
    return 1;
}

int DoFileFunction(lua_State* L) {
    const char* name = luaL_optstring(L, 1, nullptr);
    const int base = lua_gettop(L);
    if (LoadFileChunk(L, name) != 0)
        return lua_error(L);
    lua_call(L, 0, LUA_MULTRET);
    return lua_gettop(L) - base;
}

// The search behind require's Lua searcher: the templates of package.path
// with "?" replaced by the module name (dots become folder separators). The
// first file that opens is loaded. Pushes the loaded chunk, or the list of
// files tried when none opens, and returns true; or pushes an error message
// and returns false. Raises no Lua error itself: an error would jump over the
// destructors of the strings here.
bool SearchLuaModule(lua_State* L, const char* module, const char* pathTemplates) {
    std::string name = module;
    for (char& c : name) {
        if (c == '.')
            c = '/';
    }
    const std::string path = pathTemplates;
    std::string tried;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(';', start);
        if (end == std::string::npos)
            end = path.size();
        std::string file = path.substr(start, end - start);
        start = end + 1;
        if (file.empty())
            continue;
        for (size_t q = file.find('?'); q != std::string::npos;
             q = file.find('?', q + name.size())) {
            file.replace(q, 1, name);
        }
        FILE* probe = std::fopen(file.c_str(), "rb");
        if (!probe) {
            tried += "\n\tno file '" + file + "'";
            continue;
        }
        std::fclose(probe);
        if (LoadFileChunk(L, file.c_str()) != 0) {
            lua_pushfstring(L, "error loading module '%s' from file '%s':\n\t%s", module,
                            file.c_str(), lua_tostring(L, -1));
            return false;
        }
        return true;
    }
    lua_pushlstring(L, tried.data(), tried.size());
    return true;
}

// require's searcher for Lua modules. Upvalue 1 is the package table.
int LuaModuleSearcher(lua_State* L) {
    const char* module = luaL_checkstring(L, 1);
    lua_getfield(L, lua_upvalueindex(1), "path");
    if (!lua_isstring(L, -1))
        return luaL_error(L, "'package.path' must be a string");
    if (!SearchLuaModule(L, module, lua_tostring(L, -1)))
        return lua_error(L);
    return 1;
}

void SetGlobalFunction(lua_State* L, const char* name, lua_CFunction f) {
    lua_pushstring(L, name);
    lua_pushcfunction(L, f);
    lua_rawset(L, LUA_GLOBALSINDEX);
}

}  // namespace

int LoadChunk(lua_State* L, const char* data, size_t size, const char* chunkName,
              eChunkSource source) {
    size_t start = 0;
    if (source == eChunkSource::kFile && size > 0 && data[0] == '#') {
        // The line break stays, so that line numbers remain the file's own.
        while (start < size && data[start] != '\n')
            ++start;
        if (start + 1 < size && data[start + 1] == kBinaryChunkMark)
            return PushRefusal(L);
    } else if (size > 0 && data[0] == kBinaryChunkMark) {
        return PushRefusal(L);
    }
    return luaL_loadbuffer(L, data + start, size - start, chunkName);
}

void InstallChunkLoaders(lua_State* L) {
    SetGlobalFunction(L, "loadstring", LoadStringFunction);
    SetGlobalFunction(L, "load", LoadFunction);
    SetGlobalFunction(L, "loadfile", LoadFileFunction);
    SetGlobalFunction(L, "dofile", DoFileFunction);
    lua_getglobal(L, "package");
    if (lua_istable(L, -1)) {
        lua_getfield(L, -1, "loaders");
        if (lua_istable(L, -1)) {
            lua_pushvalue(L, -2);  // the package table, for package.path
            lua_pushcclosure(L, LuaModuleSearcher, 1);
            lua_rawseti(L, -2, 2);  // the Lua file searcher; 1 is package.preload
        }
        lua_pop(L, 1);
    }
    lua_pop(L, 1);
}

}  // namespace qor
