#pragma once
// The engine's GUI script functions, with which window scripts build their
// windows inside FillWindow(window): window flags, control creation and the
// property setters. Registered through the GUI hook of
// RegisterEngineScriptFunctions, in the order the scripts have always seen.
struct lua_State;

namespace qor {

void RegisterGuiScriptFunctions(lua_State* L);

}  // namespace qor
