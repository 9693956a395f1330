#include "gui/GuiScriptArgs.h"

#include <algorithm>
#include <cmath>

extern "C" {
#include <lua.h>
}

#include "engine/Log.h"
#include "engine/ScriptArgs.h"
#include "gui/Ctrl.h"
#include "gui/Window.h"

namespace qor {

namespace {

float Finite(double value) {
    if (std::isnan(value))
        return 0.0f;
    return static_cast<float>(
        std::clamp<double>(value, -kMaxScriptCoordinate, kMaxScriptCoordinate));
}

}  // namespace

cWindow* WindowArg(lua_State* L, int index, const char16_t* function) {
    cWindow* window = ArgHandle<cWindow>(L, index);
    if (!window)
        LogEntry(kLogWarning, function, u"Unknown window handle");
    return window;
}

cCtrl* CtrlArg(lua_State* L, int index, const char16_t* function) {
    cCtrl* control = ArgHandle<cCtrl>(L, index);
    if (!control)
        LogEntry(kLogWarning, function, u"Unknown control handle");
    return control;
}

void WarnWrongKind(const char16_t* function) {
    LogEntry(kLogWarning, function, u"The control has no such property");
}

float CoordArg(lua_State* L, int index) {
    return Finite(ArgNumber(L, index));
}

cRectF RectArg(lua_State* L, int index) {
    return {Finite(FieldNumber(L, index, "x")), Finite(FieldNumber(L, index, "y")),
            Finite(FieldNumber(L, index, "w")), Finite(FieldNumber(L, index, "h"))};
}

cVec2 BorderArg(lua_State* L, int index) {
    return {Finite(FieldNumber(L, index, "x")), Finite(FieldNumber(L, index, "y"))};
}

int FlagsArg(lua_State* L, int index) {
    return ArgInt(L, index);
}

bool BoolArg(lua_State* L, int index) {
    return lua_toboolean(L, index) != 0;
}

int PushHandle(lua_State* L, void* object) {
    if (object) {
        lua_pushlightuserdata(L, object);
    } else {
        lua_pushnil(L);
    }
    return 1;
}

}  // namespace qor
