#pragma once
// The engine's single Lua 5.1 state. Configuration, window definitions, locale
// tables, atlas and font descriptions are Lua scripts run from UTF-16 files;
// they call back into the engine through registered functions.
#include <string>
#include <string_view>

#include "engine/Path.h"

struct lua_State;

namespace qor {

extern lua_State* g_lua;

bool CreateScript();
bool DestroyScript();

// 0 on success; otherwise the Lua load or call status (RunFile: 1 when the file
// cannot be read). Errors are logged, never thrown; scripts that begin with the
// byte 27 (precompiled chunks) are refused as load failures.
int RunFile(const cPath& path);
int RunBuffer(std::u16string_view text);

float GetNumberGlobal(const char* name, float defaultValue);
std::u16string GetLocaleGlobal(std::u16string_view defaultValue);
bool GetRunWindowedGlobal(bool* out);

}  // namespace qor
