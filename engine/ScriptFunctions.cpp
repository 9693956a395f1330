#include "engine/ScriptFunctions.h"

#include <SDL.h>

#include <algorithm>
#include <string>
#include <vector>

extern "C" {
#include <lua.h>
}

#include "app/Game.h"
#include "app/Platform.h"
#include "engine/Atlas.h"
#include "engine/Font.h"
#include "engine/Log.h"
#include "engine/Script.h"
#include "engine/ScriptArgs.h"
#include "engine/StringTable.h"
#include "engine/Strings.h"

namespace qor {

namespace {

// The window-title buffer holds 255 characters with its terminator.
constexpr size_t kMaxTitleLength = 254;
// A glyph list longer than this is not a font: stop reading there.
constexpr int kMaxGlyphListLength = 1 << 20;

// A handle argument: null when missing; an address that is not a live object
// of the kind is refused like a missing handle (and logged, as it is a fault
// in the script).
template <class T>
T* Handle(lua_State* L, int index, const char16_t* function, const char16_t* kind) {
    if (lua_isnoneornil(L, index))
        return nullptr;
    T* object = ArgHandle<T>(L, index);
    if (!object)
        LogEntry(kLogWarning, function, u"Unknown %s handle", kind);
    return object;
}

cFont* FontArg(lua_State* L, const char16_t* function) {
    return Handle<cFont>(L, 1, function, u"font");
}
cTextureInfo* AtlasArg(lua_State* L, const char16_t* function) {
    return Handle<cTextureInfo>(L, 1, function, u"atlas");
}

int PushTrue(lua_State* L) {
    lua_pushboolean(L, 1);
    return 1;
}

int PushNumber(lua_State* L, double value) {
    lua_pushnumber(L, value);
    return 1;
}

// ---- window and locale ----

// Cuts at `length` characters without splitting a surrogate pair.
std::u16string CutTitle(std::u16string title) {
    if (title.size() <= kMaxTitleLength)
        return title;
    size_t length = kMaxTitleLength;
    const char16_t last = title[length - 1];
    if (last >= 0xD800 && last <= 0xDBFF)
        --length;
    title.resize(length);
    return title;
}

int SetWindowTitleFn(lua_State* L) {
    if (g_game) {
        g_windowTitle = CutTitle(ArgString(L, 1));
        if (g_window)
            SDL_SetWindowTitle(g_window, ToUtf8(g_windowTitle).c_str());
    }
    return PushTrue(L);
}

int SetLocaleFn(lua_State* L) {
    SetLocalizedText(ArgString(L, 1), ArgString(L, 2));
    return PushTrue(L);
}

int ChangeLocaleFn(lua_State* L) {
    if (g_game)
        g_game->SetLocale(ArgString(L, 1));
    return PushTrue(L);
}

// ---- fonts ----

int CreateFontFn(lua_State* L) {
    lua_pushlightuserdata(L, CreateOrResetFont(ArgString(L, 1)).get());
    return 1;
}

int InitFontFn(lua_State* L) {
    cFont* font = FontArg(L, u"initFont");
    if (!font)
        return 0;
    font->faceName = ArgString(L, 2);
    font->styleName = ArgString(L, 3);
    font->size = ArgInt(L, 4);
    font->cellHeight = static_cast<float>(ArgNumber(L, 5));
    return 0;
}

int SetFontTextureFn(lua_State* L) {
    cFont* font = FontArg(L, u"setFontTexture");
    if (!font)
        return 0;
    SetFontTexture(font, ArgString(L, 2), static_cast<float>(ArgInt(L, 3)),
                   static_cast<float>(ArgInt(L, 4)));
    return 0;
}

int SetFontTransformFn(lua_State* L) {
    cFont* font = FontArg(L, u"setFontTransform");
    if (!font)
        return 0;
    // The two further numbers are accepted and play no part in the layout.
    font->spacing = static_cast<float>(ArgNumber(L, 2));
    return 0;
}

int FillFontFn(lua_State* L) {
    cFont* font = FontArg(L, u"fillFont");
    if (!font)
        return PushNumber(L, 1);
    const int count = std::min(ArrayLength(L, 2), kMaxGlyphListLength);
    for (int i = 1; i <= count; ++i) {
        lua_rawgeti(L, 2, i);
        const int glyph = lua_gettop(L);
        if (lua_istable(L, glyph)) {
            AddGlyph(font, FieldString(L, glyph, "ch"), static_cast<float>(FieldInt(L, glyph, "u")),
                     static_cast<float>(FieldInt(L, glyph, "v")),
                     static_cast<float>(FieldInt(L, glyph, "cu")),
                     static_cast<float>(FieldInt(L, glyph, "cv")),
                     static_cast<float>(FieldNumber(L, glyph, "fWidth")),
                     static_cast<float>(FieldNumber(L, glyph, "fBearingX")),
                     static_cast<float>(FieldNumber(L, glyph, "dx")));
        }
        lua_pop(L, 1);
    }
    return PushNumber(L, 0);
}

// ---- texture atlases ----

// {x, y, w, h}; anything but a table leaves it all 0.
cRectF RectArg(lua_State* L, int index) {
    return {static_cast<float>(FieldNumber(L, index, "x")),
            static_cast<float>(FieldNumber(L, index, "y")),
            static_cast<float>(FieldNumber(L, index, "w")),
            static_cast<float>(FieldNumber(L, index, "h"))};
}

// The same in whole pixels.
cRectF PixelRectArg(lua_State* L, int index) {
    return {
        static_cast<float>(FieldInt(L, index, "x")), static_cast<float>(FieldInt(L, index, "y")),
        static_cast<float>(FieldInt(L, index, "w")), static_cast<float>(FieldInt(L, index, "h"))};
}

float FpsArg(lua_State* L, int index) {
    return static_cast<float>(ArgNumber(L, index));
}

// A node result; -1 when there was no atlas to add it to.
int PushNode(lua_State* L, int index) {
    return PushNumber(L, index);
}

int CreateTextureInfoFn(lua_State* L) {
    lua_pushlightuserdata(L, CreateTextureInfo(ArgString(L, 1)).get());
    return 1;
}

int AddNode5fFn(lua_State* L) {
    cTextureInfo* atlas = AtlasArg(L, u"addTextureInfoNode5f");
    if (!atlas)
        return PushNode(L, -1);
    return PushNode(L, AddNode(atlas, ArgString(L, 2), RectArg(L, 3), ArgInt(L, 4), ArgInt(L, 5),
                               FpsArg(L, 6)));
}

int AddNode4fFn(lua_State* L) {
    cTextureInfo* atlas = AtlasArg(L, u"addTextureInfoNode4f");
    if (!atlas)
        return PushNode(L, -1);
    return PushNode(L, AddNode(atlas, ArgString(L, 2), RectArg(L, 3), ArgInt(L, 4), ArgInt(L, 5),
                               kDefaultNodeFps));
}

int AddNode2fFn(lua_State* L) {
    cTextureInfo* atlas = AtlasArg(L, u"addTextureInfoNode2f");
    if (!atlas)
        return PushNode(L, -1);
    return PushNode(L, AddNode(atlas, ArgString(L, 2), RectArg(L, 3), 1, 1, kDefaultNodeFps));
}

int AddNode4Fn(lua_State* L) {
    cTextureInfo* atlas = AtlasArg(L, u"addTextureInfoNode4");
    if (!atlas)
        return PushNode(L, -1);
    return PushNode(
        L, AddNode(atlas, ArgString(L, 2), {0, 0, 1, 1}, ArgInt(L, 3), ArgInt(L, 4), FpsArg(L, 5)));
}

int AddNode3Fn(lua_State* L) {
    cTextureInfo* atlas = AtlasArg(L, u"addTextureInfoNode3");
    if (!atlas)
        return PushNode(L, -1);
    return PushNode(L, AddNode(atlas, ArgString(L, 2), {0, 0, 1, 1}, ArgInt(L, 3), ArgInt(L, 4),
                               kDefaultNodeFps));
}

int AddNode5iFn(lua_State* L) {
    cTextureInfo* atlas = AtlasArg(L, u"addTextureInfoNode5i");
    if (!atlas)
        return PushNode(L, -1);
    return PushNode(L, AddNodePixels(atlas, ArgString(L, 2), PixelRectArg(L, 3), ArgInt(L, 4),
                                     ArgInt(L, 5), FpsArg(L, 6)));
}

int AddNode4iFn(lua_State* L) {
    cTextureInfo* atlas = AtlasArg(L, u"addTextureInfoNode4i");
    if (!atlas)
        return PushNode(L, -1);
    return PushNode(L, AddNodePixels(atlas, ArgString(L, 2), PixelRectArg(L, 3), ArgInt(L, 4),
                                     ArgInt(L, 5), kDefaultNodeFps));
}

int AddNode2iFn(lua_State* L) {
    cTextureInfo* atlas = AtlasArg(L, u"addTextureInfoNode2i");
    if (!atlas)
        return PushNode(L, -1);
    return PushNode(
        L, AddNodePixels(atlas, ArgString(L, 2), PixelRectArg(L, 3), 1, 1, kDefaultNodeFps));
}

int SetTextureNodeCountFn(lua_State* L) {
    cTextureInfo* atlas = AtlasArg(L, u"setTextureNodeCount");
    if (atlas)
        SetNodeFrameCount(atlas, ArgString(L, 2), ArgInt(L, 3));
    return 0;
}

int CreateTextureInfoExFn(lua_State* L) {
    lua_pushlightuserdata(L, CreateTextureInfoEx(ArgString(L, 1)).get());
    return 1;
}

int AddTextureInfoExNodesFn(lua_State* L) {
    auto* atlas = Handle<cTextureInfoEx>(L, 1, u"addTextureInfoExNodes", u"extended atlas");
    if (!atlas)
        return PushNumber(L, 1);
    const int count = ArrayLength(L, 3);
    if (count > kMaxNodeFrames) {
        LogEntry(kLogWarning, u"addTextureInfoExNodes", u"Too many frames for %s", atlas->name);
    }
    std::vector<cExFrame> frames;
    for (int i = 1; i <= std::min(count, kMaxNodeFrames); ++i) {
        lua_rawgeti(L, 3, i);
        const int t = lua_gettop(L);
        // An entry that is not a table reads every field as 0 but keeps its
        // place: game code addresses the frames by number.
        auto field = [&](const char* key) { return static_cast<float>(FieldNumber(L, t, key)); };
        frames.push_back({field("dx"), field("dy"), field("u"), field("v"), field("cu"),
                          field("cv"), field("w"), field("h")});
        lua_pop(L, 1);
    }
    SetExFrames(atlas, ArgString(L, 2), frames, FpsArg(L, 4));
    return PushNumber(L, 0);
}

struct cNamedFunction {
    const char* name;
    lua_CFunction function;
};

constexpr cNamedFunction kWindowLocaleFontFunctions[] = {
    {"setWindowTitle", SetWindowTitleFn},
    {"setLocale", SetLocaleFn},
    {"changeLocale", ChangeLocaleFn},
    {"createFont", CreateFontFn},
    {"initFont", InitFontFn},
    {"setFontTexture", SetFontTextureFn},
    {"setFontTransform", SetFontTransformFn},
    {"fillFont", FillFontFn},
};

constexpr cNamedFunction kAtlasFunctions[] = {
    {"createTextureInfo", CreateTextureInfoFn},
    {"addTextureInfoNode5f", AddNode5fFn},
    {"addTextureInfoNode4f", AddNode4fFn},
    {"addTextureInfoNode2f", AddNode2fFn},
    {"addTextureInfoNode4", AddNode4Fn},
    {"addTextureInfoNode3", AddNode3Fn},
    {"addTextureInfoNode5i", AddNode5iFn},
    {"addTextureInfoNode4i", AddNode4iFn},
    {"addTextureInfoNode2i", AddNode2iFn},
    {"setTextureNodeCount", SetTextureNodeCountFn},
    {"createTextureInfoEx", CreateTextureInfoExFn},
    {"addTextureInfoExNodes", AddTextureInfoExNodesFn},
};

template <size_t N>
void RegisterAll(lua_State* L, const cNamedFunction (&functions)[N]) {
    for (const cNamedFunction& f : functions)
        RegisterScriptFunction(L, f.name, f.function);
}

void CallHook(const std::function<void(lua_State*)>& hook, lua_State* L) {
    if (hook)
        hook(L);
}

}  // namespace

void RegisterScriptFunction(lua_State* L, const char* name, int (*function)(lua_State*)) {
    lua_pushstring(L, name);
    lua_pushcfunction(L, function);
    lua_rawset(L, LUA_GLOBALSINDEX);
}

bool RegisterEngineScriptFunctions(const cScriptFunctionHooks& hooks) {
    lua_State* L = g_lua;
    if (!L)
        return false;
    RunBuffer(kAlignSnippet);
    RegisterAll(L, kWindowLocaleFontFunctions);
    CallHook(hooks.registerGuiFunctions, L);
    CallHook(hooks.registerSplashAndLoadingFunctions, L);
    RegisterAll(L, kAtlasFunctions);
    CallHook(hooks.registerGameControlFunctions, L);
    return true;
}

}  // namespace qor
