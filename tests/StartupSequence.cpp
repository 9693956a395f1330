#include "tests/StartupSequence.h"

#include "app/Game.h"
#include "engine/LoadingScriptFunctions.h"
#include "engine/LoadingWidget.h"
#include "engine/Log.h"
#include "engine/Music.h"
#include "engine/Script.h"
#include "engine/ScriptFunctions.h"
#include "engine/SoundManager.h"
#include "engine/SplashWidget.h"
#include "gui/GuiScriptFunctions.h"
#include "gui/game/GameControlScriptFunctions.h"

namespace qor {

namespace {
constexpr std::u16string_view kSender = u"cStartupSequence";
constexpr float kDefaultVolume = 0.5f;
}  // namespace

cStartupSequence::cStartupSequence() {
    if (!g_gameObject)
        g_gameObject = this;
}

cStartupSequence::~cStartupSequence() {
    if (g_gameObject == this)
        g_gameObject = nullptr;
}

bool cStartupSequence::Start() {
    if (!g_game || !g_lua)
        return false;
    LogEntry(kLogText, kSender, u"Start game initialization...");
    // Splash and loading go on while the player looks at another window.
    g_game->runWhileInactive = true;

    cScriptFunctionHooks hooks;
    hooks.registerGuiFunctions = RegisterGuiScriptFunctions;
    hooks.registerSplashAndLoadingFunctions = RegisterSplashAndLoadingScriptFunctions;
    hooks.registerGameControlFunctions = ::RegisterGameControlScriptFunctions;
    RegisterEngineScriptFunctions(hooks);

    if (g_soundManager) {
        g_soundManager->SetVolume(kVolumeSounds, GetNumberGlobal("soundVolume", kDefaultVolume));
        g_soundManager->SetVolume(kVolumeMusic, GetNumberGlobal("musicVolume", kDefaultVolume));
    }

    m_splash = new cSplashWidget(this);
    g_game->FocusWidget(kSplashWidgetName);
    LogEntry(kLogText, kSender, u"Show splash screen...");
    return true;
}

void cStartupSequence::OnEndSplash() {
    if (!g_game)
        return;
    LogEntry(kLogText, kSender, u"End splash screen");
    if (!m_loading)
        m_loading = new cLoadingWidget(this);
    g_game->FocusWidget(kLoadingWidgetName);
    LogEntry(kLogText, kSender, u"Start loading...");
}

void cStartupSequence::OnEndLoading() {
    m_loadingEnded = true;
    if (g_game)
        g_game->runWhileInactive = false;
    LogEntry(kLogText, kSender, u"Loading complete.");
    // The menu's tune, as the menu will start it; faded in, looping.
    if (g_soundManager) {
        if (cMusic* music = g_soundManager->FindMusic(u"music0")) {
            music->SetLoop();
            music->Fade(true, 1.0f);
            music->Play();
        }
    }
}

}  // namespace qor
