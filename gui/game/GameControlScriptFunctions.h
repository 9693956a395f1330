#pragma once
// The game's control functions for window scripts: createAnimationCtrl,
// setAnimationCtrlTileset, createEditorToolbarCtrl, createTextAreaCtrl,
// createSectorCtrl, createCupCtrl and createProgressVertCtrl. Registered
// through the game-control hook of RegisterEngineScriptFunctions.
struct lua_State;

void RegisterGameControlScriptFunctions(lua_State* L);
