#include "gui/game/GameControlScriptFunctions.h"

extern "C" {
#include <lua.h>
}

#include "engine/ScriptArgs.h"
#include "engine/ScriptFunctions.h"
#include "gui/ScriptCreate.h"
#include "gui/game/AnimationCtrl.h"
#include "gui/game/CupCtrl.h"
#include "gui/game/EditorToolbarCtrl.h"
#include "gui/game/ProgressVertCtrl.h"
#include "gui/game/SectorCtrl.h"
#include "gui/game/TextAreaCtrl.h"

using namespace qor;

namespace {

int CreateAnimationFn(lua_State* L) {
    return CreateCtrl<cAnimationCtrl>(L, u"createAnimationCtrl");
}

int SetAnimationTilesetFn(lua_State* L) {
    if (auto* a = CtrlArgOf<cAnimationCtrl>(L, u"setAnimationCtrlTileset")) {
        a->SetTileset(ArgInt(L, 2, 1), ArgInt(L, 3, 1), static_cast<float>(ArgNumber(L, 4)));
    }
    return 0;
}

int CreateEditorToolbarFn(lua_State* L) {
    return CreateCtrl<cEditorToolbarCtrl>(L, u"createEditorToolbarCtrl");
}
int CreateTextAreaFn(lua_State* L) {
    return CreateCtrl<cTextAreaCtrl>(L, u"createTextAreaCtrl");
}
int CreateSectorFn(lua_State* L) {
    return CreateCtrl<cSectorCtrl>(L, u"createSectorCtrl");
}
int CreateCupFn(lua_State* L) {
    return CreateCtrl<cCupCtrl>(L, u"createCupCtrl");
}
int CreateProgressVertFn(lua_State* L) {
    return CreateCtrl<cProgressVertCtrl>(L, u"createProgressVertCtrl");
}

struct cNamedFunction {
    const char* name;
    lua_CFunction function;
};

// Do not reorder: the registration order is part of what scripts see.
constexpr cNamedFunction kGameControlFunctions[] = {
    {"createAnimationCtrl", CreateAnimationFn},
    {"setAnimationCtrlTileset", SetAnimationTilesetFn},
    {"createEditorToolbarCtrl", CreateEditorToolbarFn},
    {"createTextAreaCtrl", CreateTextAreaFn},
    {"createSectorCtrl", CreateSectorFn},
    {"createCupCtrl", CreateCupFn},
    {"createProgressVertCtrl", CreateProgressVertFn},
};

}  // namespace

void RegisterGameControlScriptFunctions(lua_State* L) {
    if (!L)
        return;
    for (const cNamedFunction& f : kGameControlFunctions) {
        RegisterScriptFunction(L, f.name, f.function);
    }
}
