#pragma once
// The engine's native functions for data scripts: window title, localized
// strings, fonts and texture atlases. Other modules register their own
// functions (GUI, splash and loading lists, game controls) in the same pass
// through the hooks, so that every global exists in one fixed order.
#include <functional>

struct lua_State;

namespace qor {

// The align flags for text and controls, defined as a Lua global table.
inline constexpr char16_t kAlignSnippet[] =
    u"align = { None = 0x00, Left = 0x01, Center = 0x02, Right = 0x04, Top = 0x08, "
    u"Middle = 0x10, Bottom = 0x20 }";

struct cScriptFunctionHooks {
    // After the font functions: setWndActive, createCtrl and the rest.
    std::function<void(lua_State*)> registerGuiFunctions;
    // Before the atlas functions: the splash and loading-list functions.
    std::function<void(lua_State*)> registerSplashAndLoadingFunctions;
    // Last: the game's own control functions.
    std::function<void(lua_State*)> registerGameControlFunctions;
};

// Runs the align snippet and registers every function on g_lua, calling the
// hooks at their places. False without a script host.
bool RegisterEngineScriptFunctions(const cScriptFunctionHooks& hooks = {});

// Sets a global function without metamethods (for the hooks as well).
void RegisterScriptFunction(lua_State* L, const char* name, int (*function)(lua_State*));

}  // namespace qor
