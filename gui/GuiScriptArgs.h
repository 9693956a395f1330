#pragma once
// Argument readers shared by the GUI and game-control script functions. A
// window script may pass anything: handles are accepted only when they are the
// address of a live window or control, and numbers are kept finite and within
// sizes the GUI can lay out.
#include <string>

#include "engine/SpriteBatch.h"

struct lua_State;

namespace qor {

class cCtrl;
class cWindow;

// No coordinate or size from a script goes beyond this many units.
inline constexpr float kMaxScriptCoordinate = 1.0e6f;
// A window holds at most this many controls; a script creating more is cut off.
inline constexpr int kMaxWindowControls = 4096;

// The live window or control at `index`; null (and a warning with `function`
// as sender) for nil, a value of another type or a stale handle.
cWindow* WindowArg(lua_State* L, int index, const char16_t* function);
cCtrl* CtrlArg(lua_State* L, int index, const char16_t* function);
// The control at argument 1 when it is of class T; a warning otherwise.
template <class T>
T* CtrlArgOf(lua_State* L, const char16_t* function);

// A number argument made finite and clamped to ±kMaxScriptCoordinate.
float CoordArg(lua_State* L, int index);
// {x, y, w, h}; missing or non-numeric fields read 0.
cRectF RectArg(lua_State* L, int index);
// {x, y}: the border width and height.
cVec2 BorderArg(lua_State* L, int index);
int FlagsArg(lua_State* L, int index);
bool BoolArg(lua_State* L, int index);
void WarnWrongKind(const char16_t* function);
// Pushes a control or window handle (nil for null); returns 1.
int PushHandle(lua_State* L, void* object);

template <class T>
T* CtrlArgOf(lua_State* L, const char16_t* function) {
    cCtrl* control = CtrlArg(L, 1, function);
    if (!control)
        return nullptr;
    T* typed = dynamic_cast<T*>(control);
    if (!typed)
        WarnWrongKind(function);
    return typed;
}

}  // namespace qor
