#include "engine/ScriptTimeLimit.h"

#include <chrono>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "engine/Log.h"
#include "engine/Script.h"

namespace qor {

namespace {

using Clock = std::chrono::steady_clock;

// Instructions between two looks at the clock.
constexpr int kCheckEvery = 10000;

Clock::time_point s_deadline;
bool s_cutOff = false;

void CheckDeadline(lua_State* L, lua_Debug*) {
    if (Clock::now() < s_deadline)
        return;
    if (!s_cutOff) {
        s_cutOff = true;
        // From now on every instruction fails, so that a script catching the
        // error with pcall cannot go on looping.
        lua_sethook(L, CheckDeadline, LUA_MASKCOUNT, 1);
    }
    // Unwinds to the protected call of the script, which reports it.
    luaL_error(L, "the script ran too long and was stopped");
}

}  // namespace

int RunFileWithTimeLimit(const cPath& path, int milliseconds) {
    if (!g_lua)
        return RunFile(path);
    s_deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    s_cutOff = false;
    lua_sethook(g_lua, CheckDeadline, LUA_MASKCOUNT, kCheckEvery);
    int rc = RunFile(path);
    lua_sethook(g_lua, nullptr, 0, 0);
    if (s_cutOff) {
        LogEntry(kLogWarning, u"cScript", u"%s was stopped after %i ms", path.full,
                 static_cast<int32_t>(milliseconds));
        if (rc == 0)
            rc = LUA_ERRRUN;
    }
    return rc;
}

}  // namespace qor
