#include "engine/SplashWidget.h"

#include <algorithm>
#include <cmath>
#include <string_view>

extern "C" {
#include <lua.h>
}

#include "app/Game.h"
#include "engine/LiveHandles.h"
#include "engine/LoadData.h"
#include "engine/Log.h"
#include "engine/Render.h"
#include "engine/Script.h"
#include "engine/Strings.h"

namespace qor {

namespace {

constexpr char kFillSplash[] = "FillSplash";
constexpr std::u16string_view kSender = u"cSplashWidget";

// Raw access: a metatable a script put on the globals must not raise an error
// outside a protected call.
void RawSetGlobalNil(lua_State* L, const char* name) {
    lua_pushstring(L, name);
    lua_pushnil(L);
    lua_rawset(L, LUA_GLOBALSINDEX);
}

void RawGetGlobal(lua_State* L, const char* name) {
    lua_pushstring(L, name);
    lua_rawget(L, LUA_GLOBALSINDEX);
}

std::u16string ErrorText(lua_State* L) {
    size_t size = 0;
    const char* message = lua_tolstring(L, -1, &size);
    return message ? FromUtf8(std::string_view(message, size)) : u"(no message)";
}

}  // namespace

cSplashStep::cSplashStep(float duration)
    // A NaN would never run out, and no key press could end the step.
    : remaining(std::isnan(duration) ? 0.0f : duration) {
    cLiveHandles<cSplashStep>::Add(this);
}

cSplashStep::~cSplashStep() {
    cLiveHandles<cSplashStep>::Remove(this);
}

void cSplashStep::AddImage(cTextureRef texture, const cRectF& placement) {
    images.push_back(std::move(texture));
    placements.push_back(placement);
}

cSplashWidget::cSplashWidget(cGameObject* gameObject)
    : cWidget(kSplashWidgetName), game(gameObject) {
    cLiveHandles<cSplashWidget>::Add(this);
    fader.rate = 1.0f / kSplashFadeSeconds;
    LoadPictures();
    RunScript();
    fader.SetTarget(1.0f);
}

cSplashWidget::~cSplashWidget() {
    cLiveHandles<cSplashWidget>::Remove(this);
}

void cSplashWidget::LoadPictures() {
    // Only pictures: an atlas script or an ".alpha" image lying in the folder
    // is read by the loader together with its picture, never as one itself.
    for (const cPath& file : FilesInFolder(cPath(u"{StaticPath}/texture/splash/"))) {
        if (!IsTextureFile(file))
            continue;
        if (const int code = LoadTexture(file); code != 0)
            LogEntry(kLogWarning, kSender, u"Cannot load '%s' (%i)", file.full, code);
    }
}

void cSplashWidget::RunScript() {
    lua_State* L = g_lua;
    if (!L)
        return;
    const int top = lua_gettop(L);
    // A script without FillSplash must not run one left over from another script.
    RawSetGlobalNil(L, kFillSplash);
    if (RunFile(cPath(u"{StaticPath}/conf/splash.lua")) == 0) {
        RawGetGlobal(L, kFillSplash);
        if (!lua_isfunction(L, -1)) {
            LogEntry(kLogWarning, kSender, u"splash.lua defines no FillSplash");
        } else {
            lua_pushlightuserdata(L, this);
            // The steps built before an error stay; the error only goes to the log.
            if (lua_pcall(L, 1, 0, 0) != 0)
                LogEntry(kLogWarning, kSender, u"FillSplash failed: %s", ErrorText(L));
        }
    }
    lua_settop(L, top);
}

void cSplashWidget::SetBackColor(float r, float g, float b) {
    if (game)
        game->SetBackColor(r, g, b);
}

cSplashStep* cSplashWidget::AddStep(float duration) {
    steps.push_back(std::make_unique<cSplashStep>(duration));
    return steps.back().get();
}

cSplashStep* cSplashWidget::CurrentStep() const {
    return current < steps.size() ? steps[current].get() : nullptr;
}

void cSplashWidget::Tick() {
    cSplashStep* step = CurrentStep();
    if (!step) {
        if (game)
            game->OnEndSplash();
        return;
    }
    fader.Step(kTickSeconds);
    step->remaining -= kTickSeconds;
    if (!fadingOut && step->remaining <= kSplashFadeSeconds) {
        fader.SetTarget(0.0f);
        fadingOut = true;
    }
    if (step->remaining <= 0.0f) {
        ++current;
        fader.SetTarget(1.0f);
        fadingOut = false;
    }
}

int cSplashWidget::OnEvent(int kind, int /*param*/) {
    if (kind == kWidgetKeyDown || kind == kWidgetMouseDown) {
        if (cSplashStep* step = CurrentStep())
            step->remaining = 0.0f;
    }
    return 0;
}

void cSplashWidget::Draw() {
    const uint32_t back = game ? game->backColor : 0xFF000000u;
    cSpriteBatch* batch = g_game ? g_game->batch() : nullptr;
    if (g_render) {
        g_render->SetClearColor(static_cast<float>((back >> 16) & 0xFF) / 255.0f,
                                static_cast<float>((back >> 8) & 0xFF) / 255.0f,
                                static_cast<float>(back & 0xFF) / 255.0f, 1.0f);
        g_render->Clear();
    }
    const cSplashStep* step = CurrentStep();
    if (step && g_render && batch) {
        g_render->Begin2D(kSplashWidth, kSplashHeight, true);
        g_render->SetBlend(kBlendAlpha, 0.0f);
        batch->Clear();
        const float alpha = std::clamp(fader.current, 0.0f, 1.0f);
        const uint32_t color = PackColor(1.0f, 1.0f, 1.0f, alpha);
        for (size_t i = 0; i < step->images.size() && i < step->placements.size(); ++i) {
            if (step->images[i])
                DrawSprite(batch, step->images[i], {0.0f, 0.0f, 1.0f, 1.0f}, step->placements[i],
                           color);
        }
        FlushBatch(batch);
        batch->Clear();
        g_render->SetBlend(kBlendOff, 0.0f);
        g_render->End2D();
    }
    cWidget::Draw();
}

}  // namespace qor
