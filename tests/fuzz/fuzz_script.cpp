// Loads arbitrary bytes as a Lua chunk, both as script text and as a script
// file (whose "#" first line is skipped). Nothing may crash, and no chunk may
// load as bytecode: a loaded function must carry the name it was loaded under,
// never one stored in a precompiled chunk. Chunks are only loaded, never run.
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "engine/ScriptLoader.h"

namespace {

void CheckLoaded(lua_State* L, const uint8_t* data, size_t size, qor::eChunkSource source) {
    const int base = lua_gettop(L);
    const int rc = qor::LoadChunk(L, reinterpret_cast<const char*>(data), size, "=fuzz", source);
    if (lua_gettop(L) != base + 1)
        __builtin_trap();  // a function or a message, always one
    if (rc == 0) {
        if (!lua_isfunction(L, -1))
            __builtin_trap();
        lua_Debug info;
        lua_getinfo(L, ">S", &info);  // pops the function
        if (std::strcmp(info.source, "=fuzz") != 0)
            __builtin_trap();
    } else {
        if (!lua_isstring(L, -1))
            __builtin_trap();
        lua_pop(L, 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // No libraries are opened: nothing loaded here could reach the system. A
    // fresh state per input frees all it allocated, which spares the fuzzer a
    // leak search after every input.
    lua_State* L = luaL_newstate();
    CheckLoaded(L, data, size, qor::eChunkSource::kText);
    CheckLoaded(L, data, size, qor::eChunkSource::kFile);
    lua_close(L);
    return 0;
}
