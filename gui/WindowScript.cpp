#include "gui/WindowScript.h"

extern "C" {
#include <lua.h>
}

#include "app/Game.h"
#include "engine/Log.h"
#include "engine/Script.h"
#include "engine/Strings.h"
#include "gui/GUI.h"
#include "gui/Window.h"

namespace qor {

namespace {

constexpr char kFillWindow[] = "FillWindow";

void CallFillWindow(lua_State* L, cWindow* window) {
    lua_getglobal(L, kFillWindow);
    if (!lua_isfunction(L, -1)) {
        lua_pop(L, 1);
        LogEntry(kLogWarning, u"CreateWindowFromScript", u"No FillWindow for window '%s'",
                 window->name);
        return;
    }
    lua_pushlightuserdata(L, window);
    if (lua_pcall(L, 1, 0, 0) != 0) {
        size_t size = 0;
        const char* message = lua_tolstring(L, -1, &size);
        const std::u16string text =
            message ? FromUtf8(std::string_view(message, size)) : u"(no message)";
        lua_pop(L, 1);
        LogEntry(kLogError, u"CreateWindowFromScript", u"FillWindow of '%s' failed: %s",
                 window->name, text);
    }
}

}  // namespace

cWindow* CreateWindowFromScript(const std::u16string& name,
                                std::unique_ptr<cWindowFunction> function,
                                const cPath& scriptPath) {
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    if (!gui)
        return nullptr;
    cWindow* window = gui->CreateWnd(name, std::move(function));
    if (lua_State* L = g_lua) {
        // A script that defines no FillWindow must not run the previous
        // window's one on this window.
        lua_pushnil(L);
        lua_setglobal(L, kFillWindow);
        const int top = lua_gettop(L);
        if (RunFile(scriptPath) == 0)
            CallFillWindow(L, window);
        lua_settop(L, top);
    }
    window->SendEvent(kWndLocaleChanged);
    window->SendEvent(kWndFilled);
    return window;
}

}  // namespace qor
