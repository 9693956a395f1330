#pragma once
// Script functions for the splash (setSplashBackColor, addSplashNode,
// addSplashNodeImage) and for the loading lists (loadTextures,
// updateTextures, excludeFromCompression, loadSounds, loadStream, loadSound).
// Registered through the splash-and-loading hook of
// RegisterEngineScriptFunctions. Like every engine function they never raise
// a Lua error, and they accept only handles of a live splash or splash step.
#include <string>
#include <string_view>
#include <vector>

#include "engine/Path.h"

struct lua_State;

namespace qor {

void RegisterSplashAndLoadingScriptFunctions(lua_State* L);

// Reloads, in place, the cached texture named after every picture directly in
// the folder (png, jpg, pvr) from that file; a name not cached yet is added.
// False when the path is not a folder. Switching the locale uses it for the
// localized pictures and fonts.
bool ReloadFolderTextures(const cPath& folder);

// The names excludeFromCompression recorded, in the order given, each once.
const std::vector<std::u16string>& CompressionExclusions();
bool IsExcludedFromCompression(std::u16string_view name);
void ClearCompressionExclusions();

}  // namespace qor
