#pragma once
// Every Lua chunk the game loads, from the engine or from a script (loadstring,
// load, loadfile, dofile, require), passes through LoadChunk. Precompiled
// chunks are refused there: Lua 5.1 does not verify bytecode, so a crafted one
// can corrupt memory, and no game file is ever precompiled.
#include <cstddef>

struct lua_State;

namespace qor {

enum class eChunkSource {
    kText,  // script text handed over as a string
    kFile,  // a file's bytes: a first line starting with "#" is skipped
};

// Pushes the loaded function and returns 0, or pushes an error message and
// returns a Lua load status. The bytes are used as they are: nothing is read
// again between the check and the load.
int LoadChunk(lua_State* L, const char* data, size_t size, const char* chunkName,
              eChunkSource source);

// Replaces the base library's loaders and require's Lua file searcher by ones
// that load through LoadChunk. The package library must be open.
void InstallChunkLoaders(lua_State* L);

}  // namespace qor
