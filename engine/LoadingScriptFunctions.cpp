#include "engine/LoadingScriptFunctions.h"

#include <algorithm>

extern "C" {
#include <lua.h>
}

#include "engine/FileSystem.h"
#include "engine/LoadData.h"
#include "engine/Log.h"
#include "engine/ScriptArgs.h"
#include "engine/ScriptFunctions.h"
#include "engine/SplashWidget.h"
#include "engine/TextureCache.h"

namespace qor {

namespace {

std::vector<std::u16string>& Exclusions() {
    static std::vector<std::u16string> names;
    return names;
}

// A handle argument: null when missing; an address that is not a live object
// of the kind is refused like a missing handle, and logged as a script fault.
template <class T>
T* Handle(lua_State* L, int index, const char16_t* function, const char16_t* kind) {
    if (lua_isnoneornil(L, index))
        return nullptr;
    T* object = ArgHandle<T>(L, index);
    if (!object)
        LogEntry(kLogWarning, function, u"Unknown %s handle", kind);
    return object;
}

int PushNumber(lua_State* L, double value) {
    lua_pushnumber(L, value);
    return 1;
}

float FloatArg(lua_State* L, int index) {
    return static_cast<float>(ArgNumber(L, index));
}

cPath PathArg(lua_State* L, int index) {
    return cPath(ArgString(L, index));
}

// ---- splash ----

int SetSplashBackColorFn(lua_State* L) {
    auto* splash = Handle<cSplashWidget>(L, 1, u"setSplashBackColor", u"splash");
    if (splash)
        splash->SetBackColor(FloatArg(L, 2), FloatArg(L, 3), FloatArg(L, 4));
    return 0;
}

int AddSplashNodeFn(lua_State* L) {
    auto* splash = Handle<cSplashWidget>(L, 1, u"addSplashNode", u"splash");
    if (!splash) {
        lua_pushnil(L);
        return 1;
    }
    lua_pushlightuserdata(L, splash->AddStep(FloatArg(L, 2)));
    return 1;
}

int AddSplashNodeImageFn(lua_State* L) {
    auto* step = Handle<cSplashStep>(L, 1, u"addSplashNodeImage", u"splash node");
    if (step) {
        step->AddImage(FindTexture(ArgString(L, 2)),
                       {FloatArg(L, 3), FloatArg(L, 4), FloatArg(L, 5), FloatArg(L, 6)});
    }
    return 0;
}

// ---- loading lists ----

int LoadTexturesFn(lua_State* L) {
    const cPath folder = PathArg(L, 1);
    if (!IsFolder(folder))
        return PushNumber(L, 1);
    for (const cPath& file : FilesInFolder(folder)) {
        if (IsTextureFile(file))
            cLoadTexture::Create(file);
    }
    return PushNumber(L, 0);
}

int UpdateTexturesFn(lua_State* L) {
    return PushNumber(L, ReloadFolderTextures(PathArg(L, 1)) ? 0 : 1);
}

int ExcludeFromCompressionFn(lua_State* L) {
    const std::u16string name = ArgString(L, 1);
    if (!IsExcludedFromCompression(name))
        Exclusions().push_back(name);
    return PushNumber(L, 0);
}

int LoadSoundsFn(lua_State* L) {
    const cPath folder = PathArg(L, 1);
    if (!IsFolder(folder))
        return PushNumber(L, 1);
    for (const cPath& file : FilesInFolder(folder)) {
        if (IsSoundFile(file))
            cLoadSound::Create(file, 1);
    }
    return PushNumber(L, 0);
}

bool IsSoundFileOnDisk(const cPath& path) {
    return IsSoundFile(path) && Exists(path) && !IsFolder(path);
}

int LoadSoundFn(lua_State* L) {
    const cPath file = PathArg(L, 1);
    const int channels = ArgInt(L, 2);
    const bool queued = IsSoundFileOnDisk(file) && cLoadSound::Create(file, channels);
    return PushNumber(L, queued ? 0 : 1);
}

int LoadStreamFn(lua_State* L) {
    const cPath file = PathArg(L, 1);
    if (IsSoundFileOnDisk(file))
        cLoadStream::Create(file);
    return PushNumber(L, 0);
}

struct cNamedFunction {
    const char* name;
    lua_CFunction function;
};

// The order scripts have always seen them registered in.
constexpr cNamedFunction kFunctions[] = {
    {"setSplashBackColor", SetSplashBackColorFn},
    {"addSplashNode", AddSplashNodeFn},
    {"addSplashNodeImage", AddSplashNodeImageFn},
    {"loadTextures", LoadTexturesFn},
    {"updateTextures", UpdateTexturesFn},
    {"excludeFromCompression", ExcludeFromCompressionFn},
    {"loadSounds", LoadSoundsFn},
    {"loadStream", LoadStreamFn},
    {"loadSound", LoadSoundFn},
};

}  // namespace

void RegisterSplashAndLoadingScriptFunctions(lua_State* L) {
    if (!L)
        return;
    for (const cNamedFunction& f : kFunctions)
        RegisterScriptFunction(L, f.name, f.function);
}

bool ReloadFolderTextures(const cPath& folder) {
    if (!IsFolder(folder))
        return false;
    for (const cPath& file : FilesInFolder(folder)) {
        if (!IsTextureFile(file))
            continue;
        if (const int code = ReloadTexture(file, file.name); code != 0)
            LogEntry(kLogWarning, u"updateTextures", u"Cannot load '%s' (%i)", file.full, code);
    }
    return true;
}

const std::vector<std::u16string>& CompressionExclusions() {
    return Exclusions();
}

bool IsExcludedFromCompression(std::u16string_view name) {
    const auto& names = Exclusions();
    return std::find(names.begin(), names.end(), name) != names.end();
}

void ClearCompressionExclusions() {
    Exclusions().clear();
}

}  // namespace qor
