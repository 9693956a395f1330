#include "gui/GuiScriptFunctions.h"

extern "C" {
#include <lua.h>
}

#include "engine/Log.h"
#include "engine/ScriptArgs.h"
#include "engine/ScriptFunctions.h"
#include "gui/ButtonCtrl.h"
#include "gui/CheckBoxCtrl.h"
#include "gui/EditCtrl.h"
#include "gui/FrameCtrl.h"
#include "gui/GuiScriptArgs.h"
#include "gui/ImageCtrl.h"
#include "gui/ImageListCtrl.h"
#include "gui/LabelCtrl.h"
#include "gui/LinkCtrl.h"
#include "gui/ListSysCtrl.h"
#include "gui/ProgressBarCtrl.h"
#include "gui/ScriptCreate.h"
#include "gui/SliderCtrl.h"
#include "gui/TextBoxCtrl.h"
#include "gui/Window.h"

namespace qor {

namespace {

// ---- windows ----

int SetWndActiveFn(lua_State* L) {
    if (cWindow* window = WindowArg(L, 1, u"setWndActive"))
        window->active = BoolArg(L, 2);
    return 0;
}

int SetWndModalFn(lua_State* L) {
    if (cWindow* window = WindowArg(L, 1, u"setWndModal"))
        window->modal = BoolArg(L, 2);
    return 0;
}

// ---- common properties ----

int SetCtrlRectFn(lua_State* L) {
    if (cCtrl* c = CtrlArg(L, 1, u"setCtrlRect")) {
        const cRectF r = RectArg(L, 2);
        c->SetRect(r.x, r.y, r.w, r.h, FlagsArg(L, 3));
    }
    return 0;
}

int SetCtrlUVRectFn(lua_State* L) {
    if (cCtrl* c = CtrlArg(L, 1, u"setCtrlUVRect")) {
        const cRectF r = RectArg(L, 2);
        c->SetUVRect(r.x, r.y, r.w, r.h, FlagsArg(L, 3));
    }
    return 0;
}

int SetCtrlFrameFn(lua_State* L) {
    if (cCtrl* c = CtrlArg(L, 1, u"setCtrlFrame")) {
        const cRectF r = RectArg(L, 2);
        const cVec2 b = BorderArg(L, 3);
        c->SetFrame(r.x, r.y, r.w, r.h, b.x, b.y, FlagsArg(L, 4));
    }
    return 0;
}

int SetCtrlUVFrameFn(lua_State* L) {
    if (cCtrl* c = CtrlArg(L, 1, u"setCtrlUVFrame")) {
        const cRectF r = RectArg(L, 2);
        const cVec2 b = BorderArg(L, 3);
        c->SetUVFrame(r.x, r.y, r.w, r.h, b.x, b.y, FlagsArg(L, 4));
    }
    return 0;
}

int ShowCtrlFn(lua_State* L) {
    if (cCtrl* c = CtrlArg(L, 1, u"showCtrl"))
        c->Show(BoolArg(L, 2));
    return 0;
}

int EnableCtrlFn(lua_State* L) {
    if (cCtrl* c = CtrlArg(L, 1, u"enableCtrl"))
        c->Enable(BoolArg(L, 2));
    return 0;
}

int IgnoreCtrlFn(lua_State* L) {
    if (cCtrl* c = CtrlArg(L, 1, u"ignoreCtrl"))
        c->Ignore(BoolArg(L, 2));
    return 0;
}

int SetCtrlTextureFn(lua_State* L) {
    if (cCtrl* c = CtrlArg(L, 1, u"setCtrlTexture"))
        c->SetTexture(ArgString(L, 2), FlagsArg(L, 3));
    return 0;
}

int SetCtrlColorFn(lua_State* L) {
    if (cCtrl* c = CtrlArg(L, 1, u"setCtrlColor")) {
        c->SetColor(static_cast<float>(ArgNumber(L, 2)), static_cast<float>(ArgNumber(L, 3)),
                    static_cast<float>(ArgNumber(L, 4)), FlagsArg(L, 5));
    }
    return 0;
}

int SetCtrlTextFn(lua_State* L) {
    if (cCtrl* c = CtrlArg(L, 1, u"setCtrlText"))
        c->SetText(ArgString(L, 2));
    return 0;
}

int SetCtrlFontFn(lua_State* L) {
    if (cCtrl* c = CtrlArg(L, 1, u"setCtrlFont"))
        c->SetFont(ArgString(L, 2));
    return 0;
}

int SetCtrlAlignFn(lua_State* L) {
    if (cCtrl* c = CtrlArg(L, 1, u"setCtrlAlign"))
        c->SetAlign(FlagsArg(L, 2), FlagsArg(L, 3));
    return 0;
}

// ---- class properties ----

// Frames and buttons share one call: the boolean each adds first.
int SetFrameOrButtonFlagFn(lua_State* L) {
    constexpr const char16_t* kName = u"drawFrameCtrlInnerRect";
    cCtrl* c = CtrlArg(L, 1, kName);
    if (!c)
        return 0;
    if (auto* frame = dynamic_cast<cFrameCtrl*>(c)) {
        frame->SetDrawInner(BoolArg(L, 2));
    } else if (auto* button = dynamic_cast<cButtonSysCtrl*>(c)) {
        button->SetSingleFrame(BoolArg(L, 2));
    } else {
        WarnWrongKind(kName);
    }
    return 0;
}

int SetSliderMinMaxFn(lua_State* L) {
    if (auto* s = CtrlArgOf<cSliderCtrl>(L, u"setSliderCtrlMinMax")) {
        s->SetMinMax(CoordArg(L, 2), CoordArg(L, 3));
    }
    return 0;
}

int SetSliderVerticalFn(lua_State* L) {
    if (auto* s = CtrlArgOf<cSliderCtrl>(L, u"setSliderCtrlVertical"))
        s->SetVertical(BoolArg(L, 2));
    return 0;
}

int SetEditMaxLengthFn(lua_State* L) {
    if (auto* e = CtrlArgOf<cEditCtrl>(L, u"setEditCtrlMaxLength"))
        e->SetMaxLength(ArgInt(L, 2));
    return 0;
}

int SetListMultiselectFn(lua_State* L) {
    if (auto* list = CtrlArgOf<cListCtrl>(L, u"setListSysCtrlMultiselect")) {
        list->SetMultiselect(BoolArg(L, 2));
    }
    return 0;
}

// ---- creation ----

int CreateCtrlFn(lua_State* L) {
    return CreateCtrl<cCtrl>(L, u"createCtrl");
}
int CreateImageFn(lua_State* L) {
    return CreateCtrl<cImageCtrl>(L, u"createImageCtrl");
}
int CreateLabelFn(lua_State* L) {
    return CreateCtrl<cLabelCtrl>(L, u"createLabelCtrl");
}
int CreateFrameFn(lua_State* L) {
    return CreateCtrl<cFrameCtrl>(L, u"createFrameCtrl");
}
int CreateProgressFn(lua_State* L) {
    return CreateCtrl<cProgressBarSysCtrl>(L, u"createProgressBarSysCtrl");
}
int CreateTextBoxFn(lua_State* L) {
    return CreateCtrl<cTextBoxSysCtrl>(L, u"createTextBoxSysCtrl");
}
int CreateSliderFn(lua_State* L) {
    return CreateCtrl<cSliderSysCtrl>(L, u"createSliderSysCtrl");
}
int CreateButtonFn(lua_State* L) {
    return CreateCtrl<cButtonSysCtrl>(L, u"createButtonSysCtrl");
}
int CreateLinkFn(lua_State* L) {
    return CreateCtrl<cLinkSysCtrl>(L, u"createLinkSysCtrl");
}
int CreateEditFn(lua_State* L) {
    return CreateCtrl<cEditSysCtrl>(L, u"createEditSysCtrl");
}
int CreateCheckBoxFn(lua_State* L) {
    return CreateCtrl<cCheckBoxSysCtrl>(L, u"createCheckBoxSysCtrl");
}
int CreateListFn(lua_State* L) {
    return CreateCtrl<cListSysCtrl>(L, u"createListSysCtrl");
}
int CreateToolbarFn(lua_State* L) {
    return CreateCtrl<cToolbarSysCtrl>(L, u"createToolbarSysCtrl");
}

struct cNamedFunction {
    const char* name;
    lua_CFunction function;
};

// Do not reorder: scripts and the console see the globals appear in this order.
constexpr cNamedFunction kGuiFunctions[] = {
    {"setWndActive", SetWndActiveFn},
    {"setWndModal", SetWndModalFn},
    {"createCtrl", CreateCtrlFn},
    {"setCtrlRect", SetCtrlRectFn},
    {"setCtrlUVRect", SetCtrlUVRectFn},
    {"setCtrlFrame", SetCtrlFrameFn},
    {"setCtrlUVFrame", SetCtrlUVFrameFn},
    {"showCtrl", ShowCtrlFn},
    {"enableCtrl", EnableCtrlFn},
    {"ignoreCtrl", IgnoreCtrlFn},
    {"setCtrlTexture", SetCtrlTextureFn},
    {"setCtrlColor", SetCtrlColorFn},
    {"setCtrlText", SetCtrlTextFn},
    {"setCtrlFont", SetCtrlFontFn},
    {"setCtrlAlign", SetCtrlAlignFn},
    {"createImageCtrl", CreateImageFn},
    {"createLabelCtrl", CreateLabelFn},
    {"createFrameCtrl", CreateFrameFn},
    {"drawFrameCtrlInnerRect", SetFrameOrButtonFlagFn},
    {"createProgressBarSysCtrl", CreateProgressFn},
    {"createTextBoxSysCtrl", CreateTextBoxFn},
    {"createSliderSysCtrl", CreateSliderFn},
    {"setSliderCtrlMinMax", SetSliderMinMaxFn},
    {"setSliderCtrlVertical", SetSliderVerticalFn},
    {"createButtonSysCtrl", CreateButtonFn},
    {"setButtonSingleFrame", SetFrameOrButtonFlagFn},
    {"createLinkSysCtrl", CreateLinkFn},
    {"createEditSysCtrl", CreateEditFn},
    {"setEditCtrlMaxLength", SetEditMaxLengthFn},
    {"createCheckBoxSysCtrl", CreateCheckBoxFn},
    {"createListSysCtrl", CreateListFn},
    {"setListSysCtrlMultiselect", SetListMultiselectFn},
    {"createToolbarSysCtrl", CreateToolbarFn},
};

}  // namespace

void RegisterGuiScriptFunctions(lua_State* L) {
    if (!L)
        return;
    for (const cNamedFunction& f : kGuiFunctions)
        RegisterScriptFunction(L, f.name, f.function);
}

}  // namespace qor
